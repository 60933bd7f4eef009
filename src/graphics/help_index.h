#pragma once
// The help picture index ("zel3.dbh"): one line per picture, "name","information", the name
// being the picture file name without ".plt".

#include <istream>
#include <string>
#include <vector>

#include "util/ui_state.h"

namespace zel3 {

struct HelpPicture {
    std::string name;  // at most 8 characters
    std::string info;  // at most 50 characters, code page 850
};

constexpr int kMaxHelpPictures = 130;
constexpr int kHelpPictureNameLength = 8;
constexpr int kHelpPictureInfoLength = 50;

std::string HelpIndexName(const std::string& shortName);

// Reads up to 130 pictures. A line that does not have the two quoted fields is read as well
// as it can be and sets formatError.
std::vector<HelpPicture> ReadHelpIndex(std::istream& in, bool& formatError);
// Reads the index file; "DBH file error" is shown once for a damaged file. False when the file
// cannot be read.
bool ReadHelpIndexFile(UiState& ui, const std::string& path, std::vector<HelpPicture>& pictures);

std::string HelpIndexLine(const HelpPicture& picture);
// Writes the index through a temporary file in its folder that replaces it only when complete;
// on failure the old index stays, the error is reported and the error flag set.
bool WriteHelpIndex(UiState& ui, const std::string& folder, const std::string& shortName,
                    const std::vector<HelpPicture>& pictures);

// The browser's list: name padded or cut to 8 characters, ": " and the information text; then
// the five action lines.
std::vector<std::string> HelpBrowserLines(const std::vector<HelpPicture>& pictures);
// The picture file name of a list line: its first 8 characters without blanks, lower case.
std::string HelpPictureFileOfLine(const std::string& line);

}  // namespace zel3
