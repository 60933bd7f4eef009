#pragma once
// What the table browser does with its table, apart from showing it: opening a table of the
// DBF folder (a copy in the temporary folder when the folder or the file may not be written),
// captions, searching and sorting by a column, and reading the rows for the grid.

#include <string>
#include <vector>

#include "dbf/dbf_table.h"
#include "util/ui_state.h"

namespace zel3 {

// Name of the write probe in the DBF folder.
constexpr const char* kDbfWriteProbe = "TEST.$$$";
// File name (without folder) of the index a click on a column title builds.
constexpr const char* kSortIndexFile = "$qextemp.ndx";
constexpr int kSearchTextLength = 50;

// True when "DBF Write Check" could be written to TEST.$$$ in the folder (and removed again).
// An existing TEST.$$$ is left as it is and only the folder's permission is asked.
bool DbfFolderWritable(const std::string& dbfDir);
// DbfFolderWritable with the note about missing write permission when it is not.
bool CheckDbfFolderWritable(UiState& ui, const std::string& dbfDir);

// DbfDir + "/" + name, with ".dbf" appended to a name without ".".
std::string BrowserTablePath(const std::string& dbfDir, const std::string& name);

// Opens a table of the DBF folder for the browser. Without write permission for the folder
// or the file, a copy in the temporary folder is opened (writable) instead, and workingCopy
// tells so. False with the error flag set when the file cannot be read or the engine refuses
// it ("Fehler : DBF Error " + number).
bool OpenBrowserTable(UiState& ui, const std::string& dbfDir, const std::string& tempDir,
                      const std::string& name, DbfTable& table, bool* workingCopy = nullptr);

// Window captions (display texts): kind 1 = pick, any other kind = edit.
std::string BrowserCaption(int kind, const std::string& title1, const std::string& title2,
                           const std::string& fileName);
// Record number + "/" + record count.
std::string RecordLabel(long recno, long count);

// One record of the grid: stored texts (code page 850) without trailing blanks.
struct BrowserRow {
    long recno = 0;
    bool deleted = false;
    std::vector<std::string> cells;
};
// Every visible record in the current order; the current record stays where it was.
std::vector<BrowserRow> ReadBrowserRows(DbfTable& table);

// Searches for a record holding text in any field (letter case ignored): from the first
// record, or (next) from the record after the current one. When nothing is found the table
// returns to the record it stood on and false is returned.
bool SearchTable(DbfTable& table, const std::string& text, bool next);

// Builds the index on field n into tempDir/$qextemp.ndx, makes it the order and returns to
// the record the table stood on. False with the engine's error otherwise.
bool SortTableByField(DbfTable& table, int field, const std::string& tempDir);

}  // namespace zel3
