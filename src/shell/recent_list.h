#pragma once
// The four most recently used project files (entry 1 the newest) and how the File menu
// shows them.

#include <array>
#include <string>

namespace zel3 {

using RecentFiles = std::array<std::string, 5>;  // entries 1..4; index 0 unused

// Puts path first; an equal entry (compared without regard to letter case) is removed first.
void AddRecentFile(RecentFiles& list, const std::string& path);
// Removes entry k (1..4); later entries move up and entry 4 becomes empty.
void RemoveRecentFile(RecentFiles& list, int k);
// Menu caption of entry k: "&" + k + " " + the path shortened with ShortenPath.
std::string RecentFileCaption(const RecentFiles& list, int k);

}  // namespace zel3
