#pragma once
// Starts the desktop program: the Qt application and its one main window.

#include <string>
#include <vector>

namespace zel3 {

int RunApplication(int argc, char** argv, const std::vector<std::string>& params);

}  // namespace zel3
