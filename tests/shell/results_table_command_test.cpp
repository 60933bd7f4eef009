// File "Tabelle": the table over the project folder, picking rows that load their project,
// and the spreadsheet commands of the OLE menu with their workbooks read back.
#include "shell/results_table_command.h"

#include <gtest/gtest.h>

#include "contact/hertz_solver.h"
#include "project/project_files.h"
#include "report/report_test_support.h"
#include "shell/spreadsheet_commands.h"
#include "support/contact_cases.h"
#include "support/python_reader.h"

namespace zel3::test {
namespace {

using Rows = std::vector<std::vector<std::string>>;

class ResultsTableCommandTest : public ::testing::Test, protected ReportProgram {
  protected:
    ResultsTableCommandTest() {
        program.run.ProjectName.clear();
        program.run.ProjectDir = temp / "projects";
        std::filesystem::create_directory(program.run.ProjectDir);
        window.updateCaption = [this] { ++captions; };
        window.refresh = [this] { ++refreshes; };
    }

    void MakeProject(const std::string& name, double F) {
        const ContactCase keep = program.contactCase;
        program.contactCase = SphereOnSphere(20, 30, F);
        program.contactCase.drawingName = name;
        SaveProject(program, program.run.ProjectDir + "/" + name + ".zl3");
        ASSERT_FALSE(program.ui.errorFlag);
        program.contactCase = keep;
    }

    // A table window that answers the given picks in turn (0 closes it) and records what
    // it was shown.
    ResultsTableWindow Window(std::vector<int> picks, std::function<void(Rows&)> beforePick = {}) {
        ResultsTableWindow w;
        w.showTable = [this, picks, beforePick](const std::string& caption, Rows& rows,
                                                int selected) {
            shownCaption = caption;
            shownSelected.push_back(selected);
            shownRows = rows;
            casesShown.push_back(program.contactCase.F);
            if (beforePick) beforePick(rows);
            const size_t call = shownSelected.size() - 1;
            return call < picks.size() ? picks[call] : 0;
        };
        return w;
    }

