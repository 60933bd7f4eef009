// A dBase table: opened, read record by record, searched, exported, changed and packed.
#include "dbf/dbf_table.h"
#include "fuzz_support.h"

using namespace zel3;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = fuzz::Scratch().File("t.dbf");
    fuzz::WriteInput(path, data, size);
    DbfTable t;
    if (!t.OpenTable(path, false, DbfOpenMode::Exclusive)) return 0;
    int seen = 0;
    for (bool ok = t.GoTop(); ok && !t.AtEnd() && seen < 200; ok = t.Skip(1), ++seen) {
        for (int f = 1; f <= t.FieldCount(); ++f) {
            t.FieldText(f);
            t.FieldValue(f);
        }
        t.Deleted();
    }
    t.GoBottom();
    t.Skip(-1);
    t.GoTo(t.RecordCount() / 2 + 1);
    t.Locate("* = 1 NOCASE CONTAINED");
    t.Continue();
    t.CopyToDelimited(fuzz::Scratch().File("t.txt"));
    if (t.FieldCount() > 0) {
        t.GoTop();
        t.Replace(1, "12.5");
        t.AppendBlank();
        t.Replace(t.FieldCount(), "T");
        t.Delete();
        t.Pack();
    }
    return 0;
}
