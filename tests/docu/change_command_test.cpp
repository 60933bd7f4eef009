#include "docu/change_command.h"

#include <gtest/gtest.h>

#include <memory>

#include "docu/change_log_lines.h"
#include "shell/program.h"
#include "support/scripted_platform.h"

namespace zel3 {
namespace {

using test::DialogAnswer;

class ChangeCommands : public ::testing::Test {
  protected:
    ChangeCommands() {
        auto platform = std::make_unique<test::ScriptedPlatform>();
        platform_ = platform.get();
        program_ = std::make_unique<Program>(std::move(platform));
    }
    void AnswerChange(const std::string& designation, const std::string& description) {
        for (const std::string& t :
             {designation, std::string("05.12.2026"), std::string("HU"), description}) {
            platform_->dialogAnswers.push_back(DialogAnswer::Text(t));
        }
    }
    ChangeLog& log() { return program_->contactCase.changes; }

    test::ScriptedPlatform* platform_ = nullptr;
    std::unique_ptr<Program> program_;
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
    EXPECT_EQ(platform_->messages.back().caption, "text screen");  // the log is shown

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
    EXPECT_EQ(platform_->messages.back().caption, "text screen");
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

TEST(ChangeLogLines, EntriesByIndexStyleWithTheDescriptionOnOneLine) {
    ContactCase c;
    c.changes.count = 2;
    c.changes.entries[0] = {"Radius", "03.12.2026", "HU", "zwei\nZeilen"};
    c.changes.entries[1] = {"Kraft", "04.12.2026", "MA", ""};
    c.drawingInfo.replaces = "ZL-0814";
    const std::vector<std::string> letters = ChangeLogLines(c, 0, "ZEL3 V2.7");
    EXPECT_EQ(letters[1], "\x8Enderungsprotokoll");
    EXPECT_EQ(letters[8], "Ersatz f\x81r: ZL-0814        ");
    EXPECT_EQ(letters[10], "  Index Datum        Bearb.   \x8Enderung            ");
    EXPECT_EQ(letters[12], "  a     03.12.2026   HU       Radius              ");
    EXPECT_EQ(letters[13], " zwei Zeilen");
    EXPECT_EQ(letters[15].substr(0, 3), "  b");
    EXPECT_EQ(ChangeLogLines(c, 1, "")[15].substr(0, 3), "  2");
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