    WindowUpdates window;
    int captions = 0;
    int refreshes = 0;
    std::string shownCaption;
    std::vector<int> shownSelected;
    std::vector<double> casesShown;
    Rows shownRows;
};

TEST_F(ResultsTableCommandTest, PickedRowsLoadTheirProjectAndShowTheTableAgain) {
    MakeProject("a", 1000);
    MakeProject("b", 2000);
    MakeProject("c", 3000);
    ResultsTableCommand(program, window, Window({2, 3, 0}));

    EXPECT_EQ(shownCaption,
              program.identity.ProductName + " - Ergebnistabelle - " + program.run.ProjectDir);
    ASSERT_EQ(shownRows.size(), 4u);
    EXPECT_EQ(shownRows[1][2], "a");
    EXPECT_EQ(shownRows[3][4], "3000");
    EXPECT_EQ(shownSelected, (std::vector<int>{0, 2, 3}));
    EXPECT_DOUBLE_EQ(casesShown[1], 2000) << "b is loaded before the table shows again";
    EXPECT_DOUBLE_EQ(program.contactCase.F, 3000);
    EXPECT_GT(program.contactCase.result.pmax, 0);
    EXPECT_EQ(program.run.ProjectName, "c");
    EXPECT_EQ(ProjectFilePath(program.run.ProjectDir, program.run.ProjectName,
                              program.identity.ProjectExt),
              program.run.ProjectDir + "/c.zl3")
        << "a later save writes back to the picked file";
    EXPECT_FALSE(program.run.Modified);
    EXPECT_EQ(refreshes, 2);
    EXPECT_TRUE(program.ui.errorFlag) << "closing the window ends the command";
    EXPECT_GE(captions, 3);
}

TEST_F(ResultsTableCommandTest, SortedTableLoadsTheFileOfThePickedRow) {
    MakeProject("a", 1000);
    MakeProject("b", 2000);
    MakeProject("c", 3000);
    auto reverse = [](Rows& rows) { std::reverse(rows.begin() + 1, rows.end()); };
    ResultsTableCommand(program, window, Window({1, 0}, reverse));
    EXPECT_EQ(program.run.ProjectName, "c");
    EXPECT_DOUBLE_EQ(casesShown[1], 3000);
}

TEST_F(ResultsTableCommandTest, EmptyFolderShowsTheHeadingsAndCaseIsCleared) {
    program.run.ProjectName = "old";
    program.run.Modified = false;
    ResultsTableCommand(program, window, Window({}));
    ASSERT_EQ(shownRows.size(), 1u);
    EXPECT_EQ(shownRows[0][0], "File");
    EXPECT_TRUE(program.run.ProjectName.empty());
}

TEST_F(ResultsTableCommandTest, CancelledSaveQuestionScansNothing) {
    MakeProject("a", 1000);
    program.run.ProjectName = "unsaved";
    program.run.Modified = true;
    platform->questionAnswers = {YesNoCancel::Cancel};
    ResultsTableCommand(program, window, Window({1}));
    EXPECT_TRUE(shownSelected.empty());
    EXPECT_EQ(program.run.ProjectName, "unsaved");
    EXPECT_TRUE(program.run.Modified);
}

TEST_F(ResultsTableCommandTest, StoppedScanShowsTheRowsReadSoFar) {
    MakeProject("a", 1000);
    MakeProject("b", 2000);
    MakeProject("c", 3000);
    ResultsTableWindow w = Window({});
    std::vector<std::pair<int, int>> steps;
    w.progress = [&](int done, int total) {
        steps.emplace_back(done, total);
        return done < 1;
    };
    ResultsTableCommand(program, window, w);
    EXPECT_EQ(shownRows.size(), 2u);
    EXPECT_EQ(steps.front(), std::make_pair(0, 3));
    EXPECT_EQ(steps.back().first, steps.back().second) << "the progress is ended";
}

std::string Cells(const std::string& path) {
    int status = 0;
    const std::string out = RunTestScript("report/xlsx_dump.py", "'" + path + "'", status);
    EXPECT_EQ(status, 0) << out;
    return out;
}

// The workbook the platform was asked to open last.
std::string OpenedWorkbook(const ScriptedPlatform& platform) {
    for (auto it = platform.startedPrograms.rbegin(); it != platform.startedPrograms.rend(); ++it) {
        if (it->rfind("url ", 0) == 0) return it->substr(4);
    }
    return "";
}

TEST_F(ResultsTableCommandTest, StartSpreadsheetNeedsASavedProject) {
    EXPECT_FALSE(StartSpreadsheet(program));
    EXPECT_TRUE(program.ui.errorFlag);
    ASSERT_EQ(platform->messages.size(), 1u);
    EXPECT_EQ(platform->messages[0].text,
              "Zuerst müssen Sie Ihre Eingabedaten speichern (Menü \"Datei->Speichern\")");
    EXPECT_EQ(OpenedWorkbook(*platform), "");

    ExportProject(program);
    EXPECT_TRUE(program.ui.errorFlag);
    EXPECT_EQ(platform->messages.back().text, "File not found. Use \"File->Save\"");
}

TEST_F(ResultsTableCommandTest, ProjectLinesGoIntoTheFirstColumn) {
    MakeProject("a", 1000);
    program.run.ProjectName = "a";
    program.contactCase = SphereOnSphere(20, 30, 4321);
    program.run.Modified = true;
    ASSERT_TRUE(StartSpreadsheet(program));
    EXPECT_FALSE(program.run.Modified) << "the changed case was saved first";
    const std::string file = ReadBytes(program.run.ProjectDir + "/a.zl3");
    const std::string book = OpenedWorkbook(*platform);
    ASSERT_FALSE(book.empty());
    const std::string cells = Cells(book);
    EXPECT_NE(cells.find("|4321\n"), std::string::npos) << cells;
    // One cell per line of the file, all in column 1.
    size_t lines = 0;
    for (char ch : file) lines += ch == '\n';
    size_t column1 = 0;
    for (size_t at = cells.find(",1|"); at != std::string::npos; at = cells.find(",1|", at + 1)) {
        ++column1;
    }
    EXPECT_EQ(cells.find(",2|"), std::string::npos);
    EXPECT_LE(column1, lines);
    EXPECT_GT(column1, lines / 2) << "empty lines leave empty cells only";
}

TEST_F(ResultsTableCommandTest, ReportGoesIntoColumnsAndFailedCalculationShowsMessages) {
    program.contactCase = SphereOnSphere(20, 30, 1000);
    program.settings.textDeviceWindow = true;
    CalculateCase(program.contactCase, program.messages);
    ReportToSpreadsheet(program);
    EXPECT_FALSE(program.ui.errorFlag);
    EXPECT_TRUE(program.settings.textDeviceWindow) << "the target setting is restored";
    const std::string book = OpenedWorkbook(*platform);
    ASSERT_FALSE(book.empty());
    const std::string cells = Cells(book);
    EXPECT_NE(cells.find(",2|"), std::string::npos) << "tab-separated columns\n" << cells;

    platform->startedPrograms.clear();
    program.contactCase = SphereOnSphere(20, 30, 0);
    CalculateCase(program.contactCase, program.messages);
    ASSERT_TRUE(program.messages.calculationFailed);
    ReportToSpreadsheet(program);
    EXPECT_EQ(OpenedWorkbook(*platform), "");
}

}  // namespace
}  // namespace zel3::test
