#include "graphics/qt_png_encoder.h"

#include <isa-l/crc.h>
#include <isa-l/igzip_lib.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <new>
#include <vector>

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#include <immintrin.h>
#define ZEL3_PNG_SSSE3 1
#endif

namespace zel3 {

namespace {

// Rows filtered ahead of each call of the compressor: enough to keep it busy, few enough to
// stay in the cache.
constexpr int kRowsPerBlock = 16;
// Longest IDAT chunk written; the format allows 2^31 - 1 bytes, readers like them shorter.
constexpr size_t kMaxChunkData = size_t{1} << 20;

void AppendBigEndian(QByteArray& out, uint32_t v) {
    const char bytes[4] = {static_cast<char>(v >> 24), static_cast<char>(v >> 16),
                           static_cast<char>(v >> 8), static_cast<char>(v)};
    out.append(bytes, 4);
}

// A chunk: length, type, data and the CRC-32 of type and data.
void AppendChunk(QByteArray& out, const char (&type)[5], const uint8_t* data, size_t size) {
    AppendBigEndian(out, static_cast<uint32_t>(size));
    const qsizetype typeAt = out.size();
    out.append(type, 4);
    if (size > 0) out.append(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    const auto* crcFrom = reinterpret_cast<const unsigned char*>(out.constData() + typeAt);
    AppendBigEndian(out, crc32_gzip_refl(0, crcFrom, 4 + size));
}

void PutBigEndian(uint8_t* at, uint32_t v) {
    at[0] = static_cast<uint8_t>(v >> 24);
    at[1] = static_cast<uint8_t>(v >> 16);
    at[2] = static_cast<uint8_t>(v >> 8);
    at[3] = static_cast<uint8_t>(v);
}

#ifdef ZEL3_PNG_SSSE3
// Four pixels at a time: the row above subtracted byte by byte, then red, green and blue picked
// out of each little-endian B, G, R, X pixel. Each step stores 16 bytes of which 12 count, so
// up to 4 bytes beyond the row are overwritten. Returns the pixels done.
__attribute__((target("ssse3"))) int UpFilterFourAtATime(const QRgb* row, const QRgb* above,
                                                         int width, uint8_t* out) {
    const __m128i rgbOrder = _mm_setr_epi8(2, 1, 0, 6, 5, 4, 10, 9, 8, 14, 13, 12, -1, -1, -1, -1);
    int x = 0;
    for (; x + 4 <= width; x += 4, out += 12) {
        const __m128i c = _mm_loadu_si128(reinterpret_cast<const __m128i*>(row + x));
        const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(above + x));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out),
                         _mm_shuffle_epi8(_mm_sub_epi8(c, a), rgbOrder));
    }
    return x;
}
#endif

// Bytes the filter may write beyond a row (see above).
constexpr size_t kFilterSpill = 16;

// One row as it goes into the compressed stream: filter type 2 ("up"), then every red, green
// and blue byte minus the one in the row above (zeros above the first row). Differences are
// taken modulo 256, as the format wants.
void UpFilteredRow(const QRgb* row, const QRgb* above, int width, uint8_t* out) {
    *out++ = 2;
    int x = 0;
#ifdef ZEL3_PNG_SSSE3
    static const bool ssse3 = __builtin_cpu_supports("ssse3");
    if (ssse3) {
        x = UpFilterFourAtATime(row, above, width, out);
        out += 3 * x;
    }
#endif
    for (; x < width; ++x, out += 3) {
        const QRgb c = row[x];
        const QRgb a = above[x];
        out[0] = static_cast<uint8_t>((c >> 16) - (a >> 16));
        out[1] = static_cast<uint8_t>((c >> 8) - (a >> 8));
        out[2] = static_cast<uint8_t>(c - a);
    }
}

