#include "dbf/dbf_number.h"

#include <charconv>
#include <cmath>

namespace zel3 {

bool ParseDbfNumber(const std::string& text, double& value) {
    value = 0;
    size_t b = text.find_first_not_of(' ');
    if (b == std::string::npos) return false;
    size_t e = text.find_last_not_of(' ');
    std::string t = text.substr(b, e - b + 1);
    for (char& c : t) {
        if (c == ',') c = '.';
    }
    const char* first = t.data();
    if (*first == '+') ++first;
    double v = 0;
    const auto r = std::from_chars(first, t.data() + t.size(), v);
    if (r.ec != std::errc() || r.ptr != t.data() + t.size() || !std::isfinite(v)) return false;
    value = v;
    return true;
}

bool FormatDbfNumber(double value, int width, int decimals, std::string& out) {
    if (!std::isfinite(value)) return false;
    char buf[400];
    const auto r = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::fixed, decimals);
    if (r.ec != std::errc()) return false;
    std::string t(buf, r.ptr);
    if (t == "-0" || t.find_first_not_of("-0.") == std::string::npos) {
        if (t[0] == '-') t.erase(0, 1);  // no negative zero
    }
    if (t.size() > static_cast<size_t>(width)) return false;
    out = std::string(static_cast<size_t>(width) - t.size(), ' ') + t;
    return true;
}

bool EncodeFieldValue(const DbfField& f, const std::string& value, std::string& stored) {
    const size_t len = static_cast<size_t>(f.length);
    const bool blank = value.find_first_not_of(' ') == std::string::npos;
    switch (f.type) {
        case 'N':
        case 'F': {
            double v = 0;
            if (blank) {
                stored.assign(len, ' ');
                return true;
            }
            return ParseDbfNumber(value, v) && FormatDbfNumber(v, f.length, f.decimals, stored);
        }
        case 'L': {
            const char c = blank ? ' ' : value[value.find_first_not_of(' ')];
            if (std::string("TtYyJj").find(c) != std::string::npos)
                stored = "T";
            else if (std::string("FfNn").find(c) != std::string::npos)
                stored = "F";
            else if (c == ' ' || c == '?')
                stored = " ";
            else
                return false;
            return true;
        }
        case 'D':
            if (blank) {
                stored.assign(8, ' ');
                return true;
            }
            if (value.size() != 8 || value.find_first_not_of("0123456789") != std::string::npos) {
                return false;
            }
            stored = value;
            return true;
        case 'M':
            return false;
        default:
            stored = value.substr(0, len);
            stored.resize(len, ' ');
            return true;
    }
}

}  // namespace zel3
