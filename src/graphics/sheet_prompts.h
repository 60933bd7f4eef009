#pragma once
// The few questions and messages of the drawing sheets and diagrams: the sheet or diagram
// choice, the refusal of a diagram, and the findings shown instead of a drawing after a failed
// calculation. Texts handed in are stored texts (code page 850).

#include <string>
#include <vector>

#include "util/number_format.h"

namespace zel3 {

class Program;
struct UiState;

// Radio choice among options (1-based selected); Cancel sets the error flag.
void ChooseOption(UiState& ui, const TextOptions& to, const std::string& title,
                  const std::vector<std::string>& options, int& selected);
// Error box while errors are shown.
void ReportSheetError(UiState& ui, const TextOptions& to, const std::string& text);
// The findings of the failed calculation, in place of the drawing.
void ShowCalculationFailed(Program& program);

}  // namespace zel3
