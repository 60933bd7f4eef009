#pragma once
// Numbered help texts in plain text files (code page 850). An entry is a header line starting
// with its four-digit number (a multiple of 5), optionally ":" and a picture name, then its
// first text line and up to four more: plain text lines, or a continuation number (entry
// number + position) followed by its text line. The next multiple of 5 starts the next entry.

#include <istream>
#include <string>
#include <vector>

namespace zel3 {

struct HelpEntry {
    bool fileFound = false;
    bool found = false;
    std::vector<std::string> lines;  // up to five, code page 850
    std::string picture;             // picture file name without ".plt"; "NULL" for none
};

// Numbers below 4000 are in "trellox.hlp", the others in the program's own file.
std::string HelpFileName(int number, const std::string& shortName);

// The number in the first four characters of a line (leading blanks and a sign allowed);
// false when they are not a number.
bool HelpLineNumber(const std::string& line, int& number);

HelpEntry FindHelpEntry(std::istream& in, int number);
// Looks in folder + HelpFileName; fileFound false when the file cannot be read.
HelpEntry ReadHelpEntry(const std::string& folder, int number, const std::string& shortName);

bool HasHelpPicture(const HelpEntry& entry);

}  // namespace zel3
