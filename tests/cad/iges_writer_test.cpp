#include "cad/iges_writer.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "cad/cad_driver.h"
#include "support/cad_run.h"
#include "util/io_error.h"

namespace zel3 {
namespace {

using test::CadTestProgram;

std::vector<std::string> Records(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::vector<std::string> r;
    for (std::string line; std::getline(in, line);) {
        if (!line.empty() && line.back() == '\r') line.pop_back();
        r.push_back(line);
    }
    return r;
}

int CheckStructure(const std::string& path, const std::string& counts = "") {
    const std::string cmd =
        "python3 " ZEL3_TEST_SOURCE_DIR "/cad/iges_structure_check.py '" + path + "' " + counts;
    return std::system(cmd.c_str());
}

size_t CountFiles(const std::string& dir) {
    size_t n = 0;
    for (const auto& e : std::filesystem::directory_iterator(dir)) n += e.is_regular_file();
    return n;
}

IgesHeader Header() {
    IgesHeader h;
    h.productName = "ZEL3";
    h.versionText = "2.7";
    h.date = "261208";
    return h;
}

TEST(IgesWriter, SmallDrawingRecordForRecord) {
    CadTestProgram t("iges_literal");
    CadOutputState state;
    CadChannel out;
    const std::string path = t.dir.File("plan.igs");
    ASSERT_TRUE(out.Create(path));
    {
        IgesWriter w(out, state, t.program.settings);
        w.OpenScratch(t.dir.path());
        w.Start("plan", 297, Header());
        w.SetLayer(1);
        w.Line(0, 0, 100, 50);
        w.SetLayer(0);
        w.Arc(10, 10, 15, 10, 15, 10);
        w.Finish();
    }
    const std::vector<std::string> expected = {
        "IGES-Datei generiert von ZEL3                                           S0000001",
        "Uebersetzer von TRELLOX GMBH, Uebersetzerversion 3.1                    S0000002",
        "                                                                        S0000003",
        ",,4HFILE,4Hplan,9HZEL3 V2.7,0H,                                         G0000001",
        "16,38,6,99,15,                                                          G0000002",
        "4Hplan,1.0,2,2HMM,32767,3.2767D1,                                       G0000003",
        "13H261208.081107,1.0D-8,297.0,                                          G0000004",
        "6HPallek,12HTRELLOX GMBH,4,0;                                           G0000005",
        "     110       1       1       4       5                        00000000D0000001",
        "     110               5       1                                        D0000002",
        "     100       2       1       1       0               0        00000000D0000003",
        "     100               0       1                                        D0000004",
        "110,0.000,0.000,0.0,100.000,50.000,0.0;                                1P0000001",
        "100,0.0,10.000,10.000,15.000,10.000,15.000,10.000;                     3P0000002",
        "S0000003G0000005D0000004P0000002                                        T0000001",
    };
    EXPECT_EQ(Records(path), expected);
    EXPECT_EQ(CheckStructure(path, "110=1 100=1"), 0);
    // The parameter scratch file is gone; nothing but the drawing is left.
    EXPECT_EQ(CountFiles(t.dir.path()), 1u);
}

TEST(IgesWriter, RecordsAndParameterSplitting) {
    EXPECT_EQ(IgesRecord("abc", "12", 'P', 3).size(), 80u);
    EXPECT_EQ(IgesRecord("abc", "12", 'P', 3).substr(70), "12P0000003");
    // A content too long is not cut: the record grows.
    EXPECT_EQ(IgesRecord(std::string(75, 'x'), "", 'G', 1).size(), 83u);

    const std::string text = "1,2,3," + std::string(70, 'a') + ",b;";
    const auto pieces = SplitIgesParams(text);
    ASSERT_EQ(pieces.size(), 3u);
    EXPECT_EQ(pieces[0], "1,2,3,");
    EXPECT_EQ(pieces[1], std::string(64, 'a'));
    EXPECT_EQ(pieces[2], "aaaaaa,b;");
    // The cut lies after the last "," among the first 63 characters.
    std::string commas(70, ',');
    EXPECT_EQ(SplitIgesParams(commas)[0].size(), 63u);
    EXPECT_EQ(SplitIgesGlobal(std::string(100, 'g'))[0].size(), 72u);
    EXPECT_EQ(Hollerith("FILE"), "4HFILE");
    EXPECT_EQ(Hollerith(""), "0H");
}

TEST(IgesWriter, LayerColoursAndLineFonts) {
    Settings s;
    s.layerColor[1] = 1;   // red
    s.layerColor[3] = 7;   // white
    s.layerColor[16] = 5;  // blue
    s.layerColor[17] = 200;
    EXPECT_EQ(IgesLayerColor(s, 0), 0);  // index 7
    EXPECT_EQ(IgesLayerColor(s, 1), 2);
    EXPECT_EQ(IgesLayerColor(s, 3), 0);
    EXPECT_EQ(IgesLayerColor(s, 6), 0);   // index 7
    EXPECT_EQ(IgesLayerColor(s, 7), 8);   // index 8
    EXPECT_EQ(IgesLayerColor(s, 14), 1);  // index 15
    EXPECT_EQ(IgesLayerColor(s, 15), 0);  // beyond the table
    EXPECT_EQ(IgesLayerColor(s, 16), 4);
    EXPECT_EQ(IgesLayerColor(s, 17), 0);  // configured beyond the table
    EXPECT_EQ(IgesLayerFont(1), 4);
    EXPECT_EQ(IgesLayerFont(2), 2);
    EXPECT_EQ(IgesLayerFont(3), 1);
}

// A drawing through the driver: a block with members, instances with and without rotation,
// texts, solids, arcs and a circle; the file is checked by the independent structure check.
TEST(IgesWriter, DriverDrawingWithBlocksPassesStructureCheck) {
    CadTestProgram t("iges_driver");
    t.program.settings.number.separator = 2;  // decimal comma: the file still uses points
    t.program.settings.folders.TempDir = t.dir.File("tmp");
    std::filesystem::create_directory(t.program.settings.folders.TempDir);
    {
        CadDriver cad(t.program);
        cad.CadOpen(kCadIges);
        ASSERT_FALSE(t.program.ui.errorFlag);
        cad.CadExtents(0, 0, 210, 297);
        cad.CadTables(2);
        cad.CadBeginBlocks();
        cad.CadBlock("FRAME_1");
        cad.CadRectangle(0, 0, 210, 297);
        cad.CadSetTextStyle(2, 0, 3.5, 2.5);
        cad.CadTextOut("Zeichnung, Blatt 1", 20, 20);
        cad.CadEndBlock();
        cad.CadBlock("LONGNAME9");
        cad.CadEndBlock();
        cad.CadEndSection();
        cad.CadBeginEntities();
        cad.CadInsert("FRAME_1", 0, 0, 0, 1, 1);
        cad.CadInsert("FRAME_1", 10, 20, 90, 1, 1);
        cad.CadSetLayer(37);
        cad.CadCircle(50, 50, 10);
        cad.CadArc(50, 50, 0, 360, 5);
        cad.CadArc(50, 50, 0, 90, 0);  // radius 0: nothing
        cad.CadSolid(0, 0, 10, 0, 0, 10, 10, 10);
        cad.CadSetTextStyle(2, 30, 5, 0);
        cad.CadTextOut(std::string(90, 'x'), 1.5, 2.5);
        cad.CadEndSection();
        cad.CadClose();
    }
    EXPECT_EQ(t.program.messages.MessageCount(), 0);
    const std::string path = t.Output("igs");
    EXPECT_EQ(CheckStructure(path, "110=4 100=2 106=1 212=2 308=2 124=1 408=2"), 0);
    EXPECT_EQ(CountFiles(t.program.settings.folders.TempDir), 0u);

    // The parameter data joined again, as a reader sees them.
    std::string s;
    for (const std::string& r : Records(path)) {
        if (r.size() != 80 || r[72] != 'P') continue;
        std::string piece = r.substr(0, 64);
        piece.erase(piece.find_last_not_of(' ') + 1);
        s += piece;
    }
    EXPECT_EQ(s.find(",0,000"), std::string::npos);
    EXPECT_NE(s.find("308,0,7HFRAME_1,5,1,3,5,7,9;"), std::string::npos);
    EXPECT_NE(s.find("308,0,8HLONGNAME,0;"), std::string::npos);
    // The circle's start and end point coincide; so do those of the full arc.
    EXPECT_NE(s.find("100,0.0,50.000,50.000,60.000,50.000,60.000,50.000;"), std::string::npos);
    EXPECT_NE(s.find("100,0.0,50.000,50.000,55.000,50.000,55.000,50.000;"), std::string::npos);
    EXPECT_NE(s.find("106,1,5,0.0,0.000,0.000,10.000,10.000,0.000,10.000,10.000,0.000,"),
              std::string::npos);
    EXPECT_NE(s.find("124,0.000000,-1.000000,0.0,10.000,1.000000,0.000000,0.0,20.000,"),
              std::string::npos);
    EXPECT_NE(s.find("90H" + std::string(58, 'x')), std::string::npos);
}

TEST(IgesWriter, UnknownBlockIsReportedAndRefersToZero) {
    CadTestProgram t("iges_unknown");
    CadDriver cad(t.program);
    cad.CadOpen(kCadIges);
    cad.CadExtents(0, 0, 100, 100);
    cad.CadBeginBlocks();
    cad.CadBlock("LONGNAME9");
    cad.CadLine(0, 0, 1, 1);
    cad.CadEndBlock();
    cad.CadEndSection();
    cad.CadBeginEntities();
    cad.CadInsert("LONGNAME9", 0, 0, 0, 1, 1);
    cad.CadClose();
    ASSERT_EQ(t.program.messages.MessageCount(), 1);
    EXPECT_EQ(t.program.messages.MessageText(1), "Blockname LONGNAME9 not found !");
    bool found = false;
    for (const std::string& r : Records(t.Output("igs")))
        found = found || r.rfind("408,0,0.000,0.000,0.0,1.0;", 0) == 0;
    EXPECT_TRUE(found);
}

TEST(IgesWriter, ScratchFilesOfTwoRunsDoNotMeet) {
    CadTestProgram t("iges_two");
    CadChannel a, b;
    CadOutputState state;
    ASSERT_TRUE(a.Create(t.dir.File("a.igs")));
    ASSERT_TRUE(b.Create(t.dir.File("b.igs")));
    IgesWriter wa(a, state, t.program.settings), wb(b, state, t.program.settings);
    wa.OpenScratch(t.dir.path());
    wb.OpenScratch(t.dir.path());
    wa.Start("a", 10, Header());
    wb.Start("b", 10, Header());
    wa.Line(0, 0, 1, 1);
    wb.Line(0, 0, 2, 2);
    wb.Line(0, 0, 3, 3);
    wa.Finish();
    wb.Finish();
    EXPECT_EQ(CheckStructure(t.dir.File("a.igs"), "110=1"), 0);
    EXPECT_EQ(CheckStructure(t.dir.File("b.igs"), "110=2"), 0);
}

TEST(IgesWriter, MissingTempFolderIsAnIoError) {
    CadTestProgram t("iges_notemp");
    CadChannel out;
    CadOutputState state;
    ASSERT_TRUE(out.Create(t.dir.File("x.igs")));
    IgesWriter w(out, state, t.program.settings);
    EXPECT_THROW(w.OpenScratch(t.dir.File("missing")), IoError);
}

}  // namespace
}  // namespace zel3
