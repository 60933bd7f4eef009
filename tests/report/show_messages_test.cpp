#include "report/show_messages.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>

#include "report/message_descriptions.h"
#include "shell/program.h"
#include "support/scripted_platform.h"

namespace zel3 {
namespace {

namespace fs = std::filesystem;
using test::DescriptionAnswer;
using test::DialogAnswer;
using test::ScriptedPlatform;

const char* const kFile =
    "Fatal  : E = 0 !\r\nE fehlt\r\nE eingeben\r\n"
    "Fehler : pmax > ...\r\nzu hoch f\x81r den Werkstoff\r\nweniger Kraft\r\n";

class MessageWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir = fs::temp_directory_path() /
              ("zel3_msgwin_" + std::to_string(::getpid()) + "_" +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir);
        fs::create_directories(dir);
        setup.descriptionFile = (dir / "zel3.err").string();
        std::ofstream(setup.descriptionFile, std::ios::binary) << kFile;
    }
    void TearDown() override { fs::remove_all(dir); }
    void Add(std::initializer_list<const char*> texts) {
        for (const char* t : texts) list.AddMessage(t);
    }

    fs::path dir;
    ScriptedPlatform platform;
    NumberFormat number;
    TextOptions text;
    UiState ui{platform, number, text};
    MessageList list;
    MessageWindowSetup setup;
};

TEST_F(MessageWindowTest, WithoutFindingsOnlyANoteIsShown) {
    ShowMessageWindow(ui, list, setup);
    EXPECT_EQ(platform.Texts(),
              std::vector<std::string>{"Berechnung erfolgreich ohne Fehlermeldungen"});
    EXPECT_TRUE(platform.requests.empty());
}

TEST_F(MessageWindowTest, PreselectsTheClosingChoiceOrTheFirstFindingByHelpLevel) {
    Add({"Fatal  : E = 0 !", "Fehler : pmax > pzul !"});
    ShowMessageWindow(ui, list, setup);
    ASSERT_EQ(platform.requests.size(), 1u);
    const auto& r = platform.requests[0];
    EXPECT_EQ(r.kind, "radio");
    EXPECT_EQ(r.prompt,
              "Berechnungsmodul meldet Warnungen oder Fehler, siehe Ursache und Abhilfe.");
    EXPECT_EQ(r.options, (std::vector<std::string>{"Fatal  : E = 0 !", "Fehler : pmax > pzul !",
                                                   "Weiter/zurück..."}));
    EXPECT_EQ(r.preset, "3");
    EXPECT_EQ(ui.helpNumber, 1210);
    EXPECT_TRUE(ui.errorFlag) << "the unanswered choice counts as cancelled";

    setup.helpLevel = 2;
    ShowMessageWindow(ui, list, setup);
    EXPECT_EQ(platform.requests.at(1).preset, "1");
}

TEST_F(MessageWindowTest, WalksThroughTheFindingsAndClosesAfterTheLast) {
    Add({"Fatal  : E = 0 !", "Fehler : pmax > pHstat 2"});
    platform.dialogAnswers = {DialogAnswer::Choice(1), DialogAnswer::Choice(2)};
    ShowMessageWindow(ui, list, setup);
    ASSERT_EQ(platform.descriptions.size(), 2u);
    EXPECT_EQ(platform.descriptions[0].cause, "E fehlt");
    EXPECT_EQ(platform.descriptions[1].message, "Fehler : pmax > pHstat 2");
    EXPECT_EQ(platform.descriptions[1].cause, "zu hoch für den Werkstoff");
    EXPECT_EQ(platform.requests.at(1).preset, "2") << "the next finding comes preselected";
    EXPECT_EQ(platform.requests.size(), 2u) << "after the last finding the window closes";
    EXPECT_FALSE(ui.errorFlag);
}

TEST_F(MessageWindowTest, SevenFindingsAndTheClosingChoiceUseTheList) {
    for (int i = 1; i <= 7; ++i) list.AddMessage("Fehler : " + std::to_string(i));
    ShowMessageWindow(ui, list, setup);
    EXPECT_EQ(platform.requests.at(0).kind, "list");
}

TEST_F(MessageWindowTest, NeverOpensInABatchRunWhateverTheSpelling) {
    Program program(std::make_unique<ScriptedPlatform>());
    auto& p = static_cast<ScriptedPlatform&>(program.platform());
    program.messages.AddMessage("Fatal  : E = 0 !");
    program.args = {"teil.zl3", "/NoGui"};
    ShowMessageWindow(program);
    EXPECT_TRUE(p.requests.empty());
    EXPECT_TRUE(p.messages.empty());
}

