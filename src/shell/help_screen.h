#pragma once
// The command-line help screen ("wzel3 ?", "wzel3 /?", "--help").

#include <string>
#include <vector>

#include "shell/program.h"

namespace zel3 {

std::string HelpScreenTitle(const ProgramIdentity& id);
// The 20 lines below the title, each cut to 65 characters.
std::vector<std::string> HelpScreenLines(const ProgramIdentity& id);
// What "--help" prints after the help screen: a heading, then one line per GNU-style option.
std::vector<std::string> GnuOptionLines();

}  // namespace zel3
