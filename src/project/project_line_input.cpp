#include "project/project_line_input.h"

#include <cmath>

#include "util/number_text.h"
#include "util/text.h"

namespace zel3 {

bool ParseStoredReal(const std::string& text, double& value) {
    const auto v = TryTextToFloat(ReplaceChar(text, ',', '.'));
    if (!v || !std::isfinite(*v)) return false;
    value = *v;
    return true;
}

bool ParseStoredInt(const std::string& text, int& value) {
    const auto v = TryTextToInt(Trim(text));
    if (!v) return false;
    value = *v;
    return true;
}

std::vector<std::string> SplitBars(const std::string& line) {
    std::vector<std::string> parts(1);
    for (char c : line) {
        if (c == '|') {
            parts.emplace_back();
        } else {
            parts.back() += c;
        }
    }
    return parts;
}

bool ProjectLineInput::Fail() {
    if (ok_ && failedLine_ == 0) failedLine_ = in_.lineNumber() > 0 ? in_.lineNumber() : 1;
    ok_ = false;
    return false;
}

bool ProjectLineInput::Line(std::string& value) {
    if (!ok_) return false;
    std::string line;
    if (!in_.ReadText(line)) {
        // Past the end the reader does not count a line; name the one that is missing.
        if (in_.AtEnd() && failedLine_ == 0) failedLine_ = in_.lineNumber() + 1;
        return Fail();
    }
    value = std::move(line);
    return true;
}

bool ProjectLineInput::Skip() {
    std::string line;
    return Line(line);
}

bool ProjectLineInput::Text(std::string& value, std::size_t limit) {
    std::string line;
    if (!Line(line)) return false;
    value = line.substr(0, limit);
    return true;
}

bool ProjectLineInput::Real(double& value) {
    std::string line;
    if (!Line(line)) return false;
    return ParseStoredReal(line, value) || Fail();
}

bool ProjectLineInput::Int(int& value, int low, int high) {
    std::string line;
    if (!Line(line)) return false;
    int v = 0;
    if (!ParseStoredInt(line, v) || v < low || v > high) return Fail();
    value = v;
    return true;
}

bool ProjectLineInput::Literal(const std::string& expected) {
    std::string line;
    if (!Line(line)) return false;
    return Trim(line) == expected || Fail();
}

}  // namespace zel3
