#pragma once
// The fixed text screen (the command-line help shown in a window): the title line and up to
// 21 further lines in a fixed font, and "OK".

#include <QDialog>
#include <QStringList>

class QPlainTextEdit;

namespace zel3 {

class TextScreenDialog : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kMaxLines = 21;  // below the title

    TextScreenDialog(const QString& caption, const QString& title, const QStringList& lines,
                     QWidget* parent = nullptr);
    QString text() const;

  private:
    QPlainTextEdit* text_ = nullptr;
};

}  // namespace zel3
