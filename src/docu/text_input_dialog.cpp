#include "docu/text_input_dialog.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zel3 {

TextInputDialog::TextInputDialog(const QString& prompt, int maxLength, const QString& preset,
                                 const HelpRequest& help, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("Tin_textdialog"));
    setWindowTitle(QStringLiteral("Eingabe"));
    setSizeGripEnabled(true);
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(prompt, this);
    label->setObjectName(QStringLiteral("Label_prompt"));
    label->setWordWrap(true);
    label->setMinimumSize(300, 33);
    layout->addWidget(label);
    edit_ = new QLineEdit(this);
    edit_->setObjectName(QStringLiteral("EditEinText"));
    edit_->setMaxLength(qMax(1, maxLength));
    edit_->setText(preset);
    edit_->selectAll();
    layout->addWidget(edit_);
    DialogButtons buttons = AddDialogButtons(*this, *layout, help);
    connect(buttons.ok, &QPushButton::clicked, this, &QDialog::accept);
    // Enter anywhere but on another button is OK.
    for (QPushButton* b : {buttons.cancel, buttons.helpText, buttons.helpPicture})
        b->setAutoDefault(false);
    edit_->setFocus();
}

QString TextInputDialog::text() const {
    return edit_->text();
}

}  // namespace zel3
