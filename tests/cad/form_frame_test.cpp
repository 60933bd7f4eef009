#include "cad/form_frame.h"

#include <gtest/gtest.h>

#include <fstream>

#include "support/cad_run.h"

namespace zel3 {
namespace {

using test::CadTestProgram;
using test::Only;
using test::TxtRecord;

FormFrameData Frame() {
    FormFrameData d;
    d.programTitle = "ZEL3  Hertz'sche Pressung";
    d.versionText = "2.7";
    d.dateTime = "08.12.2026 4:30";
    d.projectPath = "/data/case.zl3";
    return d;
}

std::vector<TxtRecord> Draw(CadTestProgram& t, const FormFrameData& d, bool errorFlag = false) {
    return t.Listing([&](CadDriver& cad) {
        DrawFormFrame(cad, errorFlag, d, "Kugellager", "Innenring", "Z-4711");
    });
}

const TxtRecord* TextAt(const std::vector<TxtRecord>& r, double x, double y) {
    for (const TxtRecord& t : r)
        if (t.keyword == "TEXT" && std::abs(t.Num(0) - x) < 1e-6 && std::abs(t.Num(1) - y) < 1e-6)
            return &t;
    return nullptr;
}

bool HasLine(const std::vector<TxtRecord>& r, double x1, double y1, double x2, double y2) {
    for (const TxtRecord& t : Only(r, "LINE"))
        if (std::abs(t.Num(0) - x1) < 1e-6 && std::abs(t.Num(1) - y1) < 1e-6 &&
            std::abs(t.Num(2) - x2) < 1e-6 && std::abs(t.Num(3) - y2) < 1e-6)
            return true;
    return false;
}

TEST(FormFrame, LinesOfBorderTitleBlockAndTables) {
    CadTestProgram t("frame_lines");
    const auto r = Draw(t, Frame());
    // Border 4, title block 5, sheet edge 4, row lines 8 + 4, columns and the rest 9.
    EXPECT_EQ(Only(r, "LINE").size(), 34u);
    EXPECT_TRUE(HasLine(r, 18, 5, 18, 292));
    EXPECT_TRUE(HasLine(r, 18, 43, 205, 43));
    EXPECT_TRUE(HasLine(r, 0, 0, 0, 297));
    EXPECT_TRUE(HasLine(r, 18, 38.8, 73, 38.8));   // first change row
    EXPECT_TRUE(HasLine(r, 18, 9.4, 73, 9.4));     // eighth change row
    EXPECT_TRUE(HasLine(r, 73, 26.2, 116, 26.2));  // last approval row
    EXPECT_TRUE(HasLine(r, 0, 148.5, 15, 148.5));  // fold mark
}

TEST(FormFrame, FixedTextsNamesAndNotes) {
    CadTestProgram t("frame_texts");
    FormFrameData d = Frame();
    d.info.signOff[0] = {"01.02.2026", "Meier"};
    d.info.signOff[3] = {"03.02.2026", "Schulz"};
    const auto r = Draw(t, d);
    ASSERT_TRUE(TextAt(r, 30, 6));
    EXPECT_EQ(TextAt(r, 30, 6)->fields[2],
              "\x8E"
              "nderung");
    EXPECT_EQ(TextAt(r, 74, 23.2)->fields[2], "Frei");
    EXPECT_EQ(TextAt(r, 83.5, 35.6)->fields[2], "01.02.2026");
    EXPECT_EQ(TextAt(r, 100, 35.6)->fields[2], "Meier");
    EXPECT_EQ(TextAt(r, 100, 23.0)->fields[2], "Schulz");
    EXPECT_EQ(TextAt(r, 120, 32.5)->fields[2], "Kugellager");
    EXPECT_EQ(TextAt(r, 120, 25)->fields[2], "Innenring");
    EXPECT_EQ(TextAt(r, 120, 12)->fields[2], "Z-4711");
    EXPECT_EQ(TextAt(r, 4, 10)->fields[2],
              "Copying of this document and giving it to other and the use");
    EXPECT_EQ(TextAt(r, 14.8, 200)->fields[2],
              "erteilung oder Gebrauchsmuster-Eintragung vorbehalten.");
    EXPECT_EQ(TextAt(r, 18, 1.0)->fields[2], "/data/case.zl3");
    EXPECT_EQ(TextAt(r, 186, 1.0)->fields[2], "08.12.2026 4:30");
    EXPECT_EQ(TextAt(r, 1.0, 300)->fields[2], "TRELLOX   ZEL3  Hertz'sche Pressung  V2.7");
    EXPECT_EQ(TextAt(r, 194, 18)->fields[2], "Blatt");
    // Nothing to replace: not even the labels.
    EXPECT_EQ(TextAt(r, 118, 6.5), nullptr);
    EXPECT_EQ(TextAt(r, 162, 6.5), nullptr);
}

TEST(FormFrame, ReplacementNotesAreCut) {
    CadTestProgram t("frame_replace");
    FormFrameData d = Frame();
    d.info.replacedBy = "Z-123456789012345";
    d.info.replaces = "Z-987654321098765";
    const auto r = Draw(t, d);
    ASSERT_TRUE(TextAt(r, 118, 6.5));
    EXPECT_EQ(TextAt(r, 118, 6.5)->fields[2], "Ersetzt durch Z-1234567890");
    EXPECT_EQ(TextAt(r, 162, 6.5)->fields[2], "Ersatz f\x81r Z-987654321098765");
}

TEST(FormFrame, TwelveChangesShowTheLastEight) {
    CadTestProgram t("frame_changes");
    FormFrameData d = Frame();
    d.changes.count = 12;
    for (int i = 0; i < 12; ++i)
        d.changes.entries[static_cast<std::size_t>(i)] = {
            "Nr " + std::to_string(i + 1), "0" + std::to_string(i % 9 + 1) + ".01.2026", "ab", ""};
    const auto r = Draw(t, d);
    ASSERT_TRUE(TextAt(r, 21, 10.7));
    EXPECT_EQ(TextAt(r, 21, 10.7)->fields[2], "e");
    EXPECT_EQ(TextAt(r, 27, 10.7)->fields[2], "Nr 5");
    EXPECT_EQ(TextAt(r, 21, 40.1)->fields[2], "l");
    EXPECT_EQ(TextAt(r, 27, 40.1)->fields[2], "Nr 12");
    EXPECT_EQ(TextAt(r, 66, 40.1)->fields[2], "ab");
    EXPECT_EQ(TextAt(r, 21, 44.3), nullptr);
}

TEST(FormFrame, ChangeIndexStyles) {
    EXPECT_EQ(ChangeIndexText(0, 3), "c");
    EXPECT_EQ(ChangeIndexText(1, 12), "12");
    EXPECT_EQ(ChangeIndexText(2, 1), "A");
    EXPECT_EQ(ChangeIndexText(3, 1), "");

    CadTestProgram t("frame_noindex");
    FormFrameData d = Frame();
    d.indexStyle = 3;
    d.changes.count = 1;
    d.changes.entries[0] = {"Neu", "01.01.2026", "xy", ""};
    const auto r = Draw(t, d);
    EXPECT_EQ(TextAt(r, 21, 10.7), nullptr);
    ASSERT_TRUE(TextAt(r, 27, 10.7));
    EXPECT_EQ(TextAt(r, 52.5, 10.7)->fields[2], "01.01.2026");
}

TEST(FormFrame, TextPlacementsAndSwitchedOffLines) {
    CadTestProgram t("frame_place");
    FormFrameData d = Frame();
    d.info.placementCount = 2;
    d.info.placements[0] = {30, 60, 4, 90, "Hinweis"};
    d.info.placements[1] = {30, 70, 0, 0, "ohne Stil"};
    d.showFileName = d.showDate = d.showMakerTitle = false;
    const auto r = Draw(t, d);
    EXPECT_EQ(TextAt(r, 30, 60)->fields[2], "Hinweis");
    EXPECT_EQ(TextAt(r, 30, 70)->fields[2], "ohne Stil");
    EXPECT_EQ(TextAt(r, 18, 1.0), nullptr);
    EXPECT_EQ(TextAt(r, 186, 1.0), nullptr);
    EXPECT_EQ(TextAt(r, 1.0, 300), nullptr);
}

TEST(FormFrame, LogoOnlyOnScreenOrPlotAndNothingAfterAnError) {
    CadTestProgram t("frame_logo");
    FormFrameData d = Frame();
    d.logoFile = t.dir.File("$logo_1.dx$");
    std::ofstream(d.logoFile) << "  0\r\nEOF\r\n";
    EXPECT_TRUE(Only(Draw(t, d), "INSERT").empty());  // a TXT listing gets no logo
    const auto afterError = Draw(t, d, true);
    EXPECT_TRUE(Only(afterError, "LINE").empty());
    EXPECT_TRUE(Only(afterError, "TEXT").empty());
}

}  // namespace
}  // namespace zel3
