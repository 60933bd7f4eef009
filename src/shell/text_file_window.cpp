#include "shell/text_file_window.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QVBoxLayout>

namespace zel3 {

QFont ReportFont(const QString& name, int pointSize, int style) {
    QFont font(name.isEmpty() ? QStringLiteral("Courier New") : name);
    font.setStyleHint(QFont::TypeWriter);
    font.setPointSize(pointSize > 0 ? pointSize : 10);
    font.setBold((style & 1) != 0);
    font.setItalic((style & 2) != 0);
    font.setUnderline((style & 4) != 0);
    font.setStrikeOut((style & 8) != 0);
    return font;
}

TextFileWindow::TextFileWindow(const QString& path, const QFont& font,
                               const TextFileActions& actions, QWidget* parent)
    : QDialog(parent), path_(path) {
    setObjectName(QStringLiteral("TextFileWindow"));
    setWindowTitle(path);
    setSizeGripEnabled(true);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);

    text_ = new QPlainTextEdit(this);
    text_->setObjectName(QStringLiteral("Memo1"));
    text_->setReadOnly(true);
    text_->setLineWrapMode(QPlainTextEdit::NoWrap);
    text_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    text_->setFont(font);
    QFile file(path);
    found_ = file.open(QIODevice::ReadOnly);
    if (found_) {
        // Form feeds separate the pages of a report; on screen they would show as boxes.
        QString content = QString::fromUtf8(file.readAll());
        content.remove(QLatin1Char('\f'));
        content.remove(QLatin1Char('\r'));
        text_->setPlainText(content);
    } else {
        text_->setPlainText(path + QStringLiteral(" not found !"));
    }
    layout->addWidget(text_);

    auto* bar = new QMenuBar(this);
    layout->setMenuBar(bar);
    QMenu* fileMenu = bar->addMenu(QStringLiteral("&Datei"));
    fileMenu->setObjectName(QStringLiteral("mi_datei"));
    QAction* editor = fileMenu->addAction(QStringLiteral("Export &Notepad"));
    editor->setObjectName(QStringLiteral("mi_dateiNotepad"));
    QAction* print = fileMenu->addAction(QStringLiteral("&Drucken..."));
    print->setObjectName(QStringLiteral("mi_dateiDrucken"));
    fileMenu->addSeparator();
    QAction* quit = fileMenu->addAction(QStringLiteral("&Beenden"));
    quit->setObjectName(QStringLiteral("mi_dateiBeenden"));
    QMenu* editMenu = bar->addMenu(QStringLiteral("&Bearbeiten"));
    editMenu->setObjectName(QStringLiteral("mi_bearbeiten"));
    QAction* selectAll = editMenu->addAction(QStringLiteral("Alles aus&wählen"));
    selectAll->setObjectName(QStringLiteral("mi_bearbeitenAlles"));
    QAction* copy = editMenu->addAction(QStringLiteral("&Kopieren"));
    copy->setObjectName(QStringLiteral("mi_bearbeitenKopieren"));

    // A missing file has nothing to hand on.
    editor->setEnabled(found_ && actions.openInEditor);
    print->setEnabled(found_ && actions.print);
    connect(editor, &QAction::triggered, this, [this, actions] { actions.openInEditor(path_); });
    connect(print, &QAction::triggered, this, [this, actions] { actions.print(path_); });
    connect(quit, &QAction::triggered, this, &QDialog::accept);
    connect(selectAll, &QAction::triggered, text_, &QPlainTextEdit::selectAll);
    connect(copy, &QAction::triggered, text_, &QPlainTextEdit::copy);

    resize(kWidth, kHeight);
}

}  // namespace zel3
