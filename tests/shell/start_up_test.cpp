#include "shell/start_up.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "report/report_test_support.h"
#include "shell/directory_check.h"

namespace zel3::test {
namespace {

class StartUpTest : public ::testing::Test, protected ReportProgram {
  protected:
    void SetUp() override {
        cwd_ = std::filesystem::current_path();
        Folders& f = program.settings.folders;
        f.StartDir = temp.Dir();
        f.DataDir = temp.Dir();
        f.CadDir = temp.Dir();
        f.EdiDir = temp.Dir();
        f.DbfDir = temp.Dir();
        f.PltDir = temp.Dir();
    }
    void TearDown() override { std::filesystem::current_path(cwd_); }

    std::optional<int> Run(std::vector<std::string> args, int mode = 9) {
        program.args = std::move(args);
        return StartUp(program, mode);
    }
    bool Shown(const std::string& text) const {
        for (const auto& m : platform->messages) {
            if (m.text == text) return true;
        }
        return false;
    }

    std::filesystem::path cwd_;
};

TEST_F(StartUpTest, UnusableFoldersAreReportedAndTempIsAskedFor) {
    Folders& f = program.settings.folders;
    f.CadDir = temp / "fehlt";
    f.DbfDir = temp / "fehlt";
    f.TempDir = temp / "fehlt";
    platform->dialogAnswers.push_back(DialogAnswer::Text(temp.Dir()));
    EXPECT_EQ(Run({}), std::nullopt);
    EXPECT_TRUE(Shown("ungültiger CAD Ordner konfiguriert"));
    EXPECT_TRUE(Shown("ungültiger DBF Ordner konfiguriert"));
    EXPECT_TRUE(Shown("ungültiger Ordner für temporäre Dateien konfiguriert"));
    EXPECT_FALSE(Shown("ungültiger Data Ordner konfiguriert"));
    ASSERT_FALSE(platform->requests.empty());
    EXPECT_EQ(platform->requests[0].prompt, "Ordner für temporäre Dateien");
    EXPECT_EQ(platform->requests[0].maxLength, 60);
    EXPECT_EQ(f.TempDir, temp.Dir());
    EXPECT_FALSE(program.ui.errorFlag) << "start-up ends with the flag cleared";
}

TEST_F(StartUpTest, EmptyFoldersGetDefaultsAndTheProbeSparesExistingFiles) {
    Folders& f = program.settings.folders;
    f.DataDir.clear();
    f.EdiDir.clear();
    f.TempDir.clear();
    program.ProgramDataDir = temp.Dir();
    f.PltDir.clear();
    WriteBytes(temp / "x.$$$", "Daten");
    EXPECT_EQ(Run({}), std::nullopt);
    EXPECT_EQ(f.DataDir, temp.Dir());
    EXPECT_EQ(f.EdiDir, temp.Dir());
    EXPECT_EQ(f.PltDir, temp.Dir());
    EXPECT_FALSE(f.TempDir.empty());
    EXPECT_EQ(ReadBytes(temp / "x.$$$"), "Daten");
    EXPECT_TRUE(FolderWritable(temp.Dir()));
    EXPECT_FALSE(FolderWritable(temp / "fehlt"));
}

TEST_F(StartUpTest, HelpAndRefusedNamesEndTheProcessWithZero) {
    EXPECT_EQ(Run({"?"}), kExitOk);
    EXPECT_EQ(platform->messages.back().text, "ZEL3 Command Line Mode");
    EXPECT_EQ(Run({"/?"}), kExitOk);
    for (const std::string name : {"test", "-?"}) {
        platform->messages.clear();
        EXPECT_EQ(Run({name}), kExitOk) << name;
        EXPECT_TRUE(Shown("Erweiterung .zl3 muß mit angegeben werden")) << name;
    }
}

TEST_F(StartUpTest, SwitchesThatSkipLoadingKeepTheNameAsGiven) {
    for (const std::string sw : {"/E", "/e", "/G"}) {
        EXPECT_EQ(Run({"ordner/neu.edi", sw}), std::nullopt);
        EXPECT_EQ(program.run.ProjectName, "ordner/neu.edi");
        EXPECT_FALSE(program.run.StartedWithFile);
        EXPECT_TRUE(platform->messages.empty()) << sw;
    }
}

TEST_F(StartUpTest, MissingWindowModeFileBecomesANewFile) {
    const std::string name = temp / "neu.zl3";
    EXPECT_EQ(Run({name}), std::nullopt);
    EXPECT_TRUE(program.run.StartedWithFile);
    EXPECT_EQ(program.run.ProjectName, name);
    EXPECT_EQ(program.run.ProjectDir, "");
    EXPECT_TRUE(platform->messages.empty()) << "load errors are not shown";
    EXPECT_FALSE(Exists(name)) << "the probe file is removed again";

    EXPECT_EQ(Run({temp / "fehlt/neu.zl3"}), kExitOk) << "an invalid new name ends the run";
}

TEST_F(StartUpTest, WindowModeFileIsCalculatedBeforeItsSheetIsDrawn) {
    const std::string name = std::string(ZEL3_SOURCE_DATA_DIR) + "/examples/kugel_kugel.zl3";
    program.settings.helpLevel = 1;
    EXPECT_EQ(Run({name}, 9), std::nullopt);  // mode 9 runs no calculation of its own
    EXPECT_FALSE(program.graphics.list.empty());
    EXPECT_GT(program.contactCase.result.pmax, 0);
}

TEST_F(StartUpTest, WithoutAFileTheLogoIsShown) {
    program.run.ProjectName.clear();
    EXPECT_EQ(Run({}, 8), std::nullopt);
    EXPECT_FALSE(program.graphics.list.empty());
    EXPECT_EQ(program.run.ProjectName, "");
    EXPECT_FALSE(program.run.Modified);
}

TEST_F(StartUpTest, BatchReportOfAMissingProjectEndsWithOneAndWritesNothing) {
    ::chdir(temp.Dir().c_str());
    EXPECT_EQ(Run({"fehlt.zl3", "/I"}, 8), kExitLoadFailed);
    EXPECT_EQ(Run({"fehlt.zl3", "/cad1:1"}, 8), kExitLoadFailed);
    EXPECT_FALSE(Exists(temp / "fehlt.txt"));
}

TEST_F(StartUpTest, MultiUserWorksInTheUsersFolder) {
    program.settings.MultiUser = true;
    std::filesystem::create_directory(temp / "anna");
    platform->dialogAnswers.push_back(DialogAnswer::Text("anna"));
    EXPECT_EQ(Run({}), std::nullopt);
    ASSERT_FALSE(platform->requests.empty());
    EXPECT_EQ(platform->requests[0].prompt, "Passwort (User) eingeben ...");
    EXPECT_EQ(platform->requests[0].maxLength, 8);
    EXPECT_EQ(program.run.ProjectDir, temp.Dir() + "anna");
    EXPECT_EQ(std::filesystem::current_path(), std::filesystem::path(temp.Dir()).parent_path());

    for (const std::string bad : {"..", "fehlt", "", "../anna", "/tmp"}) {
        platform->messages.clear();
        platform->dialogAnswers.push_back(DialogAnswer::Text(bad));
        EXPECT_EQ(Run({}), kExitOk) << bad;
        EXPECT_TRUE(Shown("Ungültiges Passwort " + bad + " !")) << bad;
    }
    platform->dialogAnswers.push_back(DialogAnswer::Cancel());
    EXPECT_EQ(Run({}), kExitOk) << "cancelling ends the program";
    EXPECT_EQ(Run({}, 4), std::nullopt) << "mode 4 does not ask";
}

// The desktop starts "wzel3 file.zl3": a folder warning before must not turn the loaded
// project into a failed one (no sheet, a question about overwriting it).
TEST_F(StartUpTest, UnusableFolderDoesNotFailTheCommandLineProject) {
    program.settings.folders.CadDir = temp / "fehlt";
    const std::string name = std::string(ZEL3_SOURCE_DATA_DIR) + "/examples/kugel_kugel.zl3";
    program.settings.helpLevel = 1;
    EXPECT_EQ(Run({name}, 8), std::nullopt);
    EXPECT_TRUE(Shown("ungültiger CAD Ordner konfiguriert"));
    EXPECT_TRUE(platform->questions.empty()) << platform->questions.front();
    EXPECT_TRUE(program.run.StartedWithFile);
    EXPECT_EQ(program.run.ProjectName, name);
    EXPECT_FALSE(program.graphics.list.empty()) << "the form sheet is drawn";
    EXPECT_GT(program.contactCase.result.pmax, 0);
    EXPECT_FALSE(program.ui.errorFlag);
}

TEST_F(StartUpTest, UnusableFolderDoesNotEndTheMultiUserStart) {
    program.settings.folders.CadDir = temp / "fehlt";
    program.settings.MultiUser = true;
    std::filesystem::create_directory(temp / "anna");
    platform->dialogAnswers.push_back(DialogAnswer::Text("anna"));
    EXPECT_EQ(Run({}, 8), std::nullopt) << "a valid name goes on";
    EXPECT_TRUE(Shown("ungültiger CAD Ordner konfiguriert"));
    EXPECT_EQ(program.run.ProjectDir, temp.Dir() + "anna");
    EXPECT_FALSE(program.ui.errorFlag);
}

TEST_F(StartUpTest, CancelledTempFolderQuestionDoesNotFailTheStart) {
    program.settings.folders.TempDir = temp / "fehlt";
    platform->dialogAnswers.push_back(DialogAnswer::Cancel());
    const std::string name = std::string(ZEL3_SOURCE_DATA_DIR) + "/examples/kugel_kugel.zl3";
    EXPECT_EQ(Run({name}, 8), std::nullopt);
    EXPECT_TRUE(platform->questions.empty());
    EXPECT_EQ(program.settings.folders.TempDir, temp / "fehlt");
}

TEST(CommandLineBaseName, FolderAndExtensionGo) {
    EXPECT_EQ(CommandLineBaseName("/home/a/test.zl3"), "test");
    EXPECT_EQ(CommandLineBaseName("c:test.v2.zl3"), "test.v2");
    EXPECT_EQ(CommandLineBaseName("test"), "test");
}

}  // namespace
}  // namespace zel3::test
