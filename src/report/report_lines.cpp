// The report writer's lines: body lines, rows, wrapped texts, separators, page headers and
// page breaks.

#include <algorithm>

#include "project/project_files.h"
#include "report/report_writer.h"
#include "shell/program.h"
#include "util/date_text.h"
#include "util/number_text.h"
#include "util/prompts.h"
#include "util/text.h"

namespace zel3 {

namespace {

constexpr int kSeparatorWidth = 70;
constexpr char kMark[] = "$!$";
constexpr char kFormFeed[] = "\f";

// Pascal-style insertion: text goes in before the 1-based column, pushing the rest right.
void InsertAt(std::string& s, const std::string& text, int column) {
    size_t at = static_cast<size_t>(std::max(column, 1) - 1);
    if (at > s.size()) at = s.size();
    s.insert(at, text);
}

void PlaceAt(std::string& s, const std::string& text, int column) {
    size_t at = static_cast<size_t>(std::max(column, 1) - 1);
    if (s.size() < at + text.size()) s.resize(at + text.size(), ' ');
    s.replace(at, text.size(), text);
}

std::string Repeat(char c, int n) {
    return std::string(static_cast<size_t>(n), c);
}

std::string Boxed(char left, char fill, char right) {
    return std::string(1, left) + Repeat(fill, kSeparatorWidth - 2) + std::string(1, right);
}

}  // namespace

int ReportWriter::LineStyle() const {
    int s = settings_.textPrintMode;
    return (s >= 1 && s <= 3) ? s : 4;
}

int ReportWriter::PageLength() const {
    return std::max(settings_.linesPerPage, 1);
}

bool ReportWriter::FirstPage(int page) const {
    return page == 1 || pageCounter_ == 0;
}

// Code page 850 box characters of line style 2.
std::string ReportWriter::SingleLine() const {
    switch (LineStyle()) {
        case 1:
            return Repeat('-', kSeparatorWidth);
        case 2:
            return Repeat('\xC4', kSeparatorWidth);
        case 3:
            return Repeat(' ', kSeparatorWidth);
        default:
            return kMark;
    }
}

std::string ReportWriter::DoubleLine() const {
    switch (LineStyle()) {
        case 1:
            return Repeat('=', kSeparatorWidth);
        case 2:
            return Repeat('\xCD', kSeparatorWidth);
        case 3:
            return Repeat(' ', kSeparatorWidth);
        default:
            return kMark;
    }
}

std::string ReportWriter::HeaderTop() const {
    switch (LineStyle()) {
        case 1:
            return Repeat('*', kSeparatorWidth);
        case 2:
            return Boxed('\xC9', '\xCD', '\xBB');
        case 3:
            return Repeat(' ', kSeparatorWidth);
        default:
            return kMark;
    }
}

std::string ReportWriter::HeaderBottom() const {
    switch (LineStyle()) {
        case 1:
            return Repeat('*', kSeparatorWidth);
        case 2:
            return Boxed('\xC8', '\xCD', '\xBC');
        case 3:
            return Repeat(' ', kSeparatorWidth);
        default:
            return kMark;
    }
}

std::string ReportWriter::HeaderMiddle() const {
    switch (LineStyle()) {
        case 1:
            return Repeat('*', kSeparatorWidth);
        case 2:
            return Boxed('\xCC', '\xCD', '\xB9');
        case 3:
            return Repeat(' ', kSeparatorWidth);
        default:
            return kMark;
    }
}

std::string ReportWriter::FrameChar() const {
    switch (LineStyle()) {
        case 1:
            return "*";
        case 2:
            return "\xBA";
        default:
            return " ";
    }
}

void ReportWriter::Out(const std::string& bytes) {
    if (!file_.IsOpen()) {
        ui_.errorFlag = true;
        return;
    }
    // HTML is read by a browser: it is written in UTF-8 and says so in its head.
    if (target_ == kTargetHtml) {
        file_.Write(ReportTextToUtf8(bytes, settings_.text));
    } else {
        file_.Write(bytes);
    }
}

void ReportWriter::OutLine(const std::string& bytes) {
    Out(bytes + (target_ == kTargetHtml ? "\n" : "\r\n"));
}

void ReportWriter::WriteRaw(const std::string& text) {
    OutLine(text);
}
void ReportWriter::WriteRawNoBreak(const std::string& text) {
    Out(text);
}

void ReportWriter::BodyLine(const std::string& text, bool lineEnd) {
    auto put = [&](const std::string& s) { lineEnd ? OutLine(s) : Out(s); };
    if (IsSpreadsheetTarget()) {
        if (text == SingleLine() || text == DoubleLine() || text == kMark) return;
        put(text);
        return;
    }
    if (target_ == kTargetHtml) {
        CloseHtmlTable();
        ++lineCounter_;
        if (text == SingleLine() || text == DoubleLine() || text == kMark) return;
        put("<br>" + text);
        return;
    }
    if (text == kMark) return;
    PageBreakCheck();
    ++lineCounter_;
    put("       " + text);
}

void ReportWriter::WriteLine(const std::string& text) {
    BodyLine(text, true);
}
void ReportWriter::WriteLineNoBreak(const std::string& text) {
    BodyLine(text, false);
}

void ReportWriter::PageBreakCheck() {
    if (inPageBreak_ || lineCounter_ < PageLength()) return;
    inPageBreak_ = true;
    if (settings_.printoutHeaderMode == 2) {
        OutLine(kFormFeed);
        lineCounter_ = 0;
    } else {
        EndPage();
        PageHeader(0, headerKind_);
        WriteLine("");
    }
    inPageBreak_ = false;
}

void ReportWriter::WriteTableLine(const std::string& text) {
    if (target_ != kTargetHtml) {
        WriteLine(text);
        return;
    }
    if (!tableOpen_) OpenHtmlTable();
    OutLine("<TR><TD>" + text + "</TD></TR>");
}

void ReportWriter::WriteWrapped(const std::string& text) {
    if (text.empty()) return;
    if (IsExportTarget() || text.size() < 73) {
        WriteTableLine(text);
        return;
    }
    std::string rest = text;
    while (!rest.empty()) {
        size_t cut = rest.size();
        if (rest.size() > 64) {
            size_t blank = rest.rfind(' ', 63);
            cut = blank == std::string::npos ? 64 : blank + 1;
        }
        WriteTableLine(rest.substr(0, cut));
        rest.erase(0, cut);
    }
}

std::string ReportWriter::TableDecimal(const std::string& value) const {
    if (settings_.number.tableSeparatorMode == 1) return ReplaceChar(value, ',', '.');
    return ReplaceChar(value, '.', ',');
}

void ReportWriter::WriteRow(const std::string& c1, const std::string& c2, const std::string& c3,
                            const std::string& c4) {
    if (IsSpreadsheetTarget()) {
        OutLine(c1 + "\t" + c2 + "\t" + c3 + "\t" + TableDecimal(c4));
        return;
    }
    if (target_ == kTargetHtml) {
        if (!tableOpen_) OpenHtmlTable();
        OutLine("<TR><TD>" + c1 + "</TD><TD>" + c2 + "</TD><TD>" + c3 +
                "</TD><TD><DIV ALIGN=RIGHT>" + c4 + "</DIV></TD></TR>");
        return;
    }
    std::string line(72, ' ');
    InsertAt(line, c1, 1);
    InsertAt(line, c2, cell2_);
    InsertAt(line, c3, cell3_);
    InsertAt(line, c4, 56);
    WriteLine(line.substr(0, 72));
    if (LineStyle() != 4) WriteLine(SingleLine());
}

void ReportWriter::OpenHtmlTable() {
    CloseHtmlTable();
    OutLine("<TABLE BORDER = \"2\" WIDTH= \"100%\">");
    tableOpen_ = true;
}

void ReportWriter::CloseHtmlTable() {
    if (!tableOpen_) return;
    tableOpen_ = false;
    OutLine("</TABLE>");
}

void ReportWriter::FramedLine(const std::string& text,
                              const std::vector<std::pair<int, std::string>>& marks) {
    std::string line(71, ' ');
    line.replace(0, 1, FrameChar());
    InsertAt(line, text, 6);
    for (const auto& m : marks) InsertAt(line, m.second, m.first);
    InsertAt(line, FrameChar(), 70);
    WriteLine(line.substr(0, 72));
}

void ReportWriter::ColumnHeadLine() {
    const auto& h = columnHeads_;
    if (IsSpreadsheetTarget()) {
        std::string line = h[0] + "\t" + h[1] + "\t" + h[2] + "\t" + h[3] + "\t" + h[4];
        if (sixthColumn_) line += "\t" + h[5];
        OutLine(line);
        return;
    }
    if (target_ == kTargetHtml) {
        if (!tableOpen_) OpenHtmlTable();
        std::string row = "<TR><TD><CENTER>" + h[0] + "</CENTER></TD>";
        for (size_t i = 1; i < (sixthColumn_ ? 6u : 5u); ++i) row += "<TD>" + h[i] + "</TD>";
        OutLine(row + "</TR>");
        return;
    }
    std::string line(72, ' ');
    PlaceAt(line, h[0], 2);
    PlaceAt(line, h[1], 35);
    PlaceAt(line, h[2], 44);
    PlaceAt(line, h[3], 49);
    PlaceAt(line, h[4], 56);
    if (sixthColumn_) PlaceAt(line, h[5], 63);
    line.replace(0, 1, FrameChar());
    line.replace(69, 1, FrameChar());
    WriteLine(line.substr(0, 72));
}

void ReportWriter::SpreadsheetHeader() {
    OutLine(identity_.ProgramTitle + " V" + identity_.VersionText + "\t" +
            TodayText(settings_.number) + "\t" + TimeText());
    // The batch report names the file it ends up in, not its temporary file.
    OutLine(target_ == kTargetBatchFile ? BatchCopyName() : outputName_);
    for (const auto& r : caseRemarks) OutLine(r);
    OutLine("");
}

void ReportWriter::HtmlHeader() {
    const std::string title = identity_.ProgramTitle + " V" + identity_.VersionText;
    OutLine("<!-- " + outputName_ + " -->");
    OutLine("<HTML>");
    OutLine("<head><meta charset=\"UTF-8\"><title>" + title + "</title></head>");
    OutLine("<BODY BGCOLOR=\"C0C0C0\">");
    OutLine("<hr>");
    WriteLine("<h4>" + title + "</h4>");
    OutLine("<hr>");
    for (int i = 1; i <= 4; ++i) OutLine("<h5>" + header_[static_cast<size_t>(i)] + "</h5>");
    OutLine("<hr>");
}

void ReportWriter::PageHeader(int page, int kind) {
    if (IsSpreadsheetTarget()) {
        if (page == 1 || (page == 0 && pageCounter_ == 0)) {
            ++pageCounter_;
            SpreadsheetHeader();
            if (kind == 1) ColumnHeadLine();
        }
        return;
    }
    if (target_ == kTargetHtml) {
        if (pageCounter_ == 0) {
            HtmlHeader();
            if (kind == 1) ColumnHeadLine();
        }
        ++pageCounter_;
        return;
    }
    if (pause_ && !AskYesNo(ui_, "Blatt in Drucker einlegen")) {
        ui_.errorFlag = true;
        return;
    }
    const bool first = FirstPage(page);
    if (settings_.printoutHeaderMode == 2 && !first) {
        OutLine("");
        return;
    }
    if (LineStyle() == 4 && !first && lineCounter_ * 2 < PageLength()) return;

    lineCounter_ = 0;
    headerKind_ = kind;
    ++pageCounter_;
    if (page == 0) page = pageCounter_;

    const bool wasBreaking = inPageBreak_;
    inPageBreak_ = true;  // a header never breaks a page itself
    if (LineStyle() == 4) WriteLine("");
    for (int i = 0; i < settings_.headerSpaceLines; ++i) WriteLine("");
    WriteLine(HeaderTop());

    if (totalPages_ > 0) {
        FramedLine(header_[0], {{60, "Bl." + BlankPad(page, 2) + "/" + BlankPad(totalPages_, 2)}});
    } else {
        FramedLine(header_[0], {{64, "Bl." + BlankPad(page, 2)}});
    }
    FramedLine("", {{53, TodayText(settings_.number)}, {64, TimeText()}});
    std::string project = run_.ProjectName;
    if (!run_.StartedWithFile) {
        const std::string full =
            ProjectFilePath(run_.ProjectDir, run_.ProjectName, identity_.ProjectExt);
        project = full.size() < 70 ? full : full.substr(full.find_last_of('/') + 1);
    }
    FramedLine(project, {});
    WriteLine(HeaderMiddle());
    for (size_t i = 1; i <= 4; ++i) {
        if (i < 4 || !header_[i].empty()) FramedLine(header_[i], {});
    }
    if (kind == 1) {
        WriteLine(HeaderMiddle());
        ColumnHeadLine();
    } else {
        WriteLine(HeaderBottom());
    }
    inPageBreak_ = wasBreaking;
}

void ReportWriter::EndPage() {
    if (IsExportTarget()) return;
    if (LineStyle() == 4 && lineCounter_ * 2 < PageLength()) return;
    if (target_ == kTargetScreen || target_ == kTargetPrinter) {
        OutLine(kFormFeed);
    } else if (target_ == kTargetTextPrinter) {
        Out(kFormFeed);
    }
    lineCounter_ = 0;
}

}  // namespace zel3
