#include "dbf/table_browser_window.h"

#include <QAction>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "dbf/table_export.h"
#include "docu/qt_dialog_frame.h"
#include "shell/program.h"
#include "util/codepage.h"
#include "util/date_text.h"
#include "util/prompts.h"
#include "util/qt_text.h"
#include "util/text.h"

namespace zel3 {

namespace {

constexpr int kSearchHelp = 2450;

}  // namespace

// The grid: reports cursor up and down (they close a quick pick) and lets the window post or
// drop the edit in progress.
class BrowserGrid : public QTableWidget {
  public:
    explicit BrowserGrid(QWidget* parent) : QTableWidget(parent) {}
    std::function<void()> verticalKey;

    bool Editing() const { return state() == QAbstractItemView::EditingState; }
    void FinishEdit(bool keep) {
        QWidget* editor = indexWidget(currentIndex());
        if (!editor) editor = focusWidget();
        if (!Editing() || !editor || editor == this) return;
        if (keep) commitData(editor);
        closeEditor(editor, QAbstractItemDelegate::NoHint);
    }
    QSize sizeHint() const override { return {720, 360}; }

  protected:
    void keyPressEvent(QKeyEvent* e) override {
        QTableWidget::keyPressEvent(e);
        if ((e->key() == Qt::Key_Up || e->key() == Qt::Key_Down) && verticalKey) verticalKey();
    }
};

Tdbf4::Tdbf4(Program& program, QWidget* parent) : QDialog(parent), program_(program) {
    setObjectName(QStringLiteral("Tdbf4"));
    setSizeGripEnabled(true);
    auto* layout = new QVBoxLayout(this);

    auto* menuBar = new QMenuBar(this);
    layout->setMenuBar(menuBar);

    labelTitle1_ = new QLabel(this);
    labelTitle1_->setObjectName(QStringLiteral("Label_title1"));
    labelTitle2_ = new QLabel(this);
    labelTitle2_->setObjectName(QStringLiteral("Label_title2"));
    labelFilename_ = new QLabel(this);
    labelFilename_->setObjectName(QStringLiteral("Label_filename"));
    for (QLabel* hidden : {labelTitle1_, labelTitle2_, labelFilename_}) hidden->hide();

    auto* top = new QHBoxLayout;
    navigator_ = new QWidget(this);
    navigator_->setObjectName(QStringLiteral("TzNavigator1"));
    BuildNavigator(navigator_);
    top->addWidget(navigator_);
    top->addStretch();
    labelRecno_ = new QLabel(this);
    labelRecno_->setObjectName(QStringLiteral("Label_recno"));
    labelRecno_->setMinimumWidth(90);
    labelRecno_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    top->addWidget(labelRecno_);
    layout->addLayout(top);

    grid_ = new BrowserGrid(this);
    grid_->setObjectName(QStringLiteral("TzGrid1"));
    grid_->setSelectionBehavior(QAbstractItemView::SelectItems);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setAlternatingRowColors(true);
    grid_->verticalHeader()->setDefaultSectionSize(grid_->fontMetrics().height() + 6);
    grid_->horizontalHeader()->setSectionsClickable(true);
    grid_->horizontalHeader()->setToolTip(QStringLiteral("Sortieren: Spaltentitel anklicken"));
    grid_->verticalKey = [this] { QuickPick(); };
    layout->addWidget(grid_, 1);
    connect(grid_, &QTableWidget::currentCellChanged, this,
            [this](int row, int, int, int) { RowChanged(row); });
    connect(grid_, &QTableWidget::cellClicked, this, [this](int row, int) { CellClicked(row); });
    connect(grid_, &QTableWidget::cellChanged, this,
            [this](int row, int column) { CellEdited(row, column); });
    connect(grid_->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int column) { SortByColumn(column); });

