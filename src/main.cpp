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

#ifdef ZEL3_WINDOW_MODULE
#include <dlfcn.h>

#include "shell/program_paths.h"

namespace {

// Loads the window module beside the executable (or in the installed library folder) and
// runs the desktop program from it.
int RunWindow(int argc, char** argv, const std::vector<std::string>& params) {
    const std::string exeDir = zel3::ExecutableDir();
    std::string error;
    for (const std::string& path :
         {exeDir + ZEL3_WINDOW_MODULE,
          exeDir + "../" ZEL3_INSTALL_MODULE_SUBDIR "/" ZEL3_WINDOW_MODULE}) {
        void* module = ::dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
        if (!module) {
            if (error.empty()) error = ::dlerror();
            continue;
        }
        using Entry = int (*)(int, char**, const std::vector<std::string>*);
        auto entry = reinterpret_cast<Entry>(::dlsym(module, "zel3_run_application"));
        if (entry) return entry(argc, argv, &params);
        error = ::dlerror();
    }
    std::cerr << "wzel3: the window cannot be opened: " << error << '\n';
    return 1;
}

}  // namespace
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

#ifdef ZEL3_WINDOW_MODULE
    if (!IsBatchRun(cl.params)) return RunWindow(argc, argv, cl.params);
#endif
    Program program(std::make_unique<BatchPlatform>());
    program.args = cl.params;
    return RunBatch(program);
}
