#include "graphics/sheet_prompts.h"

#include "shell/program.h"
#include "util/codepage.h"

namespace zel3 {

void ChooseOption(UiState& ui, const TextOptions& to, const std::string& title,
                  const std::vector<std::string>& options, int& selected) {
    std::vector<std::string> shown;
    for (std::size_t i = 0; i < options.size() && i + 1 < ui.optionTexts.size(); ++i) {
        ui.optionTexts[i + 1] = options[i];
        shown.push_back(OemToDisplay(to, options[i]));
    }
    if (selected < 1 || selected > static_cast<int>(shown.size())) selected = 1;
    int answer = selected;
    if (!ui.platform.RadioDialog(OemToDisplay(to, title), shown, answer)) {
        ui.errorFlag = true;
        return;
    }
    selected = answer;
}

void ReportSheetError(UiState& ui, const TextOptions& to, const std::string& text) {
    if (ui.showErrors) ui.platform.MessageBox(BoxKind::Error, "Fehler : ", OemToDisplay(to, text));
}

void ShowCalculationFailed(Program& program) {
    const MessageList& m = program.messages;
    std::string text;
    for (int i = 1; i <= m.MessageCount(); ++i) {
        if (!text.empty()) text += "\n";
        text += OemToDisplay(program.settings.text, m.MessageText(i));
    }
    if (text.empty()) text = "Fatal";
    if (program.ui.showErrors && !program.NoGui())
        program.ui.platform.MessageBox(BoxKind::Error, "Fehler : ", text);
}

}  // namespace zel3