    auto* buttons = new QHBoxLayout;
    auto* search = new QPushButton(QStringLiteral("&Suchen"), this);
    search->setObjectName(QStringLiteral("Button_search"));
    auto* searchNext = new QPushButton(QStringLiteral("&Weitersuchen"), this);
    searchNext->setObjectName(QStringLiteral("Button_searchNext"));
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Button_ok"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Abbrechen"), this);
    cancel->setObjectName(QStringLiteral("Button_cancel"));
    for (QPushButton* b : {search, searchNext}) {
        b->setAutoDefault(false);
        buttons->addWidget(b);
    }
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    cancel->setAutoDefault(false);
    layout->addLayout(buttons);
    connect(search, &QPushButton::clicked, this, [this] { Search(); });
    connect(searchNext, &QPushButton::clicked, this, [this] { SearchNext(); });
    connect(ok, &QPushButton::clicked, this, [this] { Ok(); });
    connect(cancel, &QPushButton::clicked, this, [this] { reject(); });

    BuildMenus();
    setTabOrder(grid_, search);
    setTabOrder(search, searchNext);
    setTabOrder(searchNext, ok);
    setTabOrder(ok, cancel);
}

Tdbf4::~Tdbf4() = default;

void Tdbf4::BuildNavigator(QWidget* bar) {
    auto* row = new QHBoxLayout(bar);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(1);
    struct Button {
        const char* name;
        const char* text;
        const char* tip;
        bool edit;
        std::function<void()> action;
    };
    const std::vector<Button> buttons{
        {"nav_first", "|<", "Erster Datensatz", false, [this] { Move(0); }},
        {"nav_prior", "<", "Vorheriger Datensatz", false, [this] { Move(1); }},
        {"nav_next", ">", "N\u00e4chster Datensatz", false, [this] { Move(2); }},
        {"nav_last", ">|", "Letzter Datensatz", false, [this] { Move(3); }},
        {"nav_insert", "+", "Datensatz anf\u00fcgen", true, [this] { AppendRecord(); }},
        {"nav_delete", "\u2212", "Datensatz l\u00f6schen / zur\u00fcckholen", true,
         [this] { DeleteOrRecall(); }},
        {"nav_edit", "\u270e", "Feld bearbeiten", true, [this] { EditCell(); }},
        {"nav_post", "\u2713", "\u00c4nderung speichern", true, [this] { PostEdit(); }},
        {"nav_cancel", "\u2715", "\u00c4nderung verwerfen", true, [this] { CancelEdit(); }},
        {"nav_refresh", "\u21bb", "Neu anzeigen", true, [this] { ReloadRows(); }},
    };
    for (const Button& b : buttons) {
        auto* t = new QToolButton(bar);
        t->setObjectName(QString::fromLatin1(b.name));
        t->setText(QString::fromUtf8(b.text));
        t->setToolTip(QString::fromUtf8(b.tip));
        t->setMinimumWidth(28);
        t->setFocusPolicy(Qt::NoFocus);
        connect(t, &QToolButton::clicked, this, b.action);
        row->addWidget(t);
        if (b.edit) editButtons_.push_back(t);
    }
}

