#pragma once
// The report writer: every text output of the program (the results report, the message
// report, the change list) writes lines, rows and separators through it; the writer formats
// them for one of nine targets, keeps line and page counters, writes framed page headers and
// breaks pages. Texts handed in are code page 850; the box characters of the default line
// style are code page 850 too.
//
// Calling order: SetReportHeader (and SetColumnHeads) -> OpenReport -> CreateReportFile ->
// PageHeader -> lines and rows -> EndPage -> CloseReport. Cancelled or failed steps set the
// error flag; unexpected write failures throw IoError.

#include <array>
#include <string>
#include <vector>

#include "config/settings.h"
#include "report/report_file.h"
#include "util/ui_state.h"

namespace zel3 {

struct ProgramIdentity;
struct RunState;

enum ReportTarget {
    kTargetScreen = 1,       // "Bildschirm": the text window
    kTargetTextPrinter = 2,  // "Textdrucker": raw bytes to /dev/lp0../dev/lp3
    kTargetFile = 3,         // "Datei"
    kTargetPrinter = 4,      // "Windows-Drucker": the platform's printing
    kTargetTextProgram = 5,  // "externes Textprogramm"
    kTargetSpreadsheet = 6,  // tab-separated text for spreadsheets
    kTargetHtml = 7,
    kTargetDosFile = 8,    // TempDir + "OUTDOS.TXT"
    kTargetBatchFile = 9,  // the "/I" run: spreadsheet text copied to ProjectName + ".txt"
};

// The names of targets 1..7 as the target choice lists them.
const std::vector<std::string>& ReportTargetNames();

// OpenReport kind that keeps the current target and file.
constexpr int kKeepTarget = 90;

class ReportWriter {
  public:
    ReportWriter(UiState& ui, const Settings& settings, const ProgramIdentity& identity,
                 const RunState& run);

    void SetReportHeader(const std::string& line0, const std::string& line1,
                         const std::string& line2, const std::string& line3,
                         const std::string& line4, int totalPages);
    void SetColumnHeads(const std::string& c1, const std::string& c2, const std::string& c3,
                        const std::string& c4, const std::string& c5);
    // A sixth column head, shown from now until the next SetColumnHeads.
    void SetSixthColumnHead(const std::string& c6);
    // Where cells 2 and 3 of a row start (1-based columns); SetColumnHeads resets them.
    void SetColumnPositions(int cell2, int cell3);

    // kind 0: the configured target (asked for when so configured); 1..9 that target;
    // kKeepTarget: the current target and file. An empty name means ProjectName.
    void OpenReport(int kind, const std::string& name);
    // Creates the output file OpenReport chose.
    void CreateReportFile();
    void PageHeader(int page, int kind);

    void WriteLine(const std::string& text);
    void WriteLineNoBreak(const std::string& text);
    void WriteTableLine(const std::string& text);
    void WriteWrapped(const std::string& text);
    void WriteRow(const std::string& c1, const std::string& c2, const std::string& c3,
                  const std::string& c4);
    void WriteRaw(const std::string& text);
    void WriteRawNoBreak(const std::string& text);

    std::string SingleLine() const;
    std::string DoubleLine() const;
    std::string HeaderTop() const;
    std::string HeaderBottom() const;
    std::string HeaderMiddle() const;
    std::string FrameChar() const;

    void OpenHtmlTable();
    void CloseHtmlTable();
    void EndPage();
    void CloseReport();

    UiState& ui() { return ui_; }
    int Target() const { return target_; }
    bool Pause() const { return pause_; }
    const std::string& OutputName() const { return outputName_; }
    int PageCount() const { return pageCounter_; }
    int LineCount() const { return lineCounter_; }
    bool IsExportTarget() const;
    bool IsSpreadsheetTarget() const;

    // The three remark lines of the current case, written at the top of spreadsheet files.
    std::array<std::string, 3> caseRemarks{};
    // Folder the batch report is copied to; empty means the working folder.
    std::string batchFolder;

  private:
    int LineStyle() const;
    int PageLength() const;
    bool FirstPage(int page) const;
    void Out(const std::string& bytes);
    void OutLine(const std::string& bytes);
    void BodyLine(const std::string& text, bool lineEnd);
    void PageBreakCheck();
    void FramedLine(const std::string& text, const std::vector<std::pair<int, std::string>>& marks);
    void ColumnHeadLine();
    void SpreadsheetHeader();
    void HtmlHeader();
    bool CreateTemporaryFile();
    void ChooseFileName(const std::string& pattern, const std::string& extension);
    std::string TextPrinterDevice() const;
    std::string BatchCopyName() const;
    std::string TableDecimal(const std::string& value) const;
    void FinishTarget(const std::string& file);
    void CopyToClipboard(const std::string& copy);
    void StartWithFile(const std::string& program, const std::string& file);

    UiState& ui_;
    const Settings& settings_;
    const ProgramIdentity& identity_;
    const RunState& run_;

    int target_ = kTargetScreen;
    bool pause_ = false;
    int totalPages_ = 0;
    int lineCounter_ = 0;
    int pageCounter_ = 0;
    int headerKind_ = 0;
    bool tableOpen_ = false;
    bool inPageBreak_ = false;
    std::array<std::string, 5> header_{};
    std::array<std::string, 6> columnHeads_{"", "Zeichen", "Einheit", "2", "1", ""};
    bool sixthColumn_ = false;
    int cell2_ = 35;
    int cell3_ = 44;
    int fileCounter_ = 0;
    std::string reportName_;
    std::string outputName_ = "$out.tmp";
    ReportFile file_;
};

}  // namespace zel3
