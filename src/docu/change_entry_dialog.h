#pragma once
// The change dialog (TForm_EinAend): designation, date, editor and description of one entry
// of the change log; "<" + today's date puts today into the date field.

#include <QDialog>

#include "docu/docu_forms.h"
#include "docu/qt_dialog_buttons.h"

class QLineEdit;
class QPlainTextEdit;

namespace zel3 {

class ChangeEntryDialog : public QDialog {
    Q_OBJECT
  public:
    ChangeEntryDialog(const ChangeForm& form, const HelpRequest& help, QWidget* parent = nullptr);
    // The fields as typed.
    void Store(ChangeForm& form) const;

  private:
    QLineEdit* designation_ = nullptr;
    QLineEdit* date_ = nullptr;
    QLineEdit* editor_ = nullptr;
    QPlainTextEdit* description_ = nullptr;
};

}  // namespace zel3
