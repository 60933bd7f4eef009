#include "config/settings_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "util/codepage.h"
#include "util/file_prompts.h"
#include "util/prompts.h"
#include "util/qt_text.h"

namespace zel3 {

RadioGroupBox::RadioGroupBox(const QString& objectName, const QString& title,
                             const QStringList& items, QWidget* parent, int columns)
    : QGroupBox(title, parent), group_(new QButtonGroup(this)) {
    setObjectName(objectName);
    auto* grid = new QGridLayout(this);
    const int rows = (static_cast<int>(items.size()) + columns - 1) / columns;
    for (int i = 0; i < items.size(); ++i) {
        auto* rb = new QRadioButton(items[i], this);
        rb->setObjectName(objectName + QString::number(i + 1));
        group_->addButton(rb, i);
        grid->addWidget(rb, i % rows, i / rows);
    }
}

int RadioGroupBox::index() const {
    return group_->checkedId();
}

void RadioGroupBox::setIndex(int index) {
    if (QAbstractButton* b = group_->button(index)) b->setChecked(true);
}

SettingsDialog::SettingsDialog(Settings& settings, UiState& ui, SettingsEnvironment env,
                               QWidget* parent)
    : QDialog(parent), target_(settings), working_(settings), ui_(ui), env_(std::move(env)) {
    setObjectName(QStringLiteral("Tconfig"));
    setWindowTitle(QStringLiteral("Konfiguration"));
    auto* layout = new QVBoxLayout(this);
    tabs_ = new QTabWidget(this);
    tabs_->setObjectName(QStringLiteral("PageControl"));
    tabs_->addTab(buildDirectories(), QStringLiteral("Directories"));
    tabs_->addTab(buildGraphics(), QStringLiteral("Grafik"));
    tabs_->addTab(buildCad(), QStringLiteral("CAD"));
    tabs_->addTab(buildColors(), QStringLiteral("Farben"));
    tabs_->addTab(buildPrinter(), QStringLiteral("Drucker"));
    tabs_->addTab(buildTextPrint(), QStringLiteral("Ausdruck"));
    tabs_->addTab(buildOptions(), QStringLiteral("Einstellungen"));
    tabs_->addTab(buildExtern(), QStringLiteral("Extern"));
    tabs_->addTab(buildDrawing(), QStringLiteral("Zeichnung"));
    layout->addWidget(tabs_);

    auto* row = new QHBoxLayout;
    auto* ok = button(this, QStringLiteral("OK"), "Button_ok");
    auto* cancel = button(this, QStringLiteral("Abbrechen"), "Button_cancel");
    auto* save = button(this, QStringLiteral("&Speichern"), "Button_save");
    auto* import = button(this, QStringLiteral("Import.."), "Button_import");
    ok->setDefault(true);
    row->addWidget(import);
    row->addStretch(1);
    for (QPushButton* b : {ok, cancel, save}) row->addWidget(b);
    layout->addLayout(row);
    connect(ok, &QPushButton::clicked, this, [this] {
        Store();
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(save, &QPushButton::clicked, this, &SettingsDialog::Save);
    connect(import, &QPushButton::clicked, this, &SettingsDialog::Import);
    save->setEnabled(static_cast<bool>(env_.save));

    Fill(SettingsFormFrom(working_));
}

QWidget* SettingsDialog::page(const char* objectName, int topic, QVBoxLayout*& content) {
    auto* w = new QWidget(this);
    w->setObjectName(QString::fromLatin1(objectName));
    auto* outer = new QVBoxLayout(w);
    content = new QVBoxLayout;
    outer->addLayout(content);
    outer->addStretch(1);
    auto* row = new QHBoxLayout;
    row->addStretch(1);
    auto* help = new QPushButton(QStringLiteral("&Hilfe"), w);
    help->setObjectName(QStringLiteral("Button_help_%1").arg(topic));
    help->setAutoDefault(false);
    help->setEnabled(static_cast<bool>(env_.showHelp));
    connect(help, &QPushButton::clicked, this, [this, topic] {
        if (env_.showHelp) env_.showHelp(topic);
    });
    row->addWidget(help);
    outer->addLayout(row);
    return w;
}

QLineEdit* SettingsDialog::edit(QWidget* parent, const char* name, int maxLength) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(QString::fromLatin1(name));
    if (maxLength > 0) e->setMaxLength(maxLength);
    return e;
}

QLabel* SettingsDialog::labelFor(const QString& text, QWidget* buddy, QWidget* parent) {
    auto* l = new QLabel(text, parent);
    if (buddy) l->setBuddy(buddy);
    return l;
}

QSpinBox* SettingsDialog::spin(QWidget* parent, const char* name, int low, int high) {
    auto* s = new QSpinBox(parent);
    s->setObjectName(QString::fromLatin1(name));
    s->setRange(low, high);
    return s;
}

QPushButton* SettingsDialog::button(QWidget* parent, const QString& text, const char* name) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

QPushButton* SettingsDialog::lessButton(QWidget* parent, const char* name) {
    QPushButton* b = button(parent, QStringLiteral("<"), name);
    b->setMaximumWidth(b->fontMetrics().horizontalAdvance(QStringLiteral("<")) + 20);
    return b;
}

QCheckBox* SettingsDialog::check(QWidget* parent, const char* name, const QString& text) {
    auto* c = new QCheckBox(text, parent);
    c->setObjectName(QString::fromLatin1(name));
    return c;
}

SettingsFormContext SettingsDialog::context() const {
    SettingsFormContext c;
    c.screen = env_.screen;
    // Before the dialog is shown it has no frame yet; the window frame stands in then.
    const int fw = frameGeometry().width() - width();
    const int fh = frameGeometry().height() - height();
    c.frameWidth = isVisible() ? fw : env_.graphicsWindow.width - env_.graphicsWindow.clientWidth;
    c.frameHeight =
        isVisible() ? fh : env_.graphicsWindow.height - env_.graphicsWindow.clientHeight;
    return c;
}

void SettingsDialog::Store() {
    StoreSettingsForm(Form(), working_, context());
    target_ = working_;
}

void SettingsDialog::Save() {
    Store();
    if (env_.save) env_.save(target_);
}

void SettingsDialog::Import() {
    const std::string path = PickFile(ui_, working_.folders.HomeDir, "*.cfg|*.cfg");
    if (ui_.errorFlag) {
        ui_.errorFlag = false;
        return;
    }
    Settings imported = working_;
    if (!ImportConfiguration(imported, path, ui_)) {
        ui_.errorFlag = false;
        return;
    }
    working_ = imported;
    Fill(SettingsFormFrom(working_));
}

void SettingsDialog::pickFolder(QLineEdit* field) {
    field->setText(Q(PickFolder(ui_, S(field->text()))));
}

void SettingsDialog::pickProgram(QLineEdit* field) {
    const std::string chosen = PickFile(ui_, S(field->text()), "Programme|*");
    if (ui_.errorFlag) {
        ui_.errorFlag = false;
        return;
    }
    field->setText(Q(chosen));
}

void SettingsDialog::setGridColor(QTableWidget* grid, int row, int color) {
    QTableWidgetItem* item = grid->item(row, grid == colors_ ? 0 : 1);
    item->setData(Qt::UserRole, color);
    item->setText(Q(ColorEntry(color)));
    if (grid == colors_) {
        grid->verticalHeaderItem(row)->setText(
            QStringLiteral("Farbe für Layer %1 (%2)").arg(16 + row).arg(Q(ColorName(color))));
    }
}

void SettingsDialog::pickLayerColor(QTableWidget* grid, int row) {
    if (row < 0) return;
    const int column = grid == colors_ ? 0 : 1;
    int color = grid->item(row, column)->data(Qt::UserRole).toInt();
    if (PickColorNumber(this, color)) setGridColor(grid, row, color);
}

void SettingsDialog::resizeDrawingArea() {
    if (!env_.resizeDrawingArea) return;
    const SettingsFormContext c = context();
    env_.resizeDrawingArea(DrawingAreaFromField(S(x_->text()), c.screen.width, c.frameWidth) + 1,
                           DrawingAreaFromField(S(y_->text()), c.screen.height, c.frameHeight) + 1);
}

void SettingsDialog::editPlotLine(bool form) {
    const int row = kavrot_->currentRow();
    if (row < 0) return;
    std::string line = S(kavrot_->item(row)->text());
    if (form) {
        if (!env_.editPlotCommand || !env_.editPlotCommand(line)) return;
    } else {
        std::string oem = Utf8ToOem(line);
        AskText(ui_, "KAVROT Command Line", 80, oem);
        if (ui_.errorFlag) {
            ui_.errorFlag = false;
            return;
        }
        line = OemToUtf8(oem);
    }
    kavrot_->item(row)->setText(Q(line));
}

}  // namespace zel3
