#pragma once
// Where the program finds its shipped data and its settings.

#include <string>

namespace zel3 {

// The folder of the running executable, from /proc/self/exe; empty when unknown.
std::string ExecutableDir();
// Shipped data: <prefix>/share/zel3 beside an installed executable, else the source tree's
// data/ folder the build was made from. Ends with "/".
std::string FindProgramDataDir(const std::string& exeDir);
// Settings folder: $ZEL3_HOME, else $XDG_CONFIG_HOME/zel3/, else ~/.config/zel3/; "" when none
// of these can be made out. Ends with "/".
std::string DefaultHomeDir();
// The working folder, ending with "/".
std::string CurrentDir();

}  // namespace zel3