void Tdbf4::BuildMenus() {
    auto* bar = qobject_cast<QMenuBar*>(layout()->menuBar());
    auto item = [this](QMenu* menu, const char* name, const QString& text,
                       const std::function<void()>& action) {
        QAction* a = menu->addAction(text);
        a->setObjectName(QString::fromLatin1(name));
        connect(a, &QAction::triggered, this, action);
        return a;
    };
    fileMenu_ = bar->addMenu(QString());
    fileMenu_->setObjectName(QStringLiteral("mi_dbfFile"));
    item(fileMenu_, "mi_dbfExportHtml", QStringLiteral("Export HTML"), [this] { ExportHtml(); });
    item(fileMenu_, "mi_dbfSaveDelimited", QStringLiteral("Save As Delimited"),
         [this] { SaveDelimited(); });
    appendDbf_ =
        item(fileMenu_, "mi_dbfAppendDbf", QStringLiteral("Append dbf"), [this] { AppendDbf(); });
    appendDelimited_ = item(fileMenu_, "mi_dbfAppendDelimited", QStringLiteral("Append Delimited"),
                            [this] { AppendDelimited(); });
    fileMenu_->addSeparator();
    printItem_ = item(fileMenu_, "mi_dbfPrint", QString(), [this] { PrintTableReport(); });
    fileMenu_->addSeparator();
    exitItem_ = item(fileMenu_, "mi_dbfExit", QString(), [this] { Ok(); });

    editMenu_ = bar->addMenu(QString());
    editMenu_->setObjectName(QStringLiteral("mi_dbfEdit"));
    item(editMenu_, "mi_dbfAppend", QStringLiteral("Append"), [this] { AppendRecord(); });
    QAction* pack = item(editMenu_, "mi_dbfPack", QStringLiteral("Pack"), [this] { PackTable(); });
    pack->setToolTip(QStringLiteral("Markierte Datens\u00e4tze l\u00f6schen"));
    pack->setStatusTip(pack->toolTip());
    editMenu_->setToolTipsVisible(true);

    viewMenu_ = bar->addMenu(QString());
    viewMenu_->setObjectName(QStringLiteral("mi_dbfView"));
    item(viewMenu_, "mi_dbfSearch", QStringLiteral("&Suchen"), [this] {
        Search();
    })->setShortcut(QKeySequence::Find);
    item(viewMenu_, "mi_dbfSearchNext", QStringLiteral("&Weitersuchen"), [this] {
        SearchNext();
    })->setShortcut(QKeySequence::FindNext);

    helpMenu_ = bar->addMenu(QString());
    helpMenu_->setObjectName(QStringLiteral("mi_dbfHelp"));
    structure_ = item(helpMenu_, "mi_dbfStructure", QStringLiteral("dbf Structure"),
                      [this] { ShowStructure(); });
    item(helpMenu_, "mi_dbfCommon", QStringLiteral("Common"), [this] {
        if (program_.platform().showHelp) program_.platform().showHelp(false);
    });
    item(helpMenu_, "mi_dbfHelpPicture", QStringLiteral("Hilfe&bild"), [this] {
        if (program_.platform().showHelp) program_.platform().showHelp(true);
    });
    fileNameItem_ = item(helpMenu_, "mi_dbfFileName", QString(), [this] {
        if (table_) ShowNote(program_.ui, Utf8ToOem(table_->FileName()));
    });
    ApplyMenuTexts();
}

void Tdbf4::ApplyMenuTexts() {
    const LanguageTexts& lang = program_.language;
    fileMenu_->setTitle(Q(lang.General(kFile)));
    printItem_->setText(Q(lang.General(kPrint)));  // the word carries its dots already
    exitItem_->setText(Q(lang.General(kExit)));
    editMenu_->setTitle(Q(lang.General(kEdit)));
    viewMenu_->setTitle(Q(lang.General(kView)));
    helpMenu_->setTitle(Q(lang.General(kHelp)));
}

QString Tdbf4::Display(const std::string& stored) const {
    return Q(OemToUtf8(stored));
}

bool Tdbf4::Failed(const char* prefix) {
    if (table_) ReportDbfError(program_.ui, prefix, *table_);
    return false;
}

// TableBrowser ------------------------------------------------------------------------------

void Tdbf4::Prepare(const std::string& dbfDir) {
    dbfDir_ = dbfDir;
    CheckDbfFolderWritable(program_.ui, dbfDir);
    program_.ui.errorFlag = false;  // the note is all; browsing goes on
}

void Tdbf4::SetTitles(const std::string& title1, const std::string& title2) {
    title1_ = title1;
    title2_ = title2;
    labelTitle1_->setText(Display(title1));
    labelTitle2_->setText(Display(title2));
    if (!title2.empty()) structure_->setText(Display(title2));
}

void Tdbf4::Attach(DbfTable* table) {
    if (table != own_.get()) {
        own_.reset();
        workingCopy_ = false;
    }
    table_ = table;
    rows_.clear();
    if (table_) {
        labelFilename_->setText(Q(table_->FileName()));
        fileNameItem_->setText(Q(table_->FileName()));
    }
}

