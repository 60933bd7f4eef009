#pragma once
// The start-up check of the configured folders: empty folders get their defaults, and each
// folder the program writes to must take a probe file.

#include <string>

#include "config/settings.h"
#include "util/ui_state.h"

namespace zel3 {

// True when a probe file "x.$$$" can be created in folder and deleted again. An existing file
// of that name is left alone; the folder's write permission decides then.
bool FolderWritable(const std::string& folder);
bool FolderExists(const std::string& folder);

// The folder for temporary files when none is configured: "TEMP", then "TMPDIR", then /tmp.
std::string DefaultTempDir();

// Fills empty folders (TempDir from the environment, DbfDir and PltDir with the shipped data
// folder, EdiDir and DataDir with StartDir), then reports each unusable folder once. For an
// unusable TempDir the user is asked for another one. The reports are warnings: the error
// flag is left as it was.
void CheckDirectories(UiState& ui, Folders& folders, const std::string& programDataDir);

// Points TempDir at a private folder inside the configured temporary folder when that one is
// shared with other users (the configured folder stays in TempDirSetting), and back at the
// configured folder when it is ours alone. A folder of ours that cannot be trusted is named
// in a note.
void UsePrivateTempFolder(UiState& ui, Folders& folders, const std::string& shortName);

}  // namespace zel3
