// A dBase table: opened, read record by record, searched, exported, changed and packed.
// Random bytes seldom make a header that passes the checks, so every input is tried twice:
// once as it is, once as the records of a table whose valid header is built from its first
// bytes (field count, types and lengths). The second pass reaches the record code from
// inputs that were never seeded with a real table.
#include "dbf/dbf_header.h"
#include "dbf/dbf_table.h"
#include "fuzz_support.h"

using namespace zel3;

namespace {

void Exercise(const std::string& path) {
    DbfTable t;
    if (!t.OpenTable(path, false, DbfOpenMode::Exclusive)) return;
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
}

// A valid header from the first bytes, the rest as records (the last one may be cut short).
bool MendedTable(const uint8_t* data, size_t size, std::string& table) {
    if (size < 1) return false;
    const size_t count = 1 + data[0] % 6;
    if (size < 1 + 2 * count) return false;
    static const char kTypes[] = "CNFLDM";
    DbfHeader h;
    for (size_t i = 0; i < count; ++i) {
        DbfField f;
        f.name = "F" + std::to_string(i + 1);
        f.type = kTypes[data[1 + 2 * i] % 6];
        const int n = data[2 + 2 * i];
        switch (f.type) {
            case 'C':
                f.length = 1 + n % 40;
                break;
            case 'N':
            case 'F':
                f.length = 1 + n % 20;
                f.decimals = f.length > 2 ? (n / 20) % (f.length - 1) : 0;
                break;
            case 'L':
                f.length = 1;
                break;
            case 'D':
                f.length = 8;
                break;
            default:
                f.length = 10;
        }
        h.fields.push_back(f);
    }
    std::string reason;
    if (!LayoutDbfFields(h, reason)) return false;
    const size_t head = 1 + 2 * count;
    const std::string records(reinterpret_cast<const char*>(data) + head, size - head);
    h.recordCount = static_cast<uint32_t>(records.size() / static_cast<size_t>(h.recordLength));
    table = BuildDbfHeader(h) + records;
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string path = fuzz::Scratch().File("t.dbf");
    fuzz::WriteInput(path, data, size);
    Exercise(path);
    std::string table;
    if (MendedTable(data, size, table)) {
        fuzz::WriteInput(path, reinterpret_cast<const uint8_t*>(table.data()), table.size());
        Exercise(path);
    }
    return 0;
}
