#pragma once
// What the program asks of the table browser window: the material selection and the print
// set-ups open a table, hand it to the browser, position it, show it modally and read the row
// the user chose. The window implements this; tests use a scripted browser.

#include <string>

#include "dbf/dbf_table.h"
#include "report/message_list.h"
#include "util/ui_state.h"

namespace zel3 {

class TableBrowser {
  public:
    virtual ~TableBrowser() = default;

    // Readies the window for a table of the DBF folder (including the test whether that folder
    // may be written).
    virtual void Prepare(const std::string& dbfDir) = 0;
    // Texts in the stored code page; the window converts them for display.
    virtual void SetTitles(const std::string& title1, const std::string& title2) = 0;
    // The table to show; it stays open and owned by the caller until after Show.
    virtual void Attach(DbfTable* table) = 0;
    // Positions on record n (see BrowserGoToRecord).
    virtual void GoToRecord(long n) = 0;
    // Shows the window modally. kind 1 = pick (read-only, deleted records hidden), any other
    // kind = edit; the mode word "CLOSE" closes the window with the first selection. False
    // when the user cancelled.
    virtual bool Show(const std::string& modeWord, int kind) = 0;
    // Column i (1-based) of the current row as display text (UTF-8), without trailing blanks.
    virtual std::string CellText(int column) const = 0;
    virtual long RecordNumber() const = 0;
    // How the last Show ended.
    virtual bool Cancelled() const = 0;
};

// Positioning shared by every browser: n above the record count adds "DBF #" + n +
// " not found." to the message list and takes the last record; n <= 0 becomes 1; an engine
// failure shows "Fehler : Database #" + the error number and sets the error flag.
void BrowserGoToRecord(DbfTable& table, long n, UiState& ui, MessageList& messages);

// Shows an engine failure as "Fehler : " + prefix + the error number, with the engine's text
// on a second line, and sets the error flag.
void ReportDbfError(UiState& ui, const std::string& prefix, const DbfTable& table);

}  // namespace zel3
