#pragma once
// Everything ZEL3 needs from the desktop goes through this interface, so that the program's
// logic runs the same in the window, in batch runs and in tests.
//
// All texts crossing this interface are UTF-8 (the display code page); callers convert stored
// code page 850 texts with OemToDisplay first.
//
// Adding a method: give it a sensible default here, so that every implementation (the Qt
// platform, the batch platform, the scripted test platform) keeps compiling.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "util/number_format.h"

namespace zel3 {

struct ContactCase;
struct ChangeForm;
struct DrawingInfoForm;
struct DocumentForm;
struct Settings;
struct SettingsEnvironment;
struct UiState;

enum class BoxKind { Error, Note, Help, Plain };

// Caption and labels of the description window of a finding, in the chosen language.
struct DescriptionLabels {
    std::string message = "Fehlermeldung";  // the window's caption and the finding's label
    std::string cause = "Ursache";
    std::string remedy = "Abhilfe";
    std::string help = "&Hilfe";
};
enum class YesNoCancel { Yes, No, Cancel };

struct ScreenInfo {
    int width = 1280;
    int height = 1024;
    int dpiX = 96;
    int dpiY = 96;
};

// Frame of the window that dialogs are centred over (the graphics window).
struct WindowFrame {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int clientWidth = 0;
    int clientHeight = 0;
};

// Limits of a diagram's axes, in the user's units.
struct AxisLimits {
    double xMin = 0.0;
    double yMin = 0.0;
    double xMax = 0.0;
    double yMax = 0.0;
};

class Platform {
public:
    virtual ~Platform() = default;

    // Message boxes: Error has the caption "Fehler : ", Note "Meldung:", Help "Hilfe";
    // Plain takes the caption given.
    virtual void MessageBox(BoxKind kind, const std::string& caption, const std::string& text) = 0;
    // Question with Yes, No and Cancel; the caption is the program title.
    virtual YesNoCancel Question(const std::string& caption, const std::string& text) = 0;

    // The four generic dialogs. Each returns false when the user cancelled.
    virtual bool TextDialog(const std::string& prompt, int maxLength, std::string& answer) = 0;
    // answer is 'J' or 'N' on entry (preset) and on return; okPressed tells OK from Enter.
    virtual bool YesNoDialog(const std::string& prompt, char& answer, bool& okPressed) = 0;
    // selected is 1-based on entry and on return.
    virtual bool RadioDialog(const std::string& prompt, const std::vector<std::string>& options,
                             int& selected) = 0;
    virtual bool ListDialog(const std::string& prompt, const std::vector<std::string>& options,
                            int& selected) = 0;

    // File and folder pickers; false when nothing was chosen.
    virtual bool OpenFileDialog(const std::string& startDir, const std::string& pattern,
                                std::string& path) = 0;
    virtual bool SaveFileDialog(const std::string& startDir, const std::string& pattern,
                                const std::string& suggestedName, std::string& path) = 0;
    virtual bool FolderDialog(const std::string& start, std::string& folder) = 0;

    // Starts a program without waiting; the command line is split into words like a shell
    // would, but nothing in it is interpreted. False when it could not be started.
    virtual bool StartProgram(const std::string& commandLine);
    virtual bool OpenUrl(const std::string& url);
    // Starts a program from a command line without a window and without waiting. The result
    // follows the classic start codes: 0 out of memory, 2 file not found, 3 path not found,
    // 5 access denied, 11 not a program, other values below 32 other failures; 32 and above
    // mean started.
    virtual int StartHidden(const std::string& commandLine);
    // The plot converter settings form on one command line. True on OK with line replaced by
    // the form's result; false for "Abbrechen". Without a form, as "Abbrechen".
    virtual bool EditPlotCommand(std::string& /*line*/, const std::string& /*tempDir*/) {
        return false;
    }

    // Text windows: the fixed-font screen (help screen) and the report viewer.
    virtual void ShowTextScreen(const std::string& title, const std::vector<std::string>& lines);
    virtual void ShowTextFile(const std::string& path);
    // The about box: caption "Info", the four lines and "OK".
    virtual void AboutBox(const std::vector<std::string>& lines);

