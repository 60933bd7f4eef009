#include <gtest/gtest.h>

#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "graphics/help_index.h"
#include "support/no_file_rights.h"
#include "support/scripted_platform.h"

namespace zel3 {
namespace {

namespace fs = std::filesystem;

std::vector<HelpPicture> Read(const std::string& text, bool& error) {
    std::istringstream in(text);
    error = false;
    return ReadHelpIndex(in, error);
}

TEST(HelpIndex, ReadsQuotedPairs) {
    bool error = false;
    auto p = Read("\"koerper\",\"K\x94rperformen\"\r\n\r\n\"kraft\",\"Kraft F\"\n", error);
    EXPECT_FALSE(error);
    ASSERT_EQ(p.size(), 2u);
    EXPECT_EQ(p[0].name, "koerper");
    EXPECT_EQ(p[0].info, "K\x94rperformen");
    EXPECT_EQ(p[1].name, "kraft");
    EXPECT_EQ(HelpIndexLine(p[0]), "\"koerper\",\"K\x94rperformen\"");
}

TEST(HelpIndex, DamagedLinesAreReadAsWellAsPossible) {
    bool error = false;
    // Missing quotes, no comma, over-long fields.
    auto p = Read("\"abc,\"text\"\nkraft,Kraft ohne Anf\x81hrungszeichen\n\"nur\n\"" +
                      std::string(20, 'n') + "\",\"" + std::string(80, 'i') + "\"\n",
                  error);
    EXPECT_TRUE(error);
    ASSERT_EQ(p.size(), 4u);
    EXPECT_EQ(p[0].name, "abc");
    EXPECT_EQ(p[0].info, "text");
    EXPECT_EQ(p[1].name, "kraft");
    EXPECT_EQ(p[2].name, "nur");
    EXPECT_EQ(p[2].info, "");
    EXPECT_EQ(p[3].name, std::string(8, 'n'));
    EXPECT_EQ(p[3].info, std::string(50, 'i'));
}

TEST(HelpIndex, AtMost130LinesAndNoReadPastBinaryJunk) {
    std::string many;
    for (int i = 0; i < 200; ++i) many += "\"b" + std::to_string(i) + "\",\"x\"\n";
    bool error = false;
    EXPECT_EQ(Read(many, error).size(), 130u);
    std::string junk(50000, '\0');
    for (size_t i = 0; i < junk.size(); ++i) junk[i] = static_cast<char>((i * 31) % 251);
    Read(junk, error);
    EXPECT_TRUE(error);
}

TEST(HelpIndex, BrowserLinesAndFileNames) {
    std::vector<HelpPicture> p = {{"kraft", "Kraft"}, {"abcdefgh", "lang"}};
    auto lines = HelpBrowserLines(p);
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_EQ(lines[0], "kraft   : Kraft");
    EXPECT_EQ(lines[1], "abcdefgh: lang");
    EXPECT_EQ(lines[2], "-----  Erweitern  -----");
    EXPECT_EQ(lines[3], "-----  L\x94schen  -----");
    EXPECT_EQ(lines[4],
              "-----  \x8E"
              "ndern  ------");
    EXPECT_EQ(lines[5], "-----  Einf\x81gen ------");
    EXPECT_EQ(lines[6], "-----  HP-GL/2 drucken/plotten  ------");
    EXPECT_EQ(HelpPictureFileOfLine("Kr AFT  : Kraft"), "kraft");
}

TEST(HelpIndex, RewriteReplacesTheIndexOrKeepsIt) {
    fs::path dir = fs::temp_directory_path() / ("zel3_dbh_" + std::to_string(::getpid()));
    fs::create_directories(dir);
    test::ScriptedPlatform platform;
    NumberFormat nf;
    TextOptions to;
    UiState ui(platform, nf, to);
    const std::string folder = dir.string() + "/";
    ASSERT_TRUE(WriteHelpIndex(ui, folder, "ZEL3", {{"a", "eins"}, {"b", "zwei"}}));
    std::vector<HelpPicture> back;
    ASSERT_TRUE(ReadHelpIndexFile(ui, folder + "zel3.dbh", back));
    ASSERT_EQ(back.size(), 2u);
    EXPECT_EQ(back[1].info, "zwei");
    std::ifstream raw(folder + "zel3.dbh", std::ios::binary);
    std::string content((std::istreambuf_iterator<char>(raw)), std::istreambuf_iterator<char>());
    EXPECT_EQ(content, "\"a\",\"eins\"\r\n\"b\",\"zwei\"\r\n");

    // A folder that cannot be written: the error is reported, the old index stays whole.
    bool refused = false;
    fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec);
    {
        test::NoFileRights noRights;
        if (noRights.active()) {
            EXPECT_FALSE(WriteHelpIndex(ui, folder, "zel3", {{"c", "drei"}}));
            EXPECT_TRUE(ui.errorFlag);
            refused = true;
        }
    }
    fs::permissions(dir, fs::perms::owner_all);
    if (!refused) {
        ui.errorFlag = false;
        EXPECT_FALSE(WriteHelpIndex(ui, folder + "missing/", "zel3", {{"c", "drei"}}));
        EXPECT_TRUE(ui.errorFlag);
    }
    EXPECT_FALSE(platform.messages.empty());
    ASSERT_TRUE(ReadHelpIndexFile(ui, folder + "zel3.dbh", back));
    EXPECT_EQ(back.size(), 2u);
    for (const auto& e : fs::directory_iterator(dir))
        EXPECT_EQ(e.path().filename(), "zel3.dbh");  // no temporary file left behind
    fs::remove_all(dir);
}

}  // namespace
}  // namespace zel3
