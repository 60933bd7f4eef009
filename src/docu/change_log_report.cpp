#include "docu/change_log_report.h"

#include "util/number_text.h"
#include "util/text.h"

namespace zel3 {

std::string ChangeLogIndexText(int number, int indexStyle) {
    if (indexStyle == 1) return IntToText(number);
    return std::string(1, static_cast<char>('a' + (number - 1) % 26));
}

std::string ChangeLogHeaderLine() {
    return "  " + PadRight("Index", 6) + PadRight("Datum", 10) + "   " + PadRight("Bearb.", 6) +
           "   " + PadRight("\x8Enderung", 20);
}

std::string ChangeLogEntryLine(const ChangeEntry& entry, int number, int indexStyle) {
    return "  " + ChangeLogIndexText(number, indexStyle) + "     " + PadRight(entry.date, 10) +
           "   " + PadRight(entry.editor, 6) + "   " + PadRight(entry.designation, 20);
}

std::string ChangeLogDescriptionLine(const ChangeEntry& entry) {
    std::string line = entry.description;
    for (char& ch : line) {
        if (ch == '\n' || ch == '\r') ch = ' ';
    }
    return " " + line;
}

void WriteChangeLogReport(ReportWriter& report, const ContactCase& c, int indexStyle,
                          const std::string& titleLine, const std::string& projectName, int kind) {
    UiState& ui = report.ui();
    report.caseRemarks = c.remarks;
    report.SetReportHeader(titleLine, "\x8Enderungsprotokoll", c.remarks[0], c.remarks[1],
                           c.remarks[2], 0);
    report.OpenReport(kind, projectName.empty() ? std::string() : projectName + ".TXT");
    if (ui.errorFlag) return;
    report.CreateReportFile();
    if (ui.errorFlag) return;
    report.PageHeader(0, 0);
    if (ui.errorFlag) return;

    const DrawingInfo& info = c.drawingInfo;
    report.WriteLine("");
    report.WriteLine("Erstellungsdatum: " + info.signOff[kDrawnBy].date + "     " + "Erstellt von" +
                     ": " + info.signOff[kDrawnBy].name);
    if (!info.replaces.empty()) {
        report.WriteLine("");
        report.WriteLine("Ersatz f\x81r: " + PadRight(info.replaces, 15));
    }
    if (!info.replacedBy.empty()) {
        report.WriteLine("");
        report.WriteLine("Ersetzt durch: " + PadRight(info.replacedBy, 15));
    }
    report.WriteLine("");
    report.WriteLine(ChangeLogHeaderLine());
    report.WriteLine(report.DoubleLine());
    for (int i = 1; i <= c.changes.count; ++i) {
        const ChangeEntry& e = c.changes.entries[static_cast<std::size_t>(i - 1)];
        report.WriteLine(ChangeLogEntryLine(e, i, indexStyle));
        report.WriteLine(ChangeLogDescriptionLine(e));
        report.WriteLine(report.SingleLine());
    }
    report.EndPage();
    report.CloseReport();
}

}  // namespace zel3
