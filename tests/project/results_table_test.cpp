// The results table over a folder of project files: which files it lists, what each row
// holds, files that are damaged or vanish during the scan, and stopping it.
#include "project/results_table.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "contact/hertz_solver.h"
#include "project/project_file_format.h"
#include "support/contact_cases.h"
#include "support/temp_folder.h"
#include "util/line_file.h"
#include "util/text.h"
#include "util/units.h"

namespace zel3::test {
namespace {

void WriteProject(const std::string& path, const ContactCase& c) {
    LineWriter out;
    WriteProjectLines(out, NumberFormat{}, {"ZEL3  Hertz'sche Pressung", "2.7", "ZEL3"}, c);
    WriteBytes(path, out.content());
}

ContactCase Named(double F, const std::string& name, const std::string& number) {
    ContactCase c = SphereOnSphere(20, 30, F);
    c.drawingName = name;
    c.drawingNumber = number;
    return c;
}

TEST(ResultsTable, ListsEveryProjectFileWithItsOwnNameAndResults) {
    TempFolder dir;
    WriteProject(dir / "b.zl3", Named(2000,
                                      "Welle \x84u\xE1"
                                      "en",
                                      "B-2"));
    WriteProject(dir / "a.zl3", Named(1000, "Lager", "A-1"));
    WriteProject(dir / "C.ZL3", Named(3000, "Rolle", "C-3"));
    // Not project files: another extension, a folder, a hidden file.
    std::ofstream(dir / "notes.txt") << "x";
    std::filesystem::create_directory(dir / "folder.zl3");
    WriteProject(dir / ".hidden.zl3", Named(9, "hidden", "H"));

    NumberFormat nf;
    ContactCase last;
    MessageList messages;
    const ResultsScan scan = BuildResultsTable(dir.Dir(), "zl3", nf, last, messages);
    ASSERT_EQ(scan.table.size(), 4u);
    EXPECT_FALSE(scan.cancelled);
    EXPECT_EQ(scan.table[0], ResultsTableHeadings());
    EXPECT_EQ(scan.table[0][1], "Date  y/m/d");

    std::vector<std::string> files, names, forces;
    for (size_t r = 1; r < scan.table.size(); ++r) {
        ASSERT_EQ(scan.table[r].size(), static_cast<size_t>(kResultsColumns));
        files.push_back(scan.table[r][0]);
        names.push_back(scan.table[r][2]);
        forces.push_back(scan.table[r][4]);
        EXPECT_EQ(scan.table[r][1].size(), 10u) << "yyyy/mm/dd";
        EXPECT_EQ(scan.table[r][1][4], '/');
    }
    EXPECT_EQ(files, (std::vector<std::string>{"C.ZL3", "a.zl3", "b.zl3"}));
    EXPECT_EQ(names, (std::vector<std::string>{"Rolle", "Lager", "Welle äußen"}));
    EXPECT_EQ(forces, (std::vector<std::string>{"3000", "1000", "2000"}));
    EXPECT_EQ(scan.table[2][3], "A-1");

    // The results are those of the file's own case, formatted like the report's columns.
    ContactCase a = Named(1000, "Lager", "A-1");
    MessageList m;
    CalculateCase(a, m);
    EXPECT_EQ(scan.table[2][9], Trim(FormatInUnitFixed(nf, Quantity::Stress, 5, 0, a.result.pmax)));
    EXPECT_EQ(scan.table[2][6], Trim(FormatInUnitFixed(nf, Quantity::Length, 3, 3, a.result.a1)));
    EXPECT_DOUBLE_EQ(last.F, 2000) << "the last file read stays as the case";
}

// Each file is calculated with the program's method, which is a setting and not in the file.
TEST(ResultsTable, FilesAreCalculatedWithTheProgramsMethod) {
    TempFolder dir;
    ContactCase groove = SphereOnSphere(20, 30, 1000);
    groove.body[1].kind = BodyKind::Special;
    groove.body[1].rx = -10.4;
    groove.body[1].ry = 40;
    WriteProject(dir / "rille.zl3", groove);
    NumberFormat nf;
    MessageList messages;
    ContactCase last;
    last.method = CalculationMethod::Exact;
    const ResultsScan scan = BuildResultsTable(dir.Dir(), "zl3", nf, last, messages);
    ASSERT_EQ(scan.table.size(), 2u);
    EXPECT_EQ(last.method, CalculationMethod::Exact);
    groove.method = CalculationMethod::Exact;
    CalculateCase(groove, messages);
    EXPECT_GT(last.result.vonMises, 0);
    EXPECT_EQ(scan.table[1][9], Trim(FormatInUnitFixed(nf, Quantity::Stress, 5, 0,
                                                       groove.result.pmax)));
    ContactCase single;
    single.method = CalculationMethod::Exact;
    EXPECT_EQ(LoadAndCalculate(dir / "rille.zl3", single, messages), ProjectRead::Ok);
    EXPECT_EQ(single.result.pmax, groove.result.pmax);
}

TEST(ResultsTable, EmptyFolderGivesTheHeadingsOnly) {
    TempFolder dir;
    NumberFormat nf;
    ContactCase last;
    MessageList messages;
    EXPECT_EQ(BuildResultsTable(dir.Dir(), "zl3", nf, last, messages).table.size(), 1u);
    EXPECT_EQ(BuildResultsTable(dir / "missing", "zl3", nf, last, messages).table.size(), 1u);
}

TEST(ResultsTable, DamagedAndVanishedFilesKeepTheirRowWithoutForeignValues) {
    TempFolder dir;
    WriteProject(dir / "a.zl3", Named(1000, "Lager", "A-1"));
    WriteBytes(dir / "b.zl3", std::string("\x00\xff\x01garbage", 10));
    WriteProject(dir / "c.zl3", Named(3000, "Rolle", "C-3"));
    NumberFormat nf;
    ContactCase last;
    MessageList messages;
    // c.zl3 is deleted while a.zl3 is being read.
    const ResultsScan scan = BuildResultsTable(dir.Dir(), "zl3", nf, last, messages,
                                               [&](int done, int, const std::string&) {
                                                   if (done == 1)
                                                       std::filesystem::remove(dir / "c.zl3");
                                                   return true;
                                               });
    ASSERT_EQ(scan.table.size(), 4u);
    EXPECT_EQ(scan.table[2][0], "b.zl3");
    EXPECT_EQ(scan.table[2][2], "(Datei fehlerhaft)");
    EXPECT_EQ(scan.table[2][4], "") << "no values of the file before";
    EXPECT_EQ(scan.table[3][0], "c.zl3");
    EXPECT_EQ(scan.table[3][2], "(Datei nicht gefunden)");
    EXPECT_EQ(scan.table[3][1], "");
    EXPECT_TRUE(std::filesystem::exists(dir / "a.zl3"));
}

TEST(ResultsTable, StoppingKeepsTheRowsReadSoFar) {
    TempFolder dir;
    for (int i = 0; i < 5; ++i)
        WriteProject(dir / ("p" + std::to_string(i) + ".zl3"), Named(1000 + i, "x", "y"));
    NumberFormat nf;
    ContactCase last;
    MessageList messages;
    std::vector<int> seen;
    const ResultsScan scan = BuildResultsTable(dir.Dir(), "zl3", nf, last, messages,
                                               [&](int done, int total, const std::string&) {
                                                   EXPECT_EQ(total, 5);
                                                   seen.push_back(done);
                                                   return done < 2;
                                               });
    EXPECT_TRUE(scan.cancelled);
    EXPECT_EQ(scan.table.size(), 3u);
    EXPECT_EQ(seen, (std::vector<int>{0, 1, 2}));
}

TEST(ResultsTable, UsUnitsConvertTheResultColumns) {
    NumberFormat us;
    us.unitSystem = 1;
    ContactCase c = Named(4448.2216, "n", "m");
    MessageList m;
    CalculateCase(c, m);
    const auto row = ResultsRow("x.zl3", 0, c, ProjectRead::Ok, us);
    EXPECT_EQ(row[4], Trim(FormatInUnitFixed(us, Quantity::Force, 9, 0, c.F)));
    EXPECT_EQ(row[1], "") << "no date when unknown";
    EXPECT_NE(row[4], "4448") << "pounds, not newtons";
}

}  // namespace
}  // namespace zel3::test
