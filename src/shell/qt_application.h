#pragma once
// Starts the desktop program: the Qt application and its one main window.

#include <optional>
#include <string>
#include <vector>

#include "contact/contact_case.h"

namespace zel3 {

class MainWindow;
class Program;

// The main window's start: settings, recent files, the start-up routine, the window's size
// from the drawing area and the configured language. Returns the exit code when the program
// is to end instead (a batch job, the help screen, a refused name or user).
std::optional<int> StartMainWindow(Program& program, MainWindow& window);

// method: the command line's --method=, which overrides the setting for this run.
int RunApplication(int argc, char** argv, const std::vector<std::string>& params,
                   std::optional<CalculationMethod> method = std::nullopt);

}  // namespace zel3
