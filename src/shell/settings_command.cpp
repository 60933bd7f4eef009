#include "shell/settings_command.h"

#include <cstdlib>

#include "config/config_file.h"
#include "contact/hertz_solver.h"
#include "shell/directory_check.h"
#include "shell/program_paths.h"

namespace zel3 {

namespace {
std::string Environment(std::initializer_list<const char*> names) {
    for (const char* name : names) {
        const char* v = std::getenv(name);
        if (v && *v) return v;
    }
    return {};
}
}  // namespace

SettingsEnvironment MakeSettingsEnvironment(Program& program) {
    Platform& platform = program.platform();
    SettingsEnvironment env;
    env.workingDir = CurrentDir();
    env.user = Environment({"USERNAME", "USER"});
    env.tempVariable = Environment({"TEMP", "TMPDIR"});
    env.screen = platform.Screen();
    env.graphicsWindow = platform.GraphicsWindow();
    env.save = [&program](const Settings&) { WriteConfiguration(program); };
    env.resizeDrawingArea = [&platform](int width, int height) {
        platform.ResizeDrawingArea(width, height);
    };
    env.editPlotCommand = [&program](std::string& line) {
        program.ui.helpNumber = 2055;
        return program.platform().EditPlotCommand(line, program.settings.folders.TempDir);
    };
    env.showHelp = [&program](int topic) {
        program.ui.helpNumber = topic;
        if (program.platform().showHelp) program.platform().showHelp(false);
    };
    return env;
}

bool CommandSettings(Program& program) {
    program.ui.errorFlag = false;
    program.ui.helpNumber = 1940;
    bool saved = false;
    SettingsEnvironment env = MakeSettingsEnvironment(program);
    auto save = env.save;
    env.save = [&saved, save](const Settings& s) {
        saved = true;
        save(s);
    };
    const bool ok = program.platform().EditSettings(program.settings, program.ui, env);
    // A temporary folder typed in the dialog is made safe like the one of the start.
    UsePrivateTempFolder(program.ui, program.settings.folders, program.identity.ShortName);
    // The drawing area follows the record, also back to it when the size was only tried.
    program.graphics.ApplySettings(program.platform().Screen());
    program.platform().ResizeDrawingArea(program.graphics.mapping.MaxX + 1,
                                         program.graphics.mapping.MaxY + 1);
    program.ui.errorFlag = false;
    if (!ok && !saved) {
        program.ui.errorFlag = true;
        return false;
    }
    // Decimal places, units, the method and findings' texts may have changed.
    program.ApplyCalculationMethod();
    CalculateCase(program.contactCase, program.messages);
    return true;
}

}  // namespace zel3