    // Printing a text file (UTF-8, form feeds between pages) on the system printer in the
    // given fixed font. The default refuses: runs without a window have no printer.
    virtual bool CanPrint() const { return false; }
    virtual bool PrintTextFile(const std::string& /*path*/, const std::string& /*title*/,
                               const std::string& /*font*/, int /*pointSize*/) {
        return false;
    }

    virtual void SetBusy(bool /*busy*/) {}
    virtual void StatusText(const std::string& /*text*/) {}
    virtual void Beep() {}
    virtual ScreenInfo Screen() const { return {}; }
    virtual WindowFrame GraphicsWindow() const { return {}; }
    virtual void ProcessEvents() {}
    virtual void SetClipboardText(const std::string& /*text*/) {}

    // The graphics window: a full replay of the display list is wanted.
    virtual void RequestRepaint() {}
    // The animation step dialog at a colour-0 record; false ends the animation mode.
    virtual bool AnimationStep() { return false; }
    // A pause record of the screen replay.
    virtual void PauseMs(int ms);
    // The input dialogs of the contact case. Each returns false when cancelled; on OK the
    // dialog has stored its fields into the case. The unit switches of the geometry and
    // material dialogs change number.unitSystem. pickMaterial(body) runs the material
    // selection for body 1 or 2 and returns false when the user cancelled it.
    virtual bool EditGeometry(ContactCase& /*c*/, NumberFormat& /*number*/) { return false; }
    virtual bool EditMaterials(ContactCase& /*c*/, NumberFormat& /*number*/,
                               const std::function<bool(int body)>& /*pickMaterial*/) {
        return false;
    }
    virtual bool EditDrawingNames(ContactCase& /*c*/, const TextOptions& /*text*/) {
        return false;
    }

    // The diagram limits dialog: caption title, the two axis labels; the edits show entered,
    // "Calculate" puts automatic into them. True on OK with entered replaced. Without a
    // dialog the automatic limits stay.
    virtual bool DiagramLimitsDialog(const std::string& /*title*/, const std::string& /*xLabel*/,
                                     const std::string& /*yLabel*/,
                                     const AxisLimits& /*automatic*/, AxisLimits& /*entered*/) {
        return false;
    }

    // The documentation dialogs (docu/docu_forms.h): true on OK with the form filled in,
    // false when cancelled; nothing when there is no such window, so the caller asks the
    // fields one by one.
    virtual std::optional<bool> ChangeDialog(ChangeForm& /*form*/) { return std::nullopt; }
    virtual std::optional<bool> DrawingInfoDialog(DrawingInfoForm& /*form*/) {
        return std::nullopt;
    }
    virtual std::optional<bool> DocumentSetupDialog(DocumentForm& /*form*/) {
        return std::nullopt;
    }
    // The settings dialog on the record. True on "OK" with the record holding the dialog's
    // values; "&Speichern" stores and saves while the dialog stays open. Without a dialog,
    // as "Abbrechen".
    virtual bool EditSettings(Settings& /*settings*/, UiState& /*ui*/,
                              const SettingsEnvironment& /*env*/) {
        return false;
    }
    // Resizes the graphics window so that its drawing area is width by height pixels.
    virtual void ResizeDrawingArea(int /*width*/, int /*height*/) {}

    // The description window of one finding: the message, its cause and its remedy, the
    // latter two editable. False when closed without "OK"; changed tells whether the cause
    // or the remedy was edited. The default shows the texts in a box.
    virtual bool MessageDescription(const std::string& message, std::string& cause,
                                    std::string& remedy, bool& changed,
                                    const DescriptionLabels& labels);

    // The file the last save-file dialog already asked about overwriting (the user said yes);
    // the program's own question for that file is then not asked again. Empty when the
    // dialog does not ask.
    std::string overwriteConfirmed;

    // Called by the help buttons of dialogs: picture false shows the help text of the
    // current help number, true its help picture. Set by the program once help exists.
    std::function<void(bool picture)> showHelp;
    // What the help buttons of the generic dialog on screen do; set by the prompt that opens
    // it, for as long as it is open (it falls back to showHelp and clears the error flag).
    std::function<void(bool picture)> dialogHelp;
};

}  // namespace zel3
