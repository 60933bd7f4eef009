#include "contact/material_list_browser.h"

#include <algorithm>

#include "util/codepage.h"
#include "util/text.h"

namespace zel3 {

namespace {
constexpr int kListedColumns = 3;
}  // namespace

void MaterialListBrowser::GoToRecord(long n) {
    if (table_) BrowserGoToRecord(*table_, n, ui_, messages_);
}

std::string MaterialListBrowser::CellText(int column) const {
    if (!table_ || table_->AtEnd() || column < 1 || column > table_->FieldCount()) return "";
    const std::string t = table_->FieldText(column);
    const std::size_t end = t.find_last_not_of(' ');
    return OemToUtf8(end == std::string::npos ? std::string() : t.substr(0, end + 1));
}

std::string MaterialListBrowser::RowLine() const {
    std::string line;
    const int columns = table_ ? std::min(kListedColumns, table_->FieldCount()) : 0;
    for (int i = 1; i <= columns; ++i) {
        const std::string cell = Trim(CellText(i));
        if (cell.empty()) continue;
        if (!line.empty()) line += "  ";
        line += cell;
    }
    return line;
}

bool MaterialListBrowser::Show(const std::string& /*modeWord*/, int kind) {
    cancelled_ = true;
    if (!table_) {
        ui_.errorFlag = true;
        return false;
    }
    table_->hideDeleted = kind == 1;
    const long start = table_->AtEnd() ? 0 : table_->RecordNumber();

    std::vector<long> records;
    std::vector<std::string> lines;
    int selected = 1;
    if (table_->RecordCount() > 0 && table_->GoTop()) {
        while (!table_->AtEnd()) {
            if (table_->RecordNumber() == start) selected = static_cast<int>(records.size()) + 1;
            records.push_back(table_->RecordNumber());
            lines.push_back(RowLine());
            if (!table_->Skip(1)) break;
        }
    }
    if (records.empty()) {
        ui_.errorFlag = true;
        return false;
    }
    const std::string prompt = title_.empty() ? table_->Alias() : OemToUtf8(title_);
    if (!ui_.platform.ListDialog(prompt, lines, selected) || selected < 1 ||
        selected > static_cast<int>(records.size())) {
        if (start > 0) table_->GoTo(start);
        ui_.errorFlag = true;
        return false;
    }
    table_->GoTo(records[static_cast<std::size_t>(selected - 1)]);
    cancelled_ = false;
    return true;
}

}  // namespace zel3
