#pragma once
// PNG files of drawing pictures: every row with the "up" filter (a drawing's rows mostly
// repeat the row above), compressed with ISA-L's deflate, which takes a tenth of zlib's time
// at its fastest level for a file of the same size. Qt's own writer tries every filter on
// every row with zlib and took longer than the painting and the rest of the run together.

#include <QByteArray>
#include <QImage>

namespace zel3 {

// The image (any format; RGB32 is taken as it is) as the bytes of a 24-bit RGB PNG file with
// the image's resolution. Empty when the image is null or memory runs out.
QByteArray EncodePng(const QImage& image);

}  // namespace zel3
