#include "shell/file_commands.h"

#include <dirent.h>
#include <sys/stat.h>
#include <unistd.h>

#include <vector>

#include "config/recent_files.h"
#include "contact/hertz_solver.h"
#include "project/project_files.h"
#include "report/show_messages.h"
#include "shell/edit_commands.h"
#include "shell/recent_list.h"
#include "util/date_text.h"
#include "util/io_error.h"
#include "util/prompts.h"
#include "util/text.h"

namespace zel3 {

namespace {

void Calculate(Program& p) {
    CalculateCase(p.contactCase, p.messages);
}

void Call(const std::function<void()>& f) {
    if (f) f();
}

bool IsFile(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && !S_ISDIR(st.st_mode);
}

// A project opened from the command line in archive mode stays as it is: no file command
// may replace it or write over it.
bool ArchiveRefuses(Program& p) {
    if (!p.run.StartedWithFile || !p.settings.archiveMode) return false;
    p.platform().MessageBox(
        BoxKind::Error,
        "Fehler : ", "File- und User- Befehle sind im Archivierungsmodus nicht m\xC3\xB6glich.");
    p.ui.errorFlag = true;
    return true;
}

// SaveProject with its unexpected write errors shown here, so that every caller sees a failed
// save as the error flag and keeps Modified.
void SaveReported(Program& p, const std::string& name) {
    try {
        SaveProject(p, name);
    } catch (const IoError& e) {
        p.platform().MessageBox(BoxKind::Error, "Fehler : ", e.what());
        p.ui.errorFlag = true;
    }
}

// The list keeps full paths: a name relative to the start folder would be lost in the next
// session.
void RememberCurrentProject(Program& p) {
    AddRecentFile(p.recentFiles,
                  ProjectFullPath(p.run.ProjectDir, p.run.ProjectName, p.identity.ProjectExt));
}

// The folder part of a path ("" without one) and the name without folder and extension.
std::string FolderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return "";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string BaseNameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const std::size_t dot = name.rfind('.');
    if (dot != std::string::npos && dot > 0) name.resize(dot);
    return name;
}

void SaveWithName(Program& p, const std::string& name, const WindowUpdates& window) {
    const std::string before = CurrentProjectPath(p);
    SaveReported(p, name);
    if (!p.ui.errorFlag) {
        p.run.Modified = false;
        RememberCurrentProject(p);
    }
    Call(window.updateCaption);
    // The sheets on screen show the file name: a new name must not leave the old one there.
    if (!p.ui.errorFlag && CurrentProjectPath(p) != before) Call(window.refresh);
}

}  // namespace

std::string CurrentProjectPath(const Program& p) {
    return ProjectFilePath(p.run.ProjectDir, p.run.ProjectName, p.identity.ProjectExt);
}

void AskSaveChanges(Program& p) {
    RunState& run = p.run;
    UiState& ui = p.ui;
    if (run.StartedWithFile && p.settings.archiveMode) {
        run.Modified = false;
        return;
    }
    if (!run.Modified) return;
    if (!run.ProjectName.empty()) {
        const std::string file = run.StartedWithFile ? run.ProjectName : CurrentProjectPath(p);
        const bool yes = AskYesNoDisplayed(ui, "Datei speichern (" + file + ") ?");
        if (ui.errorFlag) return;
        if (yes) {
            SaveReported(p, run.ProjectName);
            if (ui.errorFlag) return;  // not saved: the case stays modified
            RememberCurrentProject(p);
        }
        run.Modified = false;
        return;
    }
    if (AskYesNoDisplayed(ui, "Bisherige Eingaben verwerfen ?")) {
        run.Modified = false;
    } else {
        ui.errorFlag = true;
    }
}

void NewCase(Program& p, const WindowUpdates& window) {
    UiState& ui = p.ui;
    ui.errorFlag = false;
    if (ArchiveRefuses(p)) return;
    AskSaveChanges(p);
    if (ui.errorFlag) return;
    const std::string null = ProjectFilePath(p.run.ProjectDir, "null", p.identity.ProjectExt);
    if (IsFile(null)) {
        LoadProject(p, null);
        // A damaged template has been reported; what it held is still the better start.
        ui.errorFlag = false;
    }
    p.run.ProjectName.clear();
    Call(window.updateCaption);
    ResetDocumentationForNewCase(p.contactCase, TodayText(p.settings.number));
    for (auto& line : p.contactCase.remarks) line.clear();
    p.graphics.Clear();
    RunInputSequence(p);
    if (ui.errorFlag) return;
    Call(window.refresh);
    p.run.Modified = true;
}

