#pragma once
// The linked documents set-up ("Document Setup"): program and file of the five documents,
// each with a "..." button that picks a file.

#include <QDialog>
#include <array>
#include <functional>

#include "docu/docu_forms.h"
#include "docu/qt_dialog_buttons.h"

class QLineEdit;

namespace zel3 {

// Picks a file starting from the field's text with the given filter; empty when cancelled.
using FilePicker = std::function<QString(const QString& start, const QString& filter)>;

class DocumentSetupDialog : public QDialog {
    Q_OBJECT
  public:
    DocumentSetupDialog(const DocumentForm& form, const HelpRequest& help, FilePicker pick,
                        QWidget* parent = nullptr);
    void Store(DocumentForm& form) const;

  private:
    std::array<QLineEdit*, kDocumentSlots> programs_{};
    std::array<QLineEdit*, kDocumentSlots> files_{};
};

}  // namespace zel3
