#include "shell/start_project.h"

#include "project/project_file_format.h"
#include "util/file_prompts.h"
#include "util/line_file.h"
#include "util/prompts.h"
#include "util/text.h"

namespace zel3 {

void LoadStartProject(Program& program, const std::string& name) {
    UiState& ui = program.ui;
    std::string path = name;
    if (path.find('.') == std::string::npos) {
        const std::string dir = program.run.ProjectDir;
        path = (dir.empty() ? std::string() : WithBackslash(dir)) + name + "." +
               program.identity.ProjectExt;
    }
    if (!CheckFileReadable(ui, path)) return;
    bool readError = false;
    LineReader in = LineReader::FromFile(path, readError);
    ContactCase loaded = program.contactCase;
    const int badLine = in.isOpen() && !readError ? ReadProjectLines(in, loaded) : 1;
    if (readError || badLine != 0) {
        ReportDisplayedError(ui, "Datei " + path + " ist keine vollständige Projektdatei (Zeile " +
                                     std::to_string(badLine) + ")");
        ui.errorFlag = true;
        return;
    }
    program.contactCase = std::move(loaded);
}

}  // namespace zel3
