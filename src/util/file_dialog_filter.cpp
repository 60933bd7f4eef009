#include "util/file_dialog_filter.h"

#include <vector>

namespace zel3 {

namespace {

std::vector<std::string> Split(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find(separator, start);
        parts.push_back(text.substr(start, end - start));
        if (end == std::string::npos) return parts;
        start = end + 1;
    }
}

// "*.*" means every file; on Linux many have no dot at all. Several patterns are separated
// by ";" on Windows and by blanks here.
std::string DesktopPatterns(const std::string& patterns) {
    std::string out;
    for (const std::string& p : Split(patterns, ';')) {
        if (p.empty()) continue;
        if (!out.empty()) out += ' ';
        out += p == "*.*" ? "*" : p;
    }
    return out.empty() ? "*" : out;
}

}  // namespace

std::string DesktopFileFilter(const std::string& pattern) {
    const std::vector<std::string> parts = Split(pattern, '|');
    if (parts.size() == 1) return pattern + " (" + DesktopPatterns(pattern) + ")";
    std::string out;
    for (std::size_t i = 0; i + 1 < parts.size(); i += 2) {
        if (!out.empty()) out += ";;";
        out += parts[i] + " (" + DesktopPatterns(parts[i + 1]) + ")";
    }
    // An odd last part is a pattern without a description.
    if (parts.size() % 2 == 1 && !parts.back().empty()) {
        if (!out.empty()) out += ";;";
        out += parts.back() + " (" + DesktopPatterns(parts.back()) + ")";
    }
    return out;
}

}  // namespace zel3
