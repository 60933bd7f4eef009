#include "report/message_section.h"

#include <gtest/gtest.h>

#include "report/report_test_support.h"

namespace zel3::test {
namespace {

class MessageSectionTest : public ::testing::Test, protected ReportProgram {
  protected:
    void SetUp() override {
        program.settings.textPrintMode = 1;
        program.settings.folders.PltDir = temp.Dir();
        WriteBytes(temp / "zel3.err",
                   "Beschreibungen\r\n"
                   "Fatal  : F = 0 ! (Kraft)\r\n"
                   "Die Kraft ist 0.\r\n"
                   "Kraft eingeben.\r\n");
        program.messages.AddMessage("Fatal  : F = 0 !");
        program.messages.AddMessage("Fehler : pmax > pzul !");
    }
    void Write(int target) {
        ReportWriter& report = program.report;
        report.SetReportHeader("Titel", "", "", "", "", 0);
        report.OpenReport(target, "");
        report.CreateReportFile();
        WriteMessageSection(report, program.messages, temp / "zel3.err");
        report.CloseReport();
    }
};

TEST_F(MessageSectionTest, TextTargetsListMessageCauseAndRemedy) {
    Write(kTargetDosFile);
    const std::string expected = Joined(
        {
            Sp(7),
            Sp(7) + "BEMERKUNGEN, WARNUNGEN, FEHLERMELDUNGEN",
            Sp(7) + std::string(70, '='),
            Sp(7),
            Sp(7) + std::string(70, '-'),
            Sp(7) + "Fatal  : F = 0 !",
            Sp(7) + "Die Kraft ist 0.",
            Sp(7) + "Kraft eingeben.",
            Sp(7) + std::string(70, '-'),
            Sp(7) + "Fehler : pmax > pzul !",
            Sp(7) + "keine Beschreibung dieser Fehlermeldung vorhanden.",
            Sp(7) + std::string(70, '-'),
        },
        "\r\n");
    EXPECT_EQ(ReadBytes(temp / "OUTDOS.TXT"), expected);
}

TEST_F(MessageSectionTest, SpreadsheetTargetsWriteOneLinePerMessage) {
    Write(kTargetBatchFile);
    const std::string text = ReadBytes(temp / "test.txt");
    EXPECT_EQ(text,
              "\nBEMERKUNGEN, WARNUNGEN, FEHLERMELDUNGEN\n"
              "Fatal  : F = 0 !\tDie Kraft ist 0.\tKraft eingeben.\n"
              "Fehler : pmax > pzul !\tkeine Beschreibung dieser Fehlermeldung vorhanden.\t\n");
}

TEST_F(MessageSectionTest, HtmlPutsEachMessageInATable) {
    program.settings.htmlBrowser = "";
    platform->dialogAnswers.push_back(DialogAnswer::Text(temp / "m.htm"));
    Write(kTargetHtml);
    const std::string text = ReadBytes(temp / "m.htm");
    const std::string table = "<TABLE BORDER = \"2\" WIDTH= \"100%\">\n";
    EXPECT_NE(text.find(table +
                        "<TR><TD>Fatal  : F = 0 !</TD></TR>\n"
                        "<TR><TD>Die Kraft ist 0.</TD></TR>\n"
                        "<TR><TD>Kraft eingeben.</TD></TR>\n</TABLE>\n<br>\n" +
                        table),
              std::string::npos)
        << text;
    EXPECT_EQ(text.find("-----"), std::string::npos);
}

TEST_F(MessageSectionTest, EmptyListWritesNothingAndTheMenuReportNotes) {
    program.messages.ClearMessages();
    Write(kTargetDosFile);
    EXPECT_EQ(ReadBytes(temp / "OUTDOS.TXT"), "");
    ShowMessagesReport(program);
    ASSERT_FALSE(platform->messages.empty());
    EXPECT_EQ(platform->messages.back().text, "Berechnung erfolgreich ohne Fehlermeldungen");
}

TEST_F(MessageSectionTest, MessagesReportShowsAPageInTheTextWindow) {
    program.contactCase.remarks = {"Bem 1", "Bem 2", "Bem 3"};
    ShowMessagesReport(program);
    ASSERT_FALSE(platform->messages.empty());
    EXPECT_EQ(platform->messages.back().text, temp / "outwin.txt");
    const std::string text = Normalised(ReadBytes(temp / "outwin.txt"));
    EXPECT_NE(text.find("*    ZEL3 V2.7" + Sp(45) + "Bl. 1/ 1  *"), std::string::npos) << text;
    EXPECT_NE(text.find("*    Error Messages"), std::string::npos);
    EXPECT_NE(text.find("*    Bem 3"), std::string::npos);
    EXPECT_NE(text.find("Kraft eingeben."), std::string::npos);
}

}  // namespace
}  // namespace zel3::test
