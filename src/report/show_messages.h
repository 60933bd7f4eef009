#pragma once
// The interactive message window: the user picks a finding of the last calculation and sees
// (and may edit) its cause and remedy from the description file.

#include <string>

#include "report/message_list.h"
#include "util/ui_state.h"

namespace zel3 {

class Program;

struct MessageWindowSetup {
    std::string descriptionFile;
    int helpLevel = 1;   // from 2 on the first finding is preselected
    bool noGui = false;  // "/NOGUI" on the command line: never shown
    DescriptionLabels labels;  // of the description window, in the chosen language
};

void ShowMessageWindow(UiState& ui, const MessageList& list, const MessageWindowSetup& setup);
// The same with the program's settings and command line.
void ShowMessageWindow(Program& program);

// The description window of one finding; an edited entry is written back on request.
void ShowMessageDescription(UiState& ui, const std::string& message, const std::string& file,
                            const DescriptionLabels& labels = {});

}  // namespace zel3
