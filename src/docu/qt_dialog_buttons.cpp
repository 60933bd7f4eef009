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

void AddOkCancelHelpRow(QDialog& dialog, QBoxLayout& layout, const HelpRequest& help,
                        const char* helpCaption) {
    auto* row = new QHBoxLayout;
    auto* ok = new QPushButton(QStringLiteral("OK"), &dialog);
    ok->setObjectName(QStringLiteral("Button_ok"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Abbrechen"), &dialog);
    cancel->setObjectName(QStringLiteral("Button_cancel"));
    auto* helpButton = new QPushButton(QString::fromUtf8(helpCaption), &dialog);
    helpButton->setObjectName(QStringLiteral("Button_help"));
    helpButton->setAutoDefault(false);
    row->addStretch();
    row->addWidget(ok);
    row->addWidget(cancel);
    row->addWidget(helpButton);
    layout.addLayout(row);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    QObject::connect(cancel, &QPushButton::clicked, &dialog, &QDialog::reject);
    if (help)
        QObject::connect(helpButton, &QPushButton::clicked, &dialog, [help] { help(false); });
    else
        helpButton->setEnabled(false);
}

}  // namespace zel3
