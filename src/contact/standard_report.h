#pragma once
// The standard results report (the View "Standard" entry and the report of a batch run) and
// the one-line body summaries of the drawing table.

#include <string>

#include "contact/contact_case.h"
#include "report/message_list.h"
#include "report/report_writer.h"
#include "util/number_format.h"

namespace zel3 {

class Program;

// The line below the report's title block that names the exact method.
constexpr const char* kExactMethodLine = "Berechnungsverfahren: exakt (elliptische Integrale)";

// Writes the report of the last calculation through the report writer to the target kind
// (0: the configured target). When the calculation failed, the message window is shown
// instead. Cancelled steps leave the error flag set.
void WriteStandardReport(Program& program, int kind = 0);

// The report itself: header, both bodies, results and the findings. False (and nothing
// written) when the calculation failed.
bool WriteStandardReportTo(ReportWriter& report, const ContactCase& c, const MessageList& messages,
                           const NumberFormat& nf, const std::string& programTitle,
                           const std::string& descriptionFile, int kind);

// "1. Zylinder d=20, L=10": number, kind and dimensions of body i (1 or 2), no units.
std::string BodySummaryText(const ContactCase& c, int i, const NumberFormat& nf);

}  // namespace zel3
