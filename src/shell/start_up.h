#pragma once
// The start-up routine: settings, folder checks, the command line (batch jobs end the process
// here), the multi-user prompt, the template case "null" and the first calculation.

#include <optional>
#include <string>

#include "shell/program.h"

namespace zel3 {

// mode: the settings file is read unless mode is 6..9; the calculation runs at the end for
// modes 1, 4 and 8; the multi-user prompt is offered for modes 0, 1, 8 and 9. The main window
// passes 8. Returns the exit code when the process is to end now.
std::optional<int> StartUp(Program& program, int mode);

// The project name a command-line file gives: the text after the last folder separator or
// ":" and before the last ".".
std::string CommandLineBaseName(const std::string& path);

// Exit codes of the program.
constexpr int kExitOk = 0;
constexpr int kExitLoadFailed = 1;

}  // namespace zel3
