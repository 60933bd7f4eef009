#pragma once
// The one-line text input ("Eingabe"): a prompt, the edit field EditEinText limited to a
// maximum length, OK / Abbrechen / help buttons. Enter closes as OK, Escape cancels.

#include <QDialog>

#include "docu/qt_dialog_buttons.h"

class QLabel;
class QLineEdit;

namespace zel3 {

class TextInputDialog : public QDialog {
    Q_OBJECT
  public:
    TextInputDialog(const QString& prompt, int maxLength, const QString& preset,
                    const HelpRequest& help, QWidget* parent = nullptr);

    QString text() const;

  private:
    QLineEdit* edit_ = nullptr;
};

}  // namespace zel3
