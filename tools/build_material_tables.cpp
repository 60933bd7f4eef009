// Builds the shipped material tables and their indexes from their text sources:
//   zel3_build_materials <folder of wst1base.csv and zel3wst.csv> <output folder>
// The header date is fixed, so the same sources give the same bytes.

#include <cstdio>
#include <string>
#include <vector>

#include "dbf/dbf_table.h"

namespace {

// Date of the data revision, written into the table headers.
constexpr zel3::DbfDate kDataDate{2026, 12, 8};

struct TableSpec {
    const char* name;
    std::vector<zel3::DbfField> fields;
    std::vector<std::pair<const char*, const char*>> indexes;  // file, key expression
};

std::vector<TableSpec> Specs() {
    return {
        {"wst1base",
         {{"WNR", 'C', 9, 0, 0},
          {"NAME", 'C', 18, 0, 0},
          {"ZUSTAND", 'C', 9, 0, 0},
          {"DEHNUNG", 'N', 3, 0, 0},
          {"RM", 'N', 5, 0, 0},
          {"RE", 'N', 5, 0, 0},
          {"EMODUL", 'N', 6, 0, 0},
          {"GMODUL", 'N', 8, 1, 0},
          {"DICHTE", 'N', 6, 3, 0},
          {"MUE", 'N', 5, 3, 0},
          {"ALPHA", 'N', 5, 1, 0},
          {"NORM", 'C', 35, 0, 0},
          {"BEMERKUNG", 'C', 35, 0, 0}},
         {{"wst1base", "WNR"}, {"wst1bas1", "UPPER(NAME)"}}},
        {"zel3wst",
         {{"WNR", 'C', 9, 0, 0},
          {"PHSTAT", 'N', 5, 0, 0},
          {"PHDYN", 'N', 5, 0, 0},
          {"QUELLE", 'C', 10, 0, 0}},
         {{"zel3wst", "WNR"}}},
    };
}

bool Build(const TableSpec& spec, const std::string& source, const std::string& out) {
    zel3::DbfTable t;
    t.SetUpdateDate(kDataDate);
    const std::string table = out + "/" + spec.name + ".dbf";
    if (!t.CreateTable(table, spec.fields, zel3::DbfOpenMode::Exclusive)) {
        std::fprintf(stderr, "%s\n", t.ErrorText().c_str());
        return false;
    }
    // Columns of the CSV that are no field of the table (notes on the sources) are skipped.
    const long n = t.AppendFromDelimited(source + "/" + spec.name + ".csv");
    if (n < 0) {
        std::fprintf(stderr, "%s\n", t.ErrorText().c_str());
        return false;
    }
    for (const auto& [file, expression] : spec.indexes) {
        if (!t.IndexOn(expression, out + "/" + file + ".ndx")) {
            std::fprintf(stderr, "%s\n", t.ErrorText().c_str());
            return false;
        }
    }
    t.CloseTable();
    std::printf("%s: %ld records\n", table.c_str(), n);
    return true;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s <source folder> <output folder>\n", argv[0]);
        return 2;
    }
    for (const TableSpec& spec : Specs()) {
        if (!Build(spec, argv[1], argv[2])) return 1;
    }
    return 0;
}
