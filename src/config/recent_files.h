#pragma once
// The recent-files file <HomeDir><ShortName>.cff: a session line, then the four entries.

#include <array>
#include <string>

namespace zel3 {

class Program;

std::string RecentFilesPath(const std::string& homeDir, const std::string& shortName);

// Entries 1..4 of list come from lines 2 to 5; a missing file clears the list. A damaged file
// keeps what it could read and sets the error flag.
void ReadRecentFiles(const std::string& path, std::array<std::string, 5>& list, bool& errorFlag);
// Writes the session line and entries 1..4 through a temporary file. Returns false and sets
// the error flag when the file could not be written; the old file then stays.
bool WriteRecentFiles(const std::string& path, const std::string& shortName,
                      const std::string& projectDir, const std::array<std::string, 5>& list,
                      bool& errorFlag);

void ReadRecentFiles(Program& program);
bool WriteRecentFiles(Program& program);

}  // namespace zel3
