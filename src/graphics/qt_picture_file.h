#pragma once
// Pictures as files: the display list replayed through the QPainter canvas onto an SVG
// generator, a PDF writer or an image. The picture is an A4 landscape page showing what the
// window would show at that size, on the configured background colour; with the setting
// "Bilddatei wie Ausdruck ?" it is the printout's look instead (black on white, with the
// printer mapping of File -> Print).

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <string>

#include "graphics/qt_painter_canvas.h"

namespace zel3 {

class Program;

// The A4 landscape page in pixels at dpi.
QSize PicturePageSize(int dpi);

// Paints the picture onto a device of size pixels; dpi is the device's resolution.
void PaintPicture(Program& program, QPainter& painter, QSize size, int dpi,
                  QtPainterCanvas::TextWidth textWidth = QtPainterCanvas::TextWidth::Stretch);

// The picture as an image at the configured resolution (what a PNG file holds).
QImage PictureImage(Program& program);

// The bytes of a picture file of CAD kind 6 (SVG), 7 (PDF) or 8 (PNG). Empty when Qt could
// not paint it.
QByteArray PictureFileBytes(Program& program, int kind);

// Writes the picture file; the old file stays as it was when that fails (throws IoError).
void WritePictureFile(Program& program, int kind, const std::string& path);

// The CAD kind a file name asks for by its extension (".svg", ".pdf", ".png", any case);
// 0 for any other name.
int PictureKindOfName(const std::string& path);

// Asks for a file name (".svg", ".pdf" or ".png"; none gives ".svg") and writes the picture
// shown into it; a failure is reported. Used for help pictures.
void SavePictureAs(Program& program);

// Makes the CAD output able to write pictures (program.writePicture).
void InstallPictureFiles(Program& program);

}  // namespace zel3
