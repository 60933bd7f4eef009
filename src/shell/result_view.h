#pragma once
// The picture the main window draws after a change, chosen by the result view setting.

#include "shell/program.h"

namespace zel3 {

// 1 and 3 the form sheet, 2 the results table, 4 the stress diagram, 5 the geometry sheet;
// 0 the form sheet unless the help level is 0. Everything goes to the screen.
void DrawResultView(Program& program);

}  // namespace zel3
