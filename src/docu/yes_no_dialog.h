#pragma once
// The yes/no choice ("Eingabe"): a radio group "Auswahl" with "&Ja" and "&Nein". "OK" closes
// as OK, Enter closes without being OK (the error flag stays as it was), Escape cancels.

#include <QDialog>

#include "docu/qt_dialog_buttons.h"

class QRadioButton;

namespace zel3 {

class YesNoDialog : public QDialog {
    Q_OBJECT
  public:
    // preset "N" or "n" starts on "&Nein", anything else on "&Ja".
    YesNoDialog(const QString& prompt, char preset, const HelpRequest& help,
                QWidget* parent = nullptr);

    char answer() const;  // 'J' or 'N'
    bool okPressed() const { return okPressed_; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;

  private:
    QRadioButton* yes_ = nullptr;
    QRadioButton* no_ = nullptr;
    bool okPressed_ = false;
};

}  // namespace zel3
