// Starting the plot converter: the start results and their messages, and real starts of
// programs that are there, missing, not executable or plain command files.

#include "cad/plot_start.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <thread>

#include "support/scripted_platform.h"
#include "support/temp_folder.h"
#include "util/detached_process.h"

namespace zel3 {
namespace {

// The scripted platform with the real start of programs.
class StartingPlatform : public test::ScriptedPlatform {
  public:
    int StartHidden(const std::string& commandLine) override {
        return Platform::StartHidden(commandLine);
    }
};

struct PlotStartTest : ::testing::Test {
    PlotStartTest() : ui(platform, number, text) {}
    std::vector<std::string> Start(const std::string& line) {
        platform.messages.clear();
        ui.errorFlag = false;
        StartPlotter(ui, line);
        return platform.Texts();
    }
    // Waits up to five seconds for a file the started program writes.
    static bool AppearsSoon(const std::string& path) {
        for (int i = 0; i < 100; ++i) {
            if (test::Exists(path)) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
        }
        return false;
    }
    StartingPlatform platform;
    NumberFormat number;
    TextOptions text;
    UiState ui;
    test::TempFolder temp;
};

TEST_F(PlotStartTest, StartResultsGiveTheirMessages) {
    test::ScriptedPlatform scripted;
    UiState u(scripted, number, text);
    const struct {
        int result;
        const char* message;
    } cases[] = {{0, "out of memory !"},
                 {2, "file not found"},
                 {3, "file not found"},
                 {4, "Exec error 4"},
                 {31, "Exec error 31"},
                 {1, ""},
                 {32, ""},
                 {33, ""}};
    for (const auto& c : cases) {
        scripted.messages.clear();
        scripted.hiddenStartResult = c.result;
        u.errorFlag = false;
        StartPlotter(u, "conv x");
        const std::string expected = c.message;
        EXPECT_EQ(u.errorFlag, !expected.empty()) << c.result;
        if (expected.empty()) {
            EXPECT_TRUE(scripted.messages.empty()) << c.result;
        } else {
            ASSERT_EQ(scripted.messages.size(), 1u) << c.result;
            EXPECT_EQ(scripted.messages[0].kind, BoxKind::Error);
            EXPECT_EQ(scripted.messages[0].text, expected);
        }
    }
    EXPECT_EQ(scripted.hiddenStarts.size(), 8u);
}

TEST_F(PlotStartTest, MissingProgramIsFileNotFound) {
    EXPECT_EQ(Start(temp / "wkavrot.exe kavrot"), std::vector<std::string>{"file not found"});
    EXPECT_TRUE(ui.errorFlag);
    EXPECT_EQ(Start("zel3-no-such-converter kavrot"), std::vector<std::string>{"file not found"});
    EXPECT_EQ(Start(""), std::vector<std::string>{"file not found"});
}

TEST_F(PlotStartTest, FileThatIsNoProgramIsAnExecError) {
    test::WriteBytes(temp / "plain", "echo\n");
    ::chmod((temp / "plain").c_str(), 0644);
    EXPECT_EQ(Start(temp / "plain"), std::vector<std::string>{"Exec error 5"});
}

TEST_F(PlotStartTest, ConverterStartsWithItsArgumentsAndIsNotWaitedFor) {
    // The converter copies its input only once it is told to: a start that waited for it
    // would never return to give the sign.
    const std::string script = temp / "conv";
    test::WriteBytes(script,
                     "#!/bin/sh\nn=0\nwhile [ ! -e \"$3\" ] && [ $n -lt 200 ]; do sleep 0.05; "
                     "n=$((n+1)); done\ncp \"$1.dxf\" \"$2.part\" && mv \"$2.part\" \"$2\"\n");
    ::chmod(script.c_str(), 0755);
    test::WriteBytes(temp / "kavrot.dxf", "  0\nEOF\n");
    EXPECT_TRUE(
        Start(script + " " + (temp / "kavrot") + " " + (temp / "copy.dxf") + " " + (temp / "go"))
            .empty());
    EXPECT_FALSE(ui.errorFlag);
    EXPECT_FALSE(test::Exists(temp / "copy.dxf"));
    test::WriteBytes(temp / "go", "");
    ASSERT_TRUE(AppearsSoon(temp / "copy.dxf"));
    EXPECT_EQ(test::ReadBytes(temp / "copy.dxf"), "  0\nEOF\n");
    EXPECT_TRUE(test::Exists(temp / "kavrot.dxf"));
}

TEST_F(PlotStartTest, CommandFileWithoutInterpreterLineRunsInTheShell) {
    // The batch file of a long command line: the line alone, executable.
    test::WriteBytes(temp / "zel3.BAT", "touch " + (temp / "ran") + "\n");
    ::chmod((temp / "zel3.BAT").c_str(), 0755);
    EXPECT_TRUE(Start(temp / "zel3.BAT").empty());
    EXPECT_TRUE(AppearsSoon(temp / "ran"));
}

TEST(StartCode, ErrnoMapsToTheClassicCodes) {
    EXPECT_EQ(StartCodeFromErrno(0), 33);
    EXPECT_EQ(StartCodeFromErrno(ENOMEM), 0);
    EXPECT_EQ(StartCodeFromErrno(ENOENT), 2);
    EXPECT_EQ(StartCodeFromErrno(ENOTDIR), 3);
    EXPECT_EQ(StartCodeFromErrno(EACCES), 5);
    EXPECT_EQ(StartCodeFromErrno(ENOEXEC), 11);
    EXPECT_EQ(StartCodeFromErrno(EIO), 31);
}

}  // namespace
}  // namespace zel3
