#pragma once
// Tables handed to the spreadsheet program: written as an .xlsx workbook, which the desktop
// opens in its spreadsheet program.

#include <string>
#include <vector>

namespace zel3 {

// Writes rows into the first sheet of a new workbook: text (row i, column j) goes to the cell
// of sheet row i + 1, column j + 1. Texts that are plain numbers (with "." or "," as the
// decimal sign) are stored as numbers, everything else as text. Texts are UTF-8. False with
// a reason when the file could not be written; an old file of that name is then unchanged.
bool WriteWorkbook(const std::string& path, const std::vector<std::vector<std::string>>& rows,
                   std::string& reason);

// The value of a text that is a plain number; false for anything else, and for numbers with
// leading zeros, which are names rather than values.
bool WorkbookNumber(const std::string& text, double& value);

// A free name for a new workbook in folder: folder + "$" + stem + n + ".xlsx", n from 1.
std::string NewWorkbookPath(const std::string& folder, const std::string& stem);

}  // namespace zel3
