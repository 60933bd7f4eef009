#include "util/prompts.h"

#include <gtest/gtest.h>

#include "support/scripted_platform.h"
#include "util/number_prompts.h"

namespace zel3 {
namespace {

using test::DialogAnswer;
using test::ScriptedPlatform;

class PromptsTest : public ::testing::Test {
  protected:
    ScriptedPlatform platform;
    NumberFormat number;
    TextOptions text;
    UiState ui{platform, number, text};
};

TEST_F(PromptsTest, MessageBoxesCarryTheirCaptionsAndShowStoredTextsConverted) {
    ShowError(ui, "Ung\x81ltig");
    ShowNote(ui,
             "Gr\x94\xE1"
             "e");
    ShowHelpNote(ui, "Hilfe");
    ASSERT_EQ(platform.messages.size(), 3u);
    EXPECT_EQ(platform.messages[0].kind, BoxKind::Error);
    EXPECT_EQ(platform.messages[0].caption, "Fehler : ");
    EXPECT_EQ(platform.messages[0].text, "Ungültig");
    EXPECT_EQ(platform.messages[1].caption, "Meldung:");
    EXPECT_EQ(platform.messages[1].text, "Größe");
    EXPECT_EQ(platform.messages[2].caption, "Hilfe");
    EXPECT_FALSE(ui.errorFlag);
}

TEST_F(PromptsTest, ReportErrorIsSilentWhileErrorsAreOff) {
    ui.showErrors = false;
    ReportError(ui, "weg");
    EXPECT_TRUE(platform.messages.empty());
    ui.showErrors = true;
    ReportError(ui, "da");
    EXPECT_EQ(platform.Texts(), std::vector<std::string>{"da"});
}

TEST_F(PromptsTest, AskYesNoCancelAnswersNoAndSetsTheFlag) {
    platform.questionAnswers = {YesNoCancel::Yes, YesNoCancel::No, YesNoCancel::Cancel};
    EXPECT_TRUE(AskYesNo(ui, "a ?"));
    EXPECT_FALSE(AskYesNo(ui, "b ?"));
    EXPECT_FALSE(ui.errorFlag);
    EXPECT_FALSE(AskYesNo(ui, "c ?"));
    EXPECT_TRUE(ui.errorFlag);
    EXPECT_EQ(platform.questions.size(), 3u);
}

TEST_F(PromptsTest, YesNoDialogPresetAnswerAndFlag) {
    bool answer = false;
    DialogAnswer enter = DialogAnswer::YesNo('J');
    enter.okButton = false;
    platform.dialogAnswers = {enter};
    ui.errorFlag = true;
    AskYesNoDialog(ui, "Frage", answer);
    EXPECT_EQ(platform.requests.at(0).preset, "N");
    EXPECT_TRUE(answer);
    EXPECT_TRUE(ui.errorFlag) << "Enter leaves the flag as it was";

    platform.dialogAnswers = {DialogAnswer::YesNo('N')};
    AskYesNoDialog(ui, "Frage", answer);
    EXPECT_EQ(platform.requests.at(1).preset, "J");
    EXPECT_FALSE(answer);
    EXPECT_FALSE(ui.errorFlag) << "OK clears the flag";

    AskYesNoDialog(ui, "Frage", answer);  // cancelled
    EXPECT_FALSE(answer);
    EXPECT_TRUE(ui.errorFlag);
}

TEST_F(PromptsTest, ChoiceUsesRadioButtonsUpToSevenOptionsAndAListAbove) {
    SetOptionTexts(ui, {"a", "b", "c", "d", "e", "f", "g", "h\x84"});
    int selected = 0;
    platform.dialogAnswers = {DialogAnswer::Choice(3), DialogAnswer::Choice(8)};
    AskChoice(ui, "Wahl", 7, selected);
    EXPECT_EQ(platform.requests.at(0).kind, "radio");
    EXPECT_EQ(platform.requests.at(0).preset, "1") << "0 starts as the first option";
    EXPECT_EQ(selected, 3);
    AskChoice(ui, "Wahl", 8, selected);
    EXPECT_EQ(platform.requests.at(1).kind, "list");
    EXPECT_EQ(platform.requests.at(1).preset, "3");
    EXPECT_EQ(platform.requests.at(1).options.back(), "hä");
    EXPECT_EQ(selected, 8);

    AskChoice(ui, "Wahl", 8, selected);  // cancelled
    EXPECT_EQ(selected, 8);
    EXPECT_TRUE(ui.errorFlag);
}

// A step that failed before the dialog must not make its OK look like a cancel.
TEST_F(PromptsTest, OkInTextAndChoiceDialogsClearsAStaleFlag) {
    std::string t;
    int selected = 1;
    SetOptionTexts(ui, {"a", "b", "c", "d", "e", "f", "g", "h"});
    for (int count : {3, 8}) {
        ui.errorFlag = true;
        platform.dialogAnswers = {DialogAnswer::Choice(2)};
        AskChoice(ui, "Wahl", count, selected);
        EXPECT_FALSE(ui.errorFlag) << count << " options";
        EXPECT_EQ(selected, 2);
    }
    ui.errorFlag = true;
    platform.dialogAnswers = {DialogAnswer::Text("anna")};
    AskText(ui, "Name", 8, t);
    EXPECT_FALSE(ui.errorFlag);
    EXPECT_EQ(t, "anna");
}

TEST_F(PromptsTest, OptionTextsAreCutTo65Characters) {
    SetOptionTexts(ui, {std::string(80, 'x')});
    EXPECT_EQ(ui.optionTexts[1].size(), 65u);
}

TEST_F(PromptsTest, AskTextConvertsBothWaysAndKeepsTheTextOnCancel) {
    std::string t = "M\x81ller";
    platform.dialogAnswers = {DialogAnswer::Text("Müller-Lüdenscheid")};
    AskText(ui, "Name", 30, t);
    EXPECT_EQ(platform.requests.at(0).preset, "Müller");
    EXPECT_EQ(platform.requests.at(0).maxLength, 30);
    EXPECT_EQ(t,
              "M\x81ller-L\x81"
              "denscheid");
    AskText(ui, "Name", 30, t);
    EXPECT_EQ(t,
              "M\x81ller-L\x81"
              "denscheid");
    EXPECT_TRUE(ui.errorFlag);
}

TEST_F(PromptsTest, HelpButtonsShowTheCurrentHelpAndClearTheFlag) {
    ui.helpNumber = 1210;
    std::string t = "x";
    platform.dialogAnswers = {DialogAnswer::Help(false), DialogAnswer::Text("y")};
    ui.errorFlag = true;
    AskText(ui, "Name", 10, t);
    EXPECT_EQ(platform.Texts(), std::vector<std::string>{"Hilfetext Nr. 1210"});
    EXPECT_FALSE(ui.errorFlag);
    EXPECT_EQ(t, "y");
    EXPECT_FALSE(platform.dialogHelp) << "the hook ends with the dialog";

    std::vector<bool> shown;
    platform.showHelp = [&](bool picture) { shown.push_back(picture); };
    platform.dialogAnswers = {DialogAnswer::Help(true), DialogAnswer::Text("z")};
    AskText(ui, "Name", 10, t);
    EXPECT_EQ(shown, std::vector<bool>{true});
}

TEST_F(PromptsTest, BusyScopeRestoresTheCursor) {
    {
        BusyScope busy(ui);
        EXPECT_EQ(platform.busy, 1);
    }
    EXPECT_EQ(platform.busy, 0);
}

TEST_F(PromptsTest, FloatOutsideTheRangeIsAskedAgainWithTheRejectedValue) {
    double v = 1;
    platform.dialogAnswers = {DialogAnswer::Text("20"), DialogAnswer::Text("20"),
                              DialogAnswer::Text("abc"), DialogAnswer::Text("2,5")};
    AskFloatInRange(ui, "Wert", v, 0.1, 10);
    EXPECT_DOUBLE_EQ(v, 2.5);
    EXPECT_FALSE(ui.errorFlag);
    ASSERT_EQ(platform.requests.size(), 4u);
    EXPECT_EQ(platform.requests[0].preset, "1");
    EXPECT_EQ(platform.requests[0].maxLength, 30);
    EXPECT_EQ(platform.requests[1].preset, "20");
    EXPECT_EQ(platform.requests[2].preset, "20");
    const std::string range = "Gültiger Wertebereich: 0.1 .. 10 !";
    EXPECT_EQ(platform.Texts(), (std::vector<std::string>{range, range, range}));
    EXPECT_EQ(platform.beeps, 3);
}

TEST_F(PromptsTest, FloatPromptKeepsTheValueOnCancelAndItsPrecisionWhenUnchanged) {
    double v = 1.23456;
    AskFloatInRange(ui, "Wert", v, 0, 10);
    EXPECT_TRUE(ui.errorFlag);
    EXPECT_DOUBLE_EQ(v, 1.23456);
    ui.errorFlag = false;
    platform.dialogAnswers = {DialogAnswer::Text("1.235")};  // the prefilled text
    AskFloatInRange(ui, "Wert", v, 0, 10);
    EXPECT_DOUBLE_EQ(v, 1.23456);
}

TEST_F(PromptsTest, FloatThatIsNoFiniteNumberIsAnInvalidInput) {
    double v = 3;
    platform.dialogAnswers = {DialogAnswer::Text("1e999"), DialogAnswer::Text("4")};
    AskFloatInRange(ui, "Wert", v, 10, 0);  // reversed bounds still describe 0..10
    EXPECT_DOUBLE_EQ(v, 4);
    EXPECT_EQ(platform.Texts(), std::vector<std::string>{"Ungültige Eingabe \"1e999\" !"});
    EXPECT_EQ(platform.requests.at(1).preset, "3") << "the old value is offered again";
    EXPECT_FALSE(ui.errorFlag);
}

TEST_F(PromptsTest, IntegerBoundsGivenTheWrongWayRoundAreSwapped) {
    int32_t v = 2;
    platform.dialogAnswers = {DialogAnswer::Text("5")};
    AskIntInRange(ui, "Zahl", v, 9, 1);
    EXPECT_EQ(v, 5);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(platform.requests.at(0).maxLength, 12);
}

TEST_F(PromptsTest, IntegerRangeMessageAndSixteenBitValuesThatDoNotWrap) {
    int16_t v = 7;
    platform.dialogAnswers = {DialogAnswer::Text("70000"), DialogAnswer::Text("99999999999"),
                              DialogAnswer::Text("-3")};
    AskIntInRange(ui, "Zahl", v, int16_t{-5}, int16_t{100});
    EXPECT_EQ(v, -3);
    EXPECT_EQ(platform.Texts(), (std::vector<std::string>{"Gültiger Wertebereich: -5 .. 100 !",
                                                          "Ungültige Eingabe \"99999999999\" !"}));
}

}  // namespace
}  // namespace zel3
