// A ".ndx" index beside a sound table: opened as the order, walked and searched.
#include "dbf/dbf_table.h"
#include "fuzz_support.h"

using namespace zel3;

namespace {

bool MakeTable(const std::string& path) {
    DbfTable t;
    if (!t.CreateTable(path, {{"NAME", 'C', 10, 0, 0}, {"WERT", 'N', 8, 2, 0}})) return false;
    const char* names[] = {"Stahl", "Bronze", "Messing", "Guss", "Alu", "Stahl"};
    for (int i = 0; i < 6; ++i) {
        if (!t.AppendBlank() || !t.Replace(1, names[i]) || !t.ReplaceNumber(2, i * 1.5))
            return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string table = fuzz::Scratch().File("t.dbf");
    const std::string index = fuzz::Scratch().File("t.ndx");
    static const bool made = MakeTable(table);
    if (!made) return 0;
    fuzz::WriteInput(index, data, size);
    std::string expression, reason;
    NdxIndex::ReadExpression(index, expression, reason);
    DbfTable t;
    if (!t.OpenTable(table, false, DbfOpenMode::Exclusive)) return 0;
    if (!t.SetIndexTo("t", "NAME")) return 0;
    for (bool ok = t.GoTop(); ok && !t.AtEnd(); ok = t.Skip(1)) t.FieldText(1);
    t.Find("St");
    t.FindExact("Guss");
    t.Find("1.5");
    t.GoBottom();
    t.Skip(-2);
    return 0;
}
