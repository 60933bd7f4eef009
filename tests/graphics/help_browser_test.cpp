#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>

#include "graphics/help_browser.h"
#include "graphics/help_print.h"
#include "graphics/help_text.h"
#include "shell/program.h"
#include "support/scripted_platform.h"

namespace zel3 {
namespace {

namespace fs = std::filesystem;
using test::DialogAnswer;

std::string Slurp(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

class HelpBrowserTest : public ::testing::Test {
  protected:
    void SetUp() override {
        auto p = std::make_unique<test::ScriptedPlatform>();
        platform = p.get();
        program = std::make_unique<Program>(std::move(p));
        dir = fs::temp_directory_path() / ("zel3_browse_" + std::to_string(::getpid()));
        fs::remove_all(dir);
        fs::create_directories(dir);
        program->settings.folders.PltDir = dir.string();
        program->graphics.ApplySettings(ScreenInfo{});
        Write("a.plt", "PU0,0;PD40,0;");
        Write("b.plt", "PU0,0;PD80,0;");
        Write("c.plt", "PU0,0;PD120,0;");
        Write("zel3.dbh", "\"a\",\"eins\"\r\n\"b\",\"zwei\"\r\n");
    }
    void TearDown() override { fs::remove_all(dir); }

    void Write(const std::string& name, const std::string& content) {
        std::ofstream(dir / name, std::ios::binary) << content;
    }
    std::vector<HelpPicture> Index() {
        std::vector<HelpPicture> p;
        ReadHelpIndexFile(program->ui, (dir / "zel3.dbh").string(), p);
        return p;
    }
    bool Shows(const std::string& record) const {
        const auto& list = program->graphics.list;
        for (size_t i = 0; i < list.size(); ++i)
            if (list[i] == record) return true;
        return false;
    }

    test::ScriptedPlatform* platform = nullptr;
    std::unique_ptr<Program> program;
    fs::path dir;
};

TEST_F(HelpBrowserTest, ListShowsPicturesAndEndsOnCancel) {
    platform->dialogAnswers = {DialogAnswer::Choice(2), DialogAnswer::Cancel()};
    BrowseHelpPictures(*program);
    ASSERT_EQ(platform->requests.size(), 2u);
    EXPECT_EQ(platform->requests[0].prompt, "ZEL3 Hilfebilder");
    EXPECT_EQ(platform->requests[0].options,
              (std::vector<std::string>{"a       : eins", "b       : zwei",
                                        "-----  Erweitern  -----", "-----  Löschen  -----",
                                        "-----  Ändern  ------", "-----  Einfügen ------",
                                        "-----  HP-GL/2 drucken/plotten  ------"}));
    EXPECT_EQ(platform->requests[1].preset, "2");  // the shown picture stays the current line
    EXPECT_TRUE(Shows("4;0;0;2;0"));
    EXPECT_TRUE(program->ui.errorFlag);
}

TEST_F(HelpBrowserTest, ExtendAppendsAPickedPicture) {
    platform->dialogAnswers = {DialogAnswer::Choice(3),
                               DialogAnswer::Text((dir / "c.plt").string()),
                               DialogAnswer::Text("drei"), DialogAnswer::Cancel()};
    BrowseHelpPictures(*program);
    auto p = Index();
    ASSERT_EQ(p.size(), 3u);
    EXPECT_EQ(p[2].name, "c");
    EXPECT_EQ(p[2].info, "drei");
    EXPECT_TRUE(Shows("4;0;0;3;0"));
    EXPECT_EQ(platform->requests[2].maxLength, 50);
}

TEST_F(HelpBrowserTest, DeleteAsksOrConfirms) {
    std::vector<HelpPicture> p = Index();
    platform->questionAnswers = {YesNoCancel::No};
    EXPECT_EQ(HelpPictureDelete(*program, p, 1), 1);
    EXPECT_EQ(Index().size(), 2u);
    platform->questionAnswers = {YesNoCancel::Yes};
    EXPECT_EQ(HelpPictureDelete(*program, p, 1), 1);
    EXPECT_EQ(platform->questions.back(), "Löschen ?");
    ASSERT_EQ(Index().size(), 1u);
    EXPECT_EQ(Index()[0].name, "b");
    // Nothing marked: the line is chosen from the list.
    platform->dialogAnswers = {DialogAnswer::Choice(1)};
    HelpPictureDelete(*program, p, 0);
    EXPECT_EQ(platform->requests.back().prompt, "Zu löschende Zeile wählen...");
    EXPECT_TRUE(Index().empty());
    EXPECT_EQ(program->ui.helpNumber, 2320);
}

TEST_F(HelpBrowserTest, ChangeAndInsertRewriteTheIndex) {
    std::vector<HelpPicture> p = Index();
    platform->dialogAnswers = {DialogAnswer::Text("c"), DialogAnswer::Text("neu")};
    EXPECT_EQ(HelpPictureChange(*program, p, 2), 2);
    EXPECT_EQ(platform->requests[0].prompt, "Dateiname (ohne Endung .plt)");
    EXPECT_EQ(platform->requests[0].maxLength, 8);
    EXPECT_EQ(program->ui.helpNumber, 2340);
    EXPECT_EQ(Index()[1].name, "c");
    EXPECT_EQ(Index()[1].info, "neu");

    platform->dialogAnswers = {DialogAnswer::Choice(1),
                               DialogAnswer::Text((dir / "b.plt").string()),
                               DialogAnswer::Text("vorn")};
    EXPECT_EQ(HelpPictureInsert(*program, p, 0), 1);
    EXPECT_EQ(platform->requests[2].prompt, "Vor welche Zeile einfügen ?");
    auto q = Index();
    ASSERT_EQ(q.size(), 3u);
    EXPECT_EQ(q[0].name, "b");
    EXPECT_EQ(q[0].info, "vorn");
    EXPECT_EQ(q[1].name, "a");

    // Cancel anywhere leaves the index as it was.
    platform->dialogAnswers = {DialogAnswer::Text("x"), DialogAnswer::Cancel()};
    HelpPictureChange(*program, p, 1);
    EXPECT_TRUE(program->ui.errorFlag);
    EXPECT_EQ(Index()[0].name, "b");
}

TEST_F(HelpBrowserTest, PrintSendsThePictureRawToThePort) {
    std::vector<HelpPicture> p = Index();
    const fs::path port = dir / "port";
    Write("port", "");
    auto device = [&](int n) { return n == 2 ? port.string() : (dir / "none").string(); };
    platform->dialogAnswers = {DialogAnswer::Choice(2), DialogAnswer::Text("2")};
    platform->questionAnswers = {YesNoCancel::Yes};
    EXPECT_EQ(HelpPicturePrint(*program, p, 0, device), 2);
    EXPECT_FALSE(program->ui.errorFlag);
    EXPECT_EQ(platform->requests[1].prompt, "Druckerschnittstelle (max = 4, default=1)");
    EXPECT_EQ(platform->questions[0], "Steuersequenz für HP-GL/2-Laserdrucker vorausschicken ?");
    EXPECT_EQ(platform->Texts().back(), "Hilfebild wird ausgegeben ..");
    EXPECT_EQ(Slurp(port),
              "\x1b"
              "E\x1b%0BPU0,0;PD80,0;\x1b%0A\x1b"
              "E");

    // Without the control sequence the file goes as it is; a missing port is an error.
    Write("port", "");
    platform->dialogAnswers = {DialogAnswer::Choice(1), DialogAnswer::Text("2")};
    platform->questionAnswers = {YesNoCancel::No};
    HelpPicturePrint(*program, p, 0, device);
    EXPECT_EQ(Slurp(port), "PU0,0;PD40,0;");
    platform->dialogAnswers = {DialogAnswer::Choice(1), DialogAnswer::Text("3")};
    platform->questionAnswers = {YesNoCancel::No};
    HelpPicturePrint(*program, p, 0, device);
    EXPECT_TRUE(program->ui.errorFlag);
    EXPECT_FALSE(fs::exists(dir / "none"));
    EXPECT_EQ(PrinterPortDevice(1), "/dev/lp0");
    EXPECT_EQ(PrinterPortDevice(4), "/dev/lp3");
}

TEST_F(HelpBrowserTest, WithoutIndexAPickedPictureChoosesTheFolder) {
    fs::path other = dir / "other";
    fs::create_directories(other);
    std::ofstream(other / "x.plt") << "PU0,0;PD160,0;";
    fs::remove(dir / "zel3.dbh");
    platform->dialogAnswers = {DialogAnswer::Text((other / "x.plt").string()),
                               DialogAnswer::Cancel()};
    BrowseHelpPictures(*program);
    EXPECT_EQ(program->settings.folders.PltDir, other.string());
    EXPECT_TRUE(Shows("4;0;0;4;0"));
    EXPECT_EQ(platform->requests.size(), 2u);
}

TEST_F(HelpBrowserTest, DamagedIndexIsReportedAndBrowsed) {
    Write("zel3.dbh", "\"a\",\"eins\"\r\n\"b,zwei\r\n");
    platform->dialogAnswers = {DialogAnswer::Cancel()};
    BrowseHelpPictures(*program);
    EXPECT_EQ(platform->Texts().front(), "DBH file error");
    EXPECT_EQ(platform->requests[0].options.size(), 7u);
}

}  // namespace
}  // namespace zel3
