#include "util/file_prompts.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "support/scripted_platform.h"

namespace zel3 {
namespace {

namespace fs = std::filesystem;
using test::DialogAnswer;
using test::ScriptedPlatform;

std::string ReadAll(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    std::stringstream s;
    s << in.rdbuf();
    return s.str();
}

void WriteAll(const fs::path& p, const std::string& data) {
    std::ofstream(p, std::ios::binary) << data;
}

class FilePromptsTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("zel3_file_prompts_" + std::to_string(::getpid()) + "_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
    }
    void TearDown() override { fs::remove_all(dir); }
    std::string P(const std::string& name) const { return (dir / name).string(); }

    fs::path dir;
    ScriptedPlatform platform;
    NumberFormat number;
    TextOptions text;
    UiState ui{platform, number, text};
};

TEST_F(FilePromptsTest, UnreadableFilesAndFoldersAreReportedAndStopTheCommand) {
    EXPECT_FALSE(CheckFileReadable(ui, P("fehlt.zl3")));
    EXPECT_TRUE(ui.errorFlag);
    EXPECT_EQ(platform.Texts().at(0),
              "Datei " + P("fehlt.zl3") + " nicht gefunden oder kein Zugriffsrecht !");
    ui.errorFlag = false;
    EXPECT_FALSE(CheckFileReadable(ui, dir.string()));
    ui.showErrors = false;
    ui.errorFlag = false;
    EXPECT_FALSE(CheckFileReadable(ui, P("fehlt.zl3")));
    EXPECT_TRUE(ui.errorFlag);
    EXPECT_EQ(platform.messages.size(), 2u);
    WriteAll(P("da.zl3"), "x");
    ui.errorFlag = false;
    EXPECT_TRUE(CheckFileReadable(ui, P("da.zl3")));
    EXPECT_FALSE(ui.errorFlag);
}

TEST_F(FilePromptsTest, OverwritingAsksAndNeverEmptiesTheOldFileBeforehand) {
    WriteAll(P("alt.txt"), "Inhalt");
    platform.questionAnswers = {YesNoCancel::No, YesNoCancel::Yes};
    EXPECT_FALSE(PrepareNewFile(ui, P("alt.txt")));
    EXPECT_TRUE(ui.errorFlag);
    EXPECT_EQ(platform.questions.at(0), P("alt.txt") + " existiert bereits.   überschreiben ?");
    ui.errorFlag = false;
    EXPECT_TRUE(PrepareNewFile(ui, P("alt.txt")));
    EXPECT_EQ(ReadAll(P("alt.txt")), "Inhalt");

    WriteAll(P("aktuell.txt"), "x");
    EXPECT_TRUE(PrepareNewFile(ui, P("aktuell.txt")));
    EXPECT_EQ(platform.questions.size(), 2u) << "no question for the current-state file";

    EXPECT_TRUE(PrepareNewFile(ui, P("neu.txt")));
    EXPECT_FALSE(fs::exists(P("neu.txt"))) << "the probe is removed again";
}

TEST_F(FilePromptsTest, AFileThatCannotBeCreatedIsAnInvalidName) {
    const std::string bad = P("kein/ordner.txt");
    EXPECT_FALSE(PrepareNewFile(ui, bad));
    EXPECT_TRUE(ui.errorFlag);
    EXPECT_EQ(platform.Texts(), std::vector<std::string>{"Ungültiger Dateiname \"" + bad + "\" !"});
}

TEST_F(FilePromptsTest, CreatingInAMissingFolderEndsAtOnceWithoutAskingToRetry) {
    OutputFile f(P("kein/ordner.txt"));
    EXPECT_FALSE(CreateForWriting(ui, f));
    EXPECT_TRUE(ui.errorFlag);
    EXPECT_EQ(platform.Texts(), std::vector<std::string>{"I/O-Error 2"});
    EXPECT_TRUE(platform.questions.empty());
}

// A file that exists but may not be written, even by root.
const char* const kUnwritable = "/sys/kernel/notes";

bool HaveUnwritableFile() {
    if (!fs::exists(kUnwritable)) return false;
    std::FILE* f = std::fopen(kUnwritable, "wb");
    if (f) std::fclose(f);
    return f == nullptr;
}

TEST_F(FilePromptsTest, RetryingACreateEndsAfterThreeAttemptsOrWhenNobodyAnswers) {
    if (!HaveUnwritableFile()) GTEST_SKIP() << "no unwritable file here";
    OutputFile f(kUnwritable);
    platform.questionAnswers = {YesNoCancel::Yes, YesNoCancel::Yes, YesNoCancel::Yes};
    EXPECT_FALSE(CreateForWriting(ui, f));
    EXPECT_TRUE(ui.errorFlag);
    EXPECT_EQ(platform.questions.size(), 2u);
    EXPECT_EQ(platform.messages.size(), 3u);

    ui.errorFlag = false;
    platform.messages.clear();
    platform.questions.clear();
    platform.questionAnswers.clear();
    EXPECT_FALSE(CreateForWriting(ui, f));  // the question is not answered: Cancel
    EXPECT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.questions.size(), 1u);

