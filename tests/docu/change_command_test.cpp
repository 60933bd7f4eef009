#include "docu/change_command.h"

#include <gtest/gtest.h>

#include <memory>

#include "docu/change_log_report.h"
#include "report/report_test_support.h"
#include "shell/program.h"
#include "support/scripted_platform.h"

namespace zel3 {
namespace {

using test::DialogAnswer;

class ChangeCommands : public ::testing::Test {
  protected:
    ChangeCommands() : platform_(env_.platform), program_(&env_.program) {}
    void AnswerChange(const std::string& designation, const std::string& description) {
        for (const std::string& t :
             {designation, std::string("05.12.2026"), std::string("HU"), description}) {
            platform_->dialogAnswers.push_back(DialogAnswer::Text(t));
        }
    }
    ChangeLog& log() { return program_->contactCase.changes; }

    // The change log as last shown on the screen.
    std::string Shown() const {
        EXPECT_EQ(platform_->messages.back().caption, "text file");
        return test::ReadBytes(platform_->messages.back().text);
    }

    test::ReportProgram env_;
    test::ScriptedPlatform* platform_;
    Program* program_;
};

TEST_F(ChangeCommands, NewModifyAndDeleteWorkOnTheLastEntry) {
    Program& p = *program_;
    for (const char* name : {"eins", "zwei", "drei"}) {
        AnswerChange(name, "Text");
        ChangeCommand(p, kChangeNew);
        EXPECT_FALSE(p.ui.errorFlag);
    }
    ASSERT_EQ(log().count, 3);
    EXPECT_EQ(log().entries[2].designation, "drei");
    EXPECT_NE(Shown().find("  c     05.12.2026   HU       drei"), std::string::npos)
        << "the log is shown after each change";

    AnswerChange("DREI", "ge\xC3\xA4ndert");  // typed on screen in UTF-8
    ChangeCommand(p, kChangeModify);
    EXPECT_EQ(log().entries[2].designation, "DREI");
    EXPECT_EQ(log().entries[2].description, "ge\x84ndert");  // kept in code page 850
    EXPECT_EQ(log().entries[1].designation, "zwei");

    ChangeCommand(p, kChangeDelete);
    EXPECT_EQ(log().count, 2);
    EXPECT_EQ(log().entries[1].designation, "zwei");
}

TEST_F(ChangeCommands, CancelledNewChangeLeavesNoEntry) {
    Program& p = *program_;
    platform_->dialogAnswers.push_back(DialogAnswer::Text("halb"));
    platform_->dialogAnswers.push_back(DialogAnswer::Cancel());
    ChangeCommand(p, kChangeNew);
    EXPECT_TRUE(p.ui.errorFlag);
    EXPECT_EQ(log().count, 0);
    EXPECT_EQ(log().entries[0].designation, "");
}

TEST_F(ChangeCommands, TheTwentySixthChangeIsRefused) {
    Program& p = *program_;
    log().count = kMaxChanges;
    ChangeCommand(p, kChangeNew);
    EXPECT_TRUE(p.ui.errorFlag);
    EXPECT_EQ(log().count, kMaxChanges);
    ASSERT_EQ(platform_->messages.size(), 1u);
    EXPECT_EQ(platform_->messages[0].text, "Max. \xC3\x84nderungen = 25 !");
}

TEST_F(ChangeCommands, ChoiceOfferedForCodeZero) {
    Program& p = *program_;
    platform_->dialogAnswers.push_back(DialogAnswer::Choice(7));
    ChangeCommand(p, kChangeAsk);
    ASSERT_EQ(platform_->requests.size(), 1u);
    EXPECT_EQ(platform_->requests[0].options.size(), 7u);
    EXPECT_EQ(platform_->requests[0].options[6],
              "zur\xC3\xBC"
              "ck...");
    EXPECT_TRUE(platform_->messages.empty());

    platform_->dialogAnswers.push_back(DialogAnswer::Choice(3));  // delete on an empty log
    ChangeCommand(p, kChangeAsk);
    EXPECT_EQ(log().count, 0);
    EXPECT_NE(Shown().find("\xC3\x84nderungsprotokoll"), std::string::npos);
}

TEST_F(ChangeCommands, DrawingInfoKeepsAtLeastOnePlacement) {
    Program& p = *program_;
    for (const char* t : {"ZL-1", "", "01.12.2026", "Huber", "", "", "", "", "", ""}) {
        platform_->dialogAnswers.push_back(DialogAnswer::Text(t));
    }
    platform_->dialogAnswers.push_back(DialogAnswer::Text(""));             // text 1
    platform_->dialogAnswers.push_back(DialogAnswer::Text("10 20 3,5 0"));  // its numbers
    platform_->dialogAnswers.push_back(DialogAnswer::Text(" "));            // text 2 ends
    ChangeCommand(p, kChangeDrawingInfo);
    const DrawingInfo& d = p.contactCase.drawingInfo;
    EXPECT_FALSE(p.ui.errorFlag);
    EXPECT_EQ(d.replaces, "ZL-1");
    EXPECT_EQ(d.signOff[kDrawnBy].name, "Huber");
    EXPECT_EQ(d.placementCount, 1);
    EXPECT_DOUBLE_EQ(d.placements[0].h, 3.5);

    // Cancel anywhere keeps everything.
    platform_->dialogAnswers.push_back(DialogAnswer::Text("ZL-2"));
    ChangeCommand(p, kChangeDrawingInfo);
    EXPECT_TRUE(p.ui.errorFlag);
    EXPECT_EQ(d.replaces, "ZL-1");
}

TEST(ChangeLogReport, EntriesByIndexStyleWithTheDescriptionOnOneLine) {
    test::ReportProgram env;
    ContactCase c;
    c.changes.count = 2;
    c.changes.entries[0] = {"Radius", "03.12.2026", "HU", "zwei\nZeilen"};
    c.changes.entries[1] = {"Kraft", "04.12.2026", "MA", ""};
    c.drawingInfo.replaces = "ZL-0814";
    c.remarks = {"Lager A", "", ""};
    WriteChangeLogReport(env.program.report, c, 0, "ZEL3 V2.7", "welle", kTargetScreen);
    ASSERT_FALSE(env.program.ui.errorFlag);
    const std::string letters = test::ReadBytes(env.platform->messages.back().text);
    for (const char* line :
         {"ZEL3 V2.7", "\xC3\x84nderungsprotokoll", "Lager A", "Ersatz f\xC3\xBCr: ZL-0814        ",
          "  Index Datum        Bearb.   \xC3\x84nderung            ",
          "  a     03.12.2026   HU       Radius              ", " zwei Zeilen",
          "  b     04.12.2026   MA       Kraft"}) {
        EXPECT_NE(letters.find(line), std::string::npos) << line;
    }
    EXPECT_EQ(letters.find("Ersetzt durch"), std::string::npos) << "empty fields are left out";

    // Printing lets the writer's target apply: here the file target, offered under the
    // project's name.
    env.program.settings.textDevice = kTargetFile;
    const std::string file = env.temp.Dir() + "log.txt";
    env.platform->dialogAnswers.push_back(test::DialogAnswer::Text(file));
    WriteChangeLogReport(env.program.report, c, 1, "ZEL3 V2.7", "welle", 0);
    ASSERT_FALSE(env.program.ui.errorFlag);
    EXPECT_NE(env.platform->requests.back().preset.find("|welle.txt"), std::string::npos);
    EXPECT_NE(test::ReadBytes(file).find("  2     04.12.2026"), std::string::npos);
}

}  // namespace
}  // namespace zel3

namespace zel3 {
namespace {

TEST(DrawingInfoDefaults, AFreshProgramDatesTheSignOffToday) {
    Program p(std::make_unique<test::ScriptedPlatform>());
    const DrawingInfo& d = p.contactCase.drawingInfo;
    EXPECT_EQ(d.signOff[kDrawnBy].date.size(), 10u);
    EXPECT_EQ(d.signOff[kChecked].date, d.signOff[kDrawnBy].date);
    EXPECT_EQ(d.signOff[kStandards].date, d.signOff[kDrawnBy].date);
    EXPECT_EQ(d.signOff[kReleased].date, "");
    EXPECT_EQ(d.placementCount, 0);
}

}  // namespace
}  // namespace zel3
