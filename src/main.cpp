// wzel3: batch runs work on the core alone and never create a Qt application; everything
// else opens the main window.

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "shell/batch_run.h"
#include "shell/command_line.h"
#include "shell/help_screen.h"
#include "shell/json_batch.h"
#include "shell/program.h"
#include "util/batch_platform.h"

#ifdef ZEL3_WINDOW_PROGRAM
#include <unistd.h>

#include "shell/program_paths.h"

namespace {

// The window is the program beside this one; it gets the same arguments. A picture job needs
// no window, only Qt's painting, and goes to the picture program beside this one, which paints
// offscreen.
int RunWindow(char** argv, bool picture) {
    const char* display = std::getenv("DISPLAY");
    const char* wayland = std::getenv("WAYLAND_DISPLAY");
    const bool noDisplay = (!display || !*display) && (!wayland || !*wayland);
    if (!picture && noDisplay && !std::getenv("QT_QPA_PLATFORM")) {
        // Qt would abort with a core dump; say what is missing and how to run without.
        std::cerr << "wzel3: no display for the window (DISPLAY and WAYLAND_DISPLAY are not "
                     "set); batch jobs such as \"wzel3 project.zl3 /I /NOGUI\" need none, "
                     "see \"wzel3 /?\"\n";
        return 1;
    }
    const std::string program =
        zel3::ExecutableDir() + (picture ? ZEL3_PICTURE_PROGRAM : ZEL3_WINDOW_PROGRAM);
    ::execv(program.c_str(), argv);
    const int error = errno;
    std::cerr << "wzel3: " << (picture ? "the picture program" : "the window")
              << " cannot be started: " << program << ": " << std::strerror(error) << '\n';
    return 1;
}

}  // namespace
#endif

int main(int argc, char** argv) {
    using namespace zel3;
    std::vector<std::string> args(argv + 1, argv + argc);
    ParsedCommandLine cl = ParseCommandLine(args);

    if (cl.action == CommandLineAction::Error) {
        std::cerr << "wzel3: " << cl.error << '\n';
        return 1;
    }
    if (cl.action == CommandLineAction::Help) {
        ProgramIdentity id;
        std::cout << HelpScreenTitle(id) << '\n';
        for (const auto& line : HelpScreenLines(id)) std::cout << line << '\n';
        if (cl.optionList)
            for (const auto& line : GnuOptionLines()) std::cout << line << '\n';
        return 0;
    }
    if (cl.action == CommandLineAction::Version) {
        ProgramIdentity id;
        std::cout << "w" << id.ShortName << ' ' << id.VersionText << '\n';
        return 0;
    }

    if (cl.json) {
        const std::vector<std::string> files = JsonProjectFiles(cl.params);
        if (files.empty()) {
            std::cerr << "wzel3: --json needs at least one project file\n";
            return 1;
        }
        auto platform = std::make_unique<BatchPlatform>();
        BatchPlatform& batch = *platform;
        Program program(std::move(platform));
        program.args = cl.params;
        program.methodOverride = cl.method;
        return RunJsonBatch(program, batch, files, std::cout);
    }

#ifdef ZEL3_WINDOW_PROGRAM
    if (!IsBatchRun(cl.params) || IsPictureBatch(cl.params))
        return RunWindow(argv, IsPictureBatch(cl.params));
#endif
    Program program(std::make_unique<BatchPlatform>());
    program.args = cl.params;
    program.methodOverride = cl.method;
    return RunBatch(program);
}
