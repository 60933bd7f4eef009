// wzel3: batch runs work on the core alone and never create a Qt application; everything
// else opens the main window.

#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "shell/batch_run.h"
#include "shell/command_line.h"
#include "shell/help_screen.h"
#include "shell/program.h"
#include "util/batch_platform.h"

#ifdef ZEL3_WITH_GUI
#include "shell/qt_application.h"
#endif

int main(int argc, char** argv) {
    using namespace zel3;
    std::vector<std::string> args(argv + 1, argv + argc);
    ParsedCommandLine cl = ParseCommandLine(args);

    if (cl.action == CommandLineAction::Help) {
        ProgramIdentity id;
        std::cout << HelpScreenTitle(id) << '\n';
        for (const auto& line : HelpScreenLines(id)) std::cout << line << '\n';
        return 0;
    }
    if (cl.action == CommandLineAction::Version) {
        ProgramIdentity id;
        std::cout << "w" << id.ShortName << ' ' << id.VersionText << '\n';
        return 0;
    }

#ifdef ZEL3_WITH_GUI
    if (!IsBatchRun(cl.params)) return RunApplication(argc, argv, cl.params);
#endif
    Program program(std::make_unique<BatchPlatform>());
    program.args = cl.params;
    return RunBatch(program);
}
