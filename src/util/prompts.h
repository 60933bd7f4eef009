#pragma once
// Message boxes, questions and the choice and text prompts around the program-wide error flag.
// Texts handed in are stored texts (code page 850); they are converted for display here.
// Every prompt that the user cancels sets ui.errorFlag; callers test it after each call.

#include <functional>
#include <string>
#include <vector>

#include "util/ui_state.h"

namespace zel3 {

// A stored text (code page 850) as shown on screen (UTF-8), of any length.
std::string DisplayText(const UiState& ui, const std::string& oem);
// A text typed on screen as stored text; line breaks become blanks.
std::string StoredText(const std::string& display);

// Box with the caption "Fehler : " and an OK button.
void ShowError(UiState& ui, const std::string& text);
// ShowError while ui.showErrors is set; nothing otherwise. Leaves the flag to the caller.
void ReportError(UiState& ui, const std::string& text);
// Box with the caption "Meldung:".
void ShowNote(UiState& ui, const std::string& text);
// Box with the caption "Hilfe".
void ShowHelpNote(UiState& ui, const std::string& text);

// Yes, No and Cancel under the program title. Cancel answers false and sets the error flag.
bool AskYesNo(UiState& ui, const std::string& text);

// ReportError, ShowNote and AskYesNo for texts already in the display code page (file names).
void ReportDisplayedError(UiState& ui, const std::string& display);
void ShowNoteDisplayed(UiState& ui, const std::string& display);
bool AskYesNoDisplayed(UiState& ui, const std::string& display);
// The yes/no dialog preset from answer; answer becomes false only for "N". Cancel leaves it
// and sets the error flag, "OK" clears the flag, Enter leaves it as it is.
void AskYesNoDialog(UiState& ui, const std::string& text, bool& answer);

// Fills option texts 1..n (at most 135 of at most 65 characters) for AskChoice.
void SetOptionTexts(UiState& ui, const std::vector<std::string>& texts);
// Choice among option texts 1..count: radio buttons up to 7 options, a list above.
// selected is 1-based; outside 1..count it starts as 1. Unless cancelled, it becomes the
// chosen option and the error flag is cleared (OK ends whatever failed before).
void AskChoice(UiState& ui, const std::string& title, int count, int& selected);

// One-line text of at most maxLength characters, prefilled with text; unless cancelled the
// answer replaces text and the error flag is cleared.
void AskText(UiState& ui, const std::string& title, int maxLength, std::string& text);

// Hourglass for long operations; BusyScope restores the cursor when it ends.
void BusyCursor(UiState& ui);
void NormalCursor(UiState& ui);
class BusyScope {
  public:
    explicit BusyScope(UiState& ui) : ui_(ui) { BusyCursor(ui_); }
    ~BusyScope() { NormalCursor(ui_); }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

  private:
    UiState& ui_;
};

// While alive, the help buttons of the dialog on screen show the help of ui.helpNumber
// (through Platform::showHelp, or its number in a note until help exists); afterwards the
// error flag is cleared when clearFlag is set.
class DialogHelpScope {
  public:
    DialogHelpScope(UiState& ui, bool clearFlag);
    ~DialogHelpScope();
    DialogHelpScope(const DialogHelpScope&) = delete;
    DialogHelpScope& operator=(const DialogHelpScope&) = delete;

  private:
    UiState& ui_;
    std::function<void(bool)> previous_;
};

}  // namespace zel3
