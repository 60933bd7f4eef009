#include "graphics/help_picture_window.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>
#include <algorithm>

#include "docu/qt_dialog_frame.h"
#include "graphics/help_text.h"
#include "graphics/qt_picture_file.h"
#include "shell/program.h"
#include "util/codepage.h"

namespace zel3 {

namespace {

QPushButton* Button(QWidget* parent, const QString& text, const char* name) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}

}  // namespace

TForm_hilfebild::TForm_hilfebild(const std::string& caption, const std::vector<std::string>& lines,
                                 int current, QWidget* parent)
    : QDialog(parent), lineCount_(static_cast<int>(lines.size())), current_(current) {
    setObjectName(QStringLiteral("TForm_hilfebild"));
    setWindowTitle(QString::fromUtf8(caption.c_str()));
    setWindowFlags(windowFlags() | Qt::Tool);
    auto* layout = new QVBoxLayout(this);

    auto* listRow = new QHBoxLayout;
    list_ = new QComboBox(this);
    list_->setObjectName(QStringLiteral("ComboBox_hilfebild"));
    list_->setMaxVisibleItems(20);
    QFont fixed(QStringLiteral("Monospace"));
    fixed.setStyleHint(QFont::TypeWriter);
    fixed.setPointSize(list_->font().pointSize());
    list_->setFont(fixed);
    for (const std::string& line : lines) list_->addItem(QString::fromUtf8(line.c_str()));
    list_->setCurrentIndex(std::clamp(current, 1, std::max(lineCount_, 1)) - 1);
    list_->setMinimumContentsLength(60);
    listRow->addWidget(list_, 1);
    auto* spin = new QVBoxLayout;
    spin->setSpacing(0);
    auto* up = new QToolButton(this);
    up->setObjectName(QStringLiteral("SpinButton_up"));
    up->setArrowType(Qt::UpArrow);
    auto* down = new QToolButton(this);
    down->setObjectName(QStringLiteral("SpinButton_down"));
    down->setArrowType(Qt::DownArrow);
    spin->addWidget(up);
    spin->addWidget(down);
    listRow->addLayout(spin);
    layout->addLayout(listRow);

    auto* buttons = new QHBoxLayout;
    auto* ok = Button(this, QStringLiteral("OK"), "Button_ok");
    ok->setDefault(true);
    auto* append = Button(this, QStringLiteral("&Neu"), "Button_neu");
    auto* change = Button(this, QString::fromUtf8("&Ändern"), "Button_aendern");
    auto* insert = Button(this, QString::fromUtf8("&Einfügen"), "Button_einfuegen");
    auto* remove = Button(this, QString::fromUtf8("&Löschen"), "Button_loeschen");
    auto* help = Button(this, QStringLiteral("&Hilfe"), "Button_help");
    auto* save = Button(this, QStringLiteral("Bild &speichern..."), "Button_bildspeichern");
    save->setToolTip(QStringLiteral("SVG, PDF, PNG"));
    for (QPushButton* b : {ok, append, change, insert, remove, help, save}) buttons->addWidget(b);
    layout->addLayout(buttons);

    connect(list_, qOverload<int>(&QComboBox::activated), this,
            [this](int index) { Choose(index + 1); });
    connect(up, &QToolButton::clicked, this, [this] { Step(-1); });
    connect(down, &QToolButton::clicked, this, [this] { Step(1); });
    connect(ok, &QPushButton::clicked, this, &QDialog::reject);
    connect(append, &QPushButton::clicked, this, [this] { Ask(HelpBrowserAction::Append); });
    connect(change, &QPushButton::clicked, this, [this] { Ask(HelpBrowserAction::Change); });
    connect(insert, &QPushButton::clicked, this, [this] { Ask(HelpBrowserAction::Insert); });
    connect(remove, &QPushButton::clicked, this, [this] { Ask(HelpBrowserAction::Delete); });
    connect(help, &QPushButton::clicked, this, [this] { Ask(HelpBrowserAction::Help); });
    connect(save, &QPushButton::clicked, this, [this] {
        if (save_) save_();
    });
    list_->setFocus();
}

void TForm_hilfebild::Choose(int line) {
    if (line == current_ || line < 1 || line > lineCount_) return;
    request_ = RequestForLine(line, lineCount_);
    accept();
}

void TForm_hilfebild::Step(int delta) {
    Choose(std::clamp(current_ + delta, 1, lineCount_));
}

void TForm_hilfebild::Ask(HelpBrowserAction action) {
    request_ = {action, current_};
    accept();
}

HelpBrowserChooser MakeHelpPictureChooser(QWidget* owner,
                                          std::shared_ptr<std::optional<QPoint>> position) {
    return [owner, position](Program& program, const std::vector<std::string>& lines,
                             int current) -> HelpBrowserRequest {
        SetHelpNumber(program.ui, 2300);
        std::vector<std::string> shown;
        shown.reserve(lines.size());
        for (const std::string& line : lines) shown.push_back(OemToUtf8(line));
        TForm_hilfebild window(program.identity.ProductName + " Hilfebilder", shown, current,
                               owner);
        window.SetSavePicture([&program] { SavePictureAs(program); });
        ApplyDialogFrame(window, owner,
                         {program.settings.inputWindowScale, program.settings.dialogContentScale},
                         false, true);
        if (*position) {
            window.move(**position);
        } else if (owner) {
            // Beside the picture, at the top right of the window.
            const QRect frame = owner->frameGeometry();
            window.move(frame.right() - window.width(), frame.top() + 40);
        }
        const int result = window.exec();
        *position = window.pos();
        if (result != QDialog::Accepted) {
            program.ui.errorFlag = true;
            return {};
        }
        return window.Request();
    };
}

}  // namespace zel3
