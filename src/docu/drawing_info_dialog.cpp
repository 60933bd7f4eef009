#include "docu/drawing_info_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "docu/qt_dialog_buttons.h"
#include "util/qt_text.h"

namespace zel3 {

namespace {
std::string Cell(const QTableWidget* t, int row, int column) {
    const QTableWidgetItem* item = t->item(row, column);
    return item ? S(item->text()) : std::string();
}
}  // namespace

DrawingInfoDialog::DrawingInfoDialog(const DrawingInfoForm& form, const HelpRequest& help,
                                     QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("TForm_zeichInfo"));
    setWindowTitle(QStringLiteral("Zeichnungsinfo"));
    auto* layout = new QVBoxLayout(this);

    auto* top = new QGridLayout;
    auto addEdit = [&](int row, const QString& caption, const char* name,
                       const std::string& value) {
        auto* edit = new QLineEdit(Q(value), this);
        edit->setObjectName(QString::fromLatin1(name));
        edit->setMaxLength(static_cast<int>(kReplaceLength));
        auto* label = new QLabel(caption, this);
        label->setBuddy(edit);
        top->addWidget(label, row, 0);
        top->addWidget(edit, row, 1);
        return edit;
    };
    replaces_ = addEdit(0, QStringLiteral("Ersatz für"), "Edit_ersatzfuer", form.replaces);
    replacedBy_ = addEdit(1, QStringLiteral("Ersetzt durch"), "Edit_ersetztdurch", form.replacedBy);
    top->setColumnStretch(2, 1);
    layout->addLayout(top);

    // Sign-off table; the third column holds the buttons that date a row today.
    signOff_ = new QTableWidget(kSignOffRows, 3, this);
    signOff_->setObjectName(QStringLiteral("StringGrid1"));
    signOff_->setHorizontalHeaderLabels({QStringLiteral("Datum"), QStringLiteral("Name"), {}});
    QStringList rows;
    for (const auto& c : form.rowCaptions) rows << Q(c);
    signOff_->setVerticalHeaderLabels(rows);
    const QString today = Q(form.today);
    for (int r = 0; r < kSignOffRows; ++r) {
        signOff_->setItem(r, 0, new QTableWidgetItem(Q(form.dates[r])));
        signOff_->setItem(r, 1, new QTableWidgetItem(Q(form.names[r])));
        auto* button = new QPushButton(QStringLiteral("< ") + today, signOff_);
        button->setObjectName(QStringLiteral("Button_heute%1").arg(r + 1));
        button->setAutoDefault(false);
        connect(button, &QPushButton::clicked, this,
                [this, r, today] { signOff_->item(r, 0)->setText(today); });
        signOff_->setCellWidget(r, 2, button);
    }
    signOff_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    signOff_->setFixedHeight(signOff_->horizontalHeader()->sizeHint().height() +
                             kSignOffRows * signOff_->verticalHeader()->defaultSectionSize() + 4);
    layout->addWidget(signOff_);

    placements_ = new QTableWidget(kMaxPlacements, kPlacementColumns, this);
    placements_->setObjectName(QStringLiteral("StringGrid2"));
    placements_->setHorizontalHeaderLabels({QStringLiteral("x"), QStringLiteral("y"),
                                            QStringLiteral("h"), QStringLiteral("phi"),
                                            QStringLiteral("Text")});
    for (int r = 0; r < kMaxPlacements; ++r) {
        for (int c = 0; c < kPlacementColumns; ++c)
            placements_->setItem(r, c, new QTableWidgetItem(Q(form.placements[r][c])));
    }
    for (int c = 0; c < 4; ++c) placements_->setColumnWidth(c, 60);
    placements_->horizontalHeader()->setStretchLastSection(true);
    placements_->setMinimumSize(560, 200);
    layout->addWidget(placements_);

    AddOkCancelHelpRow(*this, *layout, help);
}

void DrawingInfoDialog::Store(DrawingInfoForm& form) const {
    form.replaces = S(replaces_->text());
    form.replacedBy = S(replacedBy_->text());
    for (int r = 0; r < kSignOffRows; ++r) {
        form.dates[r] = Cell(signOff_, r, 0);
        form.names[r] = Cell(signOff_, r, 1);
    }
    for (int r = 0; r < kMaxPlacements; ++r) {
        for (int c = 0; c < kPlacementColumns; ++c) form.placements[r][c] = Cell(placements_, r, c);
    }
}

}  // namespace zel3