void OpenCase(Program& p, const WindowUpdates& window) {
    UiState& ui = p.ui;
    ui.errorFlag = false;
    if (ArchiveRefuses(p)) return;
    AskSaveChanges(p);
    if (ui.errorFlag) return;
    LoadProject(p, "");
    if (!ui.errorFlag) {
        p.run.Modified = false;
        RememberCurrentProject(p);
    }
    Call(window.updateCaption);
    if (ui.errorFlag) return;
    Calculate(p);
    Call(window.refresh);
}

void SaveCase(Program& p, const WindowUpdates& window) {
    p.ui.errorFlag = false;
    if (ArchiveRefuses(p)) return;
    SaveWithName(p, p.run.ProjectName, window);
}

void SaveCaseAs(Program& p, const WindowUpdates& window) {
    p.ui.errorFlag = false;
    if (ArchiveRefuses(p)) return;
    SaveWithName(p, "", window);
}

void OpenRecentFile(Program& p, int k, const WindowUpdates& window) {
    UiState& ui = p.ui;
    ui.errorFlag = false;
    if (k < 1 || k > 4 || p.recentFiles[static_cast<size_t>(k)].empty()) return;
    if (ArchiveRefuses(p)) return;
    AskSaveChanges(p);
    if (ui.errorFlag) return;
    const std::string path = p.recentFiles[static_cast<size_t>(k)];
    if (!IsFile(path)) {
        RemoveRecentFile(p.recentFiles, k);
        Call(window.updateCaption);
        p.platform().MessageBox(BoxKind::Note, "Meldung:", "File " + path + " not found !");
        return;
    }
    const std::string base = BaseNameOf(path);
    if (base.find('.') == std::string::npos) {
        p.run.ProjectDir = FolderOf(path);
        p.run.ProjectName = base;
    } else {
        // A base name with a dot would be taken for a file name: keep the whole path.
        p.run.ProjectDir = FolderOf(path);
        p.run.ProjectName = path;
    }
    LoadProject(p, p.run.ProjectName);
    if (!ui.errorFlag) {
        RememberCurrentProject(p);
        p.run.Modified = false;
        // Results are not stored in the file: the view must show the loaded case's own.
        Calculate(p);
        Call(window.refresh);
    }
    Call(window.updateCaption);
}

void RunInputSequence(Program& p) {
    UiState& ui = p.ui;
    RunState& run = p.run;
    ui.errorFlag = false;
    const bool modifiedBefore = run.Modified;
    run.Modified = false;
    p.graphics.Clear();
    bool confirmed = false;
    // What was confirmed before a cancelled step stays in the case, so it must count as a
    // change and be calculated.
    auto stop = [&] {
        run.Modified = modifiedBefore || confirmed;
        if (confirmed) Calculate(p);
        ui.errorFlag = true;
    };
    if (!p.platform().EditDrawingNames(p.contactCase, p.settings.text)) return stop();
    confirmed = true;
    EditLoad(p);
    if (ui.errorFlag) return stop();
    ui.helpNumber = 9010;
    if (!p.platform().EditGeometry(p.contactCase, p.settings.number)) return stop();
    ui.helpNumber = 9020;
    const auto pick = [&p](int body) { return p.pickMaterial ? p.pickMaterial(body) : false; };
    if (!p.platform().EditMaterials(p.contactCase, p.settings.number, pick)) return stop();
    run.Modified = true;
    Calculate(p);
    ShowMessageWindow(p);
    // Closing the message window is no cancel of the sequence.
    ui.errorFlag = false;
}

void QuickCommand(Program& p, const WindowUpdates& window) {
    RunInputSequence(p);
    Call(window.updateCaption);
    if (!p.ui.errorFlag) Call(window.refresh);
}

void DeleteTemporaryDrawingFiles(const std::string& folder) {
    const std::string dir = folder.empty() ? std::string(".") : WithoutBackslash(folder);
    DIR* d = ::opendir(dir.empty() ? "/" : dir.c_str());
    if (!d) return;
    std::vector<std::string> doomed;
    while (const dirent* e = ::readdir(d)) {
        const std::string n = e->d_name;
        if (n.size() >= 5 && n[0] == '$' && n.compare(n.size() - 4, 4, ".dx$") == 0)
            doomed.push_back(n);
    }
    ::closedir(d);
    for (const auto& n : doomed) ::unlink((WithBackslash(dir) + n).c_str());
}

bool CloseSequence(Program& p) {
    UiState& ui = p.ui;
    ui.errorFlag = false;
    AskSaveChanges(p);
    if (ui.errorFlag) return false;
    p.platform().StatusText("L\xC3\xB6sche tempor\xC3\xA4re Dateien ...");
    DeleteTemporaryDrawingFiles(p.settings.folders.TempDir);
    WriteRecentFiles(p);
    ui.errorFlag = false;
    return true;
}

}  // namespace zel3
