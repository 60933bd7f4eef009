#pragma once
// File "Config": the settings dialog, then the picture redrawn with the new settings.

#include "config/settings_form.h"
#include "shell/program.h"

namespace zel3 {

// What the settings dialog shows of the desktop and does for its buttons.
SettingsEnvironment MakeSettingsEnvironment(Program& program);

// True when the settings may have changed ("OK", or "&Speichern" before "Abbrechen"): the
// case is calculated again and the picture is to be redrawn. Cancel sets the error flag.
bool CommandSettings(Program& program);

}  // namespace zel3
