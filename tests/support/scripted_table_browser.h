#pragma once
// A table browser for tests: records how it was called and where it stood when shown, and
// answers Show as scripted (pick a record, keep the current one, or cancel).

#include <string>
#include <vector>

#include "dbf/table_browser.h"
#include "util/codepage.h"
#include "util/text.h"

namespace zel3::test {

class ScriptedTableBrowser : public TableBrowser {
  public:
    ScriptedTableBrowser(UiState& ui, MessageList& messages) : ui_(ui), messages_(messages) {}

    // Script: cancel, or move to this record before closing (0 = keep the current one).
    bool cancel = false;
    long pickRecord = 0;

    // What happened.
    std::string preparedFolder;
    std::string title1, title2;
    std::string shownModeWord;
    int shownKind = -1;
    long recordWhenShown = -1;
    std::vector<long> positions;

    void Prepare(const std::string& dbfDir) override { preparedFolder = dbfDir; }
    void SetTitles(const std::string& t1, const std::string& t2) override {
        title1 = t1;
        title2 = t2;
    }
    void Attach(DbfTable* table) override { table_ = table; }
    void GoToRecord(long n) override {
        positions.push_back(n);
        if (table_) BrowserGoToRecord(*table_, n, ui_, messages_);
    }
    bool Show(const std::string& modeWord, int kind) override {
        shownModeWord = modeWord;
        shownKind = kind;
        if (!table_) return false;
        table_->hideDeleted = kind == 1;
        recordWhenShown = table_->AtEnd() ? 0 : table_->RecordNumber();
        cancelled_ = cancel;
        if (cancel) {
            ui_.errorFlag = true;
            return false;
        }
        if (pickRecord > 0) table_->GoTo(pickRecord);
        return true;
    }
    std::string CellText(int column) const override {
        if (!table_) return "";
        const std::string t = table_->FieldText(column);
        return OemToUtf8(t.substr(0, t.find_last_not_of(' ') + 1));
    }
    long RecordNumber() const override { return table_ ? table_->RecordNumber() : 0; }
    bool Cancelled() const override { return cancelled_; }

  private:
    UiState& ui_;
    MessageList& messages_;
    DbfTable* table_ = nullptr;
    bool cancelled_ = false;
};

}  // namespace zel3::test
