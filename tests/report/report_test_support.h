#pragma once
// Shared pieces of the report tests: a program on the scripted platform with its temporary
// folder, and the normalising of dates and times in written reports.

#include <memory>
#include <regex>
#include <string>
#include <vector>

#include "shell/program.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"

namespace zel3::test {

struct ReportProgram {
    ReportProgram() : platform(new ScriptedPlatform), program(std::unique_ptr<Platform>(platform)) {
        program.settings.folders.TempDir = temp.Dir();
        program.run.ProjectName = "test";
        program.report.batchFolder = temp.Dir();
    }
    TempFolder temp;
    ScriptedPlatform* platform;  // owned by program
    Program program;
};

// Dates become "DD.MM.YYYY"; times (hours without a leading zero) become "hh:mm", and the
// blanks after a time absorb the difference so that columns stay where they were.
inline std::string Normalised(const std::string& text) {
    std::string out = std::regex_replace(text, std::regex(R"(\d\d\.\d\d\.\d{4})"), "DD.MM.YYYY");
    static const std::regex kTime(R"(\b(\d{1,2}:\d\d)( *))");
    std::string result;
    std::smatch m;
    std::string rest = out;
    while (std::regex_search(rest, m, kTime)) {
        result += m.prefix().str();
        const size_t length = m.length(0);
        std::string t = "hh:mm";
        if (length > t.size()) t += std::string(length - t.size(), ' ');
        result += t;
        rest = m.suffix().str();
    }
    return result + rest;
}

inline std::string Sp(int n) {
    return std::string(static_cast<size_t>(n), ' ');
}

// Lines joined with the given line end (after every line).
inline std::string Joined(const std::vector<std::string>& lines, const std::string& end) {
    std::string s;
    for (const auto& l : lines) s += l + end;
    return s;
}

}  // namespace zel3::test
