#pragma once
// A table browser that shows the rows of a material table as a plain list in the platform's
// list-choice dialog, in index order: the first columns of each row on one line. It serves the
// material picking until the table browser window takes over; it cannot edit.

#include <string>
#include <vector>

#include "dbf/table_browser.h"

namespace zel3 {

class MaterialListBrowser : public TableBrowser {
  public:
    MaterialListBrowser(UiState& ui, MessageList& messages) : ui_(ui), messages_(messages) {}

    void Prepare(const std::string& /*dbfDir*/) override {}
    void SetTitles(const std::string& title1, const std::string& /*title2*/) override {
        title_ = title1;
    }
    void Attach(DbfTable* table) override { table_ = table; }
    void GoToRecord(long n) override;
    bool Show(const std::string& modeWord, int kind) override;
    std::string CellText(int column) const override;
    long RecordNumber() const override { return table_ ? table_->RecordNumber() : 0; }
    bool Cancelled() const override { return cancelled_; }

    // The list line of the current row: its first three columns, trimmed, two blanks apart.
    std::string RowLine() const;

  private:
    UiState& ui_;
    MessageList& messages_;
    DbfTable* table_ = nullptr;
    std::string title_;
    bool cancelled_ = false;
};

}  // namespace zel3
