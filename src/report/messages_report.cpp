// The View menu's "Error Messages": the findings as a report in the text window.

#include "report/message_descriptions.h"
#include "report/message_section.h"
#include "report/show_messages.h"
#include "shell/program.h"
#include "util/prompts.h"

namespace zel3 {

void ShowMessagesReport(Program& program) {
    const MessageList& messages = program.messages;
    if (messages.MessageCount() == 0) {
        ShowNote(program.ui, "Berechnung erfolgreich ohne Fehlermeldungen");
        return;
    }
    ReportWriter& report = program.report;
    const auto& remarks = program.contactCase.remarks;
    report.caseRemarks = remarks;
    report.SetReportHeader(program.identity.ProductName + " V" + program.identity.VersionText,
                           "Error Messages", remarks[0], remarks[1], remarks[2], 1);
    if (messages.calculationFailed) {
        ShowMessageWindow(program);
        return;
    }
    report.OpenReport(kTargetScreen, program.run.ProjectName + ".txt");
    report.CreateReportFile();
    if (program.ui.errorFlag) return;
    report.PageHeader(0, 0);
    if (program.ui.errorFlag) return;
    WriteMessageSection(report, messages,
                        MessageDescriptionFile(program.settings.folders, program.ProgramDataDir,
                                               program.identity.ShortName));
    report.EndPage();
    report.CloseReport();
}

}  // namespace zel3
