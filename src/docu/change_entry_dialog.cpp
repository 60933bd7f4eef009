#include "docu/change_entry_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "docu/qt_dialog_buttons.h"
#include "util/qt_text.h"

namespace zel3 {

ChangeEntryDialog::ChangeEntryDialog(const ChangeForm& form, const HelpRequest& help,
                                     QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("TForm_EinAend"));
    setWindowTitle(QStringLiteral("Änderung %1").arg(form.number));
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    layout->addLayout(grid);

    auto addEdit = [&](int row, const QString& caption, const char* name, const std::string& value,
                       int maxLength) {
        auto* edit = new QLineEdit(Q(value), this);
        edit->setObjectName(QString::fromLatin1(name));
        edit->setMaxLength(maxLength);
        auto* label = new QLabel(caption, this);
        label->setBuddy(edit);
        grid->addWidget(label, row, 0);
        grid->addWidget(edit, row, 1);
        return edit;
    };
    designation_ = addEdit(0, QStringLiteral("Änderungstext"), "Edit_aenderung", form.designation,
                           static_cast<int>(kChangeDesignationLength));
    date_ = addEdit(1, QStringLiteral("Datum"), "Edit_datum", form.date,
                    static_cast<int>(kChangeDateLength));
    auto* today = new QPushButton(QStringLiteral("<") + Q(form.today), this);
    today->setObjectName(QStringLiteral("Button_datum"));
    today->setAutoDefault(false);
    grid->addWidget(today, 1, 2);
    const QString todayText = Q(form.today);
    connect(today, &QPushButton::clicked, this, [this, todayText] { date_->setText(todayText); });
    editor_ = addEdit(2, QStringLiteral("Bearbeiter"), "Edit_bearbeiter", form.editor,
                      static_cast<int>(kChangeEditorLength));

    auto* label = new QLabel(QStringLiteral("Beschreibung"), this);
    description_ = new QPlainTextEdit(Q(form.description), this);
    description_->setObjectName(QStringLiteral("Memo_beschreibung"));
    description_->setMinimumSize(380, 90);
    label->setBuddy(description_);
    grid->addWidget(label, 3, 0, Qt::AlignTop);
    grid->addWidget(description_, 3, 1, 1, 2);

    AddOkCancelHelpRow(*this, *layout, help);
}

void ChangeEntryDialog::Store(ChangeForm& form) const {
    form.designation = S(designation_->text());
    form.date = S(date_->text());
    form.editor = S(editor_->text());
    form.description = S(description_->toPlainText());
}

}  // namespace zel3
