#pragma once
// The main window's caption for the current project.

#include <string>

#include "shell/program.h"

namespace zel3 {

// No name: the program title; a name without "." gets the project extension.
std::string WindowCaption(const ProgramIdentity& id, const std::string& projectName);

}  // namespace zel3
