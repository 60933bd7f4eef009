#include "report/message_description_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zel3 {

MessageDescriptionDialog::MessageDescriptionDialog(const QString& message, const QString& cause,
                                                   const QString& remedy, const HelpRequest& help,
                                                   QWidget* parent, const DescriptionLabels& labels)
    : QDialog(parent) {
    setObjectName(QStringLiteral("Thelperr"));
    setWindowTitle(QString::fromStdString(labels.message));
    auto* layout = new QVBoxLayout(this);

    auto* messageLabel = new QLabel(QString::fromStdString(labels.message), this);
    messageLabel->setObjectName(QStringLiteral("Label_message"));
    auto* messageEdit = new QLineEdit(message, this);
    messageEdit->setObjectName(QStringLiteral("Edit_message"));
    messageEdit->setReadOnly(true);
    messageLabel->setBuddy(messageEdit);
    layout->addWidget(messageLabel);
    layout->addWidget(messageEdit);

    auto addMemo = [&](const std::string& caption, const QString& text, const char* name) {
        auto* label = new QLabel(QString::fromStdString(caption), this);
        label->setObjectName(QStringLiteral("Label_") + QString::fromLatin1(name + 5));
        auto* memo = new QPlainTextEdit(this);
        memo->setObjectName(QString::fromLatin1(name));
        memo->setPlainText(text);
        memo->setMinimumSize(420, 70);
        label->setBuddy(memo);
        layout->addWidget(label);
        layout->addWidget(memo);
        return memo;
    };
    cause_ = addMemo(labels.cause, cause, "Memo_ursache");
    remedy_ = addMemo(labels.remedy, remedy, "Memo_abhilfe");
    // Filling the fields above is not an edit; only what the user types marks the window.
    connect(cause_, &QPlainTextEdit::textChanged, this, [this] { changed_ = true; });
    connect(remedy_, &QPlainTextEdit::textChanged, this, [this] { changed_ = true; });

    auto* row = new QHBoxLayout;
    auto* helpButton = new QPushButton(QString::fromStdString(labels.help), this);
    helpButton->setObjectName(QStringLiteral("Button_help"));
    helpButton->setAutoDefault(false);
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Button_ok"));
    row->addStretch();
    row->addWidget(helpButton);
    row->addWidget(ok);
    layout->addLayout(row);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    if (help)
        connect(helpButton, &QPushButton::clicked, this, [help] { help(false); });
    else
        helpButton->setEnabled(false);
}

QString MessageDescriptionDialog::cause() const {
    return cause_->toPlainText();
}
QString MessageDescriptionDialog::remedy() const {
    return remedy_->toPlainText();
}

}  // namespace zel3
