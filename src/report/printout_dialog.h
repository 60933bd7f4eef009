#pragma once
// The printout dialog: scale, origin, border, fit, shading and orientation of the printout
// of the picture shown, the printer, and named set-ups kept in "printout.dbf".

#include <QDialog>
#include <functional>

#include "report/printout_setup.h"

class QCheckBox;
class QLabel;
class QLineEdit;

namespace zel3 {

class RadioGroupBox;

// What the dialog's buttons do besides editing its fields.
struct PrintoutActions {
    std::function<bool(PrintoutForm&)> loadSetup;         // "Datenbank"
    std::function<void(const PrintoutForm&)> storeSetup;  // "Übernehmen Datenbank"
    // "Drucker...": the printer dialog; true when a printer was chosen, with its name and
    // whether it prints landscape.
    std::function<bool(std::string& name, bool& landscape)> choosePrinter;
    std::function<void()> showHelp;
};

class PrintoutDialog : public QDialog {
    Q_OBJECT
  public:
    PrintoutDialog(const PrintoutForm& form, const std::string& printerName,
                   PrintoutActions actions, QWidget* parent = nullptr);

    PrintoutForm Form() const;
    void Fill(const PrintoutForm& f);

  private:
    void showPrinter(const std::string& name);

    PrintoutActions actions_;
    QLineEdit *scaleX_, *scaleY_, *originX_, *originY_;
    QCheckBox *border_, *fit_;
    RadioGroupBox *shading_, *orientation_;
    QLabel* printer_;
};

}  // namespace zel3
