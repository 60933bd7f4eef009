#include "graphics/hpgl_reader.h"

#include <charconv>
#include <cmath>

namespace zel3 {

namespace {
bool Skipped(char c) {
    return c == ' ' || c == '\r' || c == '\n';
}

// Longer parameter texts are read to their end but not kept: no number needs more.
constexpr size_t kMaxNumberText = 40;
}  // namespace

int HpglReader::Next() {
    while (pos_ < data_.size()) {
        char c = data_[pos_++];
        if (!Skipped(c)) return static_cast<unsigned char>(c);
    }
    return kEnd;
}

int HpglReader::NextInLabel() {
    while (pos_ < data_.size()) {
        char c = data_[pos_++];
        if (c != '\r' && c != '\n') return static_cast<unsigned char>(c);
    }
    return kEnd;
}

int HpglReader::NextRaw() {
    if (pos_ >= data_.size()) return kEnd;
    return static_cast<unsigned char>(data_[pos_++]);
}

int HpglReader::Peek() {
    while (pos_ < data_.size() && Skipped(data_[pos_])) ++pos_;
    if (pos_ >= data_.size()) return kEnd;
    return static_cast<unsigned char>(data_[pos_]);
}

HpglNumber HpglReader::ReadNumber(bool ignorePA) {
    HpglNumber n;
    std::string text;
    for (;;) {
        int c = Next();
        if (c == kEnd || c == ';') {
            n.ended = true;
            break;
        }
        if (c == ',') break;
        if (ignorePA && (c == 'P' || c == 'p' || c == 'A' || c == 'a')) continue;
        n.empty = false;
        if (text.size() < kMaxNumberText) text += static_cast<char>(c);
    }
    n.value = HpglNumberValue(text);
    return n;
}

void HpglReader::SkipInstruction() {
    for (;;) {
        int c = NextRaw();
        if (c == kEnd || c == ';') return;
    }
}

double HpglNumberValue(const std::string& text) {
    const char* first = text.data();
    const char* last = text.data() + text.size();
    if (first != last && *first == '+') ++first;
    double v = 0.0;
    auto res = std::from_chars(first, last, v);
    if (res.ec == std::errc::result_out_of_range) {
        // Too large or too small for a double: the sign decides which limit.
        bool negative = first != last && *first == '-';
        bool tiny = false;
        for (const char* p = first; p != last; ++p) {
            if (*p == 'e' || *p == 'E') {
                tiny = p + 1 != last && p[1] == '-';
                break;
            }
        }
        if (tiny) return 0.0;
        return negative ? -kHpglLimit : kHpglLimit;
    }
    if (res.ec != std::errc() || !std::isfinite(v)) return 0.0;
    if (v > kHpglLimit) return kHpglLimit;
    if (v < -kHpglLimit) return -kHpglLimit;
    return v;
}

}  // namespace zel3
