#include "graphics/qt_picture_file.h"

#include <sys/mman.h>
#include <QBuffer>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>

#include "cad/cad_output_state.h"
#include "graphics/null_canvas.h"
#include "graphics/qt_painter_canvas.h"
#include "graphics/qt_png_encoder.h"
#include "graphics/screen_replay.h"
#include "shell/program.h"
#include "util/io_error.h"
#include "util/prompts.h"
#include "util/safe_file.h"
#include "util/text.h"

namespace zel3 {

namespace {

constexpr double kA4LongMm = 297.0;
constexpr double kA4ShortMm = 210.0;
constexpr double kMmPerInch = 25.4;
// The printout look is painted on a page of a laser printer's resolution, so that the
// printer's pen widths keep their weight whatever the picture's resolution.
constexpr int kPrintoutDpi = 600;

int PictureDpi(const Settings& s) {
    return std::clamp(s.pictureDpi, kPictureDpiMin, kPictureDpiMax);
}

// A picture is large (8.7 MB at 150 dpi); its memory is asked for in huge pages, so that the
// first painting costs a few page faults instead of two thousand. Where the system has no huge
// pages the advice is ignored.
QImage NewPictureImage(QSize size) {
#ifdef MADV_HUGEPAGE
    constexpr size_t kHugePage = size_t{2} << 20;
    const size_t bytesPerLine = static_cast<size_t>(size.width()) * 4;
    const size_t bytes =
        (bytesPerLine * static_cast<size_t>(size.height()) + kHugePage - 1) / kHugePage * kHugePage;
    void* memory = nullptr;
    if (bytes > 0 && posix_memalign(&memory, kHugePage, bytes) == 0) {
        ::madvise(memory, bytes, MADV_HUGEPAGE);
        QImage image(static_cast<uchar*>(memory), size.width(), size.height(),
                     static_cast<qsizetype>(bytesPerLine), QImage::Format_RGB32, std::free, memory);
        if (!image.isNull()) return image;
        std::free(memory);
    }
#endif
    return QImage(size, QImage::Format_RGB32);
}

// The window's picture at the page's size, on the background colour.
void PaintScreenLook(Program& program, QPainter& painter, QSize size,
                     QtPainterCanvas::TextWidth textWidth) {
    const Rgb bg = RgbFromStored(program.settings.backgroundColor);
    painter.fillRect(QRect(QPoint(0, 0), size), QColor(bg.r, bg.g, bg.b));
    QtPainterCanvas canvas(painter, textWidth);
    PaintScreen(program.graphics, canvas, size.width(), size.height());
}

// The print pass of File -> Print on white paper, in black.
void PaintPrintLook(Program& program, QPainter& painter, QSize size, int dpi,
                    QtPainterCanvas::TextWidth textWidth) {
    painter.fillRect(QRect(QPoint(0, 0), size), Qt::white);
    const double toPicture = static_cast<double>(dpi) / kPrintoutDpi;
    painter.scale(toPicture, toPicture);
    QtPainterCanvas page(painter, textWidth);
    NullCanvas screen;
    const PrintPage target{page, static_cast<int>(std::lround(size.width() / toPicture)),
                           static_cast<int>(std::lround(size.height() / toPicture))};
    GraphicsEngine& g = program.graphics;
    const PrintParameters kept = g.print;
    g.print.colorMode = 1;
    g.FormPaint(screen, &target);
    g.print = kept;
}

QString Title(const Program& program) {
    const std::string& name = program.run.ProjectName;
    return QString::fromStdString(name.empty() ? program.identity.ProgramTitle
                                               : name + " - " + program.identity.ProgramTitle);
}

QByteArray Svg(Program& program, int dpi) {
    const QSize size = PicturePageSize(dpi);
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator svg;
    svg.setOutputDevice(&buffer);
    svg.setSize(size);
    svg.setViewBox(QRect(QPoint(0, 0), size));
    svg.setResolution(dpi);
    svg.setTitle(Title(program));
    QPainter painter;
    if (!painter.begin(&svg)) return {};
    // The SVG generator drops a font's stretch; a scaled painter keeps the text widths.
    PaintPicture(program, painter, size, dpi, QtPainterCanvas::TextWidth::Scale);
    painter.end();
    return buffer.data();
}

QByteArray Pdf(Program& program, int dpi) {
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    {
        QPdfWriter pdf(&buffer);
        pdf.setResolution(dpi);
        pdf.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(0, 0, 0, 0)));
        pdf.setTitle(Title(program));
        pdf.setCreator(QString::fromStdString(program.identity.ProductName));
        QPainter painter;
        if (!painter.begin(&pdf)) return {};
        PaintPicture(program, painter, QSize(pdf.width(), pdf.height()), dpi);
        if (!painter.end()) return {};
    }
    return buffer.data();
}

}  // namespace

QSize PicturePageSize(int dpi) {
    return {static_cast<int>(std::lround(kA4LongMm / kMmPerInch * dpi)),
            static_cast<int>(std::lround(kA4ShortMm / kMmPerInch * dpi))};
}

void PaintPicture(Program& program, QPainter& painter, QSize size, int dpi,
                  QtPainterCanvas::TextWidth textWidth) {
    painter.save();
    // As the window paints: lines stay crisp on the pixels they fall on.
    painter.setRenderHint(QPainter::TextAntialiasing);
    if (program.settings.picturePrintLook)
        PaintPrintLook(program, painter, size, dpi, textWidth);
    else
        PaintScreenLook(program, painter, size, textWidth);
    painter.restore();
}

QImage PictureImage(Program& program) {
    const int dpi = PictureDpi(program.settings);
    QImage image = NewPictureImage(PicturePageSize(dpi));
    if (image.isNull()) return image;
    const int dotsPerMeter = static_cast<int>(std::lround(dpi / kMmPerInch * 1000));
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    QPainter painter(&image);
    PaintPicture(program, painter, image.size(), dpi);
    return image;
}

QByteArray PictureFileBytes(Program& program, int kind) {
    const int dpi = PictureDpi(program.settings);
    switch (kind) {
        case kCadSvg:
            return Svg(program, dpi);
        case kCadPdf:
            return Pdf(program, dpi);
        case kCadPng:
            return EncodePng(PictureImage(program));
        default:
            return {};
    }
}

void WritePictureFile(Program& program, int kind, const std::string& path) {
    const QByteArray bytes = PictureFileBytes(program, kind);
    if (bytes.isEmpty()) throw IoError(path, EIO);
    WriteFileReplacing(path, bytes.toStdString());
}

int PictureKindOfName(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    const size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return 0;
    const std::string ext = UpperAscii(path.substr(dot + 1));
    if (ext == "SVG") return kCadSvg;
    if (ext == "PDF") return kCadPdf;
    if (ext == "PNG") return kCadPng;
    return 0;
}

void SavePictureAs(Program& program) {
    std::string name;
    if (!program.platform().SaveFileDialog(WithBackslash(program.settings.folders.CadDir),
                                           "*.svg|*.svg|*.pdf|*.pdf|*.png|*.png", "hilfebild",
                                           name) ||
        name.empty())
        return;
    int kind = PictureKindOfName(name);
    if (kind == 0) {
        name += ".svg";
        kind = kCadSvg;
    }
    try {
        WritePictureFile(program, kind, name);
    } catch (const IoError& e) {
        ReportDisplayedError(program.ui, e.what());
    }
}

void InstallPictureFiles(Program& program) {
    program.writePicture = [&program](int kind, const std::string& path) {
        WritePictureFile(program, kind, path);
    };
}

}  // namespace zel3
