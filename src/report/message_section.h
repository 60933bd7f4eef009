#pragma once
// The findings of the last calculation as a report section, as a page of a report and as the
// report of the View menu's "Error Messages".

#include <string>

#include "report/message_list.h"
#include "report/report_writer.h"

namespace zel3 {

class Program;

// "BEMERKUNGEN, WARNUNGEN, FEHLERMELDUNGEN" with each message, its cause and its remedy from
// the description file. Nothing when the list is empty.
void WriteMessageSection(ReportWriter& report, const MessageList& messages,
                         const std::string& descriptionFile);
// The section on a page of its own (asking for a new sheet when the printer pauses).
void WriteMessagesPage(ReportWriter& report, const MessageList& messages,
                       const std::string& descriptionFile);

// The findings as a report in the text window; a note when there are none.
void ShowMessagesReport(Program& program);

}  // namespace zel3
