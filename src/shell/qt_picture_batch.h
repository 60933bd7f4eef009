#pragma once
// Picture jobs ("/CADi:j" with i = 6, 7, 8): Qt paints an SVG, PDF or PNG file, but no window
// opens and nothing waits for a person. Needs Qt's GUI module only, no widgets.

#include <optional>
#include <string>
#include <vector>

#include "contact/contact_case.h"

namespace zel3 {

// method: the command line's --method=, which overrides the setting for this run. Returns the
// batch run's exit code.
int RunPictureBatch(int argc, char** argv, const std::vector<std::string>& params,
                    std::optional<CalculationMethod> method);

}  // namespace zel3
