#include "util/file_prompts.h"

#include <fcntl.h>

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>

#include "util/prompts.h"

namespace zel3 {

namespace {

constexpr int kCreateAttempts = 3;

std::string TrimBlanks(const std::string& t) {
    const size_t b = t.find_first_not_of(' ');
    if (b == std::string::npos) return {};
    return t.substr(b, t.find_last_not_of(' ') - b + 1);
}

bool IsDirectory(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0 && S_ISDIR(st.st_mode);
}

bool Exists(const std::string& path) {
    struct stat st {};
    return ::stat(path.c_str(), &st) == 0;
}

std::string FolderOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string NameOf(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

bool DiskFull(int err) {
    return err == ENOSPC || err == EDQUOT || err == EFBIG;
}

// Errors that trying again without changing anything cannot mend.
bool LastingCreateError(int err) {
    return err == ENOENT || err == ENOTDIR || err == EISDIR || err == ENAMETOOLONG ||
           err == EINVAL || err == ELOOP || err == EEXIST;
}

bool MediumNotReady(int err) {
#ifdef ENOMEDIUM
    if (err == ENOMEDIUM) return true;
#endif
    return err == ENXIO || err == ENODEV;
}

void ReportNotReadable(UiState& ui, const std::string& path) {
    ReportDisplayedError(ui, "Datei " + path + " " +
                                 DisplayText(ui, "nicht gefunden oder kein Zugriffsrecht") + " !");
}

}  // namespace

std::string PickFile(UiState& ui, const std::string& start, const std::string& pattern) {
    std::string folder = TrimBlanks(start);
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    if (!folder.empty() && !IsDirectory(folder)) folder = FolderOf(folder);
    std::string chosen;
    if (!ui.platform.OpenFileDialog(folder, pattern, chosen) || chosen.empty()) {
        ui.errorFlag = true;
        return start;
    }
    return chosen;
}

std::string PickFolder(UiState& ui, const std::string& start) {
    std::string chosen;
    if (!ui.platform.FolderDialog(IsDirectory(start) ? start : std::string(), chosen) ||
        chosen.empty()) {
        ui.errorFlag = false;
        return start;
    }
    return chosen;
}

bool CheckFileReadable(UiState& ui, const std::string& path) {
    std::FILE* f = IsDirectory(path) ? nullptr : std::fopen(path.c_str(), "rb");
    if (!f) {
        ReportNotReadable(ui, path);
        ui.errorFlag = true;
        return false;
    }
    std::fclose(f);
    return true;
}

bool PrepareNewFile(UiState& ui, const std::string& path, bool askOverwrite) {
    const bool exists = Exists(path);
    // The save-file dialog has asked about this very file already.
    const bool confirmed = exists && path == ui.platform.overwriteConfirmed;
    ui.platform.overwriteConfirmed.clear();
    if (exists && askOverwrite && !confirmed && path.find("aktuell") == std::string::npos) {
        const bool overwrite = AskYesNoDisplayed(ui, path + " " +
                                                         DisplayText(ui,
                                                                     "existiert bereits.   \x81"
                                                                     "berschreiben ?"));
        if (!overwrite) ui.errorFlag = true;
        if (ui.errorFlag) return false;
    }
    // Probe without touching an existing file: its contents stay until the new ones are
    // written.
    bool writable = false;
    if (exists) {
        writable = !IsDirectory(path) && ::access(path.c_str(), W_OK) == 0;
    } else {
        // O_EXCL: a file that appeared since the check above is never emptied by the probe.
        const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (fd >= 0) {
            ::close(fd);
            writable = ::unlink(path.c_str()) == 0;
        }
    }
    if (!writable) {
        ReportDisplayedError(ui,
                             DisplayText(ui, "Ung\x81ltiger Dateiname") + " \"" + path + "\" !");
        ui.errorFlag = true;
    }
    return writable;
}

bool CreateForWriting(UiState& ui, OutputFile& file) {
    for (int attempt = 1;; ++attempt) {
        const int err = file.Create();
        if (err == 0) return true;
        if (err == EROFS)
            ReportError(ui, "Schreibschutz entfernen !");
        else if (MediumNotReady(err))
            ReportError(ui, "Programmdiskette einlegen !");
        else
            ReportError(ui, "I/O-Error " + std::to_string(err));
        // Nobody to fix the cause (messages off, or a cause no retry mends): give up now.
        const bool retry = ui.showErrors && !LastingCreateError(err) && attempt < kCreateAttempts &&
                           AskYesNo(ui, "Nochmals versuchen ?");
        if (!retry) {
            ui.errorFlag = true;
            return false;
        }
    }
}

bool CreateChecked(UiState& ui, OutputFile& file) {
    const int err = file.Create();
    if (err == 0) return true;
    ReportError(ui, DiskFull(err) ? "Diskette/Platte voll" : "file write error");
    ui.errorFlag = true;
    return false;
}

bool WriteLineChecked(UiState& ui, OutputFile& file, const std::string& text) {
    if (ui.errorFlag) return false;
    const int err = file.WriteLine(text);
    if (err == 0) return true;
    ReportError(ui,
                DiskFull(err) ? "Diskette/Platte voll" : "Fehler bei Zugriff auf Diskette/Platte");
    ui.errorFlag = true;
    return false;
}

bool CloseChecked(UiState& ui, OutputFile& file) {
    if (!file.isOpen()) return !ui.errorFlag;
    const int err = file.Close();
    if (err == 0) return true;
    // A write error was reported already; the close only ends the file.
    if (!ui.errorFlag)
        ReportError(ui, DiskFull(err) ? "Diskette/Platte voll"
                                      : "Fehler beim Schlie\xE1"
                                        "en einer Datei");
    ui.errorFlag = true;
    return false;
}

void DeleteFileAsked(UiState& ui, const std::string& folder, const std::string& pattern) {
    std::string chosen;
    if (!ui.platform.OpenFileDialog(folder, pattern, chosen) || chosen.empty()) {
        ui.errorFlag = true;
        return;
    }
    // The file is taken from the folder asked for, with the pattern's extension.
    std::string name = NameOf(chosen);
    const size_t patternDot = pattern.find_last_of('.');
    const std::string ext = patternDot == std::string::npos ? "" : pattern.substr(patternDot);
    if (!ext.empty() && ext.find_first_of("*?") == std::string::npos) {
        const size_t dot = name.find_last_of('.');
        if (dot != std::string::npos) name.erase(dot);
        name += ext;
    }
    std::string path = folder;
    if (!path.empty() && path.back() != '/') path += '/';
    path += name;
    if (!CheckFileReadable(ui, path)) return;
    if (!AskYesNoDisplayed(ui, name + " " + DisplayText(ui, "wirklich l\x94schen ?"))) return;
    if (std::remove(path.c_str()) != 0) {
        ReportNotReadable(ui, path);
        ui.errorFlag = true;
    }
}

}  // namespace zel3
