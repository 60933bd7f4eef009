// Damaged, truncated and foreign files are refused with a clear message and read nothing
// beyond their end.
#include <gtest/gtest.h>

#include "dbf/dbf_header.h"
#include "dbf/dbf_table.h"
#include "dbf_test_support.h"

namespace zel3 {
namespace {

using test::TempFolder;

std::string ValidTable(const TempFolder& dir) {
    DbfTable t;
    EXPECT_TRUE(t.CreateTable(dir / "ok.dbf", {{"WNR", 'C', 9, 0, 0}, {"E", 'N', 7, 0, 0}}));
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(t.AppendBlank());
        EXPECT_TRUE(t.Replace(1, "1.350" + std::to_string(i)));
        EXPECT_TRUE(t.Replace(2, "210000"));
    }
    t.CloseTable();
    return test::ReadFileBytes(dir / "ok.dbf");
}

// Opens the bytes as a table; on success reads every field of every record.
DbfError OpenBytes(const TempFolder& dir, const std::string& bytes, std::string* text = nullptr) {
    test::WriteFileBytes(dir / "x.dbf", bytes);
    DbfTable t;
    if (!t.OpenTable(dir / "x.dbf", false)) {
        if (text) *text = t.ErrorText();
        return t.ErrorCode();
    }
    for (bool ok = t.GoTop(); ok && !t.AtEnd(); ok = t.Skip(1)) {
        for (int i = 1; i <= t.FieldCount(); ++i) t.FieldValue(i);
    }
    return DbfError::None;
}

TEST(DbfBadInput, DamagedHeadersAreRefused) {
    TempFolder dir;
    const std::string good = ValidTable(dir);
    EXPECT_EQ(OpenBytes(dir, good), DbfError::None);

    std::string text;
    EXPECT_EQ(OpenBytes(dir, "", &text), DbfError::BadHeader);
    EXPECT_NE(text.find("Keine gültige dBase-Datei"), std::string::npos) << text;
    EXPECT_NE(text.find("[OpenTable]"), std::string::npos);
    EXPECT_EQ(OpenBytes(dir, good.substr(0, 40)), DbfError::BadHeader);

    std::string noise(3000, '\0');
    for (size_t i = 0; i < noise.size(); ++i) noise[i] = static_cast<char>((i * 2654435761u) >> 13);
    EXPECT_EQ(OpenBytes(dir, noise), DbfError::BadHeader);
    noise[0] = 0x03;  // right version byte, nonsense after it
    EXPECT_EQ(OpenBytes(dir, noise), DbfError::BadHeader);

    std::string b = good;
    b[0] = 0x30;  // not one of the versions read
    EXPECT_EQ(OpenBytes(dir, b), DbfError::BadHeader);

    b = good;
    PutU16(b, 8, 60000);  // header longer than the file
    EXPECT_EQ(OpenBytes(dir, b, &text), DbfError::BadHeader);
    EXPECT_NE(text.find("Kopflänge"), std::string::npos) << text;

    b = good;
    PutU32(b, 4, 4);  // one record more than the file holds
    EXPECT_EQ(OpenBytes(dir, b, &text), DbfError::BadHeader);
    EXPECT_NE(text.find("4 Datensätze"), std::string::npos) << text;
    PutU32(b, 4, 0xFFFFFFFF);
    EXPECT_EQ(OpenBytes(dir, b), DbfError::BadHeader);

    b = good;
    PutU16(b, 10, 18);  // record length does not match the fields
    EXPECT_EQ(OpenBytes(dir, b), DbfError::BadHeader);

    b = good;
    b[32 + 64] = 'X';  // terminator gone
    EXPECT_EQ(OpenBytes(dir, b), DbfError::BadHeader);

    b = good;
    b[32 + 16] = 0;  // a field of length 0
    EXPECT_EQ(OpenBytes(dir, b), DbfError::BadHeader);

    // Truncated in the middle of the records.
    EXPECT_EQ(OpenBytes(dir, good.substr(0, good.size() - 10)), DbfError::BadHeader);
    // Without the end-of-file byte the records are all there: that is fine.
    EXPECT_EQ(OpenBytes(dir, good.substr(0, good.size() - 1)), DbfError::None);
}

TEST(DbfBadInput, UnknownTypeAndMemoWithoutMemoFile) {
    TempFolder dir;
    const std::string good = ValidTable(dir);
    std::string b = good;
    b[32 + 32 + 11] = 'B';
    std::string text;
    EXPECT_EQ(OpenBytes(dir, b, &text), DbfError::UnknownType);
    EXPECT_EQ(text,
              "Unbekannter Datentyp (nicht \"C\", \"N\", \"F\", \"L\", \"D\" oder \"M\") "
              "[OpenTable]");

    // A memo field of length 10 in place of the first two fields' bytes.
    b = good;
    b[0] = static_cast<char>(0x83);
    b[32 + 11] = 'M';
    b[32 + 16] = 10;
    b[32 + 32 + 16] = 6;
    EXPECT_EQ(OpenBytes(dir, b, &text), DbfError::MemoMissing);
    test::WriteFileBytes(dir / "x.dbt", std::string(512, '\0'));
    test::WriteFileBytes(dir / "x.dbf", b);
    DbfTable t;
    ASSERT_TRUE(t.OpenTable(dir / "x.dbf", false)) << t.ErrorText();
    EXPECT_FALSE(t.Replace(1, "x"));
    for (uint8_t v : {0x83, 0x8B, 0xF5}) {
        b[0] = static_cast<char>(v);
        EXPECT_EQ(OpenBytes(dir, b), DbfError::None);
    }
}

TEST(DbfBadInput, EveryDamagedHeaderByteIsHandled) {
    TempFolder dir;
    const std::string good = ValidTable(dir);
    const size_t header = 32 + 2 * 32 + 1;
    for (size_t i = 0; i < header; ++i) {
        for (int v : {0x00, 0x0D, 0xFF}) {
            std::string b = good;
            b[i] = static_cast<char>(v);
            OpenBytes(dir, b);  // must not crash or read past the file
        }
    }
    for (size_t n = 0; n < good.size(); n += 7) OpenBytes(dir, good.substr(0, n));
}

}  // namespace
}  // namespace zel3
