#pragma once
// File and folder prompts and the checked steps of writing a text file. Each reports a
// failure once (while errors are shown) and sets the error flag; none throws.
// Paths are file-system names and are shown as they are.

#include <string>

#include "util/output_file.h"
#include "util/ui_state.h"

namespace zel3 {

// The open-file dialog for pattern (e.g. "*.zl3") in the folder of start. The chosen path, or
// start with the error flag set when nothing was chosen.
std::string PickFile(UiState& ui, const std::string& start, const std::string& pattern);
// The folder dialog, preset with start when that folder exists. Cancel returns start and
// clears the error flag.
std::string PickFolder(UiState& ui, const std::string& start);

// False (error reported, flag set) when path cannot be opened for reading.
bool CheckFileReadable(UiState& ui, const std::string& path);
// Before writing path: asks before overwriting an existing file (not for "aktuell" files, not
// when askOverwrite is off, and not when the save-file dialog that chose path asked already)
// and checks that the file can be written. False with the flag set otherwise.
bool PrepareNewFile(UiState& ui, const std::string& path, bool askOverwrite = true);

// Creates file for writing. A failure is reported; where trying again can help, the user is
// asked whether to retry, at most three attempts in all. False with the flag set at the end.
bool CreateForWriting(UiState& ui, OutputFile& file);
// Creates file for writing once; false with the flag set on failure.
bool CreateChecked(UiState& ui, OutputFile& file);
// Writes one line (CR LF) and flushes it; nothing while the flag is set.
bool WriteLineChecked(UiState& ui, OutputFile& file, const std::string& text);
bool CloseChecked(UiState& ui, OutputFile& file);

// Picks a file matching pattern in folder and deletes it after asking.
void DeleteFileAsked(UiState& ui, const std::string& folder, const std::string& pattern);

}  // namespace zel3
