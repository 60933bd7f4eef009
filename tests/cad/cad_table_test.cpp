#include "cad/cad_table.h"

#include <gtest/gtest.h>

#include "support/cad_run.h"

namespace zel3 {
namespace {

using test::CadTestProgram;
using test::Only;
using test::TxtRecord;

TEST(CadTable, BoundariesOfTheResultsTable) {
    const CadTable t = CadTableLayout(40, 120, 3.5, {25, 6, 6, 10, 0, 0, 0});
    EXPECT_EQ(t.n, 5);
    EXPECT_DOUBLE_EQ(t.x[0], 40);
    EXPECT_DOUBLE_EQ(t.x[1], 118.75);
    EXPECT_DOUBLE_EQ(t.x[2], 137.65);
    EXPECT_DOUBLE_EQ(t.x[3], 156.55);
    EXPECT_DOUBLE_EQ(t.x[4], 188.05);
    EXPECT_DOUBLE_EQ(t.rowBottom, 113);
    EXPECT_DOUBLE_EQ(t.baseLine, 114.75);
}

TEST(CadTable, SixOrSevenColumnsBothGiveEightBoundaries) {
    EXPECT_EQ(CadTableLayout(0, 0, 2, {1, 1, 1, 1, 1, 1, 1}).n, 8);
    EXPECT_EQ(CadTableLayout(0, 0, 2, {1, 1, 1, 1, 1, 1, 0}).n, 8);
    EXPECT_EQ(CadTableLayout(0, 0, 2, {1, 1, 0, 1, 1, 1, 1}).n, 3);
}

TEST(CadTable, HeadingAndDataRowsAreRuledAndFilled) {
    CadTestProgram t("table");
    const auto records = t.Listing([](CadDriver& cad) {
        CadTable table = CadTableCreate(cad, "Titel", 40, 120, 3.5, {25, 6, 6, 10, 0, 0, 0});
        CadTableRow(cad, table, {"Druckkraft", "F", "N", "1000", "", "", ""});
        EXPECT_DOUBLE_EQ(table.rowBottom, 99);
    });
    const auto lines = Only(records, "LINE");
    // Heading: rectangle (4 lines) and the two outer verticals again; data row: bottom line
    // and five verticals.
    ASSERT_EQ(lines.size(), 4u + 2u + 1u + 5u);
    EXPECT_DOUBLE_EQ(lines[0].Num(0), 40);  // rectangle from (40, 120) down to (40, 113)
    EXPECT_DOUBLE_EQ(lines[0].Num(1), 120);
    EXPECT_DOUBLE_EQ(lines[0].Num(3), 113);
    EXPECT_DOUBLE_EQ(lines[1].Num(2), 188.05);
    const TxtRecord& bottom = lines[6];
    EXPECT_DOUBLE_EQ(bottom.Num(0), 40);
    EXPECT_DOUBLE_EQ(bottom.Num(1), 106);
    EXPECT_DOUBLE_EQ(bottom.Num(2), 188.05);
    EXPECT_DOUBLE_EQ(bottom.Num(3), 106);
    EXPECT_DOUBLE_EQ(lines[8].Num(0), 118.75);
    EXPECT_DOUBLE_EQ(lines[8].Num(1), 106);
    EXPECT_DOUBLE_EQ(lines[8].Num(3), 113);

    const auto texts = Only(records, "TEXT");
    // Every cell of the four columns, empty ones as their leading blank.
    ASSERT_EQ(texts.size(), 8u);
    EXPECT_EQ(texts[0].fields[2], " Titel");
    EXPECT_DOUBLE_EQ(texts[0].Num(1), 114.75);
    EXPECT_EQ(texts[1].fields[2], " ");
    EXPECT_EQ(texts[4].fields[2], " Druckkraft");
    EXPECT_DOUBLE_EQ(texts[4].Num(1), 107.75);
    EXPECT_EQ(texts[7].fields[2], " 1000");
    EXPECT_DOUBLE_EQ(texts[7].Num(0), 156.55);
}

TEST(CadTable, LongCellTextsAreCut) {
    CadTestProgram t("table_long");
    const auto records = t.Listing([](CadDriver& cad) {
        CadTable table =
            CadTableCreate(cad, std::string(200, 'x'), 0, 50, 2, {5, 0, 0, 0, 0, 0, 0});
        EXPECT_EQ(table.n, 2);
    });
    const auto texts = Only(records, "TEXT");
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].fields[2], " " + std::string(80, 'x'));
}

}  // namespace
}  // namespace zel3
