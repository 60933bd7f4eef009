#pragma once
// The button row of the generic dialogs: "OK", "Abbrechen", "&Hilfetext" and "Hilfe&bild".

#include <functional>

class QBoxLayout;
class QDialog;
class QPushButton;

namespace zel3 {

// Shows the help of the current help number: false the help text, true the help picture.
using HelpRequest = std::function<void(bool picture)>;

struct DialogButtons {
    QPushButton* ok = nullptr;
    QPushButton* cancel = nullptr;
    QPushButton* helpText = nullptr;
    QPushButton* helpPicture = nullptr;
};

// Adds the row to layout. "Abbrechen" rejects the dialog; the help buttons call help (and
// are disabled without it); "OK" is left to the dialog.
DialogButtons AddDialogButtons(QDialog& dialog, QBoxLayout& layout, const HelpRequest& help);

// The right-aligned row of the form dialogs: "OK" (default, accepts), "Abbrechen" (rejects)
// and the help-text button captioned helpCaption (disabled without help).
void AddOkCancelHelpRow(QDialog& dialog, QBoxLayout& layout, const HelpRequest& help,
                        const char* helpCaption = "&Hilfe");

}  // namespace zel3