bool Tdbf4::OpenTable(const std::string& name) {
    auto table = std::make_unique<DbfTable>();
    bool copy = false;
    if (!OpenBrowserTable(program_.ui, dbfDir_.empty() ? program_.settings.folders.DbfDir : dbfDir_,
                          program_.settings.folders.TempDir, name, *table, &copy)) {
        return false;
    }
    table_ = nullptr;
    own_ = std::move(table);
    Attach(own_.get());
    workingCopy_ = copy;
    return true;
}

void Tdbf4::CloseTable() {
    table_ = nullptr;
    own_.reset();
    workingCopy_ = false;
    rows_.clear();
}

long Tdbf4::RecordCount() const {
    return table_ ? table_->RecordCount() : 0;
}

int Tdbf4::FieldCount() const {
    return table_ ? table_->FieldCount() : 0;
}

void Tdbf4::GoToRecord(long n) {
    if (table_) BrowserGoToRecord(*table_, n, program_.ui, program_.messages);
}

std::string Tdbf4::CellText(int column) const {
    if (!table_ || table_->AtEnd() || column < 1 || column > table_->FieldCount()) return "";
    const std::string t = table_->FieldText(column);
    const size_t end = t.find_last_not_of(' ');
    return OemToUtf8(end == std::string::npos ? std::string() : t.substr(0, end + 1));
}

long Tdbf4::RecordNumber() const {
    return table_ && !table_->AtEnd() ? table_->RecordNumber() : 0;
}

bool Tdbf4::Show(const std::string& modeWord, int kind) {
    cancelled_ = true;
    if (!table_) {
        program_.ui.errorFlag = true;
        return false;
    }
    kind_ = kind;
    quickPick_ = UpperAscii(Trim(modeWord)) == "CLOSE";
    const std::string file = table_->FileName();
    setWindowTitle(Q(BrowserCaption(kind, OemToUtf8(title1_), OemToUtf8(title2_), file)));
    ApplyMode();
    ReloadRows();
    labelRecno_->clear();
    if (kind != 1 && workingCopy_ && table_ == own_.get()) {
        ShowNote(program_.ui,
                 "Kein Schreibrecht f\x81r dbf-Ordner !  Bearbeitung im Tempor\x84r-Ordner.");
    }
    // A quick pick keeps the place and size the window had last time.
    if (!quickPick_ || !framed_) {
        ApplyDialogFrame(*this, parentWidget(),
                         {program_.settings.inputWindowScale, program_.settings.dialogContentScale},
                         true, false);
        framed_ = true;
    }
    if (quickPick_ && topRow_ > 0 && topRow_ < grid_->rowCount()) {
        grid_->scrollToItem(grid_->item(topRow_, 0), QAbstractItemView::PositionAtTop);
    }
    const long start = RecordNumber();
    if (start > 0) SelectRecord(start);
    grid_->setFocus();
    exec();
    return !cancelled_;
}

void Tdbf4::done(int result) {
    grid_->FinishEdit(result == QDialog::Accepted);
    currentRow_ = grid_->currentRow();
    currentColumn_ = grid_->currentColumn();
    topRow_ = grid_->rowAt(0);
    cancelled_ = result != QDialog::Accepted;
    if (cancelled_) program_.ui.errorFlag = true;
    QDialog::done(result);
}

// Grid ---------------------------------------------------------------------------------------

void Tdbf4::ApplyMode() {
    const bool edit = kind_ != 1;
    for (QToolButton* b : editButtons_) b->setVisible(edit);
    appendDbf_->setVisible(edit);
    appendDelimited_->setVisible(edit);
    editMenu_->menuAction()->setVisible(edit);
    table_->hideDeleted = !edit;
    const bool writable = edit && !table_->ReadOnly();
    grid_->setEditTriggers(writable ? QAbstractItemView::DoubleClicked |
                                          QAbstractItemView::EditKeyPressed |
                                          QAbstractItemView::AnyKeyPressed
                                    : QAbstractItemView::NoEditTriggers);
}

