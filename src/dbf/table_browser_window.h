#pragma once
// The table browser and editor: one window that shows a dBase table as a grid, for browsing
// and editing (Database menu) or for picking one record (the material dialog). Created once
// with the main window and shown modally whenever a table is to be seen.

#include <QDialog>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "dbf/browser_table.h"
#include "dbf/table_browser.h"

class QAction;
class QLabel;
class QMenu;
class QPushButton;
class QTableWidget;
class QToolButton;

namespace zel3 {

class Program;
class BrowserGrid;

class Tdbf4 : public QDialog, public TableBrowser {
    Q_OBJECT
  public:
    explicit Tdbf4(Program& program, QWidget* parent = nullptr);
    ~Tdbf4() override;

    // TableBrowser
    void Prepare(const std::string& dbfDir) override;
    void SetTitles(const std::string& title1, const std::string& title2) override;
    void Attach(DbfTable* table) override;
    void GoToRecord(long n) override;
    bool Show(const std::string& modeWord, int kind) override;
    std::string CellText(int column) const override;
    long RecordNumber() const override;
    bool Cancelled() const override { return cancelled_; }

    // Opens a table of the DBF folder in the browser's own work area (see OpenBrowserTable);
    // it stays open until the next OpenTable or CloseTable.
    bool OpenTable(const std::string& name);
    void CloseTable();
    long RecordCount() const;
    int FieldCount() const;

    // Where the grid stood when the window closed.
    int CurrentRow() const { return currentRow_; }
    int CurrentColumn() const { return currentColumn_; }

    // The window's commands (menu items and buttons).
    void Search();
    void SearchNext();
    void SortByColumn(int column);  // 0-based grid column
    void PackTable();
    void AppendRecord();
    void AppendDbf();
    void AppendDelimited();
    void SaveDelimited();
    void ExportHtml();
    void PrintTableReport();
    void ShowStructure();

    // Menu words of the current language, after a language switch.
    void ApplyMenuTexts();

  protected:
    void done(int result) override;

  private:
    void BuildMenus();
    void BuildNavigator(QWidget* bar);
    void ApplyMode();
    void ReloadRows();
    void ShowRow(int row);
    void SelectRecord(long recno);
    void RowChanged(int row);
    void CellClicked(int row);
    void CellEdited(int row, int column);
    void DeleteOrRecall();
    void EditCell();
    void PostEdit();
    void CancelEdit();
    void Move(int how);  // 0 first, 1 prior, 2 next, 3 last
    void QuickPick();
    void Ok();
    bool Failed(const char* prefix);  // an engine failure: shown, error flag set
    void RunLocked(bool fileLock, const std::function<bool()>& step);
    // Every command starts afresh: an earlier refusal must not stop this one.
    void BeginCommand();
    void UpdateRecordLabel();
    QString Display(const std::string& stored) const;

    Program& program_;
    std::unique_ptr<DbfTable> own_;  // a table the browser opened itself
    bool workingCopy_ = false;       // own_ is a copy in the temporary folder
    DbfTable* table_ = nullptr;
    std::string dbfDir_;
    std::string title1_, title2_;
    std::string searchText_;
    bool quickPick_ = false;
    int kind_ = 0;
    bool cancelled_ = false;
    bool loading_ = false;
    int currentRow_ = -1;
    int currentColumn_ = -1;
    int topRow_ = 0;
    bool framed_ = false;
    std::vector<BrowserRow> rows_;

    BrowserGrid* grid_ = nullptr;
    QWidget* navigator_ = nullptr;
    std::vector<QToolButton*> editButtons_;
    QLabel* labelTitle1_ = nullptr;
    QLabel* labelTitle2_ = nullptr;
    QLabel* labelFilename_ = nullptr;
    QLabel* labelRecno_ = nullptr;
    QMenu* fileMenu_ = nullptr;
    QMenu* editMenu_ = nullptr;
    QMenu* viewMenu_ = nullptr;
    QMenu* helpMenu_ = nullptr;
    QAction* printItem_ = nullptr;
    QAction* exitItem_ = nullptr;
    QAction* appendDbf_ = nullptr;
    QAction* appendDelimited_ = nullptr;
    QAction* structure_ = nullptr;
    QAction* fileNameItem_ = nullptr;
};

}  // namespace zel3
