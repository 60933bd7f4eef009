#pragma once
// The help picture browser's window: the pictures and the index actions in a drop-down list,
// a spin button stepping one line, and buttons for the actions. Each choice closes it; the
// browser shows the picture or runs the action and opens it again.

#include <QDialog>
#include <QPoint>
#include <functional>
#include <memory>
#include <optional>

#include "graphics/help_browser.h"

class QComboBox;

namespace zel3 {

class TForm_hilfebild : public QDialog {
    Q_OBJECT
  public:
    // lines: the picture lines, then the five action lines (UTF-8); current is 1-based.
    TForm_hilfebild(const std::string& caption, const std::vector<std::string>& lines, int current,
                    QWidget* parent = nullptr);

    // What the user asked for; Close for "OK" and the close box.
    HelpBrowserRequest Request() const { return request_; }
    // What "Bild &speichern..." does (the window stays open).
    void SetSavePicture(std::function<void()> save) { save_ = std::move(save); }

  private:
    void Choose(int line);
    void Step(int delta);
    void Ask(HelpBrowserAction action);

    int lineCount_;
    int current_;
    QComboBox* list_;
    HelpBrowserRequest request_;
    std::function<void()> save_;
};

// The chooser that shows the window over owner. position keeps where the window was closed
// last, so that it opens there again.
HelpBrowserChooser MakeHelpPictureChooser(QWidget* owner,
                                          std::shared_ptr<std::optional<QPoint>> position);

}  // namespace zel3
