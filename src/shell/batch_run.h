#pragma once
// Runs the command line without a window and returns the process exit code.

#include "shell/program.h"

namespace zel3 {

// Start-up folders of a run: the working folder, the settings folder and the shipped data.
void SetProgramFolders(Program& program);

int RunBatch(Program& program);

}  // namespace zel3
