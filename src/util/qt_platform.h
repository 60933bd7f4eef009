#pragma once
// The platform of the desktop program: real Qt dialogs, message boxes and pickers.

#include <QPointer>
#include <QRect>
#include <QWidget>
#include <optional>

#include "config/settings.h"
#include "util/platform.h"

class QDialog;

namespace zel3 {

class QtPlatform : public Platform {
  public:
    QtPlatform() = default;
    // The graphics window: dialogs are centred over it and owned by it.
    void SetMainWindow(QWidget* window) { mainWindow_ = window; }
    QWidget* MainWindow() const { return mainWindow_; }
    // The settings that scale dialogs; read each time a dialog opens.
    void SetSettings(const Settings* settings) { settings_ = settings; }
    // Gives a dialog of the program its frame: scaled, in the owner's font and, with centre,
    // centred over the graphics window. Every dialog calls this before it is shown.
    void FrameDialog(QDialog& dialog, bool centre, bool fixedSize) const;
    // The widget that shows the display list; repainted on RequestRepaint.
    void SetDrawingArea(QWidget* area) { drawingArea_ = area; }

    void MessageBox(BoxKind kind, const std::string& caption, const std::string& text) override;
    YesNoCancel Question(const std::string& caption, const std::string& text) override;
    bool TextDialog(const std::string& prompt, int maxLength, std::string& answer) override;
    bool YesNoDialog(const std::string& prompt, char& answer, bool& okPressed) override;
    bool RadioDialog(const std::string& prompt, const std::vector<std::string>& options,
                     int& selected) override;
    bool ListDialog(const std::string& prompt, const std::vector<std::string>& options,
                    int& selected) override;
    bool OpenFileDialog(const std::string& startDir, const std::string& pattern,
                        std::string& path) override;
    bool SaveFileDialog(const std::string& startDir, const std::string& pattern,
                        const std::string& suggestedName, std::string& path) override;
    bool FolderDialog(const std::string& start, std::string& folder) override;
    bool MessageDescription(const std::string& message, std::string& cause, std::string& remedy,
                            bool& changed, const DescriptionLabels& labels) override;
    bool StartProgram(const std::string& commandLine) override;
    int StartHidden(const std::string& commandLine) override;
    bool OpenUrl(const std::string& url) override;
    void ShowTextScreen(const std::string& title, const std::vector<std::string>& lines) override;
    void ShowTextFile(const std::string& path) override;
    void AboutBox(const std::vector<std::string>& lines) override;
    bool CanPrint() const override { return true; }
    bool PrintTextFile(const std::string& path, const std::string& title, const std::string& font,
                       int pointSize) override;
    void SetBusy(bool busy) override;
    void StatusText(const std::string& text) override;
    void Beep() override;
    ScreenInfo Screen() const override;
    WindowFrame GraphicsWindow() const override;
    void ProcessEvents() override;
    void SetClipboardText(const std::string& text) override;
    void RequestRepaint() override;
    bool AnimationStep() override;
    // Shows what the replay has drawn so far and waits without blocking the window; a new
    // replay request ends the wait early.
    void PauseMs(int ms) override;
    std::optional<bool> ChangeDialog(ChangeForm& form) override;
    std::optional<bool> DrawingInfoDialog(DrawingInfoForm& form) override;
    std::optional<bool> DocumentSetupDialog(DocumentForm& form) override;
    bool EditDrawingNames(ContactCase& c, const TextOptions& text) override;
    bool EditGeometry(ContactCase& c, NumberFormat& number) override;
    bool EditMaterials(ContactCase& c, NumberFormat& number,
                       const std::function<bool(int body)>& pickMaterial) override;
    bool EditSettings(Settings& settings, UiState& ui, const SettingsEnvironment& env) override;
    bool EditPlotCommand(std::string& line, const std::string& tempDir) override;
    bool DiagramLimitsDialog(const std::string& title, const std::string& xLabel,
                             const std::string& yLabel, const AxisLimits& automatic,
                             AxisLimits& entered) override;
    void ResizeDrawingArea(int width, int height) override;
    // Caption of the input dialogs (the program title).
    void SetDialogTitle(const std::string& title) { dialogTitle_ = title; }
    // Caption of the text screen (the product name).
    void SetProductName(const std::string& name) { productName_ = name; }

  private:
    void DialogHelp(bool picture);

    QPointer<QWidget> mainWindow_;
    const Settings* settings_ = nullptr;
    QPointer<QWidget> drawingArea_;
    int busyDepth_ = 0;
    std::string dialogTitle_ = "ZEL3  Hertz'sche Pressung";
    std::string productName_ = "ZEL3";
    std::optional<QRect> textFileGeometry_;
    bool stepping_ =
        false;  // the animation step dialog is open  // where the report viewer was closed last
};

}  // namespace zel3
