#include "shell/results_table_command.h"

#include "contact/hertz_solver.h"
#include "project/project_files.h"
#include "project/results_table.h"
#include "util/prompts.h"
#include "util/text.h"

namespace zel3 {

namespace {

constexpr const char* kCaptionText = " - Ergebnistabelle - ";

void Call(const std::function<void()>& f) {
    if (f) f();
}

// Loads the picked file as the current project. The folder stays in ProjectDir and the name
// loses its extension, so the caption shows "name.zl3" and a later save writes beside the
// file it came from.
void LoadPicked(Program& p, const std::string& fileName) {
    const std::string ext = "." + p.identity.ProjectExt;
    const std::string path = WithBackslash(p.run.ProjectDir) + fileName;
    std::string base = fileName;
    if (base.size() > ext.size() &&
        UpperAscii(base.substr(base.size() - ext.size())) == UpperAscii(ext)) {
        base.resize(base.size() - ext.size());
    }
    LoadProject(p, path);
    if (p.ui.errorFlag) return;
    p.run.ProjectName = base.find('.') == std::string::npos ? base : path;
    CalculateCase(p.contactCase, p.messages);
}

}  // namespace

std::string ResultsTableCaption(const Program& p) {
    return p.identity.ProductName + kCaptionText + p.run.ProjectDir;
}

void ResultsTableCommand(Program& p, const WindowUpdates& window, const ResultsTableWindow& table) {
    UiState& ui = p.ui;
    ui.errorFlag = false;
    AskSaveChanges(p);
    if (ui.errorFlag) return;
    p.run.ProjectName.clear();
    p.graphics.Clear();
    p.platform().RequestRepaint();

    Platform& platform = p.platform();
    ResultsScan scan;
    {
        BusyScope busy(ui);
        scan = BuildResultsTable(
            p.run.ProjectDir, p.identity.ProjectExt, p.settings.number, p.contactCase, p.messages,
            [&](int done, int total, const std::string& file) {
                if (!file.empty()) platform.StatusText(file + " -> " + p.identity.ProgramTitle);
                return !table.progress || table.progress(done, total);
            });
        if (table.progress) table.progress(1, 1);
        platform.StatusText("");
    }
    // Findings of the scan belong to files nobody looks at now.
    p.messages.ClearMessages();
    ui.errorFlag = false;
    Call(window.updateCaption);

    int selected = 0;
    for (;;) {
        ui.helpNumber = kTableWindowHelp;
        const int row =
            table.showTable ? table.showTable(ResultsTableCaption(p), scan.table, selected) : 0;
        if (row <= 0 || row >= static_cast<int>(scan.table.size())) {
            ui.errorFlag = true;
            break;
        }
        selected = row;
        ui.errorFlag = false;
        LoadPicked(p, scan.table[static_cast<size_t>(row)][0]);
        if (ui.errorFlag) break;
        p.run.Modified = false;
        Call(window.updateCaption);
        Call(window.refresh);
    }
    Call(window.updateCaption);
}

}  // namespace zel3
