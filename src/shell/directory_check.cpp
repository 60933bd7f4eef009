#include "shell/directory_check.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "util/codepage.h"
#include "util/private_temp_folder.h"
#include "util/prompts.h"
#include "util/text.h"

namespace zel3 {

bool FolderExists(const std::string& folder) {
    struct stat st {};
    const std::string f = folder.empty() ? "." : folder;
    return ::stat(f.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool FolderWritable(const std::string& folder) {
    const std::string probe = WithBackslash(folder) + "x.$$$";
    int fd = ::open(probe.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0600);
    if (fd >= 0) {
        ::close(fd);
        return ::unlink(probe.c_str()) == 0;
    }
    if (errno != EEXIST) return false;
    const std::string f = folder.empty() ? "." : folder;
    return FolderExists(f) && ::access(f.c_str(), W_OK | X_OK) == 0;
}

std::string DefaultTempDir() {
    for (const char* name : {"TEMP", "TMPDIR"}) {
        const char* v = std::getenv(name);
        if (v && !Trim(v).empty()) return Trim(v);
    }
    return "/tmp";
}

void CheckDirectories(UiState& ui, Folders& folders, const std::string& programDataDir) {
    if (Trim(folders.TempDir).empty()) folders.TempDir = DefaultTempDir();
    if (Trim(folders.TempDir).empty()) folders.TempDir = folders.StartDir;
    // Empty data folders mean the shipped data, as the program folder did once.
    const std::string shipped = programDataDir.empty() ? folders.StartDir : programDataDir;
    if (Trim(folders.DbfDir).empty()) folders.DbfDir = shipped;
    if (Trim(folders.PltDir).empty()) folders.PltDir = shipped;
    if (Trim(folders.EdiDir).empty()) folders.EdiDir = folders.StartDir;
    if (Trim(folders.DataDir).empty()) folders.DataDir = folders.StartDir;

    auto report = [&ui](const char* text) { ReportError(ui, DisplayToOem(text)); };
    if (!FolderWritable(folders.CadDir)) report("ungültiger CAD Ordner konfiguriert");
    if (!FolderExists(folders.DbfDir)) report("ungültiger DBF Ordner konfiguriert");
    if (!FolderExists(folders.PltDir)) report("ungültiger PLT Ordner konfiguriert");
    if (!FolderWritable(folders.TempDir)) {
        report("ungültiger Ordner für temporäre Dateien konfiguriert");
        std::string answer = folders.TempDir;
        const bool flag = ui.errorFlag;
        ui.errorFlag = false;
        AskText(ui, DisplayToOem("Ordner für temporäre Dateien"), 60, answer);
        if (!ui.errorFlag) {
            folders.TempDir = answer;
            folders.TempDirSetting.clear();
        }
        ui.errorFlag = flag;  // cancelled: the old folder stays, start-up goes on
    }
    if (!FolderWritable(folders.EdiDir)) report("ungültiger EDI Ordner konfiguriert");
    if (!FolderWritable(folders.DataDir)) report("ungültiger Data Ordner konfiguriert");
}

void UsePrivateTempFolder(UiState& ui, Folders& folders, const std::string& shortName) {
    const std::string configured = ConfiguredTempDir(folders);
    const PrivateTempFolder chosen = ChoosePrivateTempFolder(configured, shortName);
    if (chosen.folder == WithBackslash(configured)) {
        folders.TempDir = configured;
        folders.TempDirSetting.clear();
    } else {
        folders.TempDir = chosen.folder;
        folders.TempDirSetting = configured;
    }
    if (!chosen.refused.empty()) {
        ShowNote(ui, DisplayToOem("Der Ordner " + chosen.refused +
                                  " ist nicht sicher (fremder Besitzer, Link oder für andere "
                                  "offen); temporäre Dateien gehen nach " +
                                  folders.TempDir));
    }
}

}  // namespace zel3
