#include "util/prompts.h"

#include <algorithm>

#include "util/codepage.h"

namespace zel3 {

namespace {

constexpr int kMaxOptions = 135;
constexpr size_t kMaxOptionLength = 65;
constexpr int kMaxRadioOptions = 7;
// The code page conversions refuse texts of 255 characters and more; longer texts (help
// lines, message descriptions) are converted piece by piece.
constexpr size_t kPiece = 200;

bool IsUtf8Continuation(char c) {
    return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

}  // namespace

std::string DisplayText(const UiState& ui, const std::string& oem) {
    std::string out;
    for (size_t pos = 0; pos < oem.size(); pos += kPiece)
        out += OemToDisplay(ui.text, oem.substr(pos, kPiece));
    return out;
}

std::string StoredText(const std::string& display) {
    std::string flat = display;
    std::replace(flat.begin(), flat.end(), '\r', ' ');
    std::replace(flat.begin(), flat.end(), '\n', ' ');
    std::string out;
    size_t pos = 0;
    while (pos < flat.size()) {
        size_t end = std::min(pos + kPiece, flat.size());
        while (end < flat.size() && end > pos && IsUtf8Continuation(flat[end])) --end;
        out += DisplayToOem(flat.substr(pos, end - pos));
        pos = end;
    }
    return out;
}

void ShowError(UiState& ui, const std::string& text) {
    ui.platform.MessageBox(BoxKind::Error, "Fehler : ", DisplayText(ui, text));
}

void ReportError(UiState& ui, const std::string& text) {
    if (ui.showErrors) ShowError(ui, text);
}

void ReportDisplayedError(UiState& ui, const std::string& display) {
    if (ui.showErrors) ui.platform.MessageBox(BoxKind::Error, "Fehler : ", display);
}

void ShowNote(UiState& ui, const std::string& text) {
    ShowNoteDisplayed(ui, DisplayText(ui, text));
}

void ShowNoteDisplayed(UiState& ui, const std::string& display) {
    ui.platform.MessageBox(BoxKind::Note, "Meldung:", display);
}

void ShowHelpNote(UiState& ui, const std::string& text) {
    ui.platform.MessageBox(BoxKind::Help, "Hilfe", DisplayText(ui, text));
}

bool AskYesNo(UiState& ui, const std::string& text) {
    return AskYesNoDisplayed(ui, DisplayText(ui, text));
}

bool AskYesNoDisplayed(UiState& ui, const std::string& display) {
    switch (ui.platform.Question(ui.programTitle, display)) {
        case YesNoCancel::Yes:
            return true;
        case YesNoCancel::No:
            return false;
        case YesNoCancel::Cancel:
            break;
    }
    ui.errorFlag = true;
    return false;
}

void AskYesNoDialog(UiState& ui, const std::string& text, bool& answer) {
    DialogHelpScope help(ui, false);
    char reply = answer ? 'J' : 'N';
    bool okPressed = false;
    if (!ui.platform.YesNoDialog(DisplayText(ui, text), reply, okPressed)) {
        ui.errorFlag = true;
        return;
    }
    if (okPressed) ui.errorFlag = false;
    answer = !(reply == 'N' || reply == 'n');
}

void SetOptionTexts(UiState& ui, const std::vector<std::string>& texts) {
    const size_t n = std::min(texts.size(), static_cast<size_t>(kMaxOptions));
    for (size_t i = 0; i < n; ++i) ui.optionTexts[i + 1] = texts[i].substr(0, kMaxOptionLength);
}

void AskChoice(UiState& ui, const std::string& title, int count, int& selected) {
    count = std::min(count, kMaxOptions);
    if (count < 1) {
        // Nothing to choose from: the caller's step cannot go on.
        ui.errorFlag = true;
        return;
    }
    if (selected < 1 || selected > count) selected = 1;
    std::vector<std::string> options;
    options.reserve(static_cast<size_t>(count));
    for (int i = 1; i <= count; ++i)
        options.push_back(DisplayText(ui, ui.optionTexts[static_cast<size_t>(i)]));

    DialogHelpScope help(ui, true);
    int chosen = selected;
    const std::string prompt = DisplayText(ui, title);
    const bool ok = count > kMaxRadioOptions ? ui.platform.ListDialog(prompt, options, chosen)
                                             : ui.platform.RadioDialog(prompt, options, chosen);
    if (!ok) {
        ui.errorFlag = true;
        return;
    }
    if (chosen >= 1 && chosen <= count) selected = chosen;
    ui.errorFlag = false;
}

void AskText(UiState& ui, const std::string& title, int maxLength, std::string& text) {
    DialogHelpScope help(ui, true);
    std::string answer = DisplayText(ui, text);
    if (!ui.platform.TextDialog(DisplayText(ui, title), maxLength, answer)) {
        ui.errorFlag = true;
        return;
    }
    text = StoredText(answer);
    ui.errorFlag = false;
}

void BusyCursor(UiState& ui) {
    ui.platform.SetBusy(true);
}
void NormalCursor(UiState& ui) {
    ui.platform.SetBusy(false);
}

DialogHelpScope::DialogHelpScope(UiState& ui, bool clearFlag)
    : ui_(ui), previous_(std::move(ui.platform.dialogHelp)) {
    ui_.platform.dialogHelp = [&ui, clearFlag](bool picture) {
        if (ui.platform.showHelp) {
            ui.platform.showHelp(picture);
        } else {
            const std::string what = picture ? "Hilfebild" : "Hilfetext";
            ui.platform.MessageBox(BoxKind::Help, "Hilfe",
                                   what + " Nr. " + std::to_string(ui.helpNumber));
        }
        if (clearFlag) ui.errorFlag = false;
    };
}

DialogHelpScope::~DialogHelpScope() {
    ui_.platform.dialogHelp = std::move(previous_);
}

}  // namespace zel3
