#include "docu/list_choice_dialog.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace zel3 {

ListChoiceDialog::ListChoiceDialog(const QString& prompt, const QStringList& options, int selected,
                                   const HelpRequest& help, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("Tin_codedialog"));
    setWindowTitle(QStringLiteral("Auswahl"));
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(prompt, this);
    label->setObjectName(QStringLiteral("Label_prompt"));
    label->setWordWrap(true);
    label->setMinimumSize(300, 39);
    layout->addWidget(label);
    list_ = new QListWidget(this);
    list_->setObjectName(QStringLiteral("ListBox1"));
    list_->addItems(options);
    layout->addWidget(list_);
    DialogButtons buttons = AddDialogButtons(*this, *layout, help);
    connect(buttons.ok, &QPushButton::clicked, this, &QDialog::accept);
    for (QPushButton* b : {buttons.cancel, buttons.helpText, buttons.helpPicture})
        b->setAutoDefault(false);

    QPushButton* ok = buttons.ok;
    auto updateOk = [this, ok] { ok->setEnabled(list_->currentRow() >= 0); };
    connect(list_, &QListWidget::currentRowChanged, this, updateOk);
    connect(list_, &QListWidget::itemDoubleClicked, this, &QDialog::accept);
    if (selected >= 1 && selected <= list_->count()) {
        list_->setCurrentRow(selected - 1);
        list_->scrollToItem(list_->currentItem());
    }
    updateOk();
    list_->setFocus();
}

int ListChoiceDialog::selected() const {
    return list_->currentRow() + 1;
}

}  // namespace zel3
