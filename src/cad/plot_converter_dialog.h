#pragma once
// The plot converter's settings form: program, folders, format, interface, scale, shifts and
// font, with the command line they make shown as it is built.

#include <QDialog>
#include <functional>

#include "cad/plot_command_line.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;

namespace zel3 {

class RadioGroupBox;

class TForm_confkavrot : public QDialog {
    Q_OBJECT
  public:
    // Texts are UTF-8; line is the command line the form edits, its result until a control
    // changes; tempDir is what "<" puts into the folder. help shows the help text.
    TForm_confkavrot(const PlotConverterForm& form, const std::string& line,
                     const std::string& tempDir, std::function<void()> help,
                     QWidget* parent = nullptr);

    PlotConverterForm Form() const;
    // The form's result as it shows it: the line it was opened with, or, once a control has
    // changed, the command line of the fields.
    std::string CommandLine() const;

  private:
    void Changed();
    void Update();

    std::string line_;
    bool changed_ = false;
    std::string tempDir_;
    QLineEdit *program_, *folder_, *com_, *lpt_, *scale_, *xShift_, *yShift_, *textWidth_;
    RadioGroupBox *format_, *interface_;
    QCheckBox *fit_, *rotate_;
    QComboBox* font_;
    QLabel* commandLine_;
};

}  // namespace zel3
