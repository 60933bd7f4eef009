#include "cad/plot_command.h"

#include <sys/stat.h>

#include <algorithm>

#include "cad/plot_command_line.h"
#include "util/codepage.h"
#include "util/file_prompts.h"
#include "util/io_error.h"
#include "util/number_prompts.h"
#include "util/prompts.h"
#include "util/safe_file.h"
#include "util/text.h"

namespace zel3 {

namespace {

constexpr int kMaxPromptLine = 60;
constexpr int kPlotFormHelp = 2055;
constexpr int kMaxBatchName = 20;

size_t CharCount(const std::string& utf8) {
    return static_cast<size_t>(std::count_if(utf8.begin(), utf8.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0) != 0x80;
    }));
}

std::string FilePart(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The program folder of a command line: its first word up to its last separator.
std::string ProgramFolder(const std::string& line) {
    const std::string word = line.substr(0, line.find(' '));
    const size_t slash = word.find_last_of('/');
    return slash == std::string::npos ? std::string() : word.substr(0, slash);
}

// A choice among fixed texts; false when cancelled (error flag set).
bool Choose(UiState& ui, const std::string& title, int help, const std::vector<std::string>& texts,
            int& selected) {
    ui.errorFlag = false;
    ui.helpNumber = help;
    SetOptionTexts(ui, texts);
    AskChoice(ui, title, static_cast<int>(texts.size()), selected);
    return !ui.errorFlag;
}

// A text prompt on a UTF-8 value; false when cancelled (error flag set).
bool AskUtf8(UiState& ui, const std::string& title, int help, int maxLength, std::string& value) {
    ui.errorFlag = false;
    ui.helpNumber = help;
    std::string text = Utf8ToOem(value);
    AskText(ui, title, maxLength, text);
    if (ui.errorFlag) return false;
    value = OemToUtf8(text);
    return true;
}

bool AskFloat(UiState& ui, const std::string& title, int help, double& value, double low,
              double high) {
    ui.errorFlag = false;
    ui.helpNumber = help;
    AskFloatInRange(ui, DisplayToOem(title), value, low, high);
    return !ui.errorFlag;
}

// Puts a long line into a batch file named by the user; the line unchanged when the user
// cancels.
std::string OfferBatchFile(UiState& ui, const std::string& line, const std::string& folder,
                           const std::string& shortName) {
    ShowNote(ui, "Kommandozeile zu lang, Es wird eine Batch-Datei erzeugt.");
    // Proposed beside the converter; a folder too long for the prompt gives the working folder.
    std::string name = WithBackslash(folder) + shortName;
    if (CharCount(name) > static_cast<size_t>(kMaxBatchName)) name = shortName;
    for (;;) {
        if (!AskUtf8(ui, "Name der Batch-Datei (ohne .bat)", 2170, kMaxBatchName, name)) {
            ui.errorFlag = false;
            return line;
        }
        const std::string trimmed = Trim(name);
        const std::string file = FilePart(trimmed);
        if (file.empty() || file.find('.') != std::string::npos) continue;
        if (WritePlotBatchFile(trimmed, line)) {
            // Started from the working folder, as a bare name would not be searched there.
            const std::string path =
                trimmed.find('/') == std::string::npos ? "./" + trimmed : trimmed;
            return path + ".BAT";
        }
        ReportError(ui, "Datei " + Utf8ToOem(trimmed) + ".BAT " + "kann nicht angelegt werden");
    }
}

}  // namespace

bool WritePlotBatchFile(const std::string& name, const std::string& line) {
    const std::string path = name + ".BAT";
    try {
        // LF only: the command interpreter would take a CR as part of the last argument.
        WriteFileReplacing(path, line + "\n");
    } catch (const IoError&) {
        return false;
    }
    return ::chmod(path.c_str(), 0755) == 0;
}

bool EditPlotCommand(UiState& ui, std::string& line, const std::string& tempDir) {
    std::string edited = line;
    ui.helpNumber = kPlotFormHelp;
    if (!ui.platform.EditPlotCommand(edited, tempDir)) {
        ui.errorFlag = true;
        return false;
    }
    line = edited;
    ui.errorFlag = false;
    return true;
}

