#include "docu/yes_no_dialog.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zel3 {

YesNoDialog::YesNoDialog(const QString& prompt, char preset, const HelpRequest& help,
                         QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("Tin_janeindialog"));
    setWindowTitle(QStringLiteral("Eingabe"));
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(prompt, this);
    label->setObjectName(QStringLiteral("Label_prompt"));
    label->setWordWrap(true);
    label->setMinimumSize(250, 33);
    layout->addWidget(label);
    auto* group = new QGroupBox(QStringLiteral("Auswahl"), this);
    group->setObjectName(QStringLiteral("RadioGroup1"));
    auto* groupLayout = new QVBoxLayout(group);
    yes_ = new QRadioButton(QStringLiteral("&Ja"), group);
    no_ = new QRadioButton(QStringLiteral("&Nein"), group);
    groupLayout->addWidget(yes_);
    groupLayout->addWidget(no_);
    layout->addWidget(group);
    (preset == 'N' || preset == 'n' ? no_ : yes_)->setChecked(true);
    DialogButtons buttons = AddDialogButtons(*this, *layout, help);
    connect(buttons.ok, &QPushButton::clicked, this, [this] {
        okPressed_ = true;
        accept();
    });
    // Enter is not "OK" here: it is handled by keyPressEvent unless a button has the focus.
    buttons.ok->setDefault(false);
    (preset == 'N' || preset == 'n' ? no_ : yes_)->setFocus();
}

char YesNoDialog::answer() const {
    return no_->isChecked() ? 'N' : 'J';
}

void YesNoDialog::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier &&
        !qobject_cast<QPushButton*>(focusWidget())) {
        okPressed_ = false;
        accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

}  // namespace zel3
