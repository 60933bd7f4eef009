#pragma once
// The "--json" run: every project file named on the command line is loaded and calculated and
// printed as one JSON object per line (JSON Lines), in the order given.

#include <ostream>
#include <string>
#include <vector>

namespace zel3 {

class BatchPlatform;
class Program;

// The project files among the parameters: the classic switches are not files.
std::vector<std::string> JsonProjectFiles(const std::vector<std::string>& params);

// Prints the object of each file to out; a file that cannot be read gets an object with
// "failed" true and the error, and the run goes on. platform is the program's own, which
// keeps the error texts. 0, or 1 when any file could not be read or its calculation failed.
int RunJsonBatch(Program& program, BatchPlatform& platform, const std::vector<std::string>& files,
                 std::ostream& out);

}  // namespace zel3