std::string AskPlotCommand(UiState& ui, const std::string& answer, const std::string& tempDir,
                           const std::string& shortName) {
    PlotQuestions q;
    q.folder = ProgramFolder(answer);
    q.tempDir = tempDir;

    int program = 2;
    if (!Choose(ui, "KAVROT/WKAVROT", 2060, {"WKAVROT.EXE (Windows)", "KAVROT.EXE (MS-DOS)"},
                program))
        return {};
    q.programFile = program == 1 ? "wkavrot.exe" : "kavrot.exe";
    for (;;) {
        if (!AskUtf8(ui, "Programmverzeichnis von " + q.programFile, 2080, 40, q.folder)) return {};
        if (CheckFileReadable(ui, WithBackslash(q.folder) + q.programFile)) break;
    }
    if (!Choose(ui, "Ausgabeformat", 2090,
                {"HP-GL Laserjet (HPL)", "Postscript  (PS)", "HP-GL (PLT)", "HP-GL/2  (PL2)",
                 "Aristo  (ART)"},
                q.format))
        return {};
    if (!Choose(ui, "Ausgabeschnittstelle", 2110, {"seriell", "parallel", "Datei"}, q.interface))
        return {};
    if (q.interface == kPlotFile) {
        if (!AskUtf8(ui, "Name der Ausgabedatei", 2130, 30, q.outputFile)) return {};
    } else {
        ui.errorFlag = false;
        ui.helpNumber = 2120;
        int32_t port = q.port;
        AskIntInRange(ui, q.interface == kPlotSerial ? "COM-Port" : "LPT-Port", port, 1, 4);
        if (ui.errorFlag) return {};
        q.port = port;
    }
    if (!AskFloat(ui, "Maßstab (0=anpassen)", 2140, q.scale, 0, 1000)) return {};
    ui.errorFlag = false;
    ui.helpNumber = 2145;
    AskYesNoDialog(ui, "Plot um 90 Grad drehen ?", q.rotate);
    if (ui.errorFlag) return {};
    if (!AskFloat(ui, "Nullpunktverschiebung in x-Richtung", 2150, q.xShift, -100000000,
                  100000000) ||
        !AskFloat(ui, "Nullpunktverschiebung in y-Richtung", 2150, q.yShift, -100000000,
                  100000000) ||
        !AskFloat(ui, "Textbreitenfaktor", 2160, q.textWidthFactor, 0.1, 10))
        return {};
    if (q.format == kPlotPostScript && !AskUtf8(ui, "Postscript-Zeichensatz", 2280, 28, q.font))
        return {};

    const std::string line = PlotQuestionCommandLine(ui.number, q);
    ui.errorFlag = false;
    if (CharCount(line) <= static_cast<size_t>(kMaxPromptLine)) return line;
    return OfferBatchFile(ui, line, q.folder, shortName);
}

void ChoosePlotCommand(UiState& ui, Settings& settings, int& selected,
                       const std::string& shortName) {
    const int count =
        std::clamp(settings.kavrotCount, 1, static_cast<int>(settings.kavrotCommand.size()) - 1);
    if (count < 2) {
        selected = 1;
    } else {
        std::vector<std::string> texts;
        for (int i = 1; i <= count; ++i)
            texts.push_back(Utf8ToOem(settings.kavrotCommand[static_cast<size_t>(i)]));
        int choice = selected;
        if (!Choose(ui, "KAVROT Command Line", 2055, texts, choice)) return;
        selected = choice;
    }
    if (selected < 1 || selected > count) selected = 1;
    std::string& line = settings.kavrotCommand[static_cast<size_t>(selected)];

    EditPlotCommand(ui, line, settings.folders.TempDir);
    // "Abbrechen" in the form only keeps the line; the prompt decides.
    std::string answer = line;
    if (!AskUtf8(ui, "KAVROT-Kommandozeile (0=Parameter)", 2060, kMaxPromptLine, answer)) return;
    const std::string trimmed = Trim(answer);
    if (trimmed.empty() || trimmed[0] == '0') {
        const std::string built = AskPlotCommand(ui, answer, settings.folders.TempDir, shortName);
        if (ui.errorFlag) return;
        line = built;
    } else if (Utf8ToOem(answer) != LeftPart(Utf8ToOem(line), kMaxPromptLine)) {
        // A longer line shown cut by the prompt stays whole unless it was edited.
        line = answer;
    }
}

}  // namespace zel3
