#include "shell/json_batch.h"

#include "config/config_file.h"
#include "contact/hertz_solver.h"
#include "project/case_json.h"
#include "project/project_files.h"
#include "shell/batch_run.h"
#include "shell/program.h"
#include "shell/start_up.h"
#include "util/batch_platform.h"
#include "util/io_error.h"
#include "util/text.h"

namespace zel3 {

namespace {

bool IsClassicSwitch(const std::string& p) {
    if (p == "/I" || p == "/i" || p == "/E" || p == "/e" || p == "/G") return true;
    const std::string upper = UpperAscii(p);
    if (upper == "/NOGUI") return true;
    // "/CAD1:2", but not a path such as "/CADfiles/x.zl3".
    return upper.compare(0, 4, "/CAD") == 0 && p.find('/', 1) == std::string::npos;
}

// Loads and calculates one file; the error text when it could not be read.
std::string LoadAndCalculate(Program& program, BatchPlatform& platform, const std::string& file,
                             CalculationMethod method) {
    platform.ClearLastError();
    program.ui.errorFlag = false;
    program.messages.ClearMessages();
    try {
        LoadProject(program, file);
    } catch (const IoError& e) {
        return e.what();
    }
    if (program.ui.errorFlag) {
        return platform.LastError().empty() ? "Datei " + file + " kann nicht gelesen werden"
                                            : platform.LastError();
    }
    // The method is the run's, not the file's: loading replaced the whole case.
    program.contactCase.method = method;
    CalculateCase(program.contactCase, program.messages);
    return {};
}

}  // namespace

std::vector<std::string> JsonProjectFiles(const std::vector<std::string>& params) {
    std::vector<std::string> files;
    for (const std::string& p : params) {
        if (!IsClassicSwitch(p)) files.push_back(p);
    }
    return files;
}

int RunJsonBatch(Program& program, BatchPlatform& platform, const std::vector<std::string>& files,
                 std::ostream& out) {
    SetProgramFolders(program);
    ReadConfiguration(program);
    program.run.ProjectDir.clear();
    const CalculationMethod method = program.contactCase.method;
    int exitCode = kExitOk;
    for (const std::string& file : files) {
        const std::string error = LoadAndCalculate(program, platform, file, method);
        if (!error.empty()) {
            out << UnreadableCaseJson(file, method, error) << '\n';
            exitCode = kExitLoadFailed;
            continue;
        }
        out << CaseJson(file, program.contactCase, program.messages) << '\n';
        if (program.messages.calculationFailed) exitCode = kExitLoadFailed;
    }
    out.flush();
    return exitCode;
}

}  // namespace zel3
