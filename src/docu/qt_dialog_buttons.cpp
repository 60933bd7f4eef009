#include "docu/qt_dialog_buttons.h"

#include <QBoxLayout>
#include <QDialog>
#include <QHBoxLayout>
#include <QPushButton>

namespace zel3 {

DialogButtons AddDialogButtons(QDialog& dialog, QBoxLayout& layout, const HelpRequest& help) {
    DialogButtons b;
    auto* row = new QHBoxLayout;
    auto make = [&](const char* text, const char* name) {
        auto* button = new QPushButton(QString::fromUtf8(text), &dialog);
        button->setObjectName(QString::fromLatin1(name));
        row->addWidget(button);
        return button;
    };
    b.ok = make("OK", "Button_ok");
    b.cancel = make("Abbrechen", "Button_cancel");
    b.helpText = make("&Hilfetext", "Button_help");
    b.helpPicture = make("Hilfe&bild", "Button_hilfebild");
    b.ok->setDefault(true);
    QObject::connect(b.cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    if (help) {
        QObject::connect(b.helpText, &QPushButton::clicked, &dialog, [help] { help(false); });
        QObject::connect(b.helpPicture, &QPushButton::clicked, &dialog, [help] { help(true); });
    } else {
        b.helpText->setEnabled(false);
        b.helpPicture->setEnabled(false);
    }
    layout.addLayout(row);
    return b;
}

}  // namespace zel3
