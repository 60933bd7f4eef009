#include "docu/linked_documents.h"

#include <optional>

#include "docu/docu_forms.h"
#include "graphics/help_text.h"
#include "shell/program.h"
#include "util/codepage.h"
#include "util/command_line_words.h"
#include "util/detached_process.h"
#include "util/prompts.h"
#include "util/text.h"

namespace zel3 {

namespace {

constexpr std::size_t kProgramPartLength = 51;
constexpr std::size_t kCommandLineLength = 101;
constexpr int kHelpProgram = 2710;
constexpr int kHelpFile = 2720;
constexpr int kHelpSetup = 2730;

// Without a set-up window the ten fields are asked one after the other.
bool AskDocumentFields(UiState& ui, DocumentForm& form) {
    for (int n = 0; n < kDocumentSlots; ++n) {
        const std::string number = std::to_string(n + 1);
        ui.helpNumber = kHelpProgram;
        if (!ui.platform.TextDialog("Program " + number, kDocumentTextLength, form.programs[n]))
            return false;
        ui.helpNumber = kHelpFile;
        if (!ui.platform.TextDialog("File " + number, kDocumentTextLength, form.files[n]))
            return false;
    }
    return true;
}

}  // namespace

std::string DocumentCommandLine(const DocumentSlot& slot) {
    const std::string programPart = (slot.program + " ").substr(0, kProgramPartLength);
    std::string file = slot.file.substr(0, kCommandLineLength - programPart.size());
    if (file.find(' ') != std::string::npos && file.find('"') == std::string::npos) {
        file = "\"" + file + "\"";
    }
    return programPart + file;
}

bool OpenDocument(Platform& platform, const DocumentSlot& slot) {
    platform.SetBusy(true);
    bool started = false;
    if (Trim(slot.program).empty()) {
        if (!Trim(slot.file).empty()) started = platform.OpenUrl(OemToUtf8(slot.file));
    } else {
        started = platform.StartProgram(OemToUtf8(DocumentCommandLine(slot)));
    }
    platform.SetBusy(false);
    return started;
}

void OpenDocumentChecked(UiState& ui, const DocumentSlot& slot, int n) {
    const std::vector<std::string> words = SplitCommandLine(OemToUtf8(slot.program));
    const std::string program = words.empty() ? std::string() : words.front();
    // The desktop's opener without a file opens nothing.
    if (Trim(slot.file).empty() && (program.empty() || program == DocumentSlot{}.program)) {
        ShowNote(ui, "Document " + std::to_string(n) +
                         " ist leer: Programm und Datei unter \"Document Setup\" eintragen.");
        return;
    }
    if (!program.empty() && !ProgramFileExists(program)) {
        ShowError(ui, Trim(slot.program) + " not found");
        return;
    }
    if (!OpenDocument(ui.platform, slot)) {
        ShowError(ui, (program.empty() ? Trim(slot.file) : Trim(slot.program)) +
                          " konnte nicht gestartet werden");
    }
}

void DocumentSetup(Program& program) {
    UiState& ui = program.ui;
    auto& slots = program.contactCase.documents;
    DocumentForm form;
    for (int n = 0; n < kDocumentSlots; ++n) {
        form.programs[n] = OemToUtf8(slots[static_cast<std::size_t>(n)].program);
        form.files[n] = OemToUtf8(slots[static_cast<std::size_t>(n)].file);
    }
    form.programHint = GetHelpText(program, kHelpProgram);
    form.fileHint = GetHelpText(program, kHelpFile);
    ui.helpNumber = kHelpSetup;
    std::optional<bool> ok = ui.platform.DocumentSetupDialog(form);
    if (!ok) ok = AskDocumentFields(ui, form);
    if (!*ok) {
        ui.errorFlag = true;
        return;
    }
    for (int n = 0; n < kDocumentSlots; ++n) {
        slots[static_cast<std::size_t>(n)] =
            LimitedDocumentSlot(DisplayToOem(form.programs[n]), DisplayToOem(form.files[n]));
    }
}

DocumentSlot LimitedDocumentSlot(const std::string& program, const std::string& file) {
    return {program.substr(0, kDocumentTextLength), file.substr(0, kDocumentTextLength)};
}

}  // namespace zel3
