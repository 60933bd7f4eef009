#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <memory>

#include "config/config_file.h"
#include "config/recent_files.h"
#include "shell/program.h"
#include "support/scripted_platform.h"

namespace zel3 {
namespace {

// The program's own files go to $ZEL3_HOME and come back from there.
TEST(ProgramConfiguration, HomeFromEnvironmentRoundTrip) {
    const std::string home = testing::TempDir() + "zel3_home_" + std::to_string(::getpid()) + "/";
    ::setenv("ZEL3_HOME", home.c_str(), 1);
    {
        Program writer(std::make_unique<test::ScriptedPlatform>());
        writer.settings.linesPerPage = 70;
        writer.settings.number.separator = 2;
        writer.recentFiles[1] = "/data/a.zl3";
        WriteConfiguration(writer);
        EXPECT_TRUE(WriteRecentFiles(writer));
        EXPECT_FALSE(writer.ui.errorFlag);
        EXPECT_EQ(writer.settings.folders.HomeDir, home);
    }
    Program reader(std::make_unique<test::ScriptedPlatform>());
    ReadConfiguration(reader);
    ReadRecentFiles(reader);
    EXPECT_FALSE(reader.ui.errorFlag);
    EXPECT_EQ(reader.settings.linesPerPage, 70);
    EXPECT_EQ(reader.settings.number.separator, 2);
    EXPECT_EQ(reader.recentFiles[1], "/data/a.zl3");
    ::unsetenv("ZEL3_HOME");
    std::remove((home + "zel3.cfg").c_str());
    std::remove((home + "zel3.cff").c_str());
    ::rmdir(home.c_str());
}

}  // namespace
}  // namespace zel3