void Tdbf4::ReloadRows() {
    if (!table_) return;
    const long current = RecordNumber();
    loading_ = true;
    rows_ = ReadBrowserRows(*table_);
    grid_->clear();
    grid_->setColumnCount(table_->FieldCount());
    QStringList heads;
    for (int i = 1; i <= table_->FieldCount(); ++i) heads << Q(table_->FieldName(i));
    grid_->setHorizontalHeaderLabels(heads);
    grid_->setRowCount(static_cast<int>(rows_.size()));
    for (int r = 0; r < static_cast<int>(rows_.size()); ++r) ShowRow(r);
    grid_->resizeColumnsToContents();
    for (int c = 0; c < grid_->columnCount(); ++c) {
        grid_->setColumnWidth(c, std::min(grid_->columnWidth(c), 260));
    }
    loading_ = false;
    if (current > 0) SelectRecord(current);
}

void Tdbf4::ShowRow(int row) {
    const BrowserRow& data = rows_[static_cast<size_t>(row)];
    const bool wasLoading = loading_;
    loading_ = true;
    for (int c = 0; c < static_cast<int>(data.cells.size()); ++c) {
        auto* item = new QTableWidgetItem(Display(data.cells[static_cast<size_t>(c)]));
        const char type = table_->FieldType(c + 1);
        if (type == 'N' || type == 'F') item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
        if (data.deleted) {
            QFont f = item->font();
            f.setStrikeOut(true);
            item->setFont(f);
            item->setForeground(palette().color(QPalette::Disabled, QPalette::Text));
        }
        grid_->setItem(row, c, item);
    }
    auto* head = new QTableWidgetItem(data.deleted ? QStringLiteral("* %1").arg(data.recno)
                                                   : QString::number(data.recno));
    grid_->setVerticalHeaderItem(row, head);
    loading_ = wasLoading;
}

void Tdbf4::SelectRecord(long recno) {
    for (int r = 0; r < static_cast<int>(rows_.size()); ++r) {
        if (rows_[static_cast<size_t>(r)].recno != recno) continue;
        const int column = std::max(grid_->currentColumn(), 0);
        const bool wasLoading = loading_;
        loading_ = true;
        grid_->setCurrentCell(r, column);
        loading_ = wasLoading;
        if (grid_->item(r, column)) grid_->scrollToItem(grid_->item(r, column));
        return;
    }
}

void Tdbf4::RowChanged(int row) {
    if (!table_ || row < 0 || row >= static_cast<int>(rows_.size())) return;
    const long recno = rows_[static_cast<size_t>(row)].recno;
    if (table_->AtEnd() || table_->RecordNumber() != recno) {
        if (!table_->GoTo(recno)) Failed("Database #");
    }
    if (!loading_) UpdateRecordLabel();
}

void Tdbf4::UpdateRecordLabel() {
    if (table_) labelRecno_->setText(Q(RecordLabel(RecordNumber(), table_->RecordCount())));
}

void Tdbf4::CellClicked(int row) {
    RowChanged(row);
    UpdateRecordLabel();
    if (quickPick_) Ok();
}

void Tdbf4::QuickPick() {
    if (quickPick_) Ok();
}

void Tdbf4::Ok() {
    grid_->FinishEdit(true);
    accept();
}

void Tdbf4::BeginCommand() {
    program_.ui.errorFlag = false;
}

void Tdbf4::RunLocked(bool fileLock, const std::function<bool()>& step) {
    if (!table_ || kind_ == 1) return;
    if (!(fileLock ? table_->FileLock() : table_->RecordLock())) {
        Failed("DBF Error ");
        return;
    }
    const bool ok = step();
    table_->Unlock();
    if (!ok) Failed("DBF Error ");
}

