#pragma once
// Splits a configured command line into program and arguments the way a shell splits words
// (blanks separate, single and double quotes group, a backslash escapes the next character),
// without interpreting anything else.

#include <string>
#include <vector>

namespace zel3 {

std::vector<std::string> SplitCommandLine(const std::string& line);

}  // namespace zel3