    ui.errorFlag = false;
    ui.showErrors = false;
    platform.questions.clear();
    EXPECT_FALSE(CreateForWriting(ui, f));
    EXPECT_TRUE(ui.errorFlag);
    EXPECT_TRUE(platform.questions.empty()) << "nobody sees the error, nobody is asked";
}

TEST_F(FilePromptsTest, CheckedWritesGiveCrLfLinesAndStopOnceTheFlagIsSet) {
    OutputFile f(P("a.txt"));
    ASSERT_TRUE(CreateForWriting(ui, f));
    EXPECT_TRUE(WriteLineChecked(ui, f, "eins"));
    ui.errorFlag = true;
    EXPECT_FALSE(WriteLineChecked(ui, f, "zwei"));
    ui.errorFlag = false;
    EXPECT_TRUE(CloseChecked(ui, f));
    EXPECT_EQ(ReadAll(P("a.txt")), "eins\r\n");
    EXPECT_TRUE(platform.messages.empty());
}

TEST_F(FilePromptsTest, AFullDiskIsReportedOnceAndSetsTheFlag) {
    if (!fs::exists("/dev/full")) GTEST_SKIP();
    OutputFile f("/dev/full");
    ASSERT_TRUE(CreateChecked(ui, f));
    EXPECT_FALSE(WriteLineChecked(ui, f, "x"));
    EXPECT_TRUE(ui.errorFlag);
    EXPECT_FALSE(CloseChecked(ui, f));
    EXPECT_EQ(platform.Texts(), std::vector<std::string>{"Diskette/Platte voll"});
}

TEST_F(FilePromptsTest, AReplacingFileKeepsTheOldContentsUntilItIsClosed) {
    WriteAll(P("p.zl3"), "alt");
    {
        OutputFile f(P("p.zl3"), OutputFile::Mode::Replacing);
        ASSERT_EQ(f.Create(), 0);
        ASSERT_EQ(f.WriteLine("halb"), 0);
        EXPECT_EQ(ReadAll(P("p.zl3")), "alt");
    }  // given up
    EXPECT_EQ(ReadAll(P("p.zl3")), "alt");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);

    OutputFile f(P("p.zl3"), OutputFile::Mode::Replacing);
    ASSERT_EQ(f.Create(), 0);
    ASSERT_EQ(f.WriteLine("neu"), 0);
    ASSERT_EQ(f.Close(), 0);
    EXPECT_EQ(ReadAll(P("p.zl3")), "neu\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 1);
}

TEST_F(FilePromptsTest, PickersReturnTheStartWhenNothingIsChosen) {
    EXPECT_EQ(PickFile(ui, " " + P("x.zl3") + " ", "*.zl3"), " " + P("x.zl3") + " ");
    EXPECT_TRUE(ui.errorFlag);
    EXPECT_EQ(platform.requests.at(0).preset, dir.string() + "|*.zl3");
    platform.dialogAnswers = {DialogAnswer::Text(P("y.zl3"))};
    EXPECT_EQ(PickFile(ui, dir.string() + "/", "*.zl3"), P("y.zl3"));

    EXPECT_EQ(PickFolder(ui, dir.string()), dir.string());
    EXPECT_FALSE(ui.errorFlag) << "a cancelled folder choice clears the flag";
    EXPECT_EQ(platform.requests.at(2).preset, dir.string());
    PickFolder(ui, P("fehlt"));
    EXPECT_EQ(platform.requests.at(3).preset, "") << "a missing folder is not preset";
}

TEST_F(FilePromptsTest, DeletingAsksFirstAndTakesThePatternsExtension) {
    WriteAll(P("teil.zl3"), "x");
    platform.dialogAnswers = {DialogAnswer::Text("/anderswo/teil.bak"),
                              DialogAnswer::Text("/anderswo/teil.bak")};
    platform.questionAnswers = {YesNoCancel::No, YesNoCancel::Yes};
    DeleteFileAsked(ui, dir.string(), "*.zl3");
    EXPECT_TRUE(fs::exists(P("teil.zl3")));
    EXPECT_EQ(platform.questions.at(0), "teil.zl3 wirklich löschen ?");
    DeleteFileAsked(ui, dir.string(), "*.zl3");
    EXPECT_FALSE(fs::exists(P("teil.zl3")));
    EXPECT_FALSE(ui.errorFlag);
}

}  // namespace
}  // namespace zel3
