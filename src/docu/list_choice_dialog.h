#pragma once
// The choice from a longer list ("Auswahl"): the list box ListBox1. Enter, a double click
// on a line or "OK" close as OK; Escape cancels. "OK" needs a chosen line.

#include <QDialog>
#include <QStringList>

#include "docu/qt_dialog_buttons.h"

class QListWidget;

namespace zel3 {

class ListChoiceDialog : public QDialog {
    Q_OBJECT
  public:
    // selected is 1-based.
    ListChoiceDialog(const QString& prompt, const QStringList& options, int selected,
                     const HelpRequest& help, QWidget* parent = nullptr);

    int selected() const;  // 1-based, 0 when no line is chosen

  private:
    QListWidget* list_ = nullptr;
};

}  // namespace zel3
