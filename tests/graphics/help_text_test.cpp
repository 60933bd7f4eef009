#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <regex>
#include <set>
#include <sstream>

#include "graphics/help_index.h"
#include "graphics/help_text.h"
#include "shell/program.h"
#include "support/scripted_platform.h"

namespace zel3 {
namespace {

namespace fs = std::filesystem;

size_t LineRecords(const DisplayList& list) {
    size_t n = 0;
    for (size_t i = 0; i < list.size(); ++i) n += list[i].rfind("4;", 0) == 0;
    return n;
}

class HelpTextTest : public ::testing::Test {
  protected:
    void SetUp() override {
        auto p = std::make_unique<test::ScriptedPlatform>();
        platform = p.get();
        program = std::make_unique<Program>(std::move(p));
        dir = fs::temp_directory_path() / ("zel3_help_" + std::to_string(::getpid()));
        fs::create_directories(dir);
        program->settings.folders.PltDir = dir.string();
        program->graphics.ApplySettings(ScreenInfo{});
    }
    void TearDown() override { fs::remove_all(dir); }

    void Write(const std::string& name, const std::string& content) {
        std::ofstream(dir / name, std::ios::binary) << content;
    }

    test::ScriptedPlatform* platform = nullptr;
    std::unique_ptr<Program> program;
    fs::path dir;
};

TEST_F(HelpTextTest, ShowsTheEntryInABoxAndItsPicture) {
    Write("zel3.hlp", "9010:bild\r\nErste Zeile\r\nK\x94rper\r\n9015\r\nanders\r\n");
    Write("bild.plt", "PU0,0;PD400,400;");
    ShowHelpText(*program, 9010, kHelpTextAndPicture);
    ASSERT_EQ(platform->messages.size(), 1u);
    EXPECT_EQ(platform->messages[0].caption, "HILFETEXT Nr.9010");
    EXPECT_EQ(platform->messages[0].text, "Erste Zeile Körper ");
    EXPECT_EQ(LineRecords(program->graphics.list), 1u);
    EXPECT_FALSE(program->ui.errorFlag);

    // Text only leaves the window alone; picture only shows no box.
    program->graphics.Clear();
    ShowHelpText(*program, 9010, kHelpTextOnly);
    EXPECT_EQ(program->graphics.list.size(), 0u);
    ShowHelpText(*program, 9010, kHelpPictureOnly);
    EXPECT_EQ(platform->messages.size(), 2u);
    EXPECT_EQ(LineRecords(program->graphics.list), 1u);
}

TEST_F(HelpTextTest, NumberZeroUsesTheCurrentHelpNumber) {
    Write("trellox.hlp", "2300\nBrowser\n2310\nErweitern\n");
    SetHelpNumber(program->ui, 2310);
    EXPECT_EQ(GetHelpText(*program, 0), "Erweitern ");
    EXPECT_EQ(GetHelpText(*program, 2300), "Browser ");
    // The help buttons of the dialogs reach the same texts.
    ASSERT_TRUE(platform->showHelp);
    platform->showHelp(false);
    ASSERT_EQ(platform->messages.size(), 1u);
    EXPECT_EQ(platform->messages[0].text, "Erweitern ");
}

TEST_F(HelpTextTest, MissingFilesEntriesAndPictures) {
    program->ui.errorFlag = true;
    ShowHelpText(*program, 4000, kHelpTextOnly);
    EXPECT_EQ(platform->Texts().back(),
              "Datei " + (dir / "zel3.hlp").string() + " nicht gefunden !");
    EXPECT_FALSE(program->ui.errorFlag);

    Write("trellox.hlp", "1230\nA\n");
    ShowHelpText(*program, 3995, kHelpTextOnly);
    EXPECT_EQ(platform->Texts().back(), "Hilfetext Nr 3995: keine Hilfe vorhanden.");

    // A picture without its file: the window's message, nothing drawn, flag clear.
    Write("trellox.hlp", "1230:fehlt\nA\n");
    ShowHelpText(*program, 1230, kHelpPictureOnly);
    EXPECT_EQ(platform->Texts().back(), (dir / "fehlt.plt").string() + " nicht gefunden !");
    EXPECT_FALSE(program->ui.errorFlag);

    // No picture named: the picture button shows the text instead of an empty window.
    Write("trellox.hlp", "1230:NULL\nA\n");
    size_t before = platform->messages.size();
    ShowHelpText(*program, 1230, kHelpPictureOnly);
    EXPECT_EQ(platform->messages.size(), before + 1);
    EXPECT_EQ(platform->Texts().back(), "A ");
}

TEST_F(HelpTextTest, PlotterStateCarriesOverButThePointStartsAfresh) {
    Write("a.plt", "SI0.1,0.2;SP3;PU400,0;");
    Write("b.plt", "PD0,0;");
    EXPECT_TRUE(PlayHpglFile(*program, (dir / "a.plt").string()));
    EXPECT_EQ(program->hpgl.pen, 3);
    EXPECT_DOUBLE_EQ(program->hpgl.charHeight, 0.2);
    program->graphics.Clear();
    EXPECT_TRUE(PlayHpglFile(*program, (dir / "b.plt").string()));
    const auto& list = program->graphics.list;
    bool fromNoPoint = false;
    for (size_t i = 0; i < list.size(); ++i) fromNoPoint |= list[i].rfind("4;-999;-999;", 0) == 0;
    EXPECT_TRUE(fromNoPoint);
    EXPECT_FALSE(PlayHpglFile(*program, (dir / "c d.plt").string()));
    EXPECT_TRUE(program->ui.errorFlag);
    EXPECT_EQ(platform->Texts().back(), (dir / "cd.plt").string() + " nicht gefunden !");
}

// Every help number the program sets, found in the sources, plus those set through
// computed values (the material tables 9500 + 10 * table).
std::set<int> HelpNumbersOfTheProgram() {
    std::set<int> numbers = {1040, 1050, 1060, 1070, 1120, 1210, 1555, 1605, 1910, 1920, 1930, 1935,
                             1940, 1950, 1970, 2050, 2055, 2060, 2070, 2080, 2090, 2110, 2120, 2130,
                             2140, 2145, 2150, 2160, 2170, 2280, 2300, 2310, 2320, 2330, 2340, 2350,
                             2360, 2365, 2370, 2450, 2600, 2710, 2720, 2730, 3000, 3010, 3055, 3400,
                             8010, 8260, 8270, 9010, 9020, 9510, 9520, 9530};
    const std::regex set(
        R"((?:helpNumber\s*=\s*|SetHelpNumber\s*\([^,()]*,\s*|(?:ShowHelpText|GetHelpText)\s*\([^,()]*,\s*|kHelp\w*\s*=\s*)(\d{3,5}))");
    for (const auto& e :
         fs::recursive_directory_iterator(fs::path(ZEL3_TEST_SOURCE_DIR) / ".." / "src")) {
        if (!e.is_regular_file()) continue;
        std::ifstream in(e.path());
        std::stringstream ss;
        ss << in.rdbuf();
        const std::string text = ss.str();
        for (std::sregex_iterator it(text.begin(), text.end(), set), end; it != end; ++it) {
            int n = std::stoi((*it)[1]);
            if (n > 0) numbers.insert(n);
        }
    }
    return numbers;
}

TEST(ShippedHelp, EveryHelpNumberHasAText) {
    const std::string data = std::string(ZEL3_SOURCE_DATA_DIR) + "/";
    for (int n : HelpNumbersOfTheProgram()) {
        HelpEntry e = ReadHelpEntry(data, n, "ZEL3");
        ASSERT_TRUE(e.fileFound) << n;
        EXPECT_TRUE(e.found) << "no help text " << n;
        if (!e.found) continue;
        for (const auto& line : e.lines) {
            EXPECT_GT(line.size(), 20u) << n;
            EXPECT_LT(line.size(), 255u) << n;
        }
        if (HasHelpPicture(e)) {
            EXPECT_TRUE(fs::is_regular_file(data + e.picture + ".plt")) << n;
        }
    }
}

TEST(ShippedHelp, TheIndexListsEveryPicture) {
    const std::string data = std::string(ZEL3_SOURCE_DATA_DIR) + "/";
    test::ScriptedPlatform platform;
    NumberFormat nf;
    TextOptions to;
    UiState ui(platform, nf, to);
    std::vector<HelpPicture> pictures;
    ASSERT_TRUE(ReadHelpIndexFile(ui, data + "zel3.dbh", pictures));
    EXPECT_TRUE(platform.messages.empty());
    std::set<std::string> listed;
    for (const auto& p : pictures) {
        listed.insert(p.name);
        EXPECT_TRUE(fs::is_regular_file(data + p.name + ".plt")) << p.name;
        EXPECT_FALSE(p.info.empty());
    }
    for (const auto& e : fs::directory_iterator(data))
        if (e.path().extension() == ".plt") {
            EXPECT_TRUE(listed.count(e.path().stem().string())) << e.path();
        }
    for (const char* name : {"koerper", "werkstof", "kraft", "diagramm", "blatt"})
        EXPECT_TRUE(listed.count(name)) << name;
}

}  // namespace
}  // namespace zel3
