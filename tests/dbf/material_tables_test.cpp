// The shipped material tables: read alike by the engine and by dbfread, complete, and
// rebuilt byte for byte from their text sources.
#include <gtest/gtest.h>

#include <cstdlib>
#include <set>
#include <sstream>

#include "dbf/dbf_table.h"
#include "dbf/ndx_index.h"
#include "dbf_test_support.h"

namespace zel3 {
namespace {

const std::string kData = ZEL3_SOURCE_DATA_DIR;

TEST(MaterialTables, IndependentReaderSeesTheSameRecords) {
    for (const char* name : {"wst1base.dbf", "zel3wst.dbf"}) {
        int status = 0;
        const std::string theirs = test::ReaderDump(kData + "/" + name, status);
        ASSERT_EQ(status, 0) << theirs;
        EXPECT_EQ(theirs, test::EngineDump(kData + "/" + name)) << name;
    }
}

TEST(MaterialTables, BaseTableHoldsTheMaterialsAndEveryPressureRowHasOne) {
    DbfTable base;
    ASSERT_TRUE(base.OpenTable(kData + "/wst1base.dbf", true));
    EXPECT_EQ(base.FieldCount(), 13);
    EXPECT_GE(base.RecordCount(), 40);
    std::set<std::string> numbers;
    for (bool ok = base.GoTop(); ok && !base.AtEnd(); ok = base.Skip(1)) {
        EXPECT_TRUE(numbers.insert(base.FieldText(1)).second) << base.FieldText(1);
        EXPECT_GT(base.FieldValue(7).number, 50000) << base.FieldText(2);
        EXPECT_GT(base.FieldValue(10).number, 0.1);
        EXPECT_LT(base.FieldValue(10).number, 0.5);
    }
    DbfTable pressures;
    ASSERT_TRUE(pressures.OpenTable(kData + "/zel3wst.dbf", true));
    EXPECT_EQ(pressures.FieldCount(), 4);
    for (bool ok = pressures.GoTop(); ok && !pressures.AtEnd(); ok = pressures.Skip(1)) {
        EXPECT_EQ(numbers.count(pressures.FieldText(1)), 1u) << pressures.FieldText(1);
        EXPECT_GE(pressures.FieldValue(2).number, pressures.FieldValue(3).number);
    }
    // The shipped indexes are sound as they are.
    for (const char* ndx : {"wst1base.ndx", "wst1bas1.ndx"}) {
        NdxIndex index;
        std::string reason;
        EXPECT_TRUE(index.Load(kData + "/" + ndx, base.Fields(), 50, reason)) << reason;
        EXPECT_EQ(index.Entries().size(), static_cast<size_t>(base.RecordCount()));
    }
}

TEST(MaterialTables, PressuresForTheCommonGroupsWithTheirSources) {
    DbfTable pressures;
    ASSERT_TRUE(pressures.OpenTable(kData + "/zel3wst.dbf", true));
    EXPECT_GE(pressures.RecordCount(), 20);
    std::set<std::string> numbers;
    for (bool ok = pressures.GoTop(); ok && !pressures.AtEnd(); ok = pressures.Skip(1)) {
        EXPECT_NE(pressures.FieldText(4).find_first_not_of(' '), std::string::npos)
            << pressures.FieldText(1);
        numbers.insert(pressures.FieldText(1).substr(0, 6));
    }
    // Case-hardened, through-hardened unalloyed and alloyed, nitrided, nodular cast iron.
    for (const char* n : {"1.7131", "1.1191", "1.7225", "1.8519", "5.3300"})
        EXPECT_EQ(numbers.count(n), 1u) << n;
    // Every row of the text source says how its values were obtained.
    std::istringstream csv(test::ReadFileBytes(kData + "/zel3wst.csv"));
    std::string line;
    std::getline(csv, line);
    EXPECT_EQ(line.rfind("WNR,PHSTAT,PHDYN,QUELLE,HERLEITUNG", 0), 0u);
    while (std::getline(csv, line)) {
        const size_t last = line.rfind(",\"");
        ASSERT_NE(last, std::string::npos) << line;
        EXPECT_GT(line.size() - last, 20u) << line;
    }
}

TEST(MaterialTables, RebuiltFromTheTextSourcesByteForByte) {
    test::TempFolder dir;
    const std::string cmd = std::string("'") + ZEL3_BUILD_MATERIALS_PATH + "' '" + kData + "' '" +
                            dir.path() + "' > /dev/null";
    ASSERT_EQ(std::system(cmd.c_str()), 0);
    for (const char* f :
         {"wst1base.dbf", "wst1base.ndx", "wst1bas1.ndx", "zel3wst.dbf", "zel3wst.ndx"}) {
        EXPECT_EQ(test::ReadFileBytes(dir / f), test::ReadFileBytes(kData + "/" + f)) << f;
    }
}

}  // namespace
}  // namespace zel3
