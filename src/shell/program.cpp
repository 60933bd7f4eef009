#include "shell/program.h"

#include <algorithm>
#include <cctype>

#include "graphics/help_text.h"
#include "util/date_text.h"

namespace zel3 {

Program::Program(std::unique_ptr<Platform> platform)
    : ui(*platform, settings.number, settings.text),
      report(ui, settings, identity, run),
      platform_(std::move(platform)) {
    ui.programTitle = identity.ProgramTitle;
    InstallHelpHandler(*this);
    // The sign-off dates of a fresh case are today's.
    InitDrawingInfo(contactCase.drawingInfo, TodayText(settings.number));
}

bool Program::NoGui() const {
    return std::any_of(args.begin(), args.end(), [](const std::string& a) {
        if (a.size() != 6) return false;
        std::string up;
        for (char c : a) up += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        return up == "/NOGUI";
    });
}

CalculationMethod Program::Method() const {
    if (methodOverride) return *methodOverride;
    return settings.calculationMethod == 1 ? CalculationMethod::Exact : CalculationMethod::Table;
}

}  // namespace zel3
