// The File menu's commands, the input sequence and the close sequence on the scripted platform.
#include "shell/file_commands.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "cad/form_frame.h"
#include "config/recent_files.h"
#include "project/project_files.h"
#include "report/report_test_support.h"
#include "support/contact_cases.h"

namespace zel3::test {
namespace {

class FileCommands : public ::testing::Test, protected ReportProgram {
  protected:
    FileCommands() {
        Folders& f = program.settings.folders;
        f.HomeDir = temp.Dir();
        f.StartDir = temp.Dir();
        program.run.ProjectName.clear();
        program.run.ProjectDir = temp / "";
        program.run.ProjectDir.pop_back();
        window.updateCaption = [this] { ++captions; };
        window.refresh = [this] { ++refreshes; };
    }

    // A project file of the given force, written without touching the program's case.
    std::string MakeProject(const std::string& name, double F) {
        const ContactCase keep = program.contactCase;
        program.contactCase = SphereOnSphere(20, 30, F);
        SaveProject(program, temp / (name + ".zl3"));
        EXPECT_FALSE(program.ui.errorFlag);
        program.contactCase = keep;
        return temp / (name + ".zl3");
    }

    void NameCurrent(const std::string& name) {
        program.run.ProjectName = name;
        program.run.Modified = true;
    }

    bool Requested(const std::string& kind) const {
        for (const auto& r : platform->requests) {
            if (r.kind == kind) return true;
        }
        return false;
    }

