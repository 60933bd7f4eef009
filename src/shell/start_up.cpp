#include "shell/start_up.h"

#include <unistd.h>

#include "cad/cad_output_state.h"
#include "config/config_file.h"
#include "contact/hertz_solver.h"
#include "contact/standard_report.h"
#include "project/project_files.h"
#include "shell/cad_batch.h"
#include "shell/directory_check.h"
#include "shell/help_screen.h"
#include "util/codepage.h"
#include "util/file_prompts.h"
#include "util/number_text.h"
#include "util/prompts.h"
#include "util/text.h"

namespace zel3 {

namespace {

bool IsOneOf(int mode, std::initializer_list<int> modes) {
    for (int m : modes) {
        if (m == mode) return true;
    }
    return false;
}

bool FileExists(const std::string& path) {
    return ::access(path.c_str(), F_OK) == 0;
}

// Loads the command line's project for a batch job; false when it could not be loaded.
bool LoadBatchProject(Program& program, const std::string& p1) {
    program.ui.errorFlag = false;
    LoadProject(program, p1);
    if (program.ui.errorFlag) return false;
    program.run.ProjectName = CommandLineBaseName(p1);
    return true;
}

// The "/I" job: the report as text in the working folder.
int ReportBatch(Program& program, const std::string& p1) {
    if (!LoadBatchProject(program, p1)) return kExitLoadFailed;
    CalculateCase(program.contactCase, program.messages);
    program.ui.errorFlag = false;
    program.report.batchFolder.clear();
    WriteStandardReport(program, kTargetBatchFile);
    // A fatal input error or a report that could not be written is a failed job.
    if (program.messages.calculationFailed) return kExitLoadFailed;
    return program.ui.errorFlag ? kExitLoadFailed : kExitOk;
}

int CadBatch(Program& program, const std::string& p1, const std::string& p2) {
    if (!LoadBatchProject(program, p1)) return kExitLoadFailed;
    program.run.CadBatch = true;
    const int mode = TextToInt(p2.substr(4, 1));
    const int item = p2.size() > 6 ? TextToInt(p2.substr(6)) : 0;
    CalculateCase(program.contactCase, program.messages);
    program.ui.errorFlag = false;
    RunCadBatch(program, mode, item);
    program.run.CadBatch = false;
    // A picture that this program cannot paint is a failed job (one that could not be
    // written throws).
    if (IsPictureKind(mode) && item >= 1 && item <= 7 && program.ui.errorFlag) {
        ShowError(program.ui, DisplayToOem("Bilddatei nicht möglich (" + p2 + ")"));
        return kExitLoadFailed;
    }
    return kExitOk;
}

// Window mode with a file: load it, or start a new file of that name.
std::optional<int> OpenCommandLineFile(Program& program, const std::string& p1) {
    UiState& ui = program.ui;
    if (p1.find('.') == std::string::npos) {
        ShowError(ui, DisplayToOem("Erweiterung ." + program.identity.ProjectExt +
                                   " muß mit angegeben werden"));
        return kExitOk;
    }
    ui.showErrors = false;
    ui.errorFlag = false;
    LoadProject(program, p1);
    const bool loaded = !ui.errorFlag;
    if (program.settings.helpLevel != 0 && loaded) {
        // Results are not stored in the file: the sheet needs those of the loaded case.
        CalculateCase(program.contactCase, program.messages);
        DrawStartSheet(program);
    }
    program.run.StartedWithFile = true;
    ui.showErrors = true;
    // Only the load decides: a sheet that could not be drawn leaves the file loaded.
    if (!loaded) {
        ui.errorFlag = false;
        PrepareNewFile(ui, p1);
        if (ui.errorFlag) return kExitOk;
    }
    return std::nullopt;
}

std::optional<int> EvaluateCommandLine(Program& program) {
    const std::vector<std::string>& args = program.args;
    if (args.empty()) return std::nullopt;
    const std::string& p1 = args[0];
    const std::string p2 = args.size() > 1 ? args[1] : std::string();
    if (p1 == "?" || p1 == "/?") {
        program.platform().ShowTextScreen(HelpScreenTitle(program.identity),
                                          HelpScreenLines(program.identity));
        return kExitOk;
    }
    program.run.ProjectName = p1;
    program.run.ProjectDir.clear();
    if (p2 == "/E" || p2 == "/e" || p2 == "/G") return std::nullopt;
    if (p2 == "/I" || p2 == "/i") return ReportBatch(program, p1);
    if (UpperAscii(p2.substr(0, 4)) == "/CAD") return CadBatch(program, p1, p2);
    return OpenCommandLineFile(program, p1);
}

// Each user works in a sub-folder of DataDir named by the answer.
std::optional<int> AskUserFolder(Program& program) {
    UiState& ui = program.ui;
    const std::string dataDir = program.settings.folders.DataDir;
    ui.helpNumber = 1120;
    std::string answer;
    AskText(ui, "Passwort (User) eingeben ...", 8, answer);
    if (ui.errorFlag) return kExitOk;
    program.run.ProjectDir = answer;
    if (::chdir(dataDir.c_str()) != 0) ShowError(ui, "Invalid Directory " + dataDir);
    // A name of one folder below DataDir, never a way out of it.
    const bool plain = !answer.empty() && answer != "." && answer != ".." &&
                       answer.find('/') == std::string::npos &&
                       answer.find('\\') == std::string::npos &&
                       !(answer.size() > 1 && answer[1] == ':');
    if (!plain || ::chdir(answer.c_str()) != 0) {
        ShowError(ui, DisplayToOem("Ungültiges Passwort ") + answer + " !");
        return kExitOk;
    }
    if (::chdir("..") != 0) ShowError(ui, "Invalid Directory " + dataDir);
    return std::nullopt;
}

std::optional<int> Finish(Program& program, int mode) {
    UiState& ui = program.ui;
    RunState& run = program.run;
    if (run.StartedWithFile) {
        run.ProjectDir.clear();
    } else {
        if (IsOneOf(mode, {0, 1, 8, 9}) && program.settings.MultiUser) {
            if (auto code = AskUserFolder(program)) return code;
        }
        BusyScope busy(ui);
        const std::string& dataDir = program.settings.folders.DataDir;
        run.ProjectDir =
            (dataDir.empty() ? std::string() : WithBackslash(dataDir)) + run.ProjectDir;
        program.graphics.SetWindow(true, true, 0.1, 0.05, 0.95, 0.95, 0, 0, 36.9, 32);
        program.graphics.DrawTrelloxLogo();
        const std::string folder = run.ProjectDir.empty() ? "" : WithBackslash(run.ProjectDir);
        const std::string null = folder + "null." + program.identity.ProjectExt;
        if (FileExists(null)) {
            // "null" is the template of every new case.
            ui.errorFlag = false;
            LoadProject(program, null);
            run.ProjectName.clear();
        }
    }
    ui.errorFlag = false;
    if (IsOneOf(mode, {1, 4, 8})) CalculateCase(program.contactCase, program.messages);
    ui.errorFlag = false;
    run.Modified = false;
    return std::nullopt;
}

}  // namespace

std::string CommandLineBaseName(const std::string& path) {
    std::string name = path;
    auto sep = name.find_last_of("/\\:");
    if (sep != std::string::npos) name = name.substr(sep + 1);
    auto dot = name.rfind('.');
    if (dot != std::string::npos) name = name.substr(0, dot);
    return name;
}

std::optional<int> StartUp(Program& program, int mode) {
    if (!IsOneOf(mode, {6, 7, 8, 9})) ReadConfiguration(program);
    program.ApplyCalculationMethod();
    program.ui.errorFlag = false;
    program.ui.showErrors = true;
    CheckDirectories(program.ui, program.settings.folders, program.ProgramDataDir);
    UsePrivateTempFolder(program.ui, program.settings.folders, program.identity.ShortName);
    // Folder warnings never count as a failure of what the command line asks for.
    program.ui.errorFlag = false;
    if (!program.settings.MultiUser) program.run.ProjectDir.clear();
    if (auto code = EvaluateCommandLine(program)) return code;
    return Finish(program, mode);
}

}  // namespace zel3
