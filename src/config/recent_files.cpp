#include "config/recent_files.h"

#include "config/config_file.h"
#include "shell/program.h"
#include "util/codepage.h"
#include "util/io_error.h"
#include "util/line_file.h"
#include "util/safe_file.h"
#include "util/text.h"

namespace zel3 {

std::string RecentFilesPath(const std::string& homeDir, const std::string& shortName) {
    return WithBackslash(homeDir) + shortName + ".cff";
}

void ReadRecentFiles(const std::string& path, std::array<std::string, 5>& list, bool& errorFlag) {
    for (auto& entry : list) entry.clear();
    LineReader in = LineReader::FromFile(path, errorFlag);
    if (!in.isOpen() || in.AtEnd()) return;
    in.SkipLine();  // session line, for information only
    for (size_t k = 1; k <= 4 && !in.AtEnd(); ++k) {
        std::string entry;
        if (in.ReadText(entry)) list[k] = OemToUtf8(entry);
    }
}

bool WriteRecentFiles(const std::string& path, const std::string& shortName,
                      const std::string& projectDir, const std::array<std::string, 5>& list,
                      bool& errorFlag) {
    LineWriter out;
    out.WriteText(Utf8ToOem(shortName + " Session " + projectDir));
    for (size_t k = 1; k <= 4; ++k) out.WriteText(Utf8ToOem(list[k]));
    try {
        MakeParentFolders(path);
        WriteFileReplacing(path, out.content());
    } catch (const IoError&) {
        errorFlag = true;
        return false;
    }
    return true;
}

void ReadRecentFiles(Program& program) {
    SettleConfigurationFolders(program);
    ReadRecentFiles(RecentFilesPath(program.settings.folders.HomeDir, program.identity.ShortName),
                    program.recentFiles, program.ui.errorFlag);
}

bool WriteRecentFiles(Program& program) {
    SettleConfigurationFolders(program);
    return WriteRecentFiles(
        RecentFilesPath(program.settings.folders.HomeDir, program.identity.ShortName),
        program.identity.ShortName, program.run.ProjectDir, program.recentFiles,
        program.ui.errorFlag);
}

}  // namespace zel3
