#pragma once
// The drawing information dialog (TForm_zeichInfo): the replaced drawings, the sign-off
// table with a today button per row, and the text placements.

#include <QDialog>

#include "docu/docu_forms.h"
#include "docu/qt_dialog_buttons.h"

class QLineEdit;
class QTableWidget;

namespace zel3 {

class DrawingInfoDialog : public QDialog {
    Q_OBJECT
  public:
    DrawingInfoDialog(const DrawingInfoForm& form, const HelpRequest& help,
                      QWidget* parent = nullptr);
    void Store(DrawingInfoForm& form) const;

  private:
    QLineEdit* replaces_ = nullptr;
    QLineEdit* replacedBy_ = nullptr;
    QTableWidget* signOff_ = nullptr;
    QTableWidget* placements_ = nullptr;
};

}  // namespace zel3