TEST_F(MessageWindowTest, DescriptionWindowLabelsFollowTheChosenLanguage) {
    Program program(std::make_unique<ScriptedPlatform>());
    auto& p = static_cast<ScriptedPlatform&>(program.platform());
    program.settings.folders.PltDir = dir.string();
    program.messages.AddMessage("Fatal  : E = 0 !");
    p.dialogAnswers = {DialogAnswer::Choice(1)};
    ShowMessageWindow(program);
    program.language.SetLanguage(2);
    p.dialogAnswers = {DialogAnswer::Choice(1)};
    ShowMessageWindow(program);
    program.language.SetLanguage(8);
    p.dialogAnswers = {DialogAnswer::Choice(1)};
    ShowMessageWindow(program);
    ASSERT_EQ(p.descriptionLabels.size(), 3u);
    const DescriptionLabels& de = p.descriptionLabels[0];
    EXPECT_EQ(de.message, "Fehlermeldung");
    EXPECT_EQ(de.cause, "Ursache");
    EXPECT_EQ(de.remedy, "Abhilfe");
    EXPECT_EQ(de.help, "&Hilfe");
    const DescriptionLabels& en = p.descriptionLabels[1];
    EXPECT_EQ(en.message, "Error message");
    EXPECT_EQ(en.cause, "Cause");
    EXPECT_EQ(en.remedy, "Remedy");
    EXPECT_EQ(en.help, "&Help");
    EXPECT_EQ(p.descriptionLabels[2].cause, "\uC6D0\uC778");  // Korean
}

TEST_F(MessageWindowTest, AFindingWithoutEntryOrFileIsReported) {
    Add({"Fehler : Database #3"});
    platform.dialogAnswers = {DialogAnswer::Choice(1)};
    ShowMessageWindow(ui, list, setup);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].caption, "Meldung");
    EXPECT_EQ(platform.messages[0].text, kNoDescription);
    EXPECT_FALSE(ui.errorFlag);

    fs::remove(setup.descriptionFile);
    platform.messages.clear();
    platform.dialogAnswers = {DialogAnswer::Choice(1)};
    ShowMessageWindow(ui, list, setup);
    EXPECT_EQ(platform.Texts(),
              std::vector<std::string>{"Datei " + setup.descriptionFile +
                                       " nicht gefunden oder kein Zugriffsrecht !"});
    EXPECT_TRUE(ui.errorFlag);
}

TEST_F(MessageWindowTest, AnEditedDescriptionIsSavedOnlyWhenTheUserSaysYes) {
    Add({"Fatal  : E = 0 !"});
    DescriptionAnswer edit{true, true, "Modul vergessen", "Stahl: 210000 N/mm²"};
    platform.descriptionAnswers = {edit, edit};
    platform.dialogAnswers = {DialogAnswer::Choice(1), DialogAnswer::Choice(1)};
    platform.questionAnswers = {YesNoCancel::No, YesNoCancel::Yes};
    ShowMessageWindow(ui, list, setup);
    EXPECT_EQ(platform.questions, std::vector<std::string>{"Save Changes ?"});
    EXPECT_EQ(MessageCause(setup.descriptionFile, "Fatal  : E = 0 !"), "E fehlt");

    ShowMessageWindow(ui, list, setup);
    EXPECT_EQ(MessageCause(setup.descriptionFile, "Fatal  : E = 0 !"), "Modul vergessen");
    EXPECT_EQ(MessageRemedy(setup.descriptionFile, "Fatal  : E = 0 !"), "Stahl: 210000 N/mm\xFD");
    EXPECT_EQ(MessageRemedy(setup.descriptionFile, "Fehler : pmax > pzul !"), "weniger Kraft");
}

TEST_F(MessageWindowTest, AnUnchangedDescriptionAsksNothingAndHelpShows1970) {
    Add({"Fatal  : E = 0 !"});
    platform.dialogAnswers = {DialogAnswer::Choice(1)};
    ShowMessageWindow(ui, list, setup);
    EXPECT_TRUE(platform.questions.empty());
    EXPECT_EQ(ui.helpNumber, 1970);
}

}  // namespace
}  // namespace zel3
