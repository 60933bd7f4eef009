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
// A path of 50 or more characters with two or more separators is shown as the text up to and
// including the first separator, "...", and the text from the last separator on.
std::string ShortenRecentPath(const std::string& path);
// Menu caption of entry k: "&" + k + " " + the shortened path.
std::string RecentFileCaption(const RecentFiles& list, int k);

}  // namespace zel3
