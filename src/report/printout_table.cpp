#include "report/printout_table.h"

#include "dbf/dbf_file.h"
#include "dbf/table_browser.h"
#include "util/text.h"

namespace zel3 {

namespace {

enum Field {
    kName = 1,
    kXScale,
    kYScale,
    kXOrigin,
    kYOrigin,
    kLandscape,
    kMonochrome,
    kVariable,
    kBorderline
};

std::vector<DbfField> PrintoutFields() {
    return {{"name", 'C', kPrintSetupNameLength, 0, 0},
            {"xscale", 'N', 12, 4, 0},
            {"yscale", 'N', 12, 4, 0},
            {"xorigin", 'N', 6, 0, 0},
            {"yorigin", 'N', 6, 0, 0},
            {"landscape", 'L', 1, 0, 0},
            {"monochrom", 'L', 1, 0, 0},
            {"variable", 'L', 1, 0, 0},
            {"borderline", 'L', 1, 0, 0}};
}

}  // namespace

std::string PrintoutTablePath(const std::string& startDir) {
    return WithBackslash(startDir) + "printout.dbf";
}

bool OpenPrintoutTable(DbfTable& table, const std::string& startDir, UiState& ui) {
    const std::string path = PrintoutTablePath(startDir);
    bool ok = false;
    if (FileExists(path)) {
        ok = table.OpenTable(path, true, DbfOpenMode::Shared) && table.CheckRowLayout(kBorderline);
    } else {
        ok = table.CreateTable(path, PrintoutFields(), DbfOpenMode::Shared);
        table.hideDeleted = true;
    }
    if (!ok) {
        ReportDbfError(ui, "DBF Error ", table);
        table.CloseTable();
    }
    return ok;
}

bool ReadPrintSetup(const DbfTable& table, PrintSetup& s) {
    if (!table.IsOpen() || table.AtEnd()) return false;
    s.name = Trim(table.FieldText(kName));
    s.xscale = table.FieldValue(kXScale).number;
    s.yscale = table.FieldValue(kYScale).number;
    s.xorigin = static_cast<int>(table.FieldValue(kXOrigin).number);
    s.yorigin = static_cast<int>(table.FieldValue(kYOrigin).number);
    s.landscape = table.FieldValue(kLandscape).logical;
    s.monochrome = table.FieldValue(kMonochrome).logical;
    s.variable = table.FieldValue(kVariable).logical;
    s.borderline = table.FieldValue(kBorderline).logical;
    return true;
}

bool AppendPrintSetup(DbfTable& table, const PrintSetup& s, UiState& ui) {
    bool ok = table.RecordLock() && table.AppendBlank();
    // The new record is locked as well, so every field can be written.
    ok = ok && table.RecordLock() &&
         table.Replace(kName, s.name.substr(0, kPrintSetupNameLength)) &&
         table.ReplaceNumber(kXScale, s.xscale) && table.ReplaceNumber(kYScale, s.yscale) &&
         table.ReplaceNumber(kXOrigin, s.xorigin) && table.ReplaceNumber(kYOrigin, s.yorigin) &&
         table.ReplaceLogical(kLandscape, s.landscape) &&
         table.ReplaceLogical(kMonochrome, s.monochrome) &&
         table.ReplaceLogical(kVariable, s.variable) &&
         table.ReplaceLogical(kBorderline, s.borderline);
    if (!ok) ReportDbfError(ui, "DBF Error ", table);
    table.Unlock();
    return ok;
}

}  // namespace zel3
