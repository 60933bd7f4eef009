#include "graphics/qt_picture_print.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <filesystem>
#include <memory>

#include "docu/qt_dialog_frame.h"
#include "graphics/null_canvas.h"
#include "graphics/qt_painter_canvas.h"
#include "report/printout_dialog.h"
#include "report/printout_setup.h"
#include "shell/program.h"
#include "util/prompts.h"

namespace zel3 {

namespace {

constexpr int kPrintoutHelp = 1935;

std::string PrinterName(const QPrinter& printer) {
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        return "PDF: " + printer.outputFileName().toUtf8().toStdString();
    }
    return printer.printerName().toUtf8().toStdString();
}

std::string PdfStartFolder(const Program& program) {
    if (!program.run.ProjectDir.empty()) return program.run.ProjectDir;
    return program.settings.folders.DataDir;
}

}  // namespace

bool PrinterAvailable() {
    return !QPrinterInfo::defaultPrinter().isNull() || !QPrinterInfo::availablePrinters().isEmpty();
}

std::string PdfFileName(const std::string& typed) {
    const std::size_t slash = typed.rfind('/');
    const std::size_t dot = typed.rfind('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash))
        return typed + ".pdf";
    return typed;
}

bool PrintPictureOn(Program& program, QPrinter& printer, bool fit) {
    printer.setDocName(QString::fromStdString(program.identity.ProgramTitle));
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    painter.setRenderHint(QPainter::Antialiasing);
    QtPainterCanvas page(painter);
    NullCanvas screen;
    const PrintPage target{page, printer.width(), printer.height()};
    program.platform().SetBusy(true);
    program.graphics.PrintPicture(screen, target, fit);
    program.platform().SetBusy(false);
    const bool ended = painter.end();
    // A fitted printout reset the zoom of the picture shown.
    if (fit) program.platform().RequestRepaint();
    return ended;
}

void PrintShownPicture(Program& program, QWidget* owner) {
    UiState& ui = program.ui;
    ui.errorFlag = false;
    QPrinter printer(QPrinter::HighResolution);
    bool printerChosen = false;

    PrintoutActions actions;
    actions.choosePrinter = [&printer, &printerChosen, owner](std::string& name, bool& landscape) {
        QPrintDialog dialog(&printer, owner);
        if (dialog.exec() != QDialog::Accepted) return false;
        printerChosen = true;
        name = PrinterName(printer);
        landscape = printer.pageLayout().orientation() == QPageLayout::Landscape;
        return true;
    };
    std::unique_ptr<PrintSetupStore> store;
    if (program.tableBrowser) {
        store = std::make_unique<PrintSetupStore>(
            PrintSetupStore{ui, program.messages, *program.tableBrowser,
                            program.settings.folders.StartDir, program.printoutRecord});
        actions.loadSetup = [&store, &program](PrintoutForm& f) {
            return LoadPrintSetup(*store, program.settings.number, f);
        };
        actions.storeSetup = [&store](const PrintoutForm& f) { StorePrintSetup(*store, f); };
    }
    actions.showHelp = [&program] {
        program.ui.helpNumber = kPrintoutHelp;
        if (program.platform().showHelp) program.platform().showHelp(false);
    };

    ui.helpNumber = kPrintoutHelp;
    PrintoutDialog dialog(PrintoutFormFrom(program.settings, program.cadKind),
                          PrinterAvailable() ? PrinterName(printer) : "PDF", actions, owner);
    ApplyDialogFrame(dialog, owner,
                     {program.settings.inputWindowScale, program.settings.dialogContentScale}, true,
                     false);
    if (dialog.exec() != QDialog::Accepted) {
        ui.errorFlag = true;
        return;
    }
    ui.errorFlag = false;
    const PrintoutForm form = dialog.Form();
    StorePrintParameters(form, program.graphics.print);
    printer.setPageOrientation(form.orientation == 1 ? QPageLayout::Landscape
                                                     : QPageLayout::Portrait);

    std::string pdf;
    if (!printerChosen && !PrinterAvailable()) {
        std::string chosen;
        // "kugel.zl3" prints into "kugel.pdf".
        const std::string project = std::filesystem::path(program.run.ProjectName).stem().string();
        const std::string suggested =
            (project.empty() ? program.identity.ShortName : project) + ".pdf";
        if (!ui.platform.SaveFileDialog(PdfStartFolder(program), "*.pdf", suggested, chosen)) {
            ui.errorFlag = true;
            return;
        }
        pdf = PdfFileName(chosen);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(pdf));
    }
    ui.platform.StatusText("Ausdruck erfolgt  -   bitte warten ...");
    const bool printed = PrintPictureOn(program, printer, form.fit);
    ui.platform.StatusText("");
    if (!printed) {
        ReportDisplayedError(ui, (pdf.empty() ? printer.printerName().toStdString() : pdf) +
                                     " : Ausdruck nicht m\xC3\xB6glich");
        ui.errorFlag = true;
    }
}

}  // namespace zel3
