#pragma once
// Starting the plot converter at the end of a plot run: no window, no waiting; the DXF file
// stays for the converter to read.

#include <string>

#include "util/ui_state.h"

namespace zel3 {

// Starts commandLine (UTF-8). A failed start is reported ("out of memory !", "file not
// found", "Exec error " + code) and sets the error flag. The normal cursor is restored.
void StartPlotter(UiState& ui, const std::string& commandLine);

}  // namespace zel3
