// "/CAD4:j": the drawing goes to kavrot.dxf in the temporary folder and the stored converter
// command line is started, without a question, through the real executable.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "config/config_file.h"
#include "support/temp_folder.h"

namespace zel3::test {
namespace {

bool AppearsSoon(const std::string& path) {
    for (int i = 0; i < 100; ++i) {
        if (Exists(path)) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return false;
}

TEST(PlotBatch, Cad4WritesKavrotDxfAndStartsTheConverter) {
    TempFolder temp;
    WriteBytes(temp / "kugel_kugel.zl3",
               ReadBytes(ZEL3_TEST_SOURCE_DIR "/../data/examples/kugel_kugel.zl3"));
    // The converter takes the input name without extension and copies its DXF.
    const std::string converter = temp / "conv";
    WriteBytes(converter, "#!/bin/sh\ncp \"$1.dxf\" \"$1.part\" && mv \"$1.part\" \"$1.seen\"\n");
    ::chmod(converter.c_str(), 0755);
    Settings settings;
    settings.kavrotCommand[1] = converter + " " + (temp / "kavrot") + " /CHPL";
    WriteBytes(temp / "zel3.cfg", ConfigurationText(settings, "zel3", "2.7"));

    const std::string cmd = "cd '" + temp.Dir() + "' && ZEL3_HOME='" + temp.Dir() + "' TEMP='" +
                            temp.Dir() + "' '" ZEL3_WZEL3_PATH "' kugel_kugel.zl3 /CAD4:1 >'" +
                            temp.Dir() + "out.log' 2>&1 </dev/null";
    const int status = std::system(cmd.c_str());
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << ReadBytes(temp / "out.log");
    EXPECT_EQ(ReadBytes(temp / "out.log"), "");

    const std::string dxf = ReadBytes(temp / "kavrot.dxf");
    EXPECT_EQ(dxf.rfind("  0\r\nSECTION", 0), 0u);
    EXPECT_NE(dxf.find("CIRCLE"), std::string::npos);
    EXPECT_NE(dxf.find("EOF", dxf.size() - 6), std::string::npos);
    ASSERT_TRUE(AppearsSoon(temp / "kavrot.seen")) << ReadBytes(temp / "out.log");
    EXPECT_EQ(ReadBytes(temp / "kavrot.seen"), dxf);
    EXPECT_FALSE(Exists(temp / "kugel_kugel.dxf"));
    // Debian's interpreter, where python3-ezdxf lives, reads the plot file back.
    const std::string python =
        ::access("/usr/bin/python3", X_OK) == 0 ? "/usr/bin/python3" : "python3";
    const std::string check = python + " '" ZEL3_TEST_SOURCE_DIR "/cad/dxf_audit_check.py' '" +
                              (temp / "kavrot.dxf") + "'";
    EXPECT_EQ(std::system(check.c_str()), 0) << check;
}

}  // namespace
}  // namespace zel3::test
