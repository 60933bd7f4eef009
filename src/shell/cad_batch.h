#pragma once
// The drawing of a "/CADi:j" batch job, and the form sheet drawn after a command-line file
// was loaded in window mode.

#include "shell/program.h"

namespace zel3 {

// Output mode i (1 DXF, 2 IGES, 3 screen, 4 plot through the converter with the selected
// stored command line, 5 text listing) of item j: drawing sheets 1..3
// (geometry, results table, form sheet), diagrams 4..7 (w, R and p max over F; the stresses
// over the depth). Any other j draws nothing.
void RunCadBatch(Program& program, int outputMode, int item);

// Sheet 3 (the form sheet) on the screen after a window-mode load from the command line.
void DrawStartSheet(Program& program);

}  // namespace zel3
