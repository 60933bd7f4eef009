#pragma once
// The configuration file <HomeDir><ShortName>.cfg: label and value lines, read strictly by
// position, code page 850 with CR LF line ends.

#include <string>

#include "config/settings.h"
#include "util/line_file.h"
#include "util/platform.h"
#include "util/ui_state.h"

namespace zel3 {

class Program;

std::string ConfigurationPath(const std::string& homeDir, const std::string& shortName);

// Reads the entries of a configuration into the settings. Labels are skipped unread; a value
// that is no number reads as 0 and takes its row's replacement; reading stops at the points
// where an older, shorter file may end. Returns false when it stopped early.
bool ReadConfigurationLines(LineReader& in, Settings& s);
// Replaces a drawing area of 0 or -1 by the screen size less the window frame.
void FixDrawingArea(Settings& s, const ScreenInfo& screen);
// The whole file as written: numbers always with a decimal point.
std::string ConfigurationText(const Settings& s, const std::string& shortName,
                              const std::string& versionText);

// Reads <HomeDir><shortName>.cfg; when that cannot be opened, <fallbackDir><shortName>.cfg,
// which then becomes HomeDir. When neither opens, screen-dependent defaults are set and the
// error flag tells the caller that no configuration exists.
void ReadConfiguration(Settings& s, const std::string& shortName, const std::string& fallbackDir,
                       UiState& ui);
// Writes <HomeDir><shortName>.cfg through a temporary file; a failure is reported, sets the
// error flag and leaves the old file as it was.
void WriteConfiguration(const Settings& s, const std::string& shortName,
                        const std::string& versionText, UiState& ui);

// Fills in the folders the configuration files depend on when start-up left them empty:
// HomeDir ($ZEL3_HOME, else the user's configuration folder), StartDir (the working folder)
// and the program's data folder, the fallback for a missing configuration.
void SettleConfigurationFolders(Program& program);

// The program's files: SettleConfigurationFolders, then the file in HomeDir.
void ReadConfiguration(Program& program);
void WriteConfiguration(Program& program);

}  // namespace zel3
