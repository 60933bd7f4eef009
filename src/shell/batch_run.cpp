#include "shell/batch_run.h"

#include <iostream>

#include "config/config_file.h"
#include "shell/program_paths.h"
#include "shell/start_up.h"
#include "util/io_error.h"

namespace zel3 {

void SetProgramFolders(Program& program) {
    Folders& f = program.settings.folders;
    f.StartDir = CurrentDir();
    f.HomeDir = DefaultHomeDir();
    if (f.DataDir.empty()) f.DataDir = f.StartDir;
    program.ProgramDataDir = FindProgramDataDir(ExecutableDir());
}

int RunBatch(Program& program) {
    SetProgramFolders(program);
    try {
        ReadConfiguration(program);
        // A picture job paints the drawing area the settings give.
        program.graphics.ApplySettings(program.platform().Screen());
        std::optional<int> code = StartUp(program, 8);
        return code ? *code : kExitOk;
    } catch (const IoError& e) {
        // A report or drawing that could not be written is a failed job.
        std::cerr << "w" << program.identity.ShortName << ": " << e.what() << '\n';
        return kExitLoadFailed;
    }
}

}  // namespace zel3
