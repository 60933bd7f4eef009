#include "cad/plot_start.h"

#include "util/number_text.h"
#include "util/prompts.h"

namespace zel3 {

void StartPlotter(UiState& ui, const std::string& commandLine) {
    const int result = ui.platform.StartHidden(commandLine);
    std::string error;
    if (result == 0)
        error = "out of memory !";
    else if (result == 2 || result == 3)
        error = "file not found";
    else if (result >= 4 && result <= 31)
        error = "Exec error " + IntToText(result);
    if (!error.empty()) {
        ReportError(ui, error);
        ui.errorFlag = true;
    }
    NormalCursor(ui);
}

}  // namespace zel3
