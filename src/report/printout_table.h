#pragma once
// The named print set-ups of the printout dialog, kept in the table "printout.dbf" in the
// start folder; the table is created when it is missing.

#include <string>

#include "dbf/dbf_table.h"
#include "util/ui_state.h"

namespace zel3 {

struct PrintSetup {
    std::string name;  // at most 25 characters, code page 850
    double xscale = 1.0;
    double yscale = 1.0;
    int xorigin = 0;  // mm
    int yorigin = 0;
    bool landscape = false;
    bool monochrome = false;
    bool variable = false;  // fit the picture to the page ("anpassen")
    bool borderline = false;
};

constexpr int kPrintSetupNameLength = 25;

// WithBackslash(startDir) + "printout.dbf".
std::string PrintoutTablePath(const std::string& startDir);

// Opens the table (shared), creating it when missing. False with the error flag set and the
// engine's failure shown when it can be neither opened nor created.
bool OpenPrintoutTable(DbfTable& table, const std::string& startDir, UiState& ui);

// The set-up in the current record; false at the end of the table.
bool ReadPrintSetup(const DbfTable& table, PrintSetup& setup);

// Appends a record with the set-up (record lock around the append); false with the error flag
// set when it could not be written.
bool AppendPrintSetup(DbfTable& table, const PrintSetup& setup, UiState& ui);

}  // namespace zel3
