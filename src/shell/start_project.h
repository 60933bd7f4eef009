#pragma once
// Loading the project that the command line or the template "null" names.

#include <string>

#include "shell/program.h"

namespace zel3 {

// A name without "." is a project name in ProjectDir with the extension "zl3". A file that is
// missing, unreadable or not a complete project sets the error flag (reported while errors are
// shown) and leaves the case as it was.
void LoadStartProject(Program& program, const std::string& name);

}  // namespace zel3
