#include "shell/command_line.h"

#include "util/text.h"

namespace zel3 {

ParsedCommandLine ParseCommandLine(const std::vector<std::string>& args) {
    ParsedCommandLine out;
    std::vector<std::string> switches;  // GNU spellings, placed after the file name
    for (const std::string& a : args) {
        if (a == "-h" || a == "--help") {
            out.action = CommandLineAction::Help;
            out.optionList = true;
        } else if (a == "--version") {
            out.action = CommandLineAction::Version;
        } else if (a == "--report") {
            switches.push_back("/I");
        } else if (a.rfind("--cad=", 0) == 0) {
            switches.push_back("/CAD" + a.substr(6));
        } else if (a == "--json") {
            out.json = true;
        } else if (a == "--no-gui") {
            switches.push_back("/NOGUI");
        } else if (a.rfind("--method=", 0) == 0) {
            const std::string value = a.substr(9);
            if (value == "table") {
                out.method = CalculationMethod::Table;
            } else if (value == "exact") {
                out.method = CalculationMethod::Exact;
            } else {
                out.action = CommandLineAction::Error;
                out.error = "--method=" + value + ": expected --method=table or --method=exact";
            }
        } else {
            out.params.push_back(a);
        }
    }
    auto at = out.params.empty() ? out.params.end() : out.params.begin() + 1;
    out.params.insert(at, switches.begin(), switches.end());
    if (out.action == CommandLineAction::Error) return out;
    if (!out.params.empty() && (out.params[0] == "?" || out.params[0] == "/?")) {
        out.action = CommandLineAction::Help;
    }
    return out;
}

bool IsBatchRun(const std::vector<std::string>& params) {
    if (params.size() < 2) return false;
    const std::string& p2 = params[1];
    if (p2 == "/I" || p2 == "/i") return true;
    return UpperAscii(p2.substr(0, 4)) == "/CAD";
}

bool IsPictureBatch(const std::vector<std::string>& params) {
    if (!IsBatchRun(params) || params[1].size() < 5) return false;
    // The start-up routine reads the kind from the fifth character alone.
    const char kind = params[1][4];
    return kind >= '6' && kind <= '8';
}

}  // namespace zel3