// The zlib stream of the filtered rows of an RGB32 image. False when the compressor refuses.
bool CompressRows(const QImage& rgb32, std::vector<uint8_t>& z) {
    const int width = rgb32.width();
    const int height = rgb32.height();
    const size_t rowBytes = 1 + 3 * static_cast<size_t>(width);
    std::vector<uint8_t> rows(rowBytes * kRowsPerBlock + kFilterSpill);
    const std::vector<QRgb> zeros(static_cast<size_t>(width), 0);
    const std::unique_ptr<uint8_t[]> levelBuffer(new uint8_t[ISAL_DEF_LVL1_DEFAULT]);

    isal_zstream stream;
    isal_deflate_init(&stream);
    stream.level = 1;
    stream.level_buf = levelBuffer.get();
    stream.level_buf_size = ISAL_DEF_LVL1_DEFAULT;
    stream.gzip_flag = IGZIP_ZLIB;
    stream.flush = NO_FLUSH;

    // Drawings shrink to a few per cent; the buffer grows when one does not.
    z.resize(std::max<size_t>(64 * 1024, rowBytes * static_cast<size_t>(height) / 16));
    size_t written = 0;
    for (int y = 0; y < height;) {
        const int count = std::min(kRowsPerBlock, height - y);
        for (int i = 0; i < count; ++i, ++y) {
            const auto* row = reinterpret_cast<const QRgb*>(rgb32.constScanLine(y));
            const auto* above =
                y > 0 ? reinterpret_cast<const QRgb*>(rgb32.constScanLine(y - 1)) : zeros.data();
            UpFilteredRow(row, above, width, rows.data() + rowBytes * static_cast<size_t>(i));
        }
        stream.next_in = rows.data();
        stream.avail_in = static_cast<uint32_t>(rowBytes * static_cast<size_t>(count));
        stream.end_of_stream = y == height ? 1 : 0;
        for (;;) {
            if (written == z.size()) z.resize(z.size() * 2);
            stream.next_out = z.data() + written;
            stream.avail_out =
                static_cast<uint32_t>(std::min<size_t>(z.size() - written, UINT32_MAX));
            const uint32_t room = stream.avail_out;
            if (isal_deflate(&stream) != COMP_OK) return false;
            written += room - stream.avail_out;
            const bool finished = stream.end_of_stream ? stream.internal_state.state == ZSTATE_END
                                                       : stream.avail_in == 0;
            if (finished) break;
        }
    }
    z.resize(written);
    return true;
}

QByteArray EncodeRgb32(const QImage& rgb32) {
    std::vector<uint8_t> z;
    if (!CompressRows(rgb32, z)) return {};

    QByteArray out;
    out.reserve(static_cast<qsizetype>(z.size() + 128));
    out.append("\x89PNG\r\n\x1a\n", 8);
    uint8_t header[13];
    PutBigEndian(header, static_cast<uint32_t>(rgb32.width()));
    PutBigEndian(header + 4, static_cast<uint32_t>(rgb32.height()));
    header[8] = 8;   // bits per sample
    header[9] = 2;   // red, green, blue
    header[10] = 0;  // deflate
    header[11] = 0;  // adaptive filtering (every row "up" here)
    header[12] = 0;  // not interlaced
    AppendChunk(out, "IHDR", header, sizeof header);
    if (rgb32.dotsPerMeterX() > 0 && rgb32.dotsPerMeterY() > 0) {
        uint8_t phys[9];
        PutBigEndian(phys, static_cast<uint32_t>(rgb32.dotsPerMeterX()));
        PutBigEndian(phys + 4, static_cast<uint32_t>(rgb32.dotsPerMeterY()));
        phys[8] = 1;  // the unit is the metre
        AppendChunk(out, "pHYs", phys, sizeof phys);
    }
    for (size_t at = 0; at < z.size(); at += kMaxChunkData)
        AppendChunk(out, "IDAT", z.data() + at, std::min(kMaxChunkData, z.size() - at));
    AppendChunk(out, "IEND", nullptr, 0);
    return out;
}

}  // namespace

QByteArray EncodePng(const QImage& image) {
    if (image.isNull()) return {};
    try {
        if (image.format() == QImage::Format_RGB32) return EncodeRgb32(image);
        return EncodeRgb32(image.convertToFormat(QImage::Format_RGB32));
    } catch (const std::bad_alloc&) {
        return {};
    }
}

}  // namespace zel3
