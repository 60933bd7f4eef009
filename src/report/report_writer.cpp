#include "report/report_writer.h"

#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "shell/program.h"
#include "util/command_line_words.h"
#include "util/file_prompts.h"
#include "util/io_error.h"
#include "util/number_text.h"
#include "util/prompts.h"
#include "util/safe_file.h"
#include "util/text.h"

namespace zel3 {

namespace {

const std::vector<std::string>& TargetChoices() {
    static const std::vector<std::string> kChoices{
        "Bildschirm",
        "Textdrucker",
        "Datei",
        "Windows-Drucker",
        "externes Textprogramm",
        "TXT File (Excel, QPRO ...)",
        "HTML File (Netscape, Internet Explorer ...)",
    };
    return kChoices;
}

}  // namespace

const std::vector<std::string>& ReportTargetNames() {
    return TargetChoices();
}

namespace {

// A report larger than this is no text to paste anywhere.
constexpr std::size_t kClipboardLimit = 64u << 20;

// A program named without a folder is looked up in PATH, as the spawn will do.
bool ProgramExists(const std::string& program) {
    if (program.empty()) return false;
    if (program.find('/') != std::string::npos) return ::access(program.c_str(), X_OK) == 0;
    const char* path = std::getenv("PATH");
    std::string dirs = path ? path : "/usr/local/bin:/usr/bin:/bin";
    size_t start = 0;
    while (start <= dirs.size()) {
        size_t end = dirs.find(':', start);
        if (end == std::string::npos) end = dirs.size();
        std::string dir = dirs.substr(start, end - start);
        if (dir.empty()) dir = ".";
        if (::access((dir + "/" + program).c_str(), X_OK) == 0) return true;
        start = end + 1;
    }
    return false;
}

std::string Quoted(const std::string& word) {
    std::string q = "\"";
    for (char c : word) {
        if (c == '"' || c == '\\') q += '\\';
        q += c;
    }
    return q + "\"";
}

}  // namespace

ReportWriter::ReportWriter(UiState& ui, const Settings& settings, const ProgramIdentity& identity,
                           const RunState& run)
    : ui_(ui), settings_(settings), identity_(identity), run_(run) {}

void ReportWriter::SetReportHeader(const std::string& line0, const std::string& line1,
                                   const std::string& line2, const std::string& line3,
                                   const std::string& line4, int totalPages) {
    header_ = {line0, line1, line2, line3, line4};
    if (header_[4].empty()) header_[4] = identity_.ProgramTitle + "  V" + identity_.VersionText;
    for (auto& h : header_) h = h.substr(0, 65);
    lineCounter_ = 0;
    pageCounter_ = 0;
    totalPages_ = totalPages;
}

void ReportWriter::SetColumnHeads(const std::string& c1, const std::string& c2,
                                  const std::string& c3, const std::string& c4,
                                  const std::string& c5) {
    columnHeads_ = {c1.substr(0, 30), c2.substr(0, 10), c3.substr(0, 10),
                    c4.substr(0, 10), c5.substr(0, 10), columnHeads_[5]};
    sixthColumn_ = false;
    cell2_ = 35;
    cell3_ = 44;
}

void ReportWriter::SetSixthColumnHead(const std::string& c6) {
    columnHeads_[5] = c6.substr(0, 10);
    sixthColumn_ = true;
}

void ReportWriter::SetColumnPositions(int cell2, int cell3) {
    cell2_ = cell2;
    cell3_ = cell3;
}

bool ReportWriter::IsExportTarget() const {
    return target_ == kTargetSpreadsheet || target_ == kTargetHtml || target_ == kTargetBatchFile;
}

bool ReportWriter::IsSpreadsheetTarget() const {
    return target_ == kTargetSpreadsheet || target_ == kTargetBatchFile;
}

std::string ReportWriter::BatchCopyName() const {
    std::string folder = batchFolder;
    if (!folder.empty() && folder.back() != '/') folder += '/';
    return folder + run_.ProjectName + ".txt";
}

std::string ReportWriter::TextPrinterDevice() const {
    int port = settings_.printerPort;
    if (port < 1 || port > 4) port = 1;
    return "/dev/lp" + std::to_string(port - 1);
}

bool ReportWriter::CreateTemporaryFile() {
    const std::string dir = WithBackslash(settings_.folders.TempDir);
    // A name no other run uses; a second pass takes over files left behind by a crash.
    for (bool exclusive : {true, false}) {
        for (int i = 1; i <= 10; ++i) {
            outputName_ = dir + "$OUT" + std::to_string(i) + ".TMP";
            if (file_.Create(outputName_, exclusive)) return true;
        }
    }
    return false;
}

void ReportWriter::ChooseFileName(const std::string& pattern, const std::string& extension) {
    std::string name = reportName_;
    auto dot = name.rfind('.');
    if (dot != std::string::npos && name.find('/', dot) == std::string::npos) {
        name = name.substr(0, dot);
    }
    std::string start = run_.ProjectDir.empty() ? settings_.folders.DataDir : run_.ProjectDir;
    std::string path;
    if (!ui_.platform.SaveFileDialog(start, pattern, name + "." + extension, path) ||
        path.empty()) {
        ui_.errorFlag = true;
        return;
    }
    outputName_ = path;
    PrepareNewFile(ui_, outputName_);
}

void ReportWriter::OpenReport(int kind, const std::string& name) {
    reportName_ = name.empty() ? run_.ProjectName : name;
    if (reportName_.find('.') == std::string::npos) reportName_ += ".txt";
    if (kind == kKeepTarget) return;

    file_ = ReportFile();
    target_ = settings_.textDevice;
    if (target_ < 1 || target_ > 9) target_ = kTargetScreen;
    ui_.helpNumber = 1050;
    if (kind != 0) {
        target_ = kind;
    } else if (settings_.textDeviceWindow) {
        int selected = target_ <= 7 ? target_ : 1;
        SetOptionTexts(ui_, TargetChoices());
        AskChoice(ui_, "Ausgabe auf ..", static_cast<int>(TargetChoices().size()), selected);
        if (ui_.errorFlag) return;
        target_ = selected;
    }
    pause_ = false;
    lineCounter_ = 0;
    pageCounter_ = 0;
    tableOpen_ = false;
    const std::string tempDir = WithBackslash(settings_.folders.TempDir);

    switch (target_) {
        case kTargetPrinter:
            if (!ui_.platform.CanPrint()) {
                ReportError(ui_, "Ausdruck auf dem Systemdrucker ist hier nicht m\x94glich");
                ui_.errorFlag = true;
                return;
            }
            [[fallthrough]];
        case kTargetScreen:
        case kTargetTextProgram:
            if (!CreateTemporaryFile()) {
                ReportDisplayedError(ui_, "Ungültiger Dateiname \"" + outputName_ + "\" !");
                ui_.errorFlag = true;
            }
            break;
        case kTargetTextPrinter:
            outputName_ = TextPrinterDevice();
            ui_.helpNumber = 1060;
            pause_ = AskYesNo(ui_, "Pause nach jeder Seite ?");
            if (ui_.errorFlag) return;
            ui_.platform.StatusText("Ausdruck erfolgt  -   bitte warten ...");
            break;
        case kTargetFile:
            ui_.helpNumber = 1070;
            ChooseFileName("*.txt", "txt");
            break;
        case kTargetSpreadsheet:
            ui_.helpNumber = 1070;
            if (settings_.textDeviceWindow) {
                ChooseFileName("*.txt", "txt");
            } else {
                outputName_ = tempDir + "$$$" + std::to_string(fileCounter_ + 1) + ".txt";
            }
            break;
        case kTargetBatchFile:
            // A private temporary file: batch runs may run side by side in one folder.
            ui_.helpNumber = 1070;
            if (!CreateTemporaryFile()) {
                ReportDisplayedError(ui_, "Ungültiger Dateiname \"" + outputName_ + "\" !");
                ui_.errorFlag = true;
            }
            break;
        case kTargetHtml:
            if (!Trim(settings_.htmlBrowser).empty()) {
                outputName_ = tempDir + identity_.ShortName + ".htm";
                PrepareNewFile(ui_, outputName_);
            } else {
                ChooseFileName("*.htm", "htm");
            }
            break;
        case kTargetDosFile:
            outputName_ = tempDir + "OUTDOS.TXT";
            break;
        default:
            break;
    }
}

void ReportWriter::CreateReportFile() {
    if (ui_.errorFlag || file_.IsOpen()) return;
    if (target_ < kTargetScreen || target_ > kTargetBatchFile) return;
    if (target_ == kTargetTextPrinter) {
        if (!file_.OpenDevice(outputName_)) {
            ReportError(ui_, "Drucker " + outputName_ + " nicht bereit: " + std::strerror(errno));
            ui_.errorFlag = true;
            return;
        }
        // Printer set-up codes, sent unchanged before the report.
        std::unique_ptr<std::FILE, int (*)(std::FILE*)> trp(std::fopen("TEXT.TRP", "rb"),
                                                            &std::fclose);
        if (trp) {
            char buf[4096];
            size_t n;
            while ((n = std::fread(buf, 1, sizeof buf, trp.get())) > 0) {
                file_.Write(std::string(buf, n));
            }
        }
        return;
    }
    if (!file_.Create(outputName_)) {
        ReportDisplayedError(ui_, "Ungültiger Dateiname \"" + outputName_ + "\" !");
        ui_.errorFlag = true;
    }
}

void ReportWriter::CloseReport() {
    if (!file_.IsOpen()) return;
    const bool paper =
        target_ == kTargetScreen || target_ == kTargetTextPrinter || target_ == kTargetPrinter;
    if (paper && lineCounter_ > 0 && (settings_.printoutHeaderMode == 2 || LineStyle() == 4)) {
        Out("\f");
    }
    if (target_ == kTargetHtml) {
        CloseHtmlTable();
        OutLine("</BODY>");
        OutLine("</HTML>");
    }
    file_.Close();
    FinishTarget(outputName_);
}

void ReportWriter::StartWithFile(const std::string& commandLine, const std::string& file) {
    std::vector<std::string> words = SplitCommandLine(commandLine);
    const std::string program = words.empty() ? Trim(commandLine) : words.front();
    if (!ProgramExists(program)) {
        ReportDisplayedError(ui_, program + " not found");
        return;
    }
    ui_.platform.SetBusy(true);
    bool started = ui_.platform.StartProgram(commandLine + " " + Quoted(file));
    ui_.platform.SetBusy(false);
    if (!started) ReportDisplayedError(ui_, program + " not found");
}

// The text as the text window would show it, straight to the clipboard.
void ReportWriter::CopyToClipboard(const std::string& copy) {
    std::string text;
    if (ReadWholeFile(copy, kClipboardLimit, text) != FileReadResult::Ok) {
        ReportDisplayedError(ui_, copy + " nicht gefunden !");
        return;
    }
    text.erase(
        std::remove_if(text.begin(), text.end(), [](char c) { return c == '\r' || c == '\f'; }),
        text.end());
    ui_.platform.SetClipboardText(text);
    ui_.platform.StatusText("Bericht in die Zwischenablage kopiert");
}

void ReportWriter::FinishTarget(const std::string& file) {
    const std::string tempDir = WithBackslash(settings_.folders.TempDir);
    const std::string outwin = tempDir + "outwin.txt";
    switch (target_) {
        case kTargetScreen:
            WriteConvertedCopy(file, outwin, settings_.text);
            if (settings_.reportToClipboard) {
                CopyToClipboard(outwin);
            } else {
                ui_.platform.ShowTextFile(outwin);
            }
            std::remove(file.c_str());
            break;
        case kTargetFile:
            WriteConvertedCopy(file, outwin, settings_.text);
            // The file name is already a display text; only the words are stored ones.
            ShowNoteDisplayed(ui_, file + DisplayText(ui_, " und Windows-Datei outwin.txt "
                                                           "wurden angelegt.."));
            break;
        case kTargetPrinter: {
            const std::string copy = file + ".utf8";
            WriteConvertedCopy(file, copy, settings_.text);
            std::remove(file.c_str());
            if (!ui_.platform.PrintTextFile(copy, header_[0], settings_.textFontPrintout,
                                            settings_.textSizePrintout)) {
                ReportError(ui_, "Ausdruck auf dem Systemdrucker ist hier nicht m\x94glich");
            }
            std::remove(copy.c_str());
            break;
        }
        case kTargetTextProgram:
            WriteConvertedCopy(file, outwin, settings_.text);
            std::remove(file.c_str());
            StartWithFile(settings_.textProgram, outwin);
            break;
        case kTargetSpreadsheet:
            ++fileCounter_;
            WriteConvertedCopy(file, tempDir + "$$" + std::to_string(fileCounter_) + ".txt",
                               settings_.text);
            break;
        case kTargetHtml:
            if (!Trim(settings_.htmlBrowser).empty()) StartWithFile(settings_.htmlBrowser, file);
            break;
        case kTargetBatchFile: {
            ++fileCounter_;
            try {
                WriteConvertedCopy(file, BatchCopyName(), settings_.text);
            } catch (...) {
                std::remove(file.c_str());
                throw;
            }
            std::remove(file.c_str());
            break;
        }
        default:
            break;
    }
}

}  // namespace zel3
