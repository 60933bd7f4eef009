#include "graphics/contact_sheet.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "contact/hertz_solver.h"
#include "support/cad_run.h"
#include "support/contact_cases.h"

namespace zel3 {
namespace {

using test::CadTestProgram;
using test::Only;
using test::ReadTxtListing;
using test::TxtRecord;

std::vector<TxtRecord> Sheet(CadTestProgram& t, const ContactCase& c, int sheet) {
    t.program.contactCase = c;
    CalculateCase(t.program.contactCase, t.program.messages);
    ShowContactSheet(t.program, kCadTxt, sheet);
    EXPECT_FALSE(t.program.ui.errorFlag);
    return ReadTxtListing(t.Output("txt"));
}

TEST(ContactSheet, GeometrySheetListsWindowAndShapes) {
    CadTestProgram t("sheet_geometry");
    const ContactCase c = test::SphereOnSphere(20, 40, 1000);
    const auto all = Sheet(t, c, 1);
    ASSERT_FALSE(all.empty());
    ASSERT_EQ(all.front().keyword, "MINMAX");
    // The window holds both views with their centre lines: body 2 reaches down to -42 and
    // its side view out to 72, body 1 up to 21.
    EXPECT_DOUBLE_EQ(all.front().Num(0), -22);
    EXPECT_DOUBLE_EQ(all.front().Num(1), -42);
    EXPECT_DOUBLE_EQ(all.front().Num(2), 72);
    EXPECT_DOUBLE_EQ(all.front().Num(3), 21);
    EXPECT_EQ(all.back().keyword, "EOF");

    const auto circles = Only(all, "CIRCLE");
    ASSERT_EQ(circles.size(), 4u);
    const double expected[4][3] = {{0, 10, 10}, {50, 10, 10}, {0, -20, 20}, {50, -20, 20}};
    for (int i = 0; i < 4; ++i)
        for (int k = 0; k < 3; ++k) EXPECT_DOUBLE_EQ(circles[i].Num(k), expected[i][k]) << i;
    EXPECT_EQ(Only(all, "LINE").size(), 8u);
    EXPECT_TRUE(Only(all, "BLOCK").empty());
}

TEST(ContactSheet, TableSheetHoldsTheResults) {
    CadTestProgram t("sheet_table");
    const auto all = Sheet(t, test::CylinderOnPlane(10, 30, 5000), 2);
    ASSERT_EQ(all.front().keyword, "MINMAX");
    EXPECT_DOUBLE_EQ(all.front().Num(2), 160);
    EXPECT_DOUBLE_EQ(all.front().Num(3), 120);
    std::vector<std::string> texts;
    for (const TxtRecord& r : Only(all, "TEXT"))
        if (r.fields.at(2) != " ") texts.push_back(r.fields.at(2));  // empty cells

    ASSERT_GE(texts.size(), 3u);
    EXPECT_EQ(texts[0], " ZEL3  Hertz'sche Pressung");
    EXPECT_EQ(texts[1], " 1. Zylinder d=10, L=30");
    EXPECT_EQ(texts[2], " 2. Ebene");
    EXPECT_NE(std::find(texts.begin(), texts.end(), " Druckkraft"), texts.end());
    EXPECT_NE(std::find(texts.begin(), texts.end(), " Max. Druckspannung"), texts.end());
    EXPECT_NE(std::find(texts.begin(), texts.end(), " Federrate"), texts.end());
    // The heading's top left corner sits at (5, 100).
    const auto lines = Only(all, "LINE");
    ASSERT_FALSE(lines.empty());
    EXPECT_DOUBLE_EQ(lines[0].Num(0), 5);
    EXPECT_DOUBLE_EQ(lines[0].Num(1), 100);
}

// The results table of the sheets names the exact method in its heading, so that the form
// sheet's table keeps its rows and stays clear of the title block.
TEST(ContactSheet, ResultsTableNamesTheExactMethodOnly) {
    auto texts = [](const std::vector<TxtRecord>& all) {
        std::vector<std::string> out;
        for (const TxtRecord& r : Only(all, "TEXT"))
            if (r.fields.at(2) != " ") out.push_back(r.fields.at(2));
        return out;
    };
    CadTestProgram t("sheet_exact");
    ContactCase c = test::SphereOnSphere(20, 40, 1000);
    const auto table = texts(Sheet(t, c, 2));
    c.method = CalculationMethod::Exact;
    const auto exact = texts(Sheet(t, c, 2));
    ASSERT_EQ(exact.size(), table.size());
    EXPECT_EQ(table[0], " ZEL3  Hertz'sche Pressung");
    EXPECT_EQ(exact[0], " ZEL3  Hertz'sche Pressung - Verfahren exakt");
    for (const std::string& text : table) EXPECT_EQ(text.find("exakt"), std::string::npos);
}

TEST(ContactSheet, FormSheetInsertsFrameAndScaledGeometry) {
    CadTestProgram t("sheet_form");
    const auto all = Sheet(t, test::SphereOnSphere(20, 40, 1000), 3);
    EXPECT_DOUBLE_EQ(all.front().Num(0), -5);
    EXPECT_DOUBLE_EQ(all.front().Num(3), 310);
    const auto blocks = Only(all, "BLOCK");
    ASSERT_EQ(blocks.size(), 2u);
    EXPECT_EQ(blocks[0].fields[0], "FRAME_1");
    EXPECT_EQ(blocks[1].fields[0], "ZEL3D1");
    EXPECT_EQ(Only(test::Block(all, "ZEL3D1"), "CIRCLE").size(), 4u);

    const auto inserts = Only(all, "INSERT");
    ASSERT_EQ(inserts.size(), 2u);
    EXPECT_EQ(inserts[0].fields[0], "FRAME_1");
    EXPECT_EQ(inserts[1].fields[0], "ZEL3D1");
    // s = 50 / (W1 + W2) = 1.25; x = 105 - s W1; y = 180 + s h2.
    EXPECT_DOUBLE_EQ(inserts[1].Num(1), 80);
    EXPECT_DOUBLE_EQ(inserts[1].Num(2), 205);
    EXPECT_DOUBLE_EQ(inserts[1].Num(4), 1.25);
    EXPECT_DOUBLE_EQ(inserts[1].Num(5), 1.25);
    // The results table starts at (40, 120).
    bool found = false;
    for (const TxtRecord& r : Only(test::Entities(all), "LINE"))
        found = found || (r.Num(0) == 40 && r.Num(1) == 120);
    EXPECT_TRUE(found);
}

TEST(ContactSheet, FailedCalculationShowsTheMessagesInstead) {
    CadTestProgram t("sheet_failed");
    ContactCase c = test::SphereOnSphere(20, 40, 0);  // F = 0 is fatal
    t.program.contactCase = c;
    CalculateCase(t.program.contactCase, t.program.messages);
    ASSERT_TRUE(t.program.messages.calculationFailed);
    ShowContactSheet(t.program, kCadTxt, 1);
    EXPECT_FALSE(std::ifstream(t.Output("txt")).good());
}

TEST(ContactSheet, ChoosingGoesOnUntilBack) {
    CadTestProgram t("sheet_choose");
    t.program.contactCase = test::SphereOnSphere(20, 40, 1000);
    CalculateCase(t.program.contactCase, t.program.messages);
    t.platform().dialogAnswers.push_back(test::DialogAnswer::Choice(2));
    t.platform().dialogAnswers.push_back(test::DialogAnswer::Choice(4));
    ShowContactSheet(t.program, kCadTxt, 0);
    EXPECT_FALSE(t.program.ui.errorFlag);
    const auto all = ReadTxtListing(t.Output("txt"));
    ASSERT_FALSE(all.empty());
    EXPECT_DOUBLE_EQ(all.front().Num(2), 160);  // the table was drawn
    EXPECT_EQ(t.platform().requests.size(), 2u);
}

}  // namespace
}  // namespace zel3
