// The colour picker of the settings dialog.
#include <QDialog>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

#include "config/settings_dialog.h"
#include "docu/qt_dialog_buttons.h"

namespace zel3 {

bool PickColorNumber(QWidget* parent, int& number) {
    QDialog dlg(parent);
    dlg.setObjectName(QStringLiteral("TForm_selectcolor"));
    dlg.setWindowTitle(QStringLiteral("Select Color"));
    auto* layout = new QVBoxLayout(&dlg);
    auto* list = new QListWidget(&dlg);
    list->setObjectName(QStringLiteral("ListBox_color"));
    for (int n = 1; n <= 16; ++n) list->addItem(QString::fromStdString(ColorEntry(n)));
    list->setCurrentRow(number >= 1 && number <= 16 ? number - 1 : 0);
    list->setMinimumHeight(list->sizeHintForRow(0) * 16 + 2 * list->frameWidth());
    layout->addWidget(list);
    DialogButtons b = AddDialogButtons(dlg, *layout, {});
    b.helpText->hide();
    b.helpPicture->hide();
    QObject::connect(b.ok, &QPushButton::clicked, &dlg, &QDialog::accept);
    QObject::connect(list, &QListWidget::itemDoubleClicked, &dlg, &QDialog::accept);
    if (dlg.exec() != QDialog::Accepted || list->currentRow() < 0) return false;
    number = list->currentRow() + 1;
    return true;
}

}  // namespace zel3
