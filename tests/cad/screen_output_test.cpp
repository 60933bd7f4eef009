#include <gtest/gtest.h>

#include <algorithm>

#include "cad/cad_test_fixture.h"

namespace zel3 {
namespace {

using test::CadTest;

bool Has(const std::vector<std::string>& v, const std::string& s) {
    return std::find(v.begin(), v.end(), s) != v.end();
}
int CountPrefix(const std::vector<std::string>& v, const std::string& p) {
    return static_cast<int>(std::count_if(
        v.begin(), v.end(), [&](const std::string& r) { return r.rfind(p, 0) == 0; }));
}

TEST_F(CadTest, ScreenDrawsThroughTheGraphicsWindow) {
    CadDriver cad(*program);
    cad.CadOpen(3);
    ASSERT_FALSE(program->ui.errorFlag);
    cad.CadExtents(0, 0, 200, 100);
    cad.CadTables(2);
    cad.CadBeginEntities();
    cad.CadSetLayer(1);
    cad.CadLine(1, 2, 3, 4);
    cad.CadSolid(0, 0, 1, 0, 0, 1, 1, 1);
    cad.CadSetTextStyle(2, 0, 10, 4);
    cad.CadTextOut(
        "\x8e"
        "x",
        5, 5);  // code page 850 "Ä"
    cad.CadEndSection();
    cad.CadClose();
    const auto r = Records();
    EXPECT_EQ(r[0], "11;0");
    EXPECT_EQ(r[1], "10;1;1;638;478;0;0;200;100") << "Header of the extents";
    const auto footer = std::find_if(r.begin(), r.end(), [](const std::string& x) {
        return x.rfind("6;1;0.2;", 0) == 0;  // 0.5 % and 0.2 % into the extents
    });
    ASSERT_NE(footer, r.end());
    EXPECT_NE(footer->find(" - TRELLOX ZEL3 V2.7 - "), std::string::npos) << *footer;
    EXPECT_NE(footer->find("- " + std::filesystem::current_path().string() + "/welle.zl3"),
              std::string::npos)
        << "the full path of a project without a folder: " << *footer;
    EXPECT_TRUE(Has(r, "9;0.6;0.855;2;0")) << "footer style 0.006 h, 0.95 x 0.0045 w";
    EXPECT_TRUE(Has(r, "11;2")) << "layer 1 is dash-dot";
    EXPECT_TRUE(Has(r, "8;14")) << "layer 1 colour 2 is yellow";
    EXPECT_TRUE(Has(r, "4;1;2;3;4"));
    EXPECT_TRUE(Has(r, "7;0;0;1;0;1;1;0;1")) << "third and fourth corner exchanged";
    EXPECT_TRUE(Has(r, "9;10;3.8;2;0")) << "0.95 of the width";
    EXPECT_TRUE(Has(r, "6;5;5;\xc3\x84x")) << "text in the display code page";
}

TEST_F(CadTest, BlocksAreReplayedWithTheInsertTransform) {
    CadDriver cad(*program);
    cad.CadOpen(3);
    cad.CadExtents(0, 0, 200, 100);
    cad.CadTables(2);
    cad.CadBeginBlocks();
    cad.CadBlock("B");
    cad.CadSetLayer(4);
    cad.CadLine(0, 0, 10, 0);
    cad.CadArc(0, 0, 0, 90, 5);
    cad.CadEndBlock();
    cad.CadBlock("C");
    cad.CadInsert("B", 1, 1, 0, 1, 1);
    cad.CadEndBlock();
    cad.CadEndSection();
    EXPECT_TRUE(std::filesystem::exists(dir + "/$B.dx$"));
    EXPECT_NE(Read(dir + "/$B.dx$").find("  0\r\nLINE\r\n  8\r\n4\r\n"), std::string::npos);
    const size_t before = Records().size();
    cad.CadBeginEntities();
    cad.CadInsert("C", 100, 50, 90, 2, 2);
    cad.CadEndSection();
    const auto all = Records();
    const std::vector<std::string> r(all.begin() + static_cast<long>(before), all.end());
    // C puts B at (1, 1); turned by 90 degrees and doubled: (100 - 2, 50 + 2).
    EXPECT_TRUE(Has(r, "4;98;52;98;72")) << ::testing::PrintToString(r);
    EXPECT_EQ(CountPrefix(r, "5;"), 1);
    cad.CadClose();
    EXPECT_FALSE(std::filesystem::exists(dir + "/$B.dx$"));
    EXPECT_FALSE(std::filesystem::exists(dir + "/$C.dx$"));
    EXPECT_FALSE(program->ui.errorFlag);
}

TEST_F(CadTest, ABlockInsertingItselfStopsAtTheFifthLevel) {
    WriteFile("$SELF.dx$",
              "  0\r\nLINE\r\n  8\r\n0\r\n 10\r\n0\r\n 20\r\n0\r\n 11\r\n1\r\n 21\r\n1\r\n"
              "  0\r\nINSERT\r\n  2\r\nSELF\r\n  8\r\n0\r\n 10\r\n1\r\n 20\r\n0\r\n"
              "  0\r\nEOF\r\n");
    CadDriver cad(*program);
    cad.CadOpen(3);
    cad.CadExtents(0, 0, 100, 100);
    cad.CadBeginEntities();
    cad.CadInsert("SELF", 0, 0, 0, 1, 1);
    EXPECT_TRUE(program->ui.errorFlag);
    ASSERT_FALSE(platform->messages.empty());
    EXPECT_EQ(platform->messages.back().text, "error blockno.5");
    EXPECT_EQ(CountPrefix(Records(), "4;"), 4) << "four levels drawn";
    EXPECT_TRUE(Has(Records(), "4;3;0;4;1"));
}

TEST_F(CadTest, BlocksInsertingOthersManyTimesStopInsteadOfHanging) {
    // Forty inserts on each of four levels would read 65,641 block files.
    for (int level = 1; level <= 3; ++level) {
        std::string block;
        for (int i = 0; i < 40; ++i)
            block += "  0\r\nINSERT\r\n  2\r\nFAN" + std::to_string(level + 1) + "\r\n";
        WriteFile("$FAN" + std::to_string(level) + ".dx$", block + "  0\r\nEOF\r\n");
    }
    WriteFile("$FAN4.dx$", "  0\r\nLINE\r\n 11\r\n1\r\n 21\r\n1\r\n  0\r\nEOF\r\n");
    CadDriver cad(*program);
    cad.CadOpen(3);
    cad.CadExtents(0, 0, 100, 100);
    cad.CadBeginEntities();
    cad.CadInsert("FAN1", 0, 0, 0, 1, 1);
    EXPECT_TRUE(program->ui.errorFlag);
    ASSERT_FALSE(platform->messages.empty());
    EXPECT_EQ(platform->messages.back().text, "Error in DXF File: too many block inserts");
    EXPECT_LE(CountPrefix(Records(), "4;"), 2000);

    // The next insert starts with a fresh count.
    program->ui.errorFlag = false;
    WriteFile("$ONE.dx$", "  0\r\nCIRCLE\r\n 40\r\n2\r\n  0\r\nEOF\r\n");
    cad.CadInsert("ONE", 0, 0, 0, 1, 1);
    EXPECT_FALSE(program->ui.errorFlag);
    EXPECT_TRUE(Has(Records(), "3;0;0;2"));
    cad.CadEndSection();
    cad.CadClose();
}

TEST_F(CadTest, MissingDamagedAndForeignBlockFilesAreSurvived) {
    CadDriver cad(*program);
    cad.CadOpen(3);
    cad.CadExtents(0, 0, 100, 100);
    cad.CadBeginEntities();
    cad.CadInsert("NONE", 0, 0, 0, 1, 1);
    EXPECT_TRUE(program->ui.errorFlag);
    ASSERT_GE(program->messages.MessageCount(), 1);
    EXPECT_EQ(program->messages.MessageText(1), "Invalid temp directory");

    program->ui.errorFlag = false;
    const std::string garbage[] = {
        "",
        "  0\r\nLINE\r\n  8\r\n0\r\n 10\r\n5",     // cut inside the entity
        "  0\r\nLINE\r\n xx\r\n0\r\n",             // a code that is no number
        std::string("\0\x01\xff\xfe binary", 12),  // binary
        "  0\r\nHATCH\r\n 10\r\n1\r\n  0\r\nCIRCLE\r\n 40\r\n2\r\n  0\r\nEOF\r\n",  // unknown
        std::string(100000, 'x'),                          // one endless line
        "  0\r\nPOLYLINE\r\n 70\r\n1\r\n  0\r\nLINE\r\n",  // polyline without vertices
        "  0\r\nTEXT\r\n 40\r\nabc\r\n  1\r\n\r\n",        // bad height, empty text
    };
    for (size_t i = 0; i < std::size(garbage); ++i) {
        WriteFile("$G" + std::to_string(i) + ".dx$", garbage[i]);
        cad.CadInsert("G" + std::to_string(i), 0, 0, 0, 1, 1);
        EXPECT_FALSE(program->ui.errorFlag) << i;
    }
    EXPECT_TRUE(Has(Records(), "3;0;0;2")) << "the known entity after an unknown one";
    EXPECT_TRUE(Has(Records(), "4;0;0;0;0")) << "the cut line with what was read";
    EXPECT_EQ(platform->messages.back().text, "Error in DXF File");
}

TEST_F(CadTest, PolylinesWithBulgesBecomeLinesAndArcs) {
    // A square 10 x 10 whose second edge bulges outward by a half circle, closed.
    WriteFile("$P.dx$",
              "  0\r\nPOLYLINE\r\n  8\r\n0\r\n 66\r\n1\r\n 70\r\n1\r\n"
              "  0\r\nVERTEX\r\n  8\r\n3\r\n 10\r\n0\r\n 20\r\n0\r\n"
              "  0\r\nVERTEX\r\n  8\r\n4\r\n 10\r\n10\r\n 20\r\n0\r\n 42\r\n1\r\n"
              "  0\r\nVERTEX\r\n  8\r\n5\r\n 10\r\n10\r\n 20\r\n10\r\n"
              "  0\r\nSEQEND\r\n  8\r\n0\r\n  0\r\nEOF\r\n");
    CadDriver cad(*program);
    cad.CadOpen(3);
    cad.CadExtents(0, 0, 100, 100);
    cad.CadBeginEntities();
    const size_t before = Records().size();
    cad.CadInsert("P", 0, 0, 0, 1, 1);
    const auto all = Records();
    const std::vector<std::string> r(all.begin() + static_cast<long>(before), all.end());
    EXPECT_TRUE(Has(r, "4;0;0;10;0"));
    // Half circle about (10, 5) from -90 to 90 degrees, radius 5, counter-clockwise.
    EXPECT_TRUE(Has(r, "5;5;0;15;10;10;0;10;10")) << ::testing::PrintToString(r);
    EXPECT_TRUE(Has(r, "4;10;10;0;0")) << "closing segment";
    EXPECT_FALSE(program->ui.errorFlag);
}

TEST_F(CadTest, LogoBlocksAreInsertedUnlessATitleBlockWasDrawn) {
    WriteFile("$LOGO_2.dx$",
              "  0\r\nCIRCLE\r\n  8\r\n0\r\n 10\r\n0\r\n 20\r\n0\r\n 40\r\n240\r\n"
              "  0\r\nEOF\r\n");
    {
        CadDriver cad(*program);
        cad.CadOpen(3);
        cad.CadExtents(0, 0, 480, 360);
        cad.CadBeginEntities();
        EXPECT_TRUE(Has(Records(), "3;436.8;3.6;240")) << ::testing::PrintToString(Records());
    }
    WriteFile("$LOGO_2.dx$", "  0\r\nCIRCLE\r\n 40\r\n240\r\n  0\r\nEOF\r\n");
    CadDriver cad(*program);
    cad.CadOpen(3);
    cad.CadExtents(0, 0, 480, 360);
    cad.SetTitleBlockDrawn();
    cad.CadBeginEntities();
    EXPECT_EQ(CountPrefix(Records(), "3;"), 0);
    cad.CadClose();
    EXPECT_FALSE(std::filesystem::exists(dir + "/$LOGO_2.dx$")) << "kind 3 deletes block files";
}

TEST_F(CadTest, LayersFoldAndPickTheirScreenAttributes) {
    auto& s = program->settings;
    s.layerColor[21] = 3;
    s.layerThickness[21] = 60;  // out of range: width 1
    s.layerThickness[22] = 4;
    CadDriver cad(*program);
    cad.CadOpen(3);
    cad.CadSetLayer(37);
    EXPECT_EQ(cad.state().layerName, "21");
    EXPECT_EQ(program->graphics.GetColor(), 10);
    cad.CadSetLayer(7);
    EXPECT_EQ(cad.state().layerName, "7");
    EXPECT_EQ(program->graphics.GetColor(), 10) << "layers 6 to 15 keep the colour";
    cad.CadSetLayer(22);
    EXPECT_EQ(Records().back(), "12;4");
    cad.CadSetLayer(5);
    EXPECT_EQ(Records().back(), "12;3");
    EXPECT_EQ(cad.LayerName(2), "2");
}

}  // namespace
}  // namespace zel3
