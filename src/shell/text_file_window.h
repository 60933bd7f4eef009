#pragma once
// The report viewer: a text file (UTF-8) read-only in the report font, with the menus
// "&Datei" (open in the desktop's text editor, print, close) and "&Bearbeiten" (select all,
// copy).

#include <QDialog>
#include <functional>

class QPlainTextEdit;

namespace zel3 {

struct TextFileActions {
    std::function<void(const QString& path)> openInEditor;  // "Export &Notepad"
    std::function<void(const QString& path)> print;         // "&Drucken..."
};

class TextFileWindow : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kWidth = 630;
    static constexpr int kHeight = 460;

    TextFileWindow(const QString& path, const QFont& font, const TextFileActions& actions,
                   QWidget* parent = nullptr);

    bool fileFound() const { return found_; }
    QPlainTextEdit* textField() const { return text_; }

  private:
    QString path_;
    QPlainTextEdit* text_ = nullptr;
    bool found_ = false;
};

// The font of reports from the settings: name, size in points and the style bits (1 bold,
// 2 italic, 4 underline, 8 strike-out).
QFont ReportFont(const QString& name, int pointSize, int style);

}  // namespace zel3
