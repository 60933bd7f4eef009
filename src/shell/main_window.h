#pragma once
// The main window: it carries the menu and shows every picture in its client area.

#include <QMainWindow>
#include <QPoint>
#include <functional>
#include <memory>
#include <optional>

#include "shell/program.h"
#include "shell/qt_translations.h"

class QAction;
class QLabel;
class QMenu;

namespace zel3 {

class DrawingAreaWidget;
struct WindowUpdates;

class MainWindow : public QMainWindow {
    Q_OBJECT
  public:
    explicit MainWindow(Program& program, QWidget* parent = nullptr);

    // Caption and recent-files entries.
    void UpdateCaption();
    // The "Error Messages" entry and the picture chosen by the result view.
    void Refresh();
    // Only the "Error Messages" entry: its caption carries the message count.
    void UpdateMessageEntry();
    // Switches the menu captions, the table browser's menus and Qt's own dialogs to
    // language n (1..9).
    void SwitchLanguage(int n);
    // Qt's own dialogs in language n, without touching the menus (0: the built-in captions).
    void ApplyQtTranslations(int n) { qtTranslations_.Apply(n); }
    DrawingAreaWidget* drawingArea() const { return area_; }
    // The status line's standing hint, after a new picture, project or language.
    void UpdateStatusHint();
    // Window size for a client area of exactly the configured drawing area, status line
    // included.
    void SizeToDrawingArea();

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    QAction* addItem(QMenu* menu, const QString& objectName, const QString& caption,
                     std::function<void()> handler);
    QMenu* addMenu(QMenu* parent, const QString& objectName, const QString& caption);
    void buildMenus();
    void applyMenuTexts();
    void runEdit(bool (*command)(Program&));
    void runView(const std::function<void(Program&)>& draw);
    void runFile(const std::function<void(const WindowUpdates&)>& command);

    Program& program_;
    QtTranslations qtTranslations_;
    DrawingAreaWidget* area_ = nullptr;
    QLabel* hint_ = nullptr;
    QAction* recent_[5] = {};
    QAction* recentSeparator_ = nullptr;
    // Where the help picture browser was closed last.
    std::shared_ptr<std::optional<QPoint>> helpPicturePosition_ =
        std::make_shared<std::optional<QPoint>>();
};

}  // namespace zel3
