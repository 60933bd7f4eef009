#include "shell/text_screen_dialog.h"

#include <QDialogButtonBox>
#include <QFontMetrics>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace zel3 {

TextScreenDialog::TextScreenDialog(const QString& caption, const QString& title,
                                   const QStringList& lines, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("TextScreen"));
    setWindowTitle(caption);
    auto* layout = new QVBoxLayout(this);
    text_ = new QPlainTextEdit(this);
    text_->setObjectName(QStringLiteral("Memo1"));
    text_->setReadOnly(true);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    QFont font(QStringLiteral("Courier"));
    font.setStyleHint(QFont::TypeWriter);
    font.setPixelSize(13);
    text_->setFont(font);
    QStringList all{title};
    all += lines.mid(0, kMaxLines);
    text_->setPlainText(all.join(QLatin1Char('\n')));
    layout->addWidget(text_);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("Button_ok"));
    ok->setDefault(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    layout->addWidget(buttons);

    // Room for 72 columns and the 22 lines without scrolling.
    const QFontMetrics m(font);
    resize(m.horizontalAdvance(QString(74, QLatin1Char('M'))) + 40,
           m.lineSpacing() * (kMaxLines + 1) + 90);
}

QString TextScreenDialog::text() const {
    return text_->toPlainText();
}

}  // namespace zel3