    WindowUpdates window;
    int captions = 0;
    int refreshes = 0;
};

TEST_F(FileCommands, OpenOnUnnamedModifiedCaseAsksToDiscard) {
    const std::string file = MakeProject("a", 5000);
    program.contactCase.F = 123;
    program.run.Modified = true;

    platform->questionAnswers = {YesNoCancel::No};
    OpenCase(program, window);
    EXPECT_EQ(platform->questions, std::vector<std::string>{"Bisherige Eingaben verwerfen ?"});
    EXPECT_FALSE(Requested("open")) << "No opens nothing";
    EXPECT_DOUBLE_EQ(program.contactCase.F, 123);
    EXPECT_TRUE(program.run.Modified);
    EXPECT_TRUE(program.ui.errorFlag);
    EXPECT_EQ(refreshes, 0);

    platform->questionAnswers = {YesNoCancel::Yes};
    platform->dialogAnswers = {DialogAnswer::Text(file)};
    OpenCase(program, window);
    EXPECT_FALSE(program.ui.errorFlag);
    EXPECT_DOUBLE_EQ(program.contactCase.F, 5000);
    EXPECT_EQ(program.run.ProjectName, "a");
    EXPECT_FALSE(program.run.Modified);
    EXPECT_GT(program.contactCase.result.pmax, 0) << "the loaded case is calculated";
    EXPECT_EQ(refreshes, 1);
}

TEST_F(FileCommands, OpenedFileMovesToTheTopOfTheRecentList) {
    const std::string file = MakeProject("a", 5000);
    program.recentFiles = {"", "/elsewhere/b.zl3", file, "/elsewhere/c.zl3", ""};
    platform->dialogAnswers = {DialogAnswer::Text(file)};
    OpenCase(program, window);
    EXPECT_EQ(program.recentFiles[1], file);
    EXPECT_EQ(program.recentFiles[2], "/elsewhere/b.zl3");
    EXPECT_EQ(program.recentFiles[3], "/elsewhere/c.zl3");
    EXPECT_EQ(program.recentFiles[4], "");
    EXPECT_GE(captions, 1);
}

TEST_F(FileCommands, CancelledOpenDialogKeepsNameAndCase) {
    NameCurrent("keep");
    program.run.Modified = false;
    program.contactCase.F = 77;
    OpenCase(program, window);  // the dialog answers Cancel
    EXPECT_TRUE(Requested("open"));
    EXPECT_TRUE(program.ui.errorFlag);
    EXPECT_EQ(program.run.ProjectName, "keep");
    EXPECT_DOUBLE_EQ(program.contactCase.F, 77);
    EXPECT_EQ(refreshes, 0);
}

TEST_F(FileCommands, ExitOnModifiedNamedCaseAsksToSave) {
    NameCurrent("case");
    WriteBytes(temp / "$blk.dx$", "x");
    WriteBytes(temp / "keep.dxf", "x");

    platform->questionAnswers = {YesNoCancel::Cancel};
    EXPECT_FALSE(CloseSequence(program)) << "Cancel keeps the program running";
    EXPECT_EQ(platform->questions,
              std::vector<std::string>{"Datei speichern (" + (temp / "case.zl3") + ") ?"});
    EXPECT_TRUE(program.run.Modified);
    EXPECT_TRUE(Exists(temp / "$blk.dx$"));
    EXPECT_FALSE(Exists(temp / "zel3.cff"));

    platform->questionAnswers = {YesNoCancel::Yes};
    EXPECT_TRUE(CloseSequence(program));
    EXPECT_TRUE(Exists(temp / "case.zl3"));
    EXPECT_FALSE(program.run.Modified);
    EXPECT_FALSE(Exists(temp / "$blk.dx$"));
    EXPECT_TRUE(Exists(temp / "keep.dxf"));
    EXPECT_EQ(platform->statusTexts.back(), "Lösche temporäre Dateien ...");
    // The recent-files file is written on the way out and holds the saved project.
    std::array<std::string, 5> read{};
    bool flag = false;
    ReadRecentFiles(temp / "zel3.cff", read, flag);
    EXPECT_EQ(read[1], temp / "case.zl3");
}

TEST_F(FileCommands, CommandLineProjectIsAskedForByItsOwnName) {
    NameCurrent("/data/x.zl3");
    program.run.StartedWithFile = true;
    platform->questionAnswers = {YesNoCancel::No};
    AskSaveChanges(program);
    EXPECT_EQ(platform->questions, std::vector<std::string>{"Datei speichern (/data/x.zl3) ?"});
    EXPECT_FALSE(program.run.Modified);
    EXPECT_FALSE(program.ui.errorFlag);
}

TEST_F(FileCommands, RelativeCommandLineNameIsRememberedWithItsFolder) {
    const std::filesystem::path cwd = std::filesystem::current_path();
    std::filesystem::current_path(temp.Dir());
    NameCurrent("rel.zl3");
    program.run.ProjectDir.clear();
    program.run.StartedWithFile = true;
    SaveCase(program, window);
    std::filesystem::current_path(cwd);
    EXPECT_FALSE(program.ui.errorFlag);
    EXPECT_TRUE(Exists(temp / "rel.zl3"));
    EXPECT_EQ(program.recentFiles[1], temp / "rel.zl3");
}

TEST_F(FileCommands, FailedSaveKeepsModified) {
    // A folder that does not exist: the name cannot be created.
    NameCurrent("case");
    program.run.ProjectDir = temp / "missing";
    SaveCase(program, window);
    EXPECT_TRUE(program.ui.errorFlag);
    EXPECT_TRUE(program.run.Modified);
    ASSERT_FALSE(platform->messages.empty());
    EXPECT_NE(platform->messages.back().text.find("Ungültiger Dateiname"), std::string::npos);
    EXPECT_EQ(program.recentFiles[1], "");

    // A folder where the file should be: the write itself fails.
    program.run.ProjectDir = temp / "";
    program.run.ProjectDir.pop_back();
    std::filesystem::create_directory(temp / "case.zl3");
    SaveCase(program, window);
    EXPECT_TRUE(program.ui.errorFlag);
    EXPECT_TRUE(program.run.Modified);

    // Saving on the way out fails the same way: the window stays open.
    platform->questionAnswers = {YesNoCancel::Yes};
    EXPECT_FALSE(CloseSequence(program));
    EXPECT_TRUE(program.run.Modified);
}

TEST_F(FileCommands, SaveOfUnnamedCaseAsksForNameAndRemembersIt) {
    program.run.Modified = true;
    platform->dialogAnswers = {DialogAnswer::Text(temp / "neu.zl3")};
    SaveCase(program, window);
    EXPECT_TRUE(Requested("save"));
    EXPECT_FALSE(program.ui.errorFlag);
    EXPECT_FALSE(program.run.Modified);
    EXPECT_EQ(program.run.ProjectName, "neu");
    EXPECT_TRUE(Exists(temp / "neu.zl3"));
    EXPECT_EQ(program.recentFiles[1], temp / "neu.zl3");

    // Save As over an existing file asks first; No leaves it and the case modified.
    program.run.Modified = true;
    platform->dialogAnswers = {DialogAnswer::Text(temp / "neu.zl3")};
    platform->questionAnswers = {YesNoCancel::No};
    SaveCaseAs(program, window);
    ASSERT_EQ(platform->questions.size(), 1u);
    EXPECT_NE(platform->questions[0].find("existiert bereits"), std::string::npos);
    EXPECT_TRUE(program.run.Modified);
    EXPECT_TRUE(program.ui.errorFlag);
}

TEST_F(FileCommands, SaveAsOffersACommandLineProjectInItsFolder) {
    NameCurrent("/data/projekte/lager.zl3");
    program.run.ProjectDir.clear();
    program.run.StartedWithFile = true;
    SaveCaseAs(program, window);  // cancelled
    ASSERT_FALSE(platform->requests.empty());
    EXPECT_EQ(platform->requests.back().preset, "/data/projekte|*.zl3|*.zl3|lager.zl3");
    EXPECT_TRUE(program.run.Modified);
}

TEST_F(FileCommands, NamesWithDotsKeepTheirWholeName) {
    program.contactCase.F = 1200;
    platform->dialogAnswers = {DialogAnswer::Text(temp / "welle v1.2")};
    SaveCaseAs(program, window);
    EXPECT_FALSE(program.ui.errorFlag);
    EXPECT_TRUE(Exists(temp / "welle v1.2.zl3"));
    EXPECT_FALSE(Exists(temp / "welle v1.zl3"));
    EXPECT_EQ(CurrentProjectPath(program), temp / "welle v1.2.zl3");
    EXPECT_EQ(program.recentFiles[1], temp / "welle v1.2.zl3");

    program.contactCase.F = 1;
    platform->dialogAnswers = {DialogAnswer::Text(temp / "welle v1.2.zl3")};
    OpenCase(program, window);
    EXPECT_FALSE(program.ui.errorFlag);
    EXPECT_DOUBLE_EQ(program.contactCase.F, 1200);
    EXPECT_EQ(CurrentProjectPath(program), temp / "welle v1.2.zl3");

    program.recentFiles = {"", "/x/other.zl3", temp / "welle v1.2.zl3", "", ""};
    program.contactCase.F = 1;
    OpenRecentFile(program, 2, window);
    EXPECT_DOUBLE_EQ(program.contactCase.F, 1200);
    EXPECT_EQ(program.recentFiles[1], temp / "welle v1.2.zl3");
}

// Report headers and the form sheet name the file the case came from, then the one it was
// saved as; the picture on screen follows a new name.
TEST_F(FileCommands, ReportsAndSheetsNameTheOpenedAndTheSavedFile) {
    const std::string file = MakeProject("projkugel", 5000);
    platform->dialogAnswers = {DialogAnswer::Text(file)};
    OpenCase(program, window);
    ASSERT_FALSE(program.ui.errorFlag);
    EXPECT_EQ(FormFrameDataOf(program).projectPath, file);
    ReportWriter& report = program.report;
    report.SetReportHeader("Titel", "", "", "", "", 0);
    report.OpenReport(kTargetDosFile, "");
    report.CreateReportFile();
    report.PageHeader(1, 0);
    report.CloseReport();
    ASSERT_LT(file.size(), 60u);
    EXPECT_NE(ReadBytes(temp / "OUTDOS.TXT").find("    " + file + " "), std::string::npos);

    const int before = refreshes;
    platform->dialogAnswers = {DialogAnswer::Text(temp / "kopie.zl3")};
    SaveCaseAs(program, window);
    ASSERT_FALSE(program.ui.errorFlag);
    EXPECT_EQ(FormFrameDataOf(program).projectPath, temp / "kopie.zl3");
    EXPECT_EQ(refreshes, before + 1) << "the sheet on screen shows the new name";
    SaveCase(program, window);
    EXPECT_EQ(refreshes, before + 1) << "the same name needs no new picture";
}

TEST_F(FileCommands, CommandLineProjectIsNamedOnceOnTheFormSheet) {
    NameCurrent(temp / "kugel_rille.zl3");
    program.run.ProjectDir.clear();
    program.run.StartedWithFile = true;
    EXPECT_EQ(FormFrameDataOf(program).projectPath, temp / "kugel_rille.zl3");

    const std::filesystem::path cwd = std::filesystem::current_path();
    std::filesystem::current_path(temp.Dir());
    NameCurrent("kugel_rille.zl3");
    const std::string relative = FormFrameDataOf(program).projectPath;
    std::filesystem::current_path(cwd);
    EXPECT_EQ(relative, temp / "kugel_rille.zl3") << "a full path, not one relative to here";
}

TEST_F(FileCommands, MissingRecentFileIsRemovedWithANote) {
    const std::string there = MakeProject("there", 4000);
    const std::string gone = temp / "gone.zl3";
    program.recentFiles = {"", there, gone, "/x/third.zl3", "/x/fourth.zl3"};
    program.contactCase.F = 55;
    OpenRecentFile(program, 2, window);
    ASSERT_EQ(platform->messages.size(), 1u);
    EXPECT_EQ(platform->messages[0].kind, BoxKind::Note);
    EXPECT_EQ(platform->messages[0].text, "File " + gone + " not found !");
    EXPECT_EQ(program.recentFiles[1], there);
    EXPECT_EQ(program.recentFiles[2], "/x/third.zl3");
    EXPECT_EQ(program.recentFiles[3], "/x/fourth.zl3");
    EXPECT_EQ(program.recentFiles[4], "");
    EXPECT_DOUBLE_EQ(program.contactCase.F, 55);
    EXPECT_GE(captions, 1) << "the menu entries are rebuilt";

    program.recentFiles = {"", "/x/third.zl3", there, "", ""};
    OpenRecentFile(program, 2, window);  // the existing file moves to the top
    EXPECT_DOUBLE_EQ(program.contactCase.F, 4000);
    EXPECT_EQ(program.run.ProjectName, "there");
    EXPECT_EQ(program.run.ProjectDir + "/there.zl3", there);
    EXPECT_EQ(program.recentFiles[1], there);
    EXPECT_EQ(program.recentFiles[2], "/x/third.zl3");
    EXPECT_EQ(program.recentFiles[3], "");
    EXPECT_FALSE(program.run.Modified);
    EXPECT_GT(program.contactCase.result.pmax, 0);
}

TEST_F(FileCommands, NewCaseStartsFromTheNullTemplate) {
    MakeProject("null", 2500);
    NameCurrent("old");
    program.run.Modified = false;
    program.contactCase.remarks = {"r1", "r2", "r3"};
    program.contactCase.changes.count = 2;
    program.graphics.DrawTrelloxLogo();

    NewCase(program, window);  // the drawing-name dialog is cancelled
    EXPECT_EQ(platform->caseDialogs, std::vector<std::string>{"names"});
    EXPECT_TRUE(program.ui.errorFlag);
    EXPECT_EQ(program.run.ProjectName, "");
    EXPECT_DOUBLE_EQ(program.contactCase.F, 2500);
    EXPECT_EQ(program.contactCase.remarks[0], "");
    EXPECT_EQ(program.contactCase.changes.count, 0);
    EXPECT_TRUE(program.graphics.list.empty());
    EXPECT_FALSE(program.run.Modified) << "nothing was entered";
    EXPECT_EQ(refreshes, 0);
}

TEST_F(FileCommands, QuickRunsEveryDialogThenCalculatesAndShowsTheFindings) {
    program.contactCase = SphereOnSphere(20, 30, 1000);
    platform->caseDialogAnswers = {true, true, true};
    platform->dialogAnswers = {DialogAnswer::Text("3000")};
    platform->editCase = [](const std::string& dialog, ContactCase& c) {
        if (dialog == "geometry") c.body[0].sphereDiameter = 40;
    };
    QuickCommand(program, window);
    EXPECT_FALSE(program.ui.errorFlag);
    EXPECT_EQ(platform->caseDialogs, (std::vector<std::string>{"names", "geometry", "materials"}));
    ASSERT_FALSE(platform->requests.empty());
    EXPECT_EQ(platform->requests[0].prompt, "Druckkraft [N]");
    EXPECT_DOUBLE_EQ(program.contactCase.F, 3000);
    EXPECT_TRUE(program.run.Modified);
    EXPECT_GT(program.contactCase.result.pmax, 0);
    EXPECT_EQ(refreshes, 1);
    // The message window: a note when there are no findings, the choice otherwise.
    const bool shown = !platform->messages.empty() || platform->requests.size() > 1;
    EXPECT_TRUE(shown);
}

TEST_F(FileCommands, QuickCancelledAfterTheNamesKeepsWhatWasConfirmed) {
    program.contactCase = SphereOnSphere(20, 30, 1000);
    platform->caseDialogAnswers = {true};
    platform->editCase = [](const std::string&, ContactCase& c) { c.drawingName = "neu"; };
    QuickCommand(program, window);  // the force prompt is cancelled
    EXPECT_TRUE(program.ui.errorFlag);
    EXPECT_EQ(program.contactCase.drawingName, "neu");
    EXPECT_TRUE(program.run.Modified) << "a confirmed change must not be lost unasked";
    EXPECT_EQ(refreshes, 0);

    // Cancelled at once: a case that was modified before stays modified.
    platform->caseDialogAnswers.clear();
    program.run.Modified = true;
    QuickCommand(program, window);
    EXPECT_TRUE(program.run.Modified);
}

TEST_F(FileCommands, ArchiveModeRefusesFileCommandsAndSkipsTheQuestion) {
    NameCurrent(temp / "arch.zl3");
    program.run.StartedWithFile = true;
    program.settings.archiveMode = true;
    AskSaveChanges(program);
    EXPECT_TRUE(platform->questions.empty());
    EXPECT_FALSE(program.run.Modified);

    program.run.Modified = true;
    SaveCase(program, window);
    EXPECT_TRUE(program.ui.errorFlag);
    EXPECT_FALSE(Exists(temp / "arch.zl3"));
    EXPECT_EQ(platform->Texts().back(),
              "File- und User- Befehle sind im Archivierungsmodus nicht möglich.");
    OpenCase(program, window);
    EXPECT_FALSE(Requested("open"));

    EXPECT_TRUE(CloseSequence(program)) << "closing needs no question";
    EXPECT_TRUE(platform->questions.empty());
}

}  // namespace
}  // namespace zel3::test
