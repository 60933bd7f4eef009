#pragma once
// Runs the command line without a window and returns the process exit code.

#include "shell/program.h"

namespace zel3 {

int RunBatch(Program& program);

}  // namespace zel3
