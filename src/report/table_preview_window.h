#pragma once
// The table window: a sortable grid of texts (row 0 the headings) from which the user picks
// a row, and which copies itself into a spreadsheet.

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

class QTableWidget;

namespace zel3 {

// Captions of the window and its menus (UTF-8).
struct PreviewTexts {
    std::string caption;
    std::string fileMenu = "&File";
    std::string exitItem = "E&xit";
    std::string helpMenu = "&Help";
};

class TForm_preview : public QDialog {
    Q_OBJECT
  public:
    using Rows = std::vector<std::vector<std::string>>;
    // rows stays owned by the caller and follows every sort. help shows the help text
    // (false) or the help picture (true); exportRows writes and opens the workbook and
    // returns false when that failed.
    TForm_preview(const PreviewTexts& texts, Rows& rows, int selected,
                  std::function<void(bool picture)> help,
                  std::function<bool(const Rows&)> exportRows, QWidget* parent = nullptr);

    // The row picked (1..n); 0 when the window was closed without a pick.
    int Picked() const { return picked_; }
    // Sorts rows 1..n by the texts of column c, plain character order.
    void SortByColumn(int column);
    void ExportExcel();

  private:
    void Fill();
    void Pick(int gridRow);

    Rows& rows_;
    int selected_;
    int picked_ = 0;
    std::function<bool(const Rows&)> exportRows_;
    QTableWidget* grid_ = nullptr;
};

}  // namespace zel3
