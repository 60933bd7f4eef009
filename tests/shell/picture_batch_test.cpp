// "/CADi:j" with i = 6, 7, 8 through the real executable, without a display: wzel3 hands the
// job to the picture program, which paints offscreen.

#include <gtest/gtest.h>
#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>

#include "config/config_file.h"
#include "config/settings.h"
#include "support/temp_folder.h"

namespace zel3::test {
namespace {

// Width and height from a PNG file's IHDR chunk; 0 when it is no PNG.
struct PngHeader {
    explicit PngHeader(const std::string& png) {
        if (png.size() < 24 || png.compare(0, 8, "\x89PNG\r\n\x1a\n") != 0) return;
        width = Be32(png, 16);
        height = Be32(png, 20);
    }
    static int Be32(const std::string& s, size_t at) {
        int v = 0;
        for (size_t i = 0; i < 4; ++i) v = (v << 8) | static_cast<unsigned char>(s[at + i]);
        return v;
    }
    int width = 0;
    int height = 0;
};

class PictureBatchTest : public ::testing::Test {
  protected:
    void SetUp() override {
#ifndef ZEL3_WITH_QT_PROGRAMS
        GTEST_SKIP() << "built without the Qt programs, which paint the pictures";
#endif
        std::filesystem::copy_file(
            std::string(ZEL3_TEST_SOURCE_DIR) + "/../data/examples/kugel_kugel.zl3",
            temp / "kugel_kugel.zl3");
    }
    // Runs wzel3 (or the program named) in the temporary folder with no display and no session
    // at all; the exit code.
    // environment: settings put in front of the program, after the display ones are removed.
    int Run(const std::string& args, const std::string& program = ZEL3_WZEL3_PATH,
            const std::string& environment = "") {
        const std::string cmd =
            "cd '" + temp.Dir() +
            "' && env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u XDG_RUNTIME_DIR " +
            environment + " ZEL3_HOME='" + temp.Dir() + "' TEMP='" + temp.Dir() + "' '" + program +
            "' " + args + " >'" + temp.Dir() + "out.log' 2>&1";
        const int status = std::system(cmd.c_str());
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    std::string Log() const {
        return ReadBytes(temp / "out.log");
    }
    TempFolder temp;
};

TEST_F(PictureBatchTest, EachKindWritesItsFileBesideTheProject) {
    ASSERT_EQ(Run("kugel_kugel.zl3 /CAD6:3 /NOGUI"), 0) << Log();
    EXPECT_NE(ReadBytes(temp / "kugel_kugel.svg").find("<svg"), std::string::npos);
    EXPECT_EQ(Log(), "") << "a job that went well says nothing";
    ASSERT_EQ(Run("kugel_kugel.zl3 --cad=7:4"), 0) << Log();
    EXPECT_EQ(ReadBytes(temp / "kugel_kugel.pdf").substr(0, 5), "%PDF-");
    ASSERT_EQ(Run("kugel_kugel.zl3 /cad8:1"), 0) << Log();
    // A4 landscape at 150 dpi.
    PngHeader png(ReadBytes(temp / "kugel_kugel.png"));
    EXPECT_EQ(png.width, 1754);
    EXPECT_EQ(png.height, 1240);
}

// A display that is named but cannot be reached (a stale DISPLAY in an ssh session or a cron
// job) is no reason to fail: pictures are painted offscreen, by either program.
TEST_F(PictureBatchTest, AnUnreachableDisplayDoesNotStopAPictureJob) {
    const std::string nowhere = "DISPLAY=:97 WAYLAND_DISPLAY=zel3-nowhere";
    ASSERT_EQ(Run("kugel_kugel.zl3 /CAD8:3 /NOGUI", ZEL3_WZEL3_PATH, nowhere), 0) << Log();
    EXPECT_EQ(PngHeader(ReadBytes(temp / "kugel_kugel.png")).width, 1754);
    ASSERT_EQ(Run("kugel_kugel.zl3 /CAD6:3", ZEL3_WZEL3_PATH "_picture", nowhere), 0) << Log();
    EXPECT_NE(ReadBytes(temp / "kugel_kugel.svg").find("<svg"), std::string::npos);
}

TEST_F(PictureBatchTest, PictureProgramTakesPictureJobsOnly) {
    EXPECT_EQ(Run("kugel_kugel.zl3 /I /NOGUI", ZEL3_WZEL3_PATH "_picture"), 1) << Log();
    EXPECT_NE(Log().find("only picture jobs"), std::string::npos) << Log();
    EXPECT_FALSE(std::filesystem::exists(temp / "kugel_kugel.txt"));
}

TEST_F(PictureBatchTest, PrintoutLookAndResolutionComeFromTheSettings) {
    Settings s;
    s.picturePrintLook = true;
    s.pictureDpi = 75;
    WriteBytes(temp / "zel3.cfg", ConfigurationText(s, "zel3", "2.7"));
    ASSERT_EQ(Run("kugel_kugel.zl3 /CAD8:3"), 0) << Log();
    PngHeader png(ReadBytes(temp / "kugel_kugel.png"));
    EXPECT_EQ(png.width, 877);
    EXPECT_EQ(png.height, 620);
}

TEST_F(PictureBatchTest, UnwritableTargetEndsWithOneAndLosesNothing) {
    // A folder where the picture should go cannot be replaced by it.
    std::filesystem::create_directory(temp / "kugel_kugel.pdf");
    WriteBytes(temp / "kugel_kugel.pdf/inhalt", "bleibt");
    EXPECT_EQ(Run("kugel_kugel.zl3 /CAD7:3 /NOGUI"), 1) << Log();
    EXPECT_NE(Log().find("kugel_kugel.pdf"), std::string::npos) << Log();
    EXPECT_EQ(ReadBytes(temp / "kugel_kugel.pdf/inhalt"), "bleibt");
    // No temporary file is left beside it.
    int files = 0;
    for (const auto& e : std::filesystem::directory_iterator(temp.Dir()))
        if (e.is_regular_file()) ++files;
    EXPECT_EQ(files, 2) << "the project and the log";
}

}  // namespace
}  // namespace zel3::test
