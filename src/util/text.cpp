#include "util/text.h"

#include <algorithm>

namespace zel3 {

namespace {
constexpr char kSeparator = '/';

// Characters a folder name may end in, so that a separator must follow. Bytes from 128 on
// are letters of code page 850 or the last byte of a UTF-8 letter.
bool EndsName(unsigned char c) {
    return (c >= '!' && c <= ')') || c == '-' || (c >= '0' && c <= '9') || (c >= ';' && c <= 'Z') ||
           (c >= '_' && c <= 'z') || c == '~' || c >= 0x80;
}
}  // namespace

std::string UpperAscii(const std::string& t) {
    std::string r = t;
    for (char& c : r) {
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    }
    return r;
}

std::string LowerAscii(const std::string& t) {
    std::string r = t;
    for (char& c : r) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return r;
}

std::string Trim(const std::string& t) {
    const size_t e = t.find_last_not_of(' ');
    if (e == std::string::npos) return std::string();
    const size_t b = t.find_first_not_of(' ');
    // Stored texts are short strings; one with more than 254 leading blanks holds nothing.
    if (b > 254) return std::string();
    return t.substr(b, e - b + 1);
}

std::string RemoveBlanks(const std::string& t) {
    std::string r;
    r.reserve(t.size());
    for (char c : t)
        if (c != ' ') r += c;
    return r;
}

std::string LeftPart(const std::string& t, int n) {
    if (n <= 0) return std::string();
    return t.substr(0, static_cast<size_t>(n));
}

std::string RightPart(const std::string& t, int n) {
    if (n <= 0) return std::string();
    if (static_cast<size_t>(n) >= t.size()) return t;
    return t.substr(t.size() - static_cast<size_t>(n));
}

std::string PadRight(const std::string& t, int n) {
    if (n <= 0) return std::string();
    std::string r = t.substr(0, static_cast<size_t>(n));
    r.resize(static_cast<size_t>(n), ' ');
    return r;
}

std::string AlignRight(const std::string& t, int n) {
    if (n <= 0) return std::string();
    std::string r = Trim(t);
    if (r.size() >= static_cast<size_t>(n)) return r.substr(0, static_cast<size_t>(n));
    return std::string(static_cast<size_t>(n) - r.size(), ' ') + r;
}

std::string ReplaceChar(const std::string& t, char from, char to) {
    std::string r = t;
    std::replace(r.begin(), r.end(), from, to);
    return r;
}

int LastPos(const std::string& sub, const std::string& t) {
    if (sub.empty() || sub.size() > t.size()) return 0;
    const size_t p = t.rfind(sub);
    return p == std::string::npos ? 0 : static_cast<int>(p) + 1;
}

std::string WithBackslash(const std::string& path) {
    std::string r = Trim(path);
    if (!r.empty() && EndsName(static_cast<unsigned char>(r.back()))) r += kSeparator;
    return r;
}

std::string WithBackslashAfterColon(const std::string& path) {
    std::string r = Trim(path);
    if (!r.empty() && (EndsName(static_cast<unsigned char>(r.back())) || r.back() == ':'))
        r += kSeparator;
    return r;
}

std::string WithoutBackslash(const std::string& path) {
    if (!path.empty() && path.back() == kSeparator) return path.substr(0, path.size() - 1);
    return path;
}

std::string ShortenPath(const std::string& path) {
    if (path.size() < 50) return path;
    const size_t first = path.find(kSeparator);
    const size_t last = path.rfind(kSeparator);
    if (first == std::string::npos || first == last) return path;
    return path.substr(0, first + 1) + "..." + path.substr(last);
}

std::string ShortenMiddle(const std::string& t, int maxLength) {
    if (maxLength < 0) maxLength = 0;
    const size_t max = static_cast<size_t>(maxLength);
    if (t.size() <= max) return t;
    static constexpr char kGap[] = " ... ";
    const size_t gap = sizeof kGap - 1;
    if (max <= gap) return t.substr(0, max);
    const size_t head = (max - gap) / 2;
    const size_t tail = max - gap - head;
    return t.substr(0, head) + kGap + t.substr(t.size() - tail);
}

}  // namespace zel3
