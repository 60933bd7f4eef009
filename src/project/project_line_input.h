#pragma once
// Strict reading of a project file: every value must be there and be what its line holds.
// The first line that is missing, too long, binary, or not a number where one belongs stops
// the reading; every value from there on keeps what it had.

#include <cstddef>
#include <string>
#include <vector>

#include "util/line_file.h"

namespace zel3 {

class ProjectLineInput {
  public:
    explicit ProjectLineInput(LineReader& in) : in_(in) {}

    bool ok() const { return ok_; }
    // Line number of the first line that could not be read; 0 while all went well.
    int failedLine() const { return failedLine_; }

    bool Skip();
    // The raw line.
    bool Line(std::string& value);
    // A text cut to limit characters.
    bool Text(std::string& value, std::size_t limit);
    bool Real(double& value);
    bool Int(int& value, int low, int high);
    // A line that must read exactly expected (a section heading).
    bool Literal(const std::string& expected);
    // Marks the current line as not what it should be.
    bool Fail();

  private:
    LineReader& in_;
    bool ok_ = true;
    int failedLine_ = 0;
};

// A real number in either decimal notation ("," or "."); false for anything else.
bool ParseStoredReal(const std::string& text, double& value);
bool ParseStoredInt(const std::string& text, int& value);
// Splits at every "|".
std::vector<std::string> SplitBars(const std::string& line);

}  // namespace zel3
