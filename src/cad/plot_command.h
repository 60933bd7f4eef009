#pragma once
// Choosing and building the plot converter's command line before a plot run (output kind 4).
// Command lines are held as the system spells them (UTF-8), up to five in the settings;
// the selected line is 1-based and lives for the program run.

#include <string>

#include "config/settings.h"
#include "util/ui_state.h"

namespace zel3 {

// Picks the stored line to use (a question only with two lines or more), offers the converter
// form on it, then the command-line prompt, where an empty answer or one starting with "0"
// builds a new line with the questions. Cancel sets the error flag; the stored lines keep what
// was confirmed up to that point.
void ChoosePlotCommand(UiState& ui, Settings& settings, int& selected,
                       const std::string& shortName);

// The converter form on line: true on OK with line replaced and the error flag cleared;
// "Abbrechen" sets the flag and leaves line as it was.
bool EditPlotCommand(UiState& ui, std::string& line, const std::string& tempDir);

// The question sequence. answer is the text given at the command-line prompt (its program
// folder is the first proposal). Returns the new line; on cancel the error flag is set and
// the returned text is empty. Lines longer than 60 characters are put into a batch file
// when the user names one.
std::string AskPlotCommand(UiState& ui, const std::string& answer, const std::string& tempDir,
                           const std::string& shortName);

// Writes line as the only line of name + ".BAT", executable, so that the command interpreter
// runs it. False when the file could not be written.
bool WritePlotBatchFile(const std::string& name, const std::string& line);

}  // namespace zel3
