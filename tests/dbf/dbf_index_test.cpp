// Index orders in the ".ndx" layout: building, searching, rebuilding.
#include <gtest/gtest.h>

#include <filesystem>
#include <thread>

#include "dbf/dbf_table.h"
#include "dbf_test_support.h"

namespace zel3 {
namespace {

using test::TempFolder;

void MakeNames(const std::string& path, int count) {
    DbfTable t;
    ASSERT_TRUE(t.CreateTable(path, {{"WNR", 'C', 9, 0, 0}, {"NR", 'N', 6, 0, 0}}));
    for (int i = 0; i < count; ++i) {
        ASSERT_TRUE(t.AppendBlank());
        // Descending keys, so index order differs from record order.
        const int k = count - i;
        ASSERT_TRUE(t.Replace(1, "1." + std::to_string(1000 + k)));
        ASSERT_TRUE(t.ReplaceNumber(2, k));
    }
}

std::vector<long> Order(DbfTable& t) {
    std::vector<long> out;
    for (bool ok = t.GoTop(); ok && !t.AtEnd(); ok = t.Skip(1)) out.push_back(t.RecordNumber());
    return out;
}

TEST(DbfIndex, OrdersSearchesAndSurvivesReopening) {
    TempFolder dir;
    MakeNames(dir / "t.dbf", 300);  // several levels of pages
    DbfTable t;
    ASSERT_TRUE(t.OpenTable(dir / "t.dbf", false, DbfOpenMode::Exclusive));
    EXPECT_FALSE(t.Find("1.1001"));
    EXPECT_EQ(t.ErrorText(), "Index nicht geöffnet. [Find]");
    ASSERT_TRUE(t.IndexOn("WNR", "t"));
    EXPECT_EQ(test::ReadFileBytes(dir / "t.ndx").size() % 512, 0u);
    std::vector<long> order = Order(t);
    ASSERT_EQ(order.size(), 300u);
    EXPECT_EQ(order.front(), 300);
    EXPECT_EQ(order.back(), 1);
    EXPECT_TRUE(t.Find("1.1150"));
    EXPECT_EQ(t.RecordNumber(), 151);
    EXPECT_TRUE(t.Find("1.12"));  // begins with
    EXPECT_EQ(t.FieldText(1), "1.1200   ");
    EXPECT_FALSE(t.FindExact("1.12"));
    EXPECT_TRUE(t.AtEnd());
    EXPECT_TRUE(t.FindExact("1.1200"));
    ASSERT_TRUE(t.SetOrder(0));
    EXPECT_FALSE(t.Find("1.1150"));
    EXPECT_EQ(t.ErrorText(),
              "Find() mit Index-Ordnung 0 (natürliche Ordnung) nicht erlaubt [Find]");
    t.CloseTable();

    // A numeric key, and the character index read back from its file.
    ASSERT_TRUE(t.OpenTable(dir / "t.dbf", false, DbfOpenMode::Exclusive));
    ASSERT_TRUE(t.IndexOn("NR", "nr"));
    EXPECT_TRUE(t.Find("42"));
    EXPECT_EQ(t.RecordNumber(), 259);
    ASSERT_TRUE(t.SetIndexTo("t"));
    EXPECT_EQ(Order(t), order);
    // Changing a key moves the record in the order, and the index file follows on close.
    ASSERT_TRUE(t.GoTo(300));
    ASSERT_TRUE(t.Replace(1, "9.9"));
    EXPECT_TRUE(t.GoBottom());
    EXPECT_EQ(t.RecordNumber(), 300);
    t.CloseTable();
    ASSERT_TRUE(t.OpenTable(dir / "t.dbf", false, DbfOpenMode::Exclusive));
    ASSERT_TRUE(t.SetIndexTo("t"));
    EXPECT_TRUE(t.GoBottom());
    EXPECT_EQ(t.RecordNumber(), 300);
}

TEST(DbfIndex, MissingOlderOrDamagedIndexIsRebuilt) {
    TempFolder dir;
    MakeNames(dir / "t.dbf", 20);
    DbfTable t;
    ASSERT_TRUE(t.OpenTable(dir / "t.dbf", false, DbfOpenMode::Exclusive));
    EXPECT_FALSE(t.SetIndexTo("fehlt"));
    EXPECT_EQ(t.ErrorCode(), DbfError::BadIndex);
    ASSERT_TRUE(t.SetIndexTo("wnr", "WNR"));  // missing: built from the expression given
    EXPECT_TRUE(std::filesystem::exists(dir / "wnr.ndx"));
    t.CloseTable();
    const std::string good = test::ReadFileBytes(dir / "wnr.ndx");

    // Damaged pages: the expression in the header page is enough to build it again.
    std::string bad = good;
    for (size_t i = 512; i < bad.size(); ++i) bad[i] = static_cast<char>(0xFF);
    test::WriteFileBytes(dir / "wnr.ndx", bad);
    ASSERT_TRUE(t.OpenTable(dir / "t.dbf", false, DbfOpenMode::Exclusive));
    ASSERT_TRUE(t.SetIndexTo("wnr")) << t.ErrorText();
    EXPECT_EQ(Order(t).front(), 20);
    t.CloseTable();
    EXPECT_EQ(test::ReadFileBytes(dir / "wnr.ndx"), good);

    // An index older than its table is not trusted.
    ASSERT_TRUE(t.OpenTable(dir / "t.dbf", false, DbfOpenMode::Exclusive));
    ASSERT_TRUE(t.GoTo(1));
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    ASSERT_TRUE(t.Replace(1, "0.1"));
    t.CloseTable();
    ASSERT_TRUE(t.OpenTable(dir / "t.dbf", false, DbfOpenMode::Exclusive));
    ASSERT_TRUE(t.SetIndexTo("wnr"));
    ASSERT_TRUE(t.GoTop());
    EXPECT_EQ(t.RecordNumber(), 1);

    // Garbage of every size in place of the index never crashes.
    for (size_t size : {0, 10, 512, 1024, 4096}) {
        std::string noise(size, '\0');
        for (size_t i = 0; i < size; ++i) noise[i] = static_cast<char>((i * 7919 + size) & 0xFF);
        test::WriteFileBytes(dir / "x.ndx", noise);
        EXPECT_FALSE(t.SetIndexTo("x"));
        EXPECT_TRUE(t.SetIndexTo("x", "NR"));
    }
}

TEST(DbfIndex, KeyExpressionsAndLimits) {
    TempFolder dir;
    MakeNames(dir / "t.dbf", 5);
    DbfTable t;
    ASSERT_TRUE(t.OpenTable(dir / "t.dbf", false, DbfOpenMode::Exclusive));
    EXPECT_TRUE(t.IndexOn("UPPER(WNR)+STR(NR,6,0)", "k"));
    EXPECT_TRUE(t.Find("1.1003        3"));
    EXPECT_EQ(t.RecordNumber(), 3);
    EXPECT_FALSE(t.IndexOn("WNR+" + std::string(100, 'X'), "k"));
    EXPECT_EQ(t.ErrorText(), "Index-Ausdruck länger als 100 Bytes [IndexOn]");
    EXPECT_FALSE(t.IndexOn("NAME", "k"));
    EXPECT_EQ(t.ErrorCode(), DbfError::BadIndex);
}

}  // namespace
}  // namespace zel3
