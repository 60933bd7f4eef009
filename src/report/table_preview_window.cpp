#include "report/table_preview_window.h"

#include <QAction>
#include <QGuiApplication>
#include <QHeaderView>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "docu/qt_dialog_buttons.h"
#include "util/qt_text.h"

namespace zel3 {

namespace {

constexpr int kFileColumnWidth = 150;
constexpr int kDateColumnWidth = 64;
constexpr int kTextColumnWidth = 90;
constexpr int kMinimumGridWidth = 480;

int MaximumGridWidth() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry().width() * 9 / 10 : 1200;
}

}  // namespace

TForm_preview::TForm_preview(const PreviewTexts& texts, Rows& rows, int selected,
                             std::function<void(bool picture)> help,
                             std::function<bool(const Rows&)> exportRows, QWidget* parent)
    : QDialog(parent), rows_(rows), selected_(selected), exportRows_(std::move(exportRows)) {
    setObjectName(QStringLiteral("TForm_preview"));
    setWindowTitle(Q(texts.caption));
    setSizeGripEnabled(true);
    auto* layout = new QVBoxLayout(this);

    auto* bar = new QMenuBar(this);
    layout->setMenuBar(bar);
    QMenu* file = bar->addMenu(Q(texts.fileMenu));
    file->setObjectName(QStringLiteral("mi_previewFile"));
    QAction* exportItem = file->addAction(QStringLiteral("Export Excel"));
    exportItem->setObjectName(QStringLiteral("mi_previewExport"));
    connect(exportItem, &QAction::triggered, this, [this] { ExportExcel(); });
    file->addSeparator();
    QAction* exitItem = file->addAction(Q(texts.exitItem));
    exitItem->setObjectName(QStringLiteral("mi_previewExit"));
    connect(exitItem, &QAction::triggered, this, [this] { reject(); });
    QMenu* helpMenu = bar->addMenu(Q(texts.helpMenu));
    helpMenu->setObjectName(QStringLiteral("mi_previewHelp"));
    QAction* helpItem = helpMenu->addAction(Q(texts.helpMenu));
    helpItem->setObjectName(QStringLiteral("mi_previewHelpText"));
    connect(helpItem, &QAction::triggered, this, [help] {
        if (help) help(false);
    });

    grid_ = new QTableWidget(this);
    grid_->setObjectName(QStringLiteral("StringGrid1"));
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
    grid_->setSelectionMode(QAbstractItemView::SingleSelection);
    grid_->setAlternatingRowColors(true);
    grid_->verticalHeader()->hide();
    grid_->verticalHeader()->setDefaultSectionSize(grid_->fontMetrics().height() + 6);
    grid_->horizontalHeader()->setSectionsClickable(true);
    grid_->horizontalHeader()->setToolTip(QStringLiteral("Sortieren: Spaltentitel anklicken"));
    grid_->setMinimumHeight(320);
    layout->addWidget(grid_, 1);
    connect(grid_->horizontalHeader(), &QHeaderView::sectionClicked, this,
            [this](int column) { SortByColumn(column); });
    connect(grid_, &QTableWidget::cellClicked, this, [this](int row, int) { Pick(row); });
    connect(grid_, &QTableWidget::cellActivated, this, [this](int row, int) { Pick(row); });

    auto* buttonRow = new QHBoxLayout;
    buttonRow->addStretch();
    const DialogButtons buttons = AddDialogButtons(*this, *buttonRow, help);
    layout->addLayout(buttonRow);
    // Closing the window by any means picks nothing.
    connect(buttons.ok, &QPushButton::clicked, this, [this] { reject(); });

    Fill();
}

void TForm_preview::Fill() {
    const int columns = rows_.empty() ? 0 : static_cast<int>(rows_[0].size());
    grid_->clear();
    grid_->setColumnCount(columns);
    grid_->setRowCount(rows_.empty() ? 0 : static_cast<int>(rows_.size()) - 1);
    QStringList heads;
    for (int c = 0; c < columns; ++c) heads << Q(rows_[0][static_cast<size_t>(c)]);
    grid_->setHorizontalHeaderLabels(heads);
    QFont fixed = grid_->font();
    fixed.setBold(true);
    for (size_t r = 1; r < rows_.size(); ++r) {
        for (int c = 0; c < columns && c < static_cast<int>(rows_[r].size()); ++c) {
            auto* item = new QTableWidgetItem(Q(rows_[r][static_cast<size_t>(c)]));
            if (c == 0) item->setFont(fixed);  // the row's heading
            if (c >= 4) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            grid_->setItem(static_cast<int>(r) - 1, c, item);
        }
    }
    grid_->resizeColumnsToContents();
    if (columns > 0) grid_->setColumnWidth(0, std::max(kFileColumnWidth, grid_->columnWidth(0)));
    if (columns > 1) grid_->setColumnWidth(1, std::max(kDateColumnWidth, grid_->columnWidth(1)));
    for (int c = 2; c < 4 && c < columns; ++c) {
        grid_->setColumnWidth(c, std::max(kTextColumnWidth, grid_->columnWidth(c)));
    }
    // Wide enough for every column where the screen allows it.
    int width = 2 * grid_->frameWidth() + grid_->verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < columns; ++c) width += grid_->columnWidth(c);
    grid_->setMinimumWidth(std::min(std::max(width, kMinimumGridWidth), MaximumGridWidth()));
    if (selected_ > 0 && selected_ <= grid_->rowCount()) {
        grid_->selectRow(selected_ - 1);
        grid_->scrollToItem(grid_->item(selected_ - 1, 0));
    }
}

void TForm_preview::SortByColumn(int column) {
    if (rows_.size() < 3 || column < 0) return;
    auto text = [column](const std::vector<std::string>& row) -> const std::string& {
        static const std::string kEmpty;
        return static_cast<size_t>(column) < row.size() ? row[static_cast<size_t>(column)] : kEmpty;
    };
    // The picked row moves with its texts.
    const std::vector<std::string> selectedRow =
        selected_ > 0 && static_cast<size_t>(selected_) < rows_.size()
            ? rows_[static_cast<size_t>(selected_)]
            : std::vector<std::string>();
    std::stable_sort(rows_.begin() + 1, rows_.end(),
                     [&](const auto& a, const auto& b) { return text(a) < text(b); });
    if (!selectedRow.empty()) {
        const auto it = std::find(rows_.begin() + 1, rows_.end(), selectedRow);
        selected_ = static_cast<int>(it - rows_.begin());
    }
    Fill();
}

void TForm_preview::Pick(int gridRow) {
    const int row = gridRow + 1;
    if (row < 1 || row == selected_) return;
    picked_ = row;
    accept();
}

void TForm_preview::ExportExcel() {
    if (!exportRows_ || !exportRows_(rows_)) {
        QMessageBox::information(this, windowTitle(), QStringLiteral("Could not start Excel"));
    }
}

}  // namespace zel3
