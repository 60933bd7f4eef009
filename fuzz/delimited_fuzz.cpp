// Delimited text appended to a table, the table browser's import.
#include "dbf/dbf_table.h"
#include "fuzz_support.h"

using namespace zel3;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text = fuzz::Scratch().File("import.txt");
    fuzz::WriteInput(text, data, size);
    DbfTable t;
    if (!t.CreateTable(fuzz::Scratch().File("d.dbf"), {{"NAME", 'C', 12, 0, 0},
                                                       {"WERT", 'N', 10, 3, 0},
                                                       {"OK", 'L', 1, 0, 0},
                                                       {"DATUM", 'D', 8, 0, 0}}))
        return 0;
    t.AppendFromDelimited(text);
    for (bool ok = t.GoTop(); ok && !t.AtEnd(); ok = t.Skip(1))
        for (int f = 1; f <= t.FieldCount(); ++f) t.FieldValue(f);
    return 0;
}
