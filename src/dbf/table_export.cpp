#include "dbf/table_export.h"

#include <algorithm>

#include "dbf/browser_table.h"
#include "util/codepage.h"
#include "util/file_prompts.h"
#include "util/text.h"

namespace zel3 {

namespace {

constexpr int kPrintedFields = 7;

std::string BaseNameWithoutExtension(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    std::string base = slash == std::string::npos ? path : path.substr(slash + 1);
    const size_t dot = base.find_last_of('.');
    return dot == std::string::npos ? base : base.substr(0, dot);
}

// Field texts may hold the characters that make up HTML.
std::string Escaped(const std::string& t) {
    std::string r;
    for (char c : t) {
        switch (c) {
            case '&':
                r += "&amp;";
                break;
            case '<':
                r += "&lt;";
                break;
            case '>':
                r += "&gt;";
                break;
            default:
                r += c;
        }
    }
    return r;
}

}  // namespace

std::vector<std::string> TableHtmlLines(DbfTable& table, const std::string& path,
                                        const HtmlPageInfo& info) {
    std::vector<std::string> out;
    out.push_back("<HTML>");
    out.push_back("<meta charset=\"utf-8\">");
    out.push_back("<head><title>" + Escaped(BaseNameWithoutExtension(table.FileName())) +
                  "</title></head>");
    out.push_back("<BODY BGCOLOR=\"C0C0C0\">");
    out.push_back("<P>" + info.productName + "V" + info.versionText + "</P>");
    out.push_back("<P>" + Escaped(path) + "</P>");
    out.push_back("<P>" + info.date + " - " + info.time + "</P>");
    out.push_back("<HR>");
    out.push_back("<TABLE BORDER = \"1\" WIDTH= \"100%\">");
    std::string head = "<TR>";
    for (int i = 1; i <= table.FieldCount(); ++i) {
        head += "<TD><CENTER>" + Escaped(table.FieldName(i)) + "</CENTER></TD>";
    }
    out.push_back(head + "</TR>");
    for (const BrowserRow& row : ReadBrowserRows(table)) {
        std::string line = "<TR>";
        for (const std::string& cell : row.cells)
            line += "<TD>" + Escaped(OemToUtf8(Trim(cell))) + "</TD>";
        out.push_back(line + "</TR>");
    }
    out.push_back("</TABLE>");
    out.push_back("</BODY>");
    out.push_back("</HTML>");
    return out;
}

bool WriteTableHtml(UiState& ui, DbfTable& table, const std::string& path,
                    const HtmlPageInfo& info) {
    OutputFile file(path, OutputFile::Mode::Replacing);
    if (!CreateChecked(ui, file)) return false;
    for (const std::string& line : TableHtmlLines(table, path, info)) {
        if (!WriteLineChecked(ui, file, line)) return false;
    }
    return CloseChecked(ui, file);
}

std::string PrintedTableLine(const DbfTable& table, const std::vector<std::string>& cells) {
    std::string line;
    const int n = std::min({kPrintedFields, table.FieldCount(), static_cast<int>(cells.size())});
    for (int i = 1; i <= n; ++i) {
        // Wide enough for the field name too, so the heads stay apart.
        const int width =
            std::max(table.FieldLength(i), static_cast<int>(table.FieldName(i).size())) + 1;
        line += PadRight(cells[static_cast<size_t>(i - 1)], width);
    }
    return line;
}

void PrintTable(ReportWriter& report, DbfTable& table, const std::string& title,
                const std::string& caption) {
    UiState& ui = report.ui();
    report.SetReportHeader(title, caption, table.FileName(), "", "", 0);
    report.OpenReport(0, BaseNameWithoutExtension(table.FileName()) + ".txt");
    if (ui.errorFlag) return;
    report.CreateReportFile();
    if (ui.errorFlag) return;
    report.PageHeader(0, 0);
    if (ui.errorFlag) return;
    std::vector<std::string> names;
    for (int i = 1; i <= table.FieldCount(); ++i) names.push_back(table.FieldName(i));
    report.WriteLine(PrintedTableLine(table, names));
    report.WriteLine(report.SingleLine());
    for (const BrowserRow& row : ReadBrowserRows(table)) {
        report.WriteLine(PrintedTableLine(table, row.cells));
    }
    report.EndPage();
    report.CloseReport();
}

}  // namespace zel3
