#pragma once
// The change log report (code page 850): creation data, the replaced drawings and one block
// per change, written through the report writer.

#include <string>
#include <vector>

#include "contact/contact_case.h"
#include "report/report_writer.h"

namespace zel3 {

// "1", "2", ... with index style 1, otherwise "a", "b", ...
std::string ChangeLogIndexText(int number, int indexStyle);
std::string ChangeLogHeaderLine();
std::string ChangeLogEntryLine(const ChangeEntry& entry, int number, int indexStyle);
// The description on one line behind one blank.
std::string ChangeLogDescriptionLine(const ChangeEntry& entry);

// The whole log under the title line and the case's remark lines, to report target kind
// (0: the configured target). The output file is projectName + ".TXT". A cancelled or failed
// step leaves the error flag set.
void WriteChangeLogReport(ReportWriter& report, const ContactCase& c, int indexStyle,
                          const std::string& titleLine, const std::string& projectName, int kind);

}  // namespace zel3