void Tdbf4::CellEdited(int row, int column) {
    if (loading_ || !table_ || row < 0 || row >= static_cast<int>(rows_.size())) return;
    BrowserRow& data = rows_[static_cast<size_t>(row)];
    const std::string value = Utf8ToOem(S(grid_->item(row, column)->text()));
    if (!table_->GoTo(data.recno)) {
        Failed("Database #");
    } else {
        RunLocked(false, [&] { return table_->Replace(column + 1, value); });
    }
    // Show what the table now holds (cut, aligned or unchanged after a refusal).
    if (!table_->AtEnd() && table_->RecordNumber() == data.recno) {
        for (int i = 1; i <= table_->FieldCount(); ++i) {
            const std::string t = table_->FieldText(i);
            const size_t end = t.find_last_not_of(' ');
            data.cells[static_cast<size_t>(i - 1)] =
                end == std::string::npos ? std::string() : t.substr(0, end + 1);
        }
    }
    ShowRow(row);
}

void Tdbf4::Move(int how) {
    const int rows = grid_->rowCount();
    if (rows == 0) return;
    int row = grid_->currentRow();
    switch (how) {
        case 0:
            row = 0;
            break;
        case 1:
            row = std::max(row - 1, 0);
            break;
        case 2:
            row = std::min(row + 1, rows - 1);
            break;
        default:
            row = rows - 1;
            break;
    }
    grid_->setCurrentCell(row, std::max(grid_->currentColumn(), 0));
    UpdateRecordLabel();
}

void Tdbf4::EditCell() {
    if (grid_->editTriggers() == QAbstractItemView::NoEditTriggers) return;
    if (QTableWidgetItem* item = grid_->currentItem()) grid_->editItem(item);
}

void Tdbf4::PostEdit() {
    grid_->FinishEdit(true);
}

void Tdbf4::CancelEdit() {
    grid_->FinishEdit(false);
}

void Tdbf4::DeleteOrRecall() {
    if (!table_ || table_->AtEnd()) return;
    const bool deleted = table_->Deleted();
    RunLocked(false, [&] { return deleted ? table_->Recall() : table_->Delete(); });
    ReloadRows();
}

// Commands -----------------------------------------------------------------------------------

void Tdbf4::Search() {
    if (!table_) return;
    program_.ui.helpNumber = kSearchHelp;
    std::string text = searchText_;
    AskText(program_.ui, "Suchbegriff eingeben", kSearchTextLength, text);
    if (program_.ui.errorFlag) {
        program_.ui.errorFlag = false;
        return;
    }
    searchText_ = text.substr(0, kSearchTextLength);
    if (!SearchTable(*table_, searchText_, false)) {
        ShowNote(program_.ui, searchText_ + " nicht gefunden");
        return;
    }
    SelectRecord(table_->RecordNumber());
    UpdateRecordLabel();
    if (quickPick_) Ok();
}

void Tdbf4::SearchNext() {
    if (!table_) return;
    if (searchText_.empty()) {
        Search();
        return;
    }
    if (!SearchTable(*table_, searchText_, true)) {
        ShowNote(program_.ui, searchText_ + " nicht gefunden");
        return;
    }
    SelectRecord(table_->RecordNumber());
    UpdateRecordLabel();
    if (quickPick_) Ok();
}

void Tdbf4::SortByColumn(int column) {
    if (!table_) return;
    BusyScope busy(program_.ui);
    if (!SortTableByField(*table_, column + 1, program_.settings.folders.TempDir)) {
        Failed("DBF Error ");
        return;
    }
    ReloadRows();
}

void Tdbf4::PackTable() {
    if (!table_ || kind_ == 1) return;
    BeginCommand();
    BusyScope busy(program_.ui);
    RunLocked(true, [this] { return table_->Pack(); });
    if (table_->RecordCount() > 0 && (table_->AtEnd() || table_->Deleted())) table_->GoTop();
    ReloadRows();
    UpdateRecordLabel();
}

void Tdbf4::AppendRecord() {
    if (!table_ || kind_ == 1) return;
    BeginCommand();
    RunLocked(false, [this] { return table_->AppendBlank(); });
    ReloadRows();
    SelectRecord(RecordNumber());
    UpdateRecordLabel();
}

