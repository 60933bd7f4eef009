#include "project/project_files.h"

#include <filesystem>

#include "project/project_file_format.h"
#include "shell/program.h"
#include "util/file_prompts.h"
#include "util/io_error.h"
#include "util/line_file.h"
#include "util/number_text.h"
#include "util/prompts.h"
#include "util/safe_file.h"
#include "util/text.h"

namespace zel3 {

namespace {

std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return "";
    return slash == 0 ? "/" : path.substr(0, slash);
}

bool EndsWith(const std::string& text, const std::string& end) {
    return text.size() > end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// The project name of a file chosen in a dialog: its name without the project extension.
// A name that still holds a dot ("v1.2.zl3") would be taken for a file name of its own, so
// such a project is named by the chosen path itself.
std::string ChosenProjectName(const std::string& chosen, const std::string& ext) {
    const std::size_t slash = chosen.rfind('/');
    std::string name = slash == std::string::npos ? chosen : chosen.substr(slash + 1);
    if (EndsWith(name, "." + ext)) name.resize(name.size() - ext.size() - 1);
    return name.find('.') == std::string::npos ? name : chosen;
}

// Archive mode keeps a project opened from the command line from being replaced.
bool ArchiveRuleAllows(Program& p, const std::string& name) {
    if (!p.run.StartedWithFile) return true;
    if (!p.settings.archiveMode) {
        p.run.StartedWithFile = false;
        return true;
    }
    if (name == "aktuell") {
        p.ui.platform.MessageBox(
            BoxKind::Error, "Fehler : ",
            "File- und User- Befehle sind im Archivierungsmodus nicht m\xC3\xB6glich.");
        p.ui.errorFlag = true;
        return false;
    }
    return true;
}

}  // namespace

std::string ProjectFilePath(const std::string& folder, const std::string& name,
                            const std::string& extension) {
    if (name.find('.') != std::string::npos) return name;
    const std::string file = name + "." + extension;
    return folder.empty() ? file : WithBackslash(folder) + file;
}

std::string ProjectFullPath(const std::string& folder, const std::string& name,
                            const std::string& extension) {
    const std::string path = ProjectFilePath(folder, name, extension);
    std::error_code ec;
    const std::filesystem::path full = std::filesystem::absolute(path, ec).lexically_normal();
    return ec ? path : full.string();
}

// Help text of the question before a project file is overwritten.
constexpr int kHelpOverwriteProject = 3055;

void SaveProject(Program& p, const std::string& name) {
    UiState& ui = p.ui;
    if (!ArchiveRuleAllows(p, name)) return;
    const std::string& ext = p.identity.ProjectExt;
    std::string path;
    if (!name.empty()) {
        path = ProjectFilePath(p.run.ProjectDir, name, ext);
        // A plain save replaces its own file without asking; a new name is tried out first.
        if (!PrepareNewFile(ui, path, false)) return;
    } else {
        // A project named by its file (from the command line) is offered in its own folder.
        std::string startDir = p.run.ProjectDir;
        std::string suggested = p.run.ProjectName;
        if (suggested.find('.') != std::string::npos) {
            startDir = FolderOf(suggested);
            suggested.erase(0, suggested.rfind('/') + 1);
        }
        std::string chosen;
        if (!p.platform().SaveFileDialog(startDir, "*." + ext + "|*." + ext, suggested,
                                         chosen)) {
            ui.errorFlag = true;
            return;
        }
        // A typed name gets the extension: "v1.2" is saved as "v1.2.zl3", not as "v1.zl3".
        if (!EndsWith(chosen, "." + ext)) chosen += "." + ext;
        p.run.ProjectDir = FolderOf(chosen);
        const std::string base = ChosenProjectName(chosen, ext);
        path = ProjectFilePath(p.run.ProjectDir, base, ext);
        ui.helpNumber = kHelpOverwriteProject;
        if (!PrepareNewFile(ui, path)) return;
        p.run.ProjectName = base;
    }

    LineWriter out;
    const ProjectBanner banner{p.identity.ProgramTitle, p.identity.VersionText,
                               p.identity.ProductName};
    WriteProjectLines(out, p.settings.number, banner, p.contactCase);
    try {
        WriteFileReplacing(path, out.content());
    } catch (const IoError&) {
        ui.errorFlag = true;
        throw;
    }
    ui.errorFlag = false;
}

void LoadProject(Program& p, const std::string& name) {
    UiState& ui = p.ui;
    if (!ArchiveRuleAllows(p, name)) return;
    const std::string& ext = p.identity.ProjectExt;
    std::string path;
    bool nameFromBase = false;
    if (name.empty()) {
        std::string chosen;
        if (!p.platform().OpenFileDialog(p.run.ProjectDir, "*." + ext, chosen)) {
            ui.errorFlag = true;
            return;
        }
        p.run.ProjectDir = FolderOf(chosen);
        p.run.ProjectName = ChosenProjectName(chosen, ext);
        path = ProjectFilePath(p.run.ProjectDir, p.run.ProjectName, ext);
        nameFromBase = true;
    } else if (name.find('.') == std::string::npos) {
        p.run.ProjectName = name;
        path = ProjectFilePath(p.run.ProjectDir, name, ext);
        nameFromBase = true;
    } else {
        path = name;
    }
    if (!CheckFileReadable(ui, path)) {
        if (nameFromBase) p.run.ProjectName.clear();
        return;
    }
    p.platform().StatusText("Datei " + path + " wird eingelesen");

    bool readFailed = false;
    LineReader in = LineReader::FromFile(path, readFailed);
    ContactCase loaded;
    int badLine = 1;
    if (in.isOpen() && !readFailed) badLine = ReadProjectLines(in, loaded);
    loaded.method = p.contactCase.method;  // a setting, not part of the file
    p.contactCase = std::move(loaded);
    if (badLine != 0) {
        ReportDisplayedError(
            ui, "Datei " + path + " ist fehlerhaft (Zeile " + IntToText(badLine) + ") !");
        ui.errorFlag = true;
    }
}

}  // namespace zel3
