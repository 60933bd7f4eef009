#pragma once
// The settings dialog: the settings record on tabbed pages. "OK" and "&Speichern" copy the
// controls into the record (the rules live in settings_form.h), "&Speichern" also writes the
// configuration file, "Import.." refills the controls from another configuration file.

#include <QButtonGroup>
#include <QDialog>
#include <QGroupBox>
#include <QStringList>

#include "config/settings_form.h"
#include "util/ui_state.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QTableWidget;
class QVBoxLayout;

namespace zel3 {

// A captioned group of radio buttons whose choice is an index from 0.
class RadioGroupBox : public QGroupBox {
  public:
    RadioGroupBox(const QString& objectName, const QString& title, const QStringList& items,
                  QWidget* parent, int columns = 1);
    int index() const;
    void setIndex(int index);
    QButtonGroup* group() const { return group_; }

  private:
    QButtonGroup* group_;
};

class SettingsDialog : public QDialog {
    Q_OBJECT
  public:
    SettingsDialog(Settings& settings, UiState& ui, SettingsEnvironment env,
                   QWidget* parent = nullptr);

    // The controls as plain values, and back.
    SettingsForm Form() const;
    void Fill(const SettingsForm& f);
    // "OK" without closing: the controls into the record.
    void Store();
    void Import();
    void Save();

  private:
    QWidget* buildDirectories();
    QWidget* buildGraphics();
    QWidget* buildCad();
    QWidget* buildColors();
    QWidget* buildPrinter();
    QWidget* buildTextPrint();
    QWidget* buildOptions();
    QWidget* buildExtern();
    QWidget* buildDrawing();
    // A page with its "&Hilfe" button showing help text topic; content goes into the layout.
    QWidget* page(const char* objectName, int topic, QVBoxLayout*& content);

    QLineEdit* edit(QWidget* parent, const char* name, int maxLength = 0);
    static QLabel* labelFor(const QString& text, QWidget* buddy, QWidget* parent);
    static QSpinBox* spin(QWidget* parent, const char* name, int low, int high);
    QPushButton* button(QWidget* parent, const QString& text, const char* name);
    QPushButton* lessButton(QWidget* parent, const char* name);  // the "<" buttons
    QCheckBox* check(QWidget* parent, const char* name, const QString& text);
    void pickFolder(QLineEdit* field);
    void pickProgram(QLineEdit* field);
    void pickLayerColor(QTableWidget* grid, int row);
    void setGridColor(QTableWidget* grid, int row, int color);
    void resizeDrawingArea();
    void showBackground();
    void showFontLabels();
    void editPlotLine(bool form);
    SettingsFormContext context() const;

    Settings& target_;
    Settings working_;  // the record the controls were filled from (an import replaces it)
    UiState& ui_;
    SettingsEnvironment env_;

    QTabWidget* tabs_ = nullptr;
    QLineEdit *dirDbf_, *dirPlt_, *dirTemp_, *dirData_, *dirCad_, *dirExe_, *dirEdi_;
    RadioGroupBox* screenGraphics_;
    QLineEdit *x_, *y_, *font_, *textWidth_, *textHeight_, *zoom_, *pan_;
    QLabel *fontStyle_, *background_;
    QCheckBox *border_, *edit3d_, *picturePrintLook_;
    QSpinBox *windowScale_, *contentScale_, *pictureDpi_;
    QLineEdit* angle3d_[3];
    QTableWidget *layers_, *colors_;
    QCheckBox *layerMono_, *diagramLimits_;
    QLineEdit *cadFont_, *cadTextWidth_, *cadTextAngle_, *release_;
    QSpinBox* decimalsDxf_;
    RadioGroupBox* cadTextType_;
    QLineEdit *printScale_, *printScaleY_, *printX_, *printY_;
    QCheckBox *printBorder_, *printerDialog_;
    RadioGroupBox *printMono_, *orientation_, *lpt_;
    RadioGroupBox *separator_, *dateCode_, *unit_, *header_, *angleFormat_;
    QSpinBox *linesPerPage_, *spaceLines_;
    QComboBox* textDevice_;
    QCheckBox* textDeviceDialog_;
    QCheckBox* reportToClipboard_;
    QLabel *printFont_, *printFontSize_, *printFontStyle_;
    QLineEdit *left_, *top_, *width_, *height_;
    RadioGroupBox *helpLevel_, *decimalSign_, *excelSign_, *specialChars_, *resultView_;
    RadioGroupBox* calculationMethod_;
    QCheckBox *userAtStart_, *archive_;
    QSpinBox* decimals_;
    QListWidget* kavrot_;
    QLineEdit *textProgram_, *htmlBrowser_;
    RadioGroupBox* changeIndex_;
    QLineEdit* sizeFactor_;
    QCheckBox *makerTitle_, *fileName_, *date_, *logo_;

    int backgroundColor_ = 0;
    int graphicsFontStyle_ = 0;
    QString printFontName_;
    int printFontPointSize_ = 10;
    int printFontStyleBits_ = 0;
};

// The colour picker: the 16 colours as number + " (" + name + ")", the current one chosen.
// True on OK with number replaced.
bool PickColorNumber(QWidget* parent, int& number);

}  // namespace zel3
