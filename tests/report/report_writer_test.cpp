#include "report/report_writer.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "report/report_test_support.h"
#include "support/file_size_limit.h"
#include "util/io_error.h"
#include "util/text.h"

namespace zel3::test {
namespace {

class ReportWriterTest : public ::testing::Test, protected ReportProgram {
  protected:
    ReportWriter& report = program.report;
    Settings& settings = program.settings;

    void SetUp() override { settings.textPrintMode = 1; }

    void StartDos() {
        report.SetReportHeader("Titel", "Zeile 1", "Zeile 2", "", "", 0);
        report.OpenReport(kTargetDosFile, "");
        report.CreateReportFile();
        report.PageHeader(1, 0);
    }
    std::string Dos() { return Normalised(ReadBytes(temp / "OUTDOS.TXT")); }
};

const std::string kStars(70, '*');

TEST_F(ReportWriterTest, PageHeaderLineAndRowOnTheDosFile) {
    StartDos();
    report.WriteLine("Hallo");
    report.WriteRow("Druckkraft", "F", "N", "   1000");
    report.EndPage();
    report.CloseReport();
    ASSERT_FALSE(program.ui.errorFlag);
    const std::string expected = Joined(
        {
            Sp(7) + kStars,
            Sp(7) + "*    Titel" + Sp(53) + "Bl. 1 *  ",
            Sp(7) + "*" + Sp(51) + "DD.MM.YYYY hh:mm *  ",
            Sp(7) + "*    test.zl3" + Sp(56) + "*  ",
            Sp(7) + kStars,
            Sp(7) + "*    Zeile 1" + Sp(57) + "*  ",
            Sp(7) + "*    Zeile 2" + Sp(57) + "*  ",
            Sp(7) + "*" + Sp(68) + "*  ",
            Sp(7) + "*    ZEL3  Hertz'sche Pressung  V2.7" + Sp(33) + "*  ",
            Sp(7) + kStars,
            Sp(7) + "Hallo",
            Sp(7) + "Druckkraft" + Sp(24) + "F" + Sp(8) + "N" + Sp(11) + "   1000" + Sp(10),
            Sp(7) + std::string(70, '-'),
        },
        "\r\n");
    EXPECT_EQ(Dos(), expected);
}

// The third header line: the project file as the run names it.
TEST_F(ReportWriterTest, PageHeaderNamesTheProjectFileInItsFolder) {
    auto headerFile = [this] {
        StartDos();
        report.CloseReport();
        const std::string text = Dos();
        const size_t line = text.find("*    ", text.find("hh:mm"));
        return Trim(text.substr(line + 5, 64));
    };
    program.run.ProjectName = "projkugel";
    program.run.ProjectDir = "/home/u";  // as File -> Open leaves it
    EXPECT_EQ(headerFile(), "/home/u/projkugel.zl3");
    program.run.ProjectDir = "/home/u/";  // as the start-up leaves it
    EXPECT_EQ(headerFile(), "/home/u/projkugel.zl3");
    program.run.ProjectName = "/data/kugel.v2.zl3";  // named by its file
    EXPECT_EQ(headerFile(), "/data/kugel.v2.zl3");
    program.run.ProjectName = "projkugel";
    program.run.ProjectDir = "/home/u/" + std::string(60, 'x');
    EXPECT_EQ(headerFile(), "projkugel.zl3") << "too long for the frame";
    program.run.StartedWithFile = true;
    program.run.ProjectName = "kugel.zl3";
    EXPECT_EQ(headerFile(), "kugel.zl3");
}

TEST_F(ReportWriterTest, TotalPagesAndColumnHeads) {
    report.SetReportHeader("Kopf", "", "", "", "Zeile 4", 2);
    report.SetColumnHeads("Bezeichnung", "Zeichen", "Einheit", "Wert", "Rest");
    report.OpenReport(kTargetDosFile, "");
    report.CreateReportFile();
    report.PageHeader(1, 1);
    report.CloseReport();
    const std::string text = Dos();
    EXPECT_NE(text.find(Sp(7) + "*    Kopf" + Sp(50) + "Bl. 1/ 2  *  \r\n"), std::string::npos)
        << text;
    std::string heads = "*Bezeichnung" + Sp(22) + "Zeichen  Einhe" + "Wert" + Sp(3) + "Rest";
    heads += Sp(69 - static_cast<int>(heads.size())) + "*  ";
    EXPECT_NE(text.find(Sp(7) + kStars + "\r\n" + Sp(7) + heads + "\r\n"), std::string::npos)
        << text;
    EXPECT_EQ(text.find(Sp(7) + kStars + "\r\n", text.find(heads)), std::string::npos)
        << "no bottom line after the column heads";
}

TEST_F(ReportWriterTest, SeparatorsOfEveryLineStyle) {
    settings.textPrintMode = 1;
    EXPECT_EQ(report.SingleLine(), std::string(70, '-'));
    EXPECT_EQ(report.DoubleLine(), std::string(70, '='));
    EXPECT_EQ(report.HeaderTop(), kStars);
    EXPECT_EQ(report.FrameChar(), "*");

    settings.textPrintMode = 2;
    EXPECT_EQ(report.SingleLine(), std::string(70, '\xC4'));
    EXPECT_EQ(report.DoubleLine(), std::string(70, '\xCD'));
    EXPECT_EQ(report.HeaderTop(), "\xC9" + std::string(68, '\xCD') + "\xBB");
    EXPECT_EQ(report.HeaderBottom(), "\xC8" + std::string(68, '\xCD') + "\xBC");
    EXPECT_EQ(report.HeaderMiddle(), "\xCC" + std::string(68, '\xCD') + "\xB9");
    EXPECT_EQ(report.FrameChar(), "\xBA");

    settings.textPrintMode = 3;
    EXPECT_EQ(report.SingleLine(), Sp(70));
    EXPECT_EQ(report.HeaderMiddle(), Sp(70));
    EXPECT_EQ(report.FrameChar(), " ");

    for (int style : {4, 0, 7}) {
        settings.textPrintMode = style;
        EXPECT_EQ(report.SingleLine(), "$!$");
        EXPECT_EQ(report.DoubleLine(), "$!$");
        EXPECT_EQ(report.HeaderTop(), "$!$");
        EXPECT_EQ(report.FrameChar(), " ");
    }
}

TEST_F(ReportWriterTest, ControlMarkAndStyleFourLeaveNoSeparators) {
    settings.textPrintMode = 4;
    settings.linesPerPage = 20;
    report.SetReportHeader("Titel", "", "", "", "", 0);
    report.OpenReport(kTargetScreen, "");
    report.CreateReportFile();
    report.PageHeader(1, 0);
    report.WriteLine("$!$");
    report.WriteRow("a", "b", "c", "d");
    report.EndPage();
    report.PageHeader(0, 0);  // page far from half full: no second header
    report.WriteLine("zweite");
    report.CloseReport();
    const std::string text = ReadBytes(temp / "outwin.txt");
    EXPECT_EQ(text.find("$!$"), std::string::npos) << text;
    EXPECT_EQ(text.find("Titel"), text.rfind("Titel")) << "one header only";
    EXPECT_EQ(text.find("\f"), text.size() - 1) << "a final form feed ends the report only";
    // The first body line of a style-4 header is empty.
    EXPECT_EQ(text.substr(0, 8), Sp(7) + "\n");
    EXPECT_NE(text.find("\n" + Sp(7) + "a" + Sp(33) + "b"), std::string::npos) << text;
}

TEST_F(ReportWriterTest, SixtySixLinePagesBreakBeforeTheSixtySeventhLine) {
    report.SetReportHeader("Titel", "", "", "", "", 0);
    report.OpenReport(kTargetDosFile, "");
    report.CreateReportFile();
    report.PageHeader(1, 0);  // 10 header lines
    for (int i = 1; i <= 57; ++i) report.WriteLine("Zeile " + std::to_string(i));
    // Dos files get no form feed, but the new header shows the break.
    report.CloseReport();
    const std::string all = Dos();
    const size_t second = all.find("Bl. 2");
    ASSERT_NE(second, std::string::npos);
    EXPECT_LT(all.find("Zeile 56\r\n"), second);
    EXPECT_GT(all.find("Zeile 57\r\n"), second);
    EXPECT_EQ(report.PageCount(), 2);
}

TEST_F(ReportWriterTest, ScreenPagesEndWithFormFeedsAndHeaderModeTwoKeepsOneHeader) {
    settings.textPrintMode = 2;
    settings.linesPerPage = 15;
    report.SetReportHeader("Titel", "", "", "", "", 0);
    report.OpenReport(kTargetScreen, "");
    const std::string tempFile = report.OutputName();
    EXPECT_EQ(tempFile, temp / "$OUT1.TMP");
    report.CreateReportFile();
    report.PageHeader(1, 0);
    for (int i = 1; i <= 10; ++i) report.WriteLine("Zeile " + std::to_string(i));
    report.CloseReport();
    EXPECT_FALSE(Exists(tempFile)) << "the temporary file is deleted after showing";
    ASSERT_EQ(platform->messages.size(), 1u);
    EXPECT_EQ(platform->messages[0].text, temp / "outwin.txt");
    std::string shown = ReadBytes(temp / "outwin.txt");
    EXPECT_EQ(shown.find('\r'), std::string::npos) << "the copy has LF line ends";
    // 10 header lines + 5 body lines, form feed, header + blank line, the other 5 lines.
    const size_t ff = shown.find("\f\n");
    ASSERT_NE(ff, std::string::npos);
    EXPECT_LT(shown.find("Zeile 5\n"), ff);
    EXPECT_GT(shown.find("Zeile 6\n"), ff);
    EXPECT_NE(shown.find("\xE2\x95\x94"), std::string::npos) << "box drawing in UTF-8: " << shown;

    settings.printoutHeaderMode = 2;
    platform->messages.clear();
    report.SetReportHeader("Titel", "", "", "", "", 0);
    report.OpenReport(kTargetScreen, "");
    report.CreateReportFile();
    report.PageHeader(1, 0);
    for (int i = 1; i <= 10; ++i) report.WriteLine("Zeile " + std::to_string(i));
    report.CloseReport();
    shown = ReadBytes(temp / "outwin.txt");
    EXPECT_EQ(shown.find("Titel"), shown.rfind("Titel")) << shown;
    EXPECT_NE(shown.find("Zeile 5\n\f\n" + Sp(7) + "Zeile 6\n"), std::string::npos) << shown;
}

TEST_F(ReportWriterTest, ScreenReportGoesToTheClipboardWhenSoSet) {
    settings.reportToClipboard = true;
    report.SetReportHeader("Titel", "", "", "", "", 0);
    report.OpenReport(kTargetScreen, "");
    const std::string tempFile = report.OutputName();
    report.CreateReportFile();
    report.PageHeader(1, 0);
    report.WriteLine(std::string("Gr\x94\xE1") + "e");  // code page 850
    report.EndPage();
    report.CloseReport();
    EXPECT_FALSE(program.ui.errorFlag);
    EXPECT_TRUE(platform->messages.empty()) << "no window waits for the user";
    ASSERT_EQ(platform->clipboard.size(), 1u);
    const std::string& text = platform->clipboard[0];
    std::string shown = ReadBytes(temp / "outwin.txt");
    shown.erase(std::remove(shown.begin(), shown.end(), '\f'), shown.end());
    EXPECT_EQ(text, shown) << "the text as the window shows it";
    EXPECT_NE(text.find(Sp(7) + "Größe\n"), std::string::npos) << text;
    EXPECT_NE(text.find("Titel"), std::string::npos);
    EXPECT_FALSE(Exists(tempFile));

    settings.reportToClipboard = false;
    report.OpenReport(kTargetScreen, "");
    report.CreateReportFile();
    report.CloseReport();
    EXPECT_EQ(platform->clipboard.size(), 1u);
    ASSERT_EQ(platform->messages.size(), 1u);
    EXPECT_EQ(platform->messages[0].caption, "text file");
}

TEST_F(ReportWriterTest, LongTextsWrapOnPaperOnly) {
    const std::string word = "Wort ";
    std::string text;
    while (text.size() < 100) text += word;
    text = text.substr(0, 100);
    StartDos();
    report.WriteWrapped(text);
    report.WriteWrapped("");
    report.CloseReport();
    const std::string dos = Dos();
    // Pieces end after the last blank within 64 characters.
    EXPECT_NE(dos.find(Sp(7) + text.substr(0, 60) + "\r\n" + Sp(7) + text.substr(60) + "\r\n"),
              std::string::npos)
        << dos;

    settings.textDeviceWindow = false;
    report.OpenReport(kTargetSpreadsheet, "");
    report.CreateReportFile();
    report.WriteWrapped(text);
    report.CloseReport();
    const std::string sheet = ReadBytes(temp / "$$$1.txt");
    EXPECT_NE(sheet.find(text + "\r\n"), std::string::npos);
    EXPECT_TRUE(Exists(temp / "$$1.txt")) << "converted copy of the spreadsheet file";
}

TEST_F(ReportWriterTest, SpreadsheetRowsUseTheTableDecimalAndSkipSeparators) {
    report.caseRemarks = {"R1", "R2", "R3"};
    report.SetReportHeader("Titel", "", "", "", "", 0);
    report.OpenReport(kTargetSpreadsheet, "");
    report.CreateReportFile();
    report.PageHeader(0, 0);
    report.PageHeader(0, 0);
    report.WriteLine(report.SingleLine());
    report.WriteLine(report.DoubleLine());
    report.WriteRow("Deformation", "w", "mm", "0.020");
    report.EndPage();
    report.CloseReport();
    const std::string expected =
        Joined({"ZEL3  Hertz'sche Pressung V2.7\tDD.MM.YYYY\thh:mm", temp / "$$$1.txt", "R1", "R2",
                "R3", "", "Deformation\tw\tmm\t0,020"},
               "\r\n");
    EXPECT_EQ(Normalised(ReadBytes(temp / "$$$1.txt")), expected);
}

TEST_F(ReportWriterTest, BatchTargetCopiesTheReportAsUtf8BesideTheProject) {
    report.SetReportHeader("Titel", "", "", "", "", 0);
    report.OpenReport(kTargetBatchFile, "");
    const std::string tempFile = report.OutputName();
    report.CreateReportFile();
    report.PageHeader(1, 0);
    report.WriteRow("K\x94rper 1", "", "", "Kugel");
    report.CloseReport();
    EXPECT_FALSE(Exists(tempFile));
    const std::string text = Normalised(ReadBytes(temp / "test.txt"));
    EXPECT_NE(text.find("K\xC3\xB6rper 1\t\t\tKugel\n"), std::string::npos) << text;
    EXPECT_EQ(text.find('\r'), std::string::npos);
}

TEST_F(ReportWriterTest, HtmlDeclaresItsEncodingAndBuildsTables) {
    settings.htmlBrowser = "";
    platform->dialogAnswers.push_back(DialogAnswer::Text(temp / "bericht.htm"));
    report.SetReportHeader("Titel", "Zeile 1", "", "", "", 0);
    report.OpenReport(kTargetHtml, "");
    ASSERT_FALSE(program.ui.errorFlag);
    report.CreateReportFile();
    report.PageHeader(1, 0);
    report.WriteLine(
        "Gr\x94\xE1"
        "e");
    report.WriteLine(report.SingleLine());
    report.WriteRow("a", "b", "c", "1.5");
    report.WriteTableLine("eine Zelle");
    report.WriteLine("danach");
    report.CloseReport();
    const std::string expected = Joined(
        {
            "<!-- " + temp / "bericht.htm" + " -->",
            "<HTML>",
            "<head><meta charset=\"UTF-8\"><title>ZEL3  Hertz'sche Pressung V2.7</title></head>",
            "<BODY BGCOLOR=\"C0C0C0\">",
            "<hr>",
            "<br><h4>ZEL3  Hertz'sche Pressung V2.7</h4>",
            "<hr>",
            "<h5>Zeile 1</h5>",
            "<h5></h5>",
            "<h5></h5>",
            "<h5>ZEL3  Hertz'sche Pressung  V2.7</h5>",
            "<hr>",
            "<br>Gr\xC3\xB6\xC3\x9F"
            "e",
            "<TABLE BORDER = \"2\" WIDTH= \"100%\">",
            "<TR><TD>a</TD><TD>b</TD><TD>c</TD><TD><DIV ALIGN=RIGHT>1.5</DIV></TD></TR>",
            "<TR><TD>eine Zelle</TD></TR>",
            "</TABLE>",
            "<br>danach",
            "</BODY>",
            "</HTML>",
        },
        "\n");
    EXPECT_EQ(ReadBytes(temp / "bericht.htm"), expected);
    EXPECT_TRUE(platform->startedPrograms.empty()) << "no browser configured";
}

TEST_F(ReportWriterTest, HtmlWithBrowserGoesToTheTempFolderAndStartsIt) {
    settings.htmlBrowser = "true";
    report.SetReportHeader("Titel", "", "", "", "", 0);
    report.OpenReport(kTargetHtml, "");
    EXPECT_EQ(report.OutputName(), temp / "zel3.htm");
    report.CreateReportFile();
    report.PageHeader(1, 0);
    report.CloseReport();
    ASSERT_EQ(platform->startedPrograms.size(), 1u);
    EXPECT_EQ(platform->startedPrograms[0], "true \"" + temp / "zel3.htm" + "\"");
}

TEST_F(ReportWriterTest, ExternalTextProgramGetsTheConvertedCopy) {
    settings.textProgram = "true";
    report.SetReportHeader("Titel", "", "", "", "", 0);
    report.OpenReport(kTargetTextProgram, "");
    report.CreateReportFile();
    report.PageHeader(1, 0);
    report.CloseReport();
    ASSERT_EQ(platform->startedPrograms.size(), 1u);
    EXPECT_EQ(platform->startedPrograms[0], "true \"" + temp / "outwin.txt" + "\"");

    settings.textProgram = "no-such-program-zel3";
    report.OpenReport(kTargetTextProgram, "");
    report.CreateReportFile();
    report.CloseReport();
    EXPECT_EQ(platform->startedPrograms.size(), 1u);
    EXPECT_EQ(platform->messages.back().text, "no-such-program-zel3 not found");
    EXPECT_TRUE(Exists(temp / "outwin.txt")) << "the report stays on disk";
}

TEST_F(ReportWriterTest, RefusedAndCancelledTargetsWriteNothing) {
    report.OpenReport(kTargetPrinter, "");
    EXPECT_TRUE(program.ui.errorFlag) << "no system printer without a window";
    ASSERT_FALSE(platform->messages.empty());
    EXPECT_EQ(platform->messages.back().text,
              "Ausdruck auf dem Systemdrucker ist hier nicht m\xC3\xB6glich");

    program.ui.errorFlag = false;
    settings.textDeviceWindow = true;
    report.OpenReport(0, "");  // the target choice is cancelled
    EXPECT_TRUE(program.ui.errorFlag);
    ASSERT_FALSE(platform->requests.empty());
    EXPECT_EQ(platform->requests.back().prompt, "Ausgabe auf ..");

    program.ui.errorFlag = false;
    settings.printerPort = 4;
    platform->questionAnswers.push_back(YesNoCancel::No);
    report.OpenReport(kTargetTextPrinter, "");
    EXPECT_EQ(report.OutputName(), "/dev/lp3");
    if (!Exists("/dev/lp3")) {
        report.CreateReportFile();
        EXPECT_TRUE(program.ui.errorFlag);
        EXPECT_FALSE(Exists("/dev/lp3")) << "a missing printer port is never created";
    }
}

TEST_F(ReportWriterTest, WriteFailuresThrowIoError) {
    if (!Exists("/dev/full")) GTEST_SKIP() << "no /dev/full";
    platform->dialogAnswers.push_back(DialogAnswer::Text("/dev/full"));
    platform->questionAnswers.push_back(YesNoCancel::Yes);
    report.SetReportHeader("Titel", "", "", "", "", 0);
    report.OpenReport(kTargetFile, "");
    report.CreateReportFile();
    ASSERT_FALSE(program.ui.errorFlag);
    report.PageHeader(1, 0);
    EXPECT_THROW(
        {
            for (int i = 0; i < 2000; ++i) report.WriteLine(std::string(60, 'x'));
            report.CloseReport();
        },
        IoError);
}

TEST_F(ReportWriterTest, FileTargetAsksOnceBeforeOverwriting) {
    const std::string target = temp / "bericht.txt";
    WriteBytes(target, "alter Bericht\r\n");
    for (bool dialogAsks : {false, true}) {
        platform->saveDialogAsksOverwrite = dialogAsks;
        platform->questions.clear();
        platform->dialogAnswers.push_back(DialogAnswer::Text(target));
        platform->questionAnswers.push_back(YesNoCancel::Yes);
        report.SetReportHeader("Titel", "", "", "", "", 0);
        report.OpenReport(kTargetFile, "");
        EXPECT_FALSE(program.ui.errorFlag);
        EXPECT_EQ(platform->questions.size(), dialogAsks ? 0u : 1u);
        platform->questionAnswers.clear();
    }
}

// A file name is already a display text: the note names it as it is, not converted again.
TEST_F(ReportWriterTest, NoteOfTheWrittenFileNamesItWithItsUmlauts) {
    const std::string target = temp / "Bericht_Gr\u00f6\u00dfe.txt";
    platform->dialogAnswers.push_back(DialogAnswer::Text(target));
    report.SetReportHeader("Titel", "", "", "", "", 0);
    report.OpenReport(kTargetFile, "");
    report.CreateReportFile();
    ASSERT_FALSE(program.ui.errorFlag);
    report.PageHeader(1, 0);
    report.WriteLine("Hallo");
    report.CloseReport();
    ASSERT_TRUE(Exists(target));
    ASSERT_FALSE(platform->messages.empty());
    EXPECT_EQ(platform->messages.back().text,
              target + " und Windows-Datei outwin.txt wurden angelegt..");
}

// The disk fills up while a report file is written: the command ends with the I/O error and the
// report file of the last run is still there as it was.
TEST_F(ReportWriterTest, FullDiskKeepsThePreviousReportFile) {
    const std::string target = temp / "bericht.txt";
    WriteBytes(target, "alter Bericht\r\n");
    platform->dialogAnswers.push_back(DialogAnswer::Text(target));
    platform->questionAnswers.push_back(YesNoCancel::Yes);
    report.SetReportHeader("Titel", "", "", "", "", 0);
    report.OpenReport(kTargetFile, "");
    report.CreateReportFile();
    ASSERT_FALSE(program.ui.errorFlag);
    report.PageHeader(1, 0);
    FileSizeLimit full(4096);
    ASSERT_TRUE(full.active());
    EXPECT_THROW(
        {
            for (int i = 0; i < 2000; ++i) report.WriteLine(std::string(60, 'x'));
            report.CloseReport();
        },
        IoError);
    full.Lift();
    EXPECT_EQ(ReadBytes(target), "alter Bericht\r\n");
    for (const std::string& name : FolderEntries(temp.Dir()))
        EXPECT_NE(name.rfind("$bericht.txt.", 0), 0u) << "left behind: " << name;
}

}  // namespace
}  // namespace zel3::test
