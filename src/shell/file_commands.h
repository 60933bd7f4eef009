#pragma once
// The File menu's commands, the "Quick" input sequence and the close sequence. Each command
// clears the error flag first and stops quietly when a step sets it (a cancelled dialog);
// failed steps leave the error flag set for the caller.

#include <functional>
#include <string>

#include "shell/program.h"

namespace zel3 {

// What the commands ask of the main window between their steps. Either may be empty.
struct WindowUpdates {
    std::function<void()> updateCaption;  // caption and recent-files entries
    std::function<void()> refresh;        // "Error Messages" entry and the result view
};

// The question before the current case is replaced or the program ends. Sets the error flag
// when the command must stop (Cancel, "Bisherige Eingaben verwerfen ?" refused, a failed save).
void AskSaveChanges(Program& program);

// New: the template "null" of the project folder when there is one, no name, no change log,
// no remark lines, then the input sequence.
void NewCase(Program& program, const WindowUpdates& window);
// Open: the file selection dialog, then the loaded case is calculated and shown.
void OpenCase(Program& program, const WindowUpdates& window);
// Save under the current name without asking; an unnamed case asks for a name.
void SaveCase(Program& program, const WindowUpdates& window);
// Save under a name from the file-save dialog, asking before a file is overwritten.
void SaveCaseAs(Program& program, const WindowUpdates& window);
// Recent file k (1..4). A file that no longer exists leaves the list with a note.
void OpenRecentFile(Program& program, int k, const WindowUpdates& window);

// "Quick": drawing names, force (calculated), geometry, material, then the calculation and the
// message window. Stops at the first cancelled step with the error flag set.
void RunInputSequence(Program& program);
// Edit "Quick": the sequence, then the result view.
void QuickCommand(Program& program, const WindowUpdates& window);

// Closing the main window: the save-changes question, the temporary drawing files, the
// recent-files file. False when the window must stay open.
bool CloseSequence(Program& program);

// Deletes every "$*.dx$" file in folder (the empty folder is the working folder).
void DeleteTemporaryDrawingFiles(const std::string& folder);

// The file the current project is saved to.
std::string CurrentProjectPath(const Program& program);

}  // namespace zel3
