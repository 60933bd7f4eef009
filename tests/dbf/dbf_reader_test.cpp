// The tables the engine writes, read by an independent reader (python3-dbfread).
#include <gtest/gtest.h>

#include "dbf/dbf_table.h"
#include "dbf_test_support.h"

namespace zel3 {
namespace {

using test::TempFolder;

TEST(DbfReader, WrittenTableReadsTheSameInDbfread) {
    TempFolder dir;
    DbfTable t;
    ASSERT_TRUE(t.CreateTable(dir / "t.dbf", {{"NAME", 'C', 20, 0, 0},
                                              {"WERT", 'N', 10, 3, 0},
                                              {"GANZ", 'N', 6, 0, 0},
                                              {"FLOAT", 'F', 12, 4, 0},
                                              {"JA", 'L', 1, 0, 0},
                                              {"TAG", 'D', 8, 0, 0}}));
    const std::vector<std::vector<std::string>> rows = {
        {"Stahl \x84\x94\x81\xE1", "3.14159", "-12", "0.5", "T", "20260131"},
        {"Komma, \"Zitat\"", "", "0", "-1234.5678", "F", ""},
        {"", "99999.999", "", "", "", "19991231"},
        {"geloescht", "1", "1", "1", "T", ""}};
    for (const auto& r : rows) {
        ASSERT_TRUE(t.AppendBlank());
        for (int i = 0; i < 6; ++i) ASSERT_TRUE(t.Replace(i + 1, r[static_cast<size_t>(i)]));
    }
    ASSERT_TRUE(t.Delete());
    t.CloseTable();

    int status = 0;
    const std::string theirs = test::ReaderDump(dir / "t.dbf", status);
    ASSERT_EQ(status, 0) << theirs;
    EXPECT_EQ(theirs, test::EngineDump(dir / "t.dbf"));
    EXPECT_NE(theirs.find("Stahl \x84\x94\x81\xE1|3.142|-12|0.5000|T|20260131"), std::string::npos)
        << theirs;
    EXPECT_EQ(theirs.find("geloescht"), std::string::npos);
}

}  // namespace
}  // namespace zel3
