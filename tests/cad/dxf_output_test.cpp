#include <gtest/gtest.h>

#include <filesystem>
#include "cad/cad_test_fixture.h"
#include "cad/dxf_writer.h"
#include "support/file_size_limit.h"
#include "support/python_reader.h"
#include "util/io_error.h"
#include "support/temp_folder.h"

namespace zel3 {
namespace {

using test::CadTest;

TEST(CadNumberTest, FixedPointWithTheConfiguredDecimals) {
    EXPECT_EQ(CadNumberText(12.5, 3), "12.500");
    EXPECT_EQ(CadNumberText(-0.25, 3), "-0.250");
    EXPECT_EQ(CadNumberText(0, 6), "0.000000");
    EXPECT_EQ(CadNumberText(-1e-9, 6), "0.000000");
    EXPECT_EQ(CadNumberText(1e20, 1), "100000000000000000000.0");
    EXPECT_TRUE(CadArcIsFullCircle(0, 360));
    EXPECT_TRUE(CadArcIsFullCircle(360.000001, 0));
    EXPECT_TRUE(CadArcIsFullCircle(45, 45));
    EXPECT_FALSE(CadArcIsFullCircle(0, 359.9));
}

TEST_F(CadTest, SmallDrawingIsWrittenExactly) {
    auto& s = program->settings;
    s.decimalsDxf = 3;
    s.layerName[3] = "kontur";
    s.cadTextStyle = "txt8";
    CadDriver cad(*program);
    OpenFile(cad, 1, "plan");
    cad.CadExtents(0, 0, 100, 50);
    cad.CadTables(2);
    cad.CadBeginEntities();
    cad.CadSetLayer(3);
    cad.CadLine(12.5, -0.25, 100, 50);
    cad.CadSetTextStyle(2, 90, 3.5, 2.8);
    cad.CadTextOut("Welle", 10, 20);
    cad.CadEndSection();
    cad.CadClose();

    const std::string expected =
        "  0|SECTION|  2|HEADER|  9|$DWGCODEPAGE|  3|DOS850|"
        "  9|$EXTMIN| 10|0.000| 20|0.000|  9|$EXTMAX| 10|100.000| "
        "20|50.000|  9|$LIMMIN| 10|0.000| 20|0.000|  9|$LIMMAX| 10|100.000| 20|50.000|  "
        "9|$LTSCALE| 40|15|  0|ENDSEC|"
        "  0|SECTION|  2|TABLES|"
        "  0|TABLE|  2|LTYPE| 70|23|"
        "  0|LTYPE|  2|CONTINUOUS| 70|64|  3|Ausgezogene Linie| 72|65| 73|0| 40|0.0|"
        "  0|LTYPE|  2|DASHDOT| 70|64|  3|--. --. --.-| 72|65| 73|4| 40|1.0| 49|0.5| 49|-0.25|"
        " 49|0.0| 49|-0.25|"
        "  0|LTYPE|  2|DASHED| 70|64|  3|- - - - - - | 72|65| 73|2| 40|0.375| 49|0.25| "
        "49|-0.125|"
        "  0|ENDTAB|"
        "  0|TABLE|  2|LAYER| 70|24|"
        "  0|LAYER|  2|0| 70|0| 62|1|  6|CONTINUOUS|"
        "  0|LAYER|  2|1| 70|0| 62|2|  6|DASHDOT|"
        "  0|LAYER|  2|2| 70|0| 62|2|  6|DASHED|"
        "  0|LAYER|  2|kontur| 70|0| 62|2|  6|CONTINUOUS|"
        "  0|LAYER|  2|4| 70|0| 62|3|  6|CONTINUOUS|"
        "  0|LAYER|  2|5| 70|0| 62|1|  6|CONTINUOUS|"
        "  0|LAYER|  2|16| 70|0| 62|1|  6|CONTINUOUS|"
        "  0|LAYER|  2|17| 70|0| 62|2|  6|CONTINUOUS|"
        "  0|LAYER|  2|18| 70|0| 62|3|  6|CONTINUOUS|"
        "  0|LAYER|  2|19| 70|0| 62|4|  6|CONTINUOUS|"
        "  0|LAYER|  2|20| 70|0| 62|5|  6|CONTINUOUS|"
        "  0|LAYER|  2|21| 70|0| 62|6|  6|CONTINUOUS|"
        "  0|LAYER|  2|22| 70|0| 62|7|  6|CONTINUOUS|"
        "  0|LAYER|  2|23| 70|0| 62|8|  6|CONTINUOUS|"
        "  0|LAYER|  2|24| 70|0| 62|9|  6|CONTINUOUS|"
        "  0|LAYER|  2|25| 70|0| 62|10|  6|CONTINUOUS|"
        "  0|LAYER|  2|26| 70|0| 62|11|  6|CONTINUOUS|"
        "  0|LAYER|  2|27| 70|0| 62|12|  6|CONTINUOUS|"
        "  0|LAYER|  2|28| 70|0| 62|13|  6|CONTINUOUS|"
        "  0|LAYER|  2|29| 70|0| 62|14|  6|CONTINUOUS|"
        "  0|LAYER|  2|30| 70|0| 62|15|  6|CONTINUOUS|"
        "  0|LAYER|  2|31| 70|0| 62|16|  6|CONTINUOUS|"
        "  0|ENDTAB|"
        "  0|TABLE|  2|STYLE| 70|1|  0|STYLE|  2|STANDARD| 70|0| 40|0.0| 41|1.0| 50|0.0| "
        "71|0| 42|3.5|  3|TXT8|  4||0|ENDTAB|"
        "  0|ENDSEC|"
        "  0|SECTION|  2|ENTITIES|"
        "  0|LINE|  8|kontur| 10|12.500| 20|-0.250| 11|100.000| 21|50.000|"
        "  0|TEXT|  8|kontur| 10|10.000| 20|20.000| 40|3.500|  1|Welle|  7|STANDARD| 41|0.8| "
        "50|90| 51|0|"
        "  0|ENDSEC|  0|EOF|";
    std::string text = Read(dir + "/plan.dxf");
    std::string joined;
    for (size_t p = 0; p < text.size();) {
        size_t q = text.find("\r\n", p);
        ASSERT_NE(q, std::string::npos) << "every line ends in CR LF";
        joined += text.substr(p, q - p) + "|";
        p = q + 2;
    }
    EXPECT_EQ(joined, expected);
    for (const std::string& name : test::FolderEntries(dir))
        EXPECT_NE(name.rfind("$plan.dxf.", 0), 0u) << "left behind: " << name;
    std::string out;
    EXPECT_TRUE(test::DxfAuditPasses(dir + "/plan.dxf", &out)) << out;
}

TEST_F(CadTest, FullDrawingWithBlocksPassesTheAudit) {
    auto& s = program->settings;
    s.layerMonochrome = true;
    s.layerName[1] = "mitte";
    CadDriver cad(*program);
    OpenFile(cad, 1, "voll.dxf");
    cad.CadSetLayer(0);
    cad.CadExtents(0, 0, 210, 297);
    cad.CadTables(2);
    cad.CadBeginBlocks();
    cad.CadBlock("FRAME_1");
    cad.CadSetLayer(5);
    cad.CadRectangle(18, 5, 205, 292);
    cad.CadSetTextStyle(2, 0, 2.5, 0);
    cad.CadTextOut(
        "Ma\x9a"
        "e",
        20, 10);  // code page 850 text
    cad.CadEndBlock();
    cad.CadEndSection();
    cad.CadBeginEntities();
    cad.CadInsert("FRAME_1", 0, 0, 0, 1, 1);
    cad.CadSetLayer(1);
    cad.CadCircle(50, 50, 10);
    cad.CadArc(50, 50, 0, 360, 20);
    cad.CadArc(50, 50, 30, 120, 25);
    cad.CadArc(50, 50, 30, 120, 0);
    cad.CadSetLayer(37);
    cad.CadSolid(0, 0, 10, 0, 0, 10, 10, 10);
    cad.CadMoveTo(100, 100);
    cad.CadTextLine("Zeile 1");
    cad.CadTextLine("");
    cad.CadTextLine("Zeile 2");
    cad.CadRowLines(3, 20, 100, 50, 5);
    cad.CadEndSection();
    cad.CadClose();

    const std::string text = Read(dir + "/voll.dxf");
    EXPECT_NE(text.find("  8\r\n21\r\n"), std::string::npos) << "layer 37 folds into 21";
    EXPECT_NE(text.find("  0\r\nCIRCLE\r\n  8\r\nmitte\r\n 10\r\n50.000000\r\n 20\r\n50.000000"
                        "\r\n 40\r\n20.000000"),
              std::string::npos)
        << "a full arc is a circle";
    EXPECT_EQ(text.find(" 40\r\n0.000000\r\n 50"), std::string::npos) << "no arc of radius 0";
    EXPECT_NE(text.find(" 20\r\n96.000000\r\n"), std::string::npos)
        << "the second text line 1.6 x 2.5 lower";
    EXPECT_EQ(text.find(" 62\r\n2\r\n"), std::string::npos) << "monochrome layers";
    std::string out;
    EXPECT_TRUE(test::DxfAuditPasses(dir + "/voll.dxf", &out)) << out;
    EXPECT_NE(out.find("'FRAME_1'"), std::string::npos) << out;
    EXPECT_NE(out.find("('INSERT', 1)"), std::string::npos) << out;
}

TEST_F(CadTest, FileNamesGetTheKindsExtension) {
    {
        CadDriver cad(*program);
        OpenFile(cad, 1, "plan.new");
        cad.CadClose();
    }
    EXPECT_TRUE(std::filesystem::exists(dir + "/plan.new"));
    {
        CadDriver cad(*program);
        OpenFile(cad, 5, "liste");
        cad.CadClose();
    }
    EXPECT_EQ(Read(dir + "/liste.txt"), "EOF\r\n");
    // Cancel: error flag, nothing written.
    CadDriver cad(*program);
    cad.CadOpen(1);
    EXPECT_TRUE(program->ui.errorFlag);
    EXPECT_TRUE(cad.state().fileName.empty());
    ASSERT_FALSE(platform->requests.empty());
    EXPECT_EQ(platform->requests.back().preset, dir + "/|*.dxf|*.dxf|*.*|*.*|welle");

    // A project opened by its file name does not offer its own file as the drawing's name.
    program->run.ProjectName = "kugel.zl3";
    program->ui.errorFlag = false;
    CadDriver again(*program);
    again.CadOpen(1);
    EXPECT_EQ(platform->requests.back().preset, dir + "/|*.dxf|*.dxf|*.*|*.*|kugel");
}

TEST_F(CadTest, KindQuestionPreselectsTheLastKind) {
    program->cadKind = 5;
    platform->dialogAnswers.push_back(test::DialogAnswer::Choice(1));
    platform->dialogAnswers.push_back(test::DialogAnswer::Text(dir + "/frage"));
    CadDriver cad(*program);
    cad.CadOpen(0);
    ASSERT_FALSE(program->ui.errorFlag);
    EXPECT_EQ(platform->requests[0].kind, "list");
    EXPECT_EQ(platform->requests[0].prompt, "CAD-Code");
    EXPECT_EQ(platform->requests[0].preset, "5");
    EXPECT_EQ(platform->requests[0].options.size(), 8u);
    EXPECT_EQ(platform->requests[0].options[5], "SVG");
    EXPECT_EQ(platform->requests[0].options[7], "PNG");
    EXPECT_EQ(program->cadKind, 1);
    cad.CadClose();
    EXPECT_TRUE(std::filesystem::exists(dir + "/frage.dxf"));
}

TEST_F(CadTest, UnknownKindIsRefused) {
    CadDriver cad(*program);
    cad.CadOpen(9);
    EXPECT_TRUE(program->ui.errorFlag);
    EXPECT_EQ(program->cadKind, 3);
}

TEST_F(CadTest, TxtListingUsesTheDecimalComma) {
    program->settings.number.separator = 2;
    CadDriver cad(*program);
    OpenFile(cad, 5, "liste.txt");
    cad.CadExtents(0, 0, 210, 297);
    cad.CadTables(2);
    cad.CadBeginBlocks();
    cad.CadBlock("B");
    cad.CadLine(0, 0, 1.5, -2);
    cad.CadEndBlock();
    cad.CadEndSection();
    cad.CadBeginEntities();
    cad.CadArc(1, 2, 360, 0, 3);
    cad.CadArc(1, 2, 10, 20, 3);
    cad.CadArc(1, 2, 10, 20, 0);
    cad.CadCircle(1, 2, 0);
    cad.CadSetTextStyle(2, 0, 3.5, 0);
    cad.CadTextOut(
        "gr\x94\xe1"
        "e",
        5, 6);
    cad.CadSolid(0, 0, 1, 0, 0, 1, 1, 1);
    cad.CadInsert("B", 10, 20, 90, 1, 2);
    cad.CadEndSection();
    cad.CadClose();
    const std::string expected =
        "MINMAX\t0,000000\t0,000000\t210,000000\t297,000000\r\n"
        "SECTION BLOCKS\r\n"
        "BLOCK\tB\r\n"
        "LINE\t0,000000\t0,000000\t1,500000\t-2,000000\r\n"
        "END OF BLOCK\r\n"
        "SECTION ENTITIES\r\n"
        "CIRCLE\t1,000000\t2,000000\t3,000000\r\n"
        "ARC\t1,000000\t2,000000\t3,000000\t10,000000\t20,000000\r\n"
        "CIRCLE\t1,000000\t2,000000\t0,000000\r\n"
        "TEXT\t5,000000\t6,000000\tgr\x94\xe1"
        "e\r\n"
        "SOLID\t0,000000\t0,000000\t1,000000\t0,000000\t0,000000\t1,000000\t1,000000\t1,000000\r\n"
        "INSERT\tB\t10,000000\t20,000000\t90,000000\t1,000000\t2,000000\r\n"
        "EOF\r\n";
    EXPECT_EQ(Read(dir + "/liste.txt"), expected);
}

TEST_F(CadTest, WriteFailureThrowsAndLeavesNoFile) {
    CadDriver cad(*program);
    platform->dialogAnswers.push_back(test::DialogAnswer::Text(dir + "/missing/plan"));
    EXPECT_THROW(cad.CadOpen(1), IoError);
}

// A full disk while a drawing is written: IoError for the command, the drawing of the last run
// stays, and no half-written file is left beside it.
TEST_F(CadTest, FullDiskKeepsThePreviousDrawing) {
    WriteFile("plan.dxf", "alte Zeichnung");
    CadDriver cad(*program);
    platform->questionAnswers = {YesNoCancel::Yes};  // replace it
    OpenFile(cad, 1, "plan");
    test::FileSizeLimit full(2048);
    ASSERT_TRUE(full.active());
    EXPECT_THROW(
        {
            cad.CadExtents(0, 0, 100, 50);
            cad.CadTables(2);
            cad.CadBeginEntities();
            for (int i = 0; i < 500; ++i) cad.CadLine(i, 0, i, 50);
            cad.CadEndSection();
            cad.CadClose();
        },
        IoError);
    full.Lift();
    EXPECT_EQ(Read(dir + "/plan.dxf"), "alte Zeichnung");
    int files = 0;
    for (const auto& e : std::filesystem::directory_iterator(dir)) {
        (void)e;
        ++files;
    }
    EXPECT_EQ(files, 1);
}

// The header names the code page the texts are written in, so that CAD programs read umlauts
// right; the entities themselves stay as the text mode writes them.
TEST_F(CadTest, HeaderNamesTheCodePageOfTheTexts) {
    struct Mode {
        int mode;
        const char* codePage;
        const char* entityBytes;  // the TEXT value line
        const char* readBack;     // UTF-8, as ezdxf reads it
    };
    const Mode modes[] = {
        {1, "DOS850", "L\x84nge", nullptr},  // ezdxf has no code page 850 decoder
        {2, "ANSI_1252", "L\xE4nge", "L\xC3\xA4nge"},
        {3, "DOS850", "Laenge", "Laenge"},
    };
    for (const Mode& m : modes) {
        SCOPED_TRACE(m.mode);
        program->settings.text.cadTextMode = m.mode;
        CadDriver cad(*program);
        const std::string name = "text" + std::to_string(m.mode) + ".dxf";
        OpenFile(cad, 1, name);
        cad.CadExtents(0, 0, 100, 50);
        cad.CadTables(2);
        cad.CadBeginEntities();
        cad.CadSetTextStyle(2, 0, 3.5, 2.8);
        cad.CadTextOut("L\x84nge", 10, 20);  // code page 850
        cad.CadEndSection();
        cad.CadClose();

        const std::string file = Read(dir + "/" + name);
        EXPECT_EQ(file.rfind("  0\r\nSECTION\r\n  2\r\nHEADER\r\n  9\r\n$DWGCODEPAGE\r\n  3\r\n" +
                                 std::string(m.codePage) + "\r\n",
                             0),
                  0u);
        EXPECT_NE(file.find("  1\r\n" + std::string(m.entityBytes) + "\r\n  7\r\nSTANDARD"),
                  std::string::npos);
        int status = 0;
        const std::string out =
            test::RunTestScript("cad/dxf_texts_check.py", dir + "/" + name, status);
        ASSERT_EQ(status, 0) << out;
        EXPECT_NE(out.find("\"codepage\": \"" + std::string(m.codePage) + "\""), std::string::npos)
            << out;
        if (m.readBack) {
            EXPECT_NE(out.find("\"texts\": [\"" + std::string(m.readBack) + "\"]"),
                      std::string::npos)
                << out;
        }
    }
}

// A drawing is replaced only after asking, also when the dialog saw the name without its
// extension; batch runs replace their file as before.
TEST_F(CadTest, ExistingDrawingIsReplacedOnlyAfterAsking) {
    auto draw = [this](const std::string& typed) {
        if (!program->run.CadBatch)
            platform->dialogAnswers.push_back(test::DialogAnswer::Text(dir + "/" + typed));
        program->ui.errorFlag = false;
        CadDriver cad(*program);
        cad.CadOpen(1);
        if (program->ui.errorFlag) return false;
        cad.CadExtents(0, 0, 10, 10);
        cad.CadBeginEntities();
        cad.CadLine(0, 0, 10, 10);
        cad.CadEndSection();
        cad.CadClose();
        return true;
    };
    ASSERT_TRUE(draw("plan"));
    EXPECT_TRUE(platform->questions.empty()) << "a new file needs no question";
    WriteFile("plan.dxf", "Zeichnung von vorhin");

    platform->questionAnswers = {YesNoCancel::No};
    EXPECT_FALSE(draw("plan"));
    ASSERT_EQ(platform->questions.size(), 1u);
    EXPECT_EQ(platform->questions[0], dir + "/plan.dxf existiert bereits.   überschreiben ?");
    EXPECT_EQ(Read(dir + "/plan.dxf"), "Zeichnung von vorhin");

    platform->questionAnswers = {YesNoCancel::Cancel};
    EXPECT_FALSE(draw("plan.dxf"));
    EXPECT_EQ(Read(dir + "/plan.dxf"), "Zeichnung von vorhin");

    platform->questionAnswers = {YesNoCancel::Yes};
    EXPECT_TRUE(draw("plan.dxf"));
    EXPECT_EQ(platform->questions.size(), 3u);
    EXPECT_NE(Read(dir + "/plan.dxf").find("LINE"), std::string::npos);

    // Batch: ProjectName names the file in the working folder, which is replaced silently.
    WriteFile("welle.dxf", "alt");
    const std::filesystem::path cwd = std::filesystem::current_path();
    std::filesystem::current_path(dir);
    program->run.CadBatch = true;
    const bool drawn = draw("");
    program->run.CadBatch = false;
    std::filesystem::current_path(cwd);
    EXPECT_TRUE(drawn);
    EXPECT_EQ(platform->questions.size(), 3u);
    EXPECT_NE(Read(dir + "/welle.dxf").find("LINE"), std::string::npos);
}

}  // namespace
}  // namespace zel3