void Tdbf4::AppendDbf() {
    if (!table_ || kind_ == 1) return;
    std::string path;
    if (!program_.platform().OpenFileDialog(dbfDir_, "*.dbf|*.dbf", path)) return;
    BeginCommand();
    BusyScope busy(program_.ui);
    RunLocked(true, [&] { return table_->AppendFrom(path) >= 0; });
    ReloadRows();
    UpdateRecordLabel();
}

void Tdbf4::AppendDelimited() {
    if (!table_ || kind_ == 1) return;
    std::string path;
    if (!program_.platform().OpenFileDialog(dbfDir_, "*.txt|*.txt", path)) return;
    BeginCommand();
    BusyScope busy(program_.ui);
    RunLocked(true, [&] { return table_->AppendFromDelimited(path, Utf8ToOem) >= 0; });
    ReloadRows();
    UpdateRecordLabel();
}

void Tdbf4::SaveDelimited() {
    if (!table_) return;
    std::string path;
    if (!program_.platform().SaveFileDialog(dbfDir_, "txt|*.txt|All files|*.*", "", path)) return;
    BeginCommand();
    BusyScope busy(program_.ui);
    // A read-only copy is still exported; the lock only keeps writers out meanwhile.
    const bool locked = !table_->ReadOnly() && table_->FileLock();
    const long copied = table_->CopyToDelimited(path, OemToUtf8);
    if (locked) table_->Unlock();
    if (copied < 0) Failed("DBF Error ");
}

void Tdbf4::ExportHtml() {
    if (!table_) return;
    const std::string file = table_->FileName();
    const size_t slash = file.find_last_of('/');
    std::string base = slash == std::string::npos ? file : file.substr(slash + 1);
    base = base.substr(0, base.find_last_of('.'));
    std::string path;
    if (!program_.platform().SaveFileDialog(dbfDir_, "HTML files|*.HTM;*.HTML|All files|*.*",
                                            base + ".htm", path)) {
        return;
    }
    BeginCommand();
    const HtmlPageInfo info{program_.identity.ProductName, program_.identity.VersionText,
                            TodayText(program_.settings.number), TimeText()};
    if (!WriteTableHtml(program_.ui, *table_, path, info)) return;
    const std::string& browser = program_.settings.htmlBrowser;
    if (Trim(browser).empty()) {
        // No browser of its own: the desktop shows the page with its program for HTML.
        if (!program_.platform().OpenUrl(path)) {
            program_.platform().MessageBox(BoxKind::Note,
                                           "Meldung:", "Kein HTML Browser eingestellt: " + path);
        }
        return;
    }
    if (!program_.platform().StartProgram(browser + " \"" + path + "\"")) {
        ShowNote(program_.ui, browser + " not found");
    }
}

void Tdbf4::PrintTableReport() {
    if (!table_) return;
    program_.ui.errorFlag = false;
    const std::string title = program_.identity.ProductName + " " + program_.identity.VersionText;
    PrintTable(program_.report, *table_, title, Utf8ToOem(S(windowTitle())));
    program_.ui.errorFlag = false;
    SelectRecord(RecordNumber());
}

void Tdbf4::ShowStructure() {
    if (!table_) return;
    std::vector<std::string> lines;
    for (int i = 1; i <= table_->FieldCount(); ++i) {
        std::string line = PadRight(std::to_string(i), 4) + PadRight(table_->FieldName(i), 12) +
                           std::string(1, table_->FieldType(i)) + " " +
                           AlignRight(std::to_string(table_->FieldLength(i)), 4);
        if (table_->FieldDecimals(i) > 0) line += "," + std::to_string(table_->FieldDecimals(i));
        lines.push_back(line);
    }
    lines.push_back(RecordLabel(RecordNumber(), table_->RecordCount()));
    program_.platform().ShowTextScreen(S(windowTitle()), lines);
}

}  // namespace zel3
