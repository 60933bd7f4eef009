#include "graphics/hpgl_encoded.h"

#include <algorithm>
#include <cstdint>

namespace zel3 {

void HpglEncodedPolyline::Run() {
    bool liftNext = false;
    bool absoluteNext = false;
    for (;;) {
        int c = r_.Next();
        if (c == HpglReader::kEnd || c == ';') return;
        if (c == ':') {
            int p = r_.Next();
            if (p == HpglReader::kEnd || p == ';') return;
            s_.pen = std::clamp(p, 1, 15);
        } else if (c == '<') {
            liftNext = true;
        } else if (c == '=') {
            absoluteNext = true;
        } else if (c == '>') {
            int skipped = r_.Next();
            if (skipped == HpglReader::kEnd || skipped == ';') return;
        } else if (c == '7') {
            sevenBit_ = true;
        } else if (c >= 63 && c <= 254) {
            double dx = 0.0, dy = 0.0;
            if (!Decode(c, dx)) return;
            int next = r_.Next();
            if (next == HpglReader::kEnd || next == ';' || !Decode(next, dy)) return;
            double nx = kHpglUnit * dx;
            double ny = kHpglUnit * dy;
            if (!absoluteNext) {
                nx += s_.x;
                ny += s_.y;
            }
            if (!liftNext) {
                sink_.SetColor(HpglPenColor(s_.pen));
                sink_.line(s_.x, s_.y, nx, ny);
            }
            s_.x = nx;
            s_.y = ny;
            liftNext = false;
            absoluteNext = false;
        }
        // Anything else between points carries no meaning here.
    }
}

bool HpglEncodedPolyline::Decode(int first, double& units) {
    const int bits = sevenBit_ ? 5 : 6;
    const int contLow = 63, contHigh = sevenBit_ ? 94 : 126;
    const int endLow = sevenBit_ ? 95 : 191, endHigh = sevenBit_ ? 126 : 254;
    std::uint64_t sum = 0;
    int shift = 0;
    bool overflow = false;
    int c = first;
    for (;;) {
        if (c == HpglReader::kEnd || c == ';') return false;
        int digit = -1;
        bool last = false;
        if (c >= contLow && c <= contHigh) {
            digit = c - contLow;
        } else if (c >= endLow && c <= endHigh) {
            digit = c - endLow;
            last = true;
        }
        if (digit >= 0) {
            // A digit string longer than any plotter coordinate only saturates.
            if (shift <= 56)
                sum += static_cast<std::uint64_t>(digit) << shift;
            else if (digit != 0)
                overflow = true;
            if (shift < 64) shift += bits;
            if (last) break;
        }
        c = r_.Next();
    }
    bool negative = (sum & 1u) != 0;
    double magnitude = static_cast<double>(sum >> 1);
    if (overflow || magnitude > kHpglLimit) magnitude = kHpglLimit;
    units = negative ? -magnitude : magnitude;
    return true;
}

}  // namespace zel3
