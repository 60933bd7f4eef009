#pragma once
// The state every prompt works with: the platform that shows it, the program-wide error flag,
// whether errors are shown, the current help number and the option texts of choice dialogs.

#include <array>
#include <string>

#include "util/number_format.h"
#include "util/platform.h"

namespace zel3 {

struct UiState {
    explicit UiState(Platform& p, const NumberFormat& nf, const TextOptions& to)
        : platform(p), number(nf), text(to) {}

    Platform& platform;
    const NumberFormat& number;  // the settings' number format, read by FormatValue in prompts
    const TextOptions& text;     // the settings' code page options, read by OemToDisplay

    bool errorFlag = false;  // set by any failed or cancelled step, cleared by every command
    bool showErrors = true;  // off while a command-line file loads in window mode
    int helpNumber = 0;      // help topic of the next prompt
    std::string programTitle;
    std::array<std::string, 136> optionTexts{};  // 1..135 used; filled before AskChoice
};

}  // namespace zel3
