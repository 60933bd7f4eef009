// CAD kinds 6 to 8: the drawing goes onto the screen as for kind 3, then into a picture file
// through the program's picture writer.

#include <gtest/gtest.h>

#include <filesystem>

#include "cad/cad_test_fixture.h"
#include "util/io_error.h"

namespace zel3 {
namespace {

using test::CadTest;

class PictureOutputTest : public CadTest {
  protected:
    PictureOutputTest() {
        program->writePicture = [this](int kind, const std::string& path) {
            written.emplace_back(kind, path);
            recordsWhenWritten = Records();
            if (failWith != 0) throw IoError(path, failWith);
        };
    }
    void Draw(int kind) {
        CadDriver cad(*program);
        cad.CadOpen(kind);
        if (program->ui.errorFlag) return;
        cad.CadExtents(0, 0, 200, 100);
        cad.CadTables(2);
        cad.CadBeginEntities();
        cad.CadSetLayer(5);
        cad.CadLine(1, 2, 3, 4);
        cad.CadEndSection();
        cad.CadClose();
    }
    std::vector<std::pair<int, std::string>> written;
    std::vector<std::string> recordsWhenWritten;
    int failWith = 0;
};

TEST_F(PictureOutputTest, PicturesAreTheScreenDrawingWrittenUnderTheChosenName) {
    for (int kind : {kCadSvg, kCadPdf, kCadPng}) {
        platform->dialogAnswers.push_back(test::DialogAnswer::Text(dir + "/bild"));
        Draw(kind);
        ASSERT_FALSE(program->ui.errorFlag) << kind;
        EXPECT_EQ(program->cadKind, kind) << "preselected next time";
    }
    ASSERT_EQ(written.size(), 3u);
    EXPECT_EQ(written[0], std::make_pair(int(kCadSvg), dir + "/bild.svg"));
    EXPECT_EQ(written[1], std::make_pair(int(kCadPdf), dir + "/bild.pdf"));
    EXPECT_EQ(written[2], std::make_pair(int(kCadPng), dir + "/bild.png"));
    EXPECT_EQ(platform->requests.back().preset, dir + "/|*.png|*.png|*.*|*.*|welle");
    // The picture holds what the screen check holds, footer included.
    EXPECT_EQ(recordsWhenWritten, Records());
    EXPECT_NE(std::find(Records().begin(), Records().end(), "4;1;2;3;4"), Records().end());
    // The file is the writer's alone: the driver leaves no empty file behind.
    EXPECT_FALSE(std::filesystem::exists(dir + "/bild.svg"));
}

TEST_F(PictureOutputTest, AProgramWithoutPicturesRefusesTheKind) {
    program->writePicture = nullptr;
    Draw(kCadSvg);
    EXPECT_TRUE(program->ui.errorFlag);
    EXPECT_TRUE(platform->requests.empty()) << "no file asked for";
}

TEST_F(PictureOutputTest, AFailedWriteEndsTheCommandAndStillRemovesTheBlockFiles) {
    failWith = EACCES;
    WriteFile("$BLOCK.dx$", "0\nEOF\n");
    platform->dialogAnswers.push_back(test::DialogAnswer::Text(dir + "/bild.png"));
    EXPECT_THROW(Draw(kCadPng), IoError);
    EXPECT_FALSE(std::filesystem::exists(dir + "/$BLOCK.dx$"));
}

}  // namespace
}  // namespace zel3
