#pragma once
// The choice among up to seven options ("Auswahl"): the radio group RadioGroup1, 25 pixels per
// option and 25 for its frame. Enter and "OK" close as OK, Escape cancels.

#include <QDialog>
#include <QStringList>

#include "docu/qt_dialog_buttons.h"

class QButtonGroup;

namespace zel3 {

class RadioChoiceDialog : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kMaxOptions = 7;

    // selected is 1-based.
    RadioChoiceDialog(const QString& prompt, const QStringList& options, int selected,
                      const HelpRequest& help, QWidget* parent = nullptr);

    int selected() const;  // 1-based, 0 when none is checked

  private:
    QButtonGroup* group_ = nullptr;
};

}  // namespace zel3
