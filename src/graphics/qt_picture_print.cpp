#include "graphics/qt_picture_print.h"

#include <QPageLayout>
#include <QPainter>
#include <QPrinter>
#include <QPrinterInfo>

#include "graphics/qt_painter_canvas.h"
#include "shell/program.h"
#include "util/prompts.h"

namespace zel3 {

namespace {

// The screen half of a print pass: the window repaints on its own.
class NoCanvas : public Canvas {
  public:
    void SetPen(const Rgb&, PenStyle, int) override {}
    void SetBrush(const Rgb&, bool) override {}
    void Line(int, int, int, int) override {}
    void Ellipse(int, int, int, int) override {}
    void Arc(int, int, int, int, PixelPoint, PixelPoint) override {}
    void Polygon(const std::array<PixelPoint, 4>&) override {}
    void Text(int, int, const std::string&, const FontSpec&, const Rgb&) override {}
};

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

bool PrintPictureOn(Program& program, QPrinter& printer) {
    printer.setDocName(QString::fromStdString(program.identity.ProgramTitle));
    printer.setPageOrientation(program.settings.printerOrientation == 2 ? QPageLayout::Landscape
                                                                        : QPageLayout::Portrait);
    program.graphics.print.colorMode = program.settings.windowsPrintMode == 2 ? 2 : 1;
    QPainter painter;
    if (!painter.begin(&printer)) return false;
    painter.setRenderHint(QPainter::Antialiasing);
    QtPainterCanvas page(painter);
    NoCanvas screen;
    const PrintPage target{page, printer.width(), printer.height()};
    program.platform().SetBusy(true);
    program.graphics.PrintPicture(screen, target, false);
    program.platform().SetBusy(false);
    return painter.end();
}

void PrintShownPicture(Program& program) {
    UiState& ui = program.ui;
    QPrinter printer(QPrinter::HighResolution);
    std::string pdf;
    if (!PrinterAvailable()) {
        std::string chosen;
        const std::string suggested = (program.run.ProjectName.empty() ? program.identity.ShortName
                                                                       : program.run.ProjectName) +
                                      ".pdf";
        if (!ui.platform.SaveFileDialog(PdfStartFolder(program), "*.pdf", suggested, chosen)) {
            ui.errorFlag = true;
            return;
        }
        pdf = PdfFileName(chosen);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(pdf));
    }
    ui.platform.StatusText("Ausdruck erfolgt  -   bitte warten ...");
    const bool printed = PrintPictureOn(program, printer);
    ui.platform.StatusText("");
    if (!printed) {
        ReportDisplayedError(ui, (pdf.empty() ? printer.printerName().toStdString() : pdf) +
                                     " : Ausdruck nicht m\xC3\xB6glich");
        ui.errorFlag = true;
    }
}

}  // namespace zel3
