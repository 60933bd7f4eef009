#pragma once
// The OLE menu: the project file and the results report handed to the desktop's spreadsheet
// program as workbooks.

#include "shell/program.h"

namespace zel3 {

// "Start Excel": the project file in a new workbook. True when the spreadsheet program was
// started; the main window then enables "Export ZEL3 -> Excel" and "Import Excel -> ZEL3".
bool StartSpreadsheet(Program& program);
// "Export ZEL3 -> Excel": saves a modified case first, then its project file, line k into row
// k of column 1.
void ExportProject(Program& program);
// "Import Excel -> ZEL3": nothing to do yet.
void ImportProject(Program& program);
// "Printout -> Excel": the standard report as tab-separated text, its columns in a workbook.
void ReportToSpreadsheet(Program& program);

// Writes rows (UTF-8) as a new workbook TempDir + "$" + stem + n + ".xlsx" and opens it in
// the desktop's spreadsheet program. False when it could not be written or opened.
bool OpenInSpreadsheet(Program& program, const std::vector<std::vector<std::string>>& rows,
                       const std::string& stem);

// Splits the lines of a tab-separated text (code page 850) into rows of UTF-8 cells.
std::vector<std::vector<std::string>> TabSeparatedRows(const std::string& oemText);

}  // namespace zel3
