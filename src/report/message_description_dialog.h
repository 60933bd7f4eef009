#pragma once
// The description window of one finding ("Fehlermeldung"): the message, and its cause
// ("Ursache") and remedy ("Abhilfe"), which the user may edit. Editing marks it changed.

#include <QDialog>

#include "docu/qt_dialog_buttons.h"
#include "util/platform.h"

class QLineEdit;
class QPlainTextEdit;

namespace zel3 {

class MessageDescriptionDialog : public QDialog {
    Q_OBJECT
  public:
    MessageDescriptionDialog(const QString& message, const QString& cause, const QString& remedy,
                             const HelpRequest& help, QWidget* parent = nullptr,
                             const DescriptionLabels& labels = {});

    QString cause() const;
    QString remedy() const;
    bool changed() const { return changed_; }

  private:
    QPlainTextEdit* cause_ = nullptr;
    QPlainTextEdit* remedy_ = nullptr;
    bool changed_ = false;
};

}  // namespace zel3
