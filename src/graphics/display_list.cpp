#include "graphics/display_list.h"

#include <charconv>
#include <cmath>
#include <cstdlib>

namespace zel3 {

std::string RecordReal(double v) {
    if (!std::isfinite(v)) return "0";
    if (v == 0) return "0";
    char buf[40];
    // Round to 8 significant digits first, then decide between fixed and scientific.
    auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::scientific, 7);
    std::string sci(buf, res.ptr);
    size_t e = sci.find('e');
    int exponent = std::atoi(sci.c_str() + e + 1);
    std::string mantissa = sci.substr(0, e);
    bool negative = mantissa[0] == '-';
    if (negative) mantissa.erase(0, 1);
    std::string digits;
    for (char c : mantissa)
        if (c != '.') digits += c;
    while (digits.size() > 1 && digits.back() == '0') digits.pop_back();

    std::string out = negative ? "-" : "";
    if (exponent >= 8 || exponent < -5) {
        out += digits[0];
        if (digits.size() > 1) out += "." + digits.substr(1);
        out += "E" + std::to_string(exponent);
    } else if (exponent < 0) {
        out += "0." + std::string(static_cast<size_t>(-exponent - 1), '0') + digits;
    } else {
        size_t intDigits = static_cast<size_t>(exponent) + 1;
        if (digits.size() <= intDigits) {
            out += digits + std::string(intDigits - digits.size(), '0');
        } else {
            out += digits.substr(0, intDigits) + "." + digits.substr(intDigits);
        }
    }
    return out;
}

bool ParseRecordReal(const std::string& text, double& v) {
    const char* b = text.data();
    const char* e = b + text.size();
    while (b < e && *b == ' ') ++b;
    if (b < e && *b == '+') ++b;
    auto res = std::from_chars(b, e, v);
    if (res.ec != std::errc() || res.ptr != e) {
        v = 0;
        return false;
    }
    return true;
}

void DisplayList::Add(int opcode, const std::vector<double>& reals) {
    std::string r = std::to_string(opcode) + ";";
    for (size_t i = 0; i < reals.size(); ++i) {
        if (i) r += ';';
        r += RecordReal(reals[i]);
    }
    records_.push_back(std::move(r));
}

void DisplayList::AddInt(int opcode, int value) {
    records_.push_back(std::to_string(opcode) + ";" + std::to_string(value));
}

void DisplayList::AddText(double x, double y, const std::string& text) {
    records_.push_back("6;" + RecordReal(x) + ";" + RecordReal(y) + ";" + text);
}

void DisplayList::AddWindow(const int view[4], const double world[4]) {
    std::string r = "10;";
    for (int i = 0; i < 4; ++i) r += std::to_string(view[i]) + ";";
    for (int i = 0; i < 4; ++i) {
        r += RecordReal(world[i]);
        if (i < 3) r += ';';
    }
    records_.push_back(std::move(r));
}

}  // namespace zel3
