#pragma once
// The table browser's outputs: the table as an HTML page and as a printed report.

#include <string>
#include <vector>

#include "dbf/dbf_table.h"
#include "report/report_writer.h"
#include "util/ui_state.h"

namespace zel3 {

struct HtmlPageInfo {
    std::string productName;
    std::string versionText;
    std::string date;  // today, as the program writes dates
    std::string time;
};

// The lines of the HTML page of every visible record (UTF-8; the page declares it). path is
// the target file, named on the page as it is.
std::vector<std::string> TableHtmlLines(DbfTable& table, const std::string& path,
                                        const HtmlPageInfo& info);

// Writes the page to path (replacing an old file only when complete). False with the error
// flag set when the file could not be written.
bool WriteTableHtml(UiState& ui, DbfTable& table, const std::string& path,
                    const HtmlPageInfo& info);

// Prints the first seven fields of every visible record as a table through the report
// writer's chosen target: header = field names, column width = field length + 1 (or the
// name's length + 1 where that is longer). title and
// caption are code page 850.
void PrintTable(ReportWriter& report, DbfTable& table, const std::string& title,
                const std::string& caption);

// One printed line: the first seven fields, each padded to its column width.
std::string PrintedTableLine(const DbfTable& table, const std::vector<std::string>& cells);

}  // namespace zel3
