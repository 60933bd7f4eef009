#pragma once
// PNG files of drawing pictures, written with libpng directly: every row with the "up" filter
// (a drawing's rows mostly repeat the row above) and zlib's fastest level. Qt's own writer
// tries every filter on every row, which costs four times as long for a file of about the
// same size.

#include <QByteArray>
#include <QImage>

namespace zel3 {

// The image (any format; RGB32 is taken as it is) as the bytes of a 24-bit RGB PNG file with
// the image's resolution. Empty when the image is null or libpng fails.
QByteArray EncodePng(const QImage& image);

}  // namespace zel3
