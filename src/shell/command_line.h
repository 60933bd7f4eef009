#pragma once
// Turns the process arguments into the parameters the start-up routine evaluates: the GNU
// spellings (--report, --cad=i:j, --no-gui, -h/--help) become the classic switches;
// --method=table|exact chooses the calculation method for the run; --json asks for the
// results of every file named as JSON.

#include <optional>
#include <string>
#include <vector>

#include "contact/contact_case.h"

namespace zel3 {

enum class CommandLineAction { Run, Help, Version, Error };

struct ParsedCommandLine {
    CommandLineAction action = CommandLineAction::Run;
    bool optionList = false;  // -h/--help: the help screen and then the GNU-style options
    std::vector<std::string> params;          // classic form: Filename [/I] [/CADi:j] [/NOGUI]
    std::optional<CalculationMethod> method;  // --method=, overrides the setting
    std::string error;                        // what was wrong, with action Error
    bool json = false;                        // "--json": the files' results as JSON Lines
};

ParsedCommandLine ParseCommandLine(const std::vector<std::string>& args);

// True when the parameters ask for a run without a window (a batch job or the help screen),
// so no Qt application must be created.
bool IsBatchRun(const std::vector<std::string>& params);

// True for a "/CADi:j" job with i = 6, 7 or 8: its picture is painted by the window program.
bool IsPictureBatch(const std::vector<std::string>& params);

}  // namespace zel3
