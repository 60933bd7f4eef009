#include "dbf/table_browser.h"

namespace zel3 {

void ReportDbfError(UiState& ui, const std::string& prefix, const DbfTable& table) {
    ui.errorFlag = true;
    if (!ui.showErrors) return;
    std::string text = "Fehler : " + prefix + std::to_string(static_cast<int>(table.ErrorCode()));
    if (!table.ErrorText().empty()) text += "\n" + table.ErrorText();
    ui.platform.MessageBox(BoxKind::Error, "Fehler : ", text);
}

void BrowserGoToRecord(DbfTable& table, long n, UiState& ui, MessageList& messages) {
    if (n > table.RecordCount()) {
        messages.AddMessage("DBF #" + std::to_string(n) + " not found.");
        n = table.RecordCount();
    }
    if (n <= 0) n = 1;
    if (table.RecordCount() == 0) {
        if (!table.GoTop()) ReportDbfError(ui, "Database #", table);
        return;
    }
    if (!table.GoTo(n)) ReportDbfError(ui, "Database #", table);
}

}  // namespace zel3
