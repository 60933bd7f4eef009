#include "report/message_section.h"

#include "report/message_descriptions.h"
#include "util/prompts.h"

namespace zel3 {

void WriteMessageSection(ReportWriter& report, const MessageList& messages,
                         const std::string& descriptionFile) {
    const int count = messages.MessageCount();
    if (count == 0) return;
    const bool spreadsheet = report.IsSpreadsheetTarget();
    const bool html = report.Target() == kTargetHtml;
    report.WriteLine("");
    report.WriteLine("BEMERKUNGEN, WARNUNGEN, FEHLERMELDUNGEN");
    if (!spreadsheet) {
        report.WriteLine(report.DoubleLine());
        report.WriteLine("");
        report.WriteLine(report.SingleLine());
        if (html) report.OpenHtmlTable();
    }
    for (int a = 1; a <= count; ++a) {
        const std::string& message = messages.MessageText(a);
        const std::string cause = MessageCause(descriptionFile, message);
        const std::string remedy = MessageRemedy(descriptionFile, message);
        if (spreadsheet) {
            report.WriteLine(message + "\t" + cause + "\t" + remedy);
            continue;
        }
        report.WriteTableLine(message);
        report.WriteWrapped(cause);
        report.WriteWrapped(remedy);
        if (html) {
            report.CloseHtmlTable();
            report.WriteLine("");
            report.OpenHtmlTable();
        } else if (report.SingleLine() != "$!$") {
            report.WriteLine(report.SingleLine());
        }
    }
    if (html) report.CloseHtmlTable();
}

void WriteMessagesPage(ReportWriter& report, const MessageList& messages,
                       const std::string& descriptionFile) {
    if (messages.MessageCount() == 0) return;
    UiState& ui = report.ui();
    report.PageHeader(0, 0);  // asks for a new sheet when the printer pauses
    if (ui.errorFlag) return;
    WriteMessageSection(report, messages, descriptionFile);
    report.EndPage();
}

}  // namespace zel3
