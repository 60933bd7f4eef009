#include "shell/spreadsheet_commands.h"

#include <fstream>
#include <iterator>

#include "contact/standard_report.h"
#include "project/project_files.h"
#include "report/show_messages.h"
#include "report/xlsx_workbook.h"
#include "util/codepage.h"
#include "util/prompts.h"
#include "util/text.h"

namespace zel3 {

namespace {

constexpr const char* kCannotStart = "Excel kann nicht gestartet werden";

bool ReadWhole(const std::string& path, std::string& bytes) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    return !in.bad();
}

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos) end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r') line.pop_back();
        lines.push_back(line);
        start = end + 1;
    }
    return lines;
}

void CannotStart(Program& p) {
    ShowNote(p.ui, kCannotStart);
    p.ui.errorFlag = true;
}

}  // namespace

bool OpenInSpreadsheet(Program& p, const std::vector<std::vector<std::string>>& rows,
                       const std::string& stem) {
    const std::string path = NewWorkbookPath(p.settings.folders.TempDir, stem);
    std::string reason;
    if (!WriteWorkbook(path, rows, reason)) return false;
    // Where it went, also for a desktop without a spreadsheet program.
    p.platform().StatusText(path);
    return p.platform().OpenUrl(path);
}

std::vector<std::vector<std::string>> TabSeparatedRows(const std::string& oemText) {
    std::vector<std::vector<std::string>> rows;
    for (const std::string& line : Lines(oemText)) {
        std::vector<std::string> cells;
        size_t start = 0;
        for (;;) {
            const size_t tab = line.find('\t', start);
            cells.push_back(OemToUtf8(line.substr(start, tab - start)));
            if (tab == std::string::npos) break;
            start = tab + 1;
        }
        rows.push_back(std::move(cells));
    }
    return rows;
}

bool StartSpreadsheet(Program& p) {
    p.ui.errorFlag = false;
    if (p.run.ProjectName.empty()) {
        ShowNote(p.ui,
                 "Zuerst m\x81ssen Sie Ihre Eingabedaten speichern (Men\x81 \"Datei->Speichern\")");
        p.ui.errorFlag = true;
        return false;
    }
    BusyScope busy(p.ui);
    ExportProject(p);
    return !p.ui.errorFlag;
}

void ExportProject(Program& p) {
    UiState& ui = p.ui;
    ui.errorFlag = false;
    if (p.run.Modified && !p.run.ProjectName.empty()) {
        SaveProject(p, p.run.ProjectName);
        if (!ui.errorFlag) p.run.Modified = false;
    }
    if (ui.errorFlag) return;
    if (p.run.ProjectName.empty()) {
        ShowNote(ui, "File not found. Use \"File->Save\"");
        ui.errorFlag = true;
        return;
    }
    const std::string path =
        ProjectFilePath(p.run.ProjectDir, p.run.ProjectName, p.identity.ProjectExt);
    std::string bytes;
    if (!ReadWhole(path, bytes)) {
        ShowNote(ui, "File not found. Use \"File->Save\"");
        ui.errorFlag = true;
        return;
    }
    std::vector<std::vector<std::string>> rows;
    for (const std::string& line : Lines(bytes))
        rows.push_back({OemToDisplay(p.settings.text, line)});
    if (!OpenInSpreadsheet(p, rows, "projekt")) CannotStart(p);
}

void ImportProject(Program& p) {
    p.ui.errorFlag = false;
}

void ReportToSpreadsheet(Program& p) {
    UiState& ui = p.ui;
    ui.errorFlag = false;
    if (p.messages.calculationFailed) {
        ShowMessageWindow(p);
        return;
    }
    {
        // The spreadsheet text goes to the temporary folder without asking for a file name.
        struct KeepAsking {
            Settings& s;
            const bool ask = s.textDeviceWindow;
            ~KeepAsking() { s.textDeviceWindow = ask; }
        } keep{p.settings};
        p.settings.textDeviceWindow = false;
        WriteStandardReport(p, kTargetSpreadsheet);
    }
    if (ui.errorFlag) return;
    std::string bytes;
    if (!ReadWhole(p.report.OutputName(), bytes)) {
        CannotStart(p);
        return;
    }
    if (!OpenInSpreadsheet(p, TabSeparatedRows(bytes), "bericht")) CannotStart(p);
}

}  // namespace zel3
