#include "util/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>

namespace zel3 {

namespace {

// Fixed-decimal output as printf's %.*f writes it, but always with a point.
std::string FixedText(double x, int decimals) {
    decimals = std::min(decimals, 60);  // beyond what a double holds; keeps the buffer bounded
    char buf[400];
    auto res = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::fixed, decimals);
    if (res.ec != std::errc()) return std::string();
    return std::string(buf, res.ptr);
}

std::string PadLeft(const std::string& t, int width, char fill) {
    if (width <= 0 || static_cast<int>(t.size()) >= width) return t;
    return std::string(static_cast<size_t>(width) - t.size(), fill) + t;
}

// Strips the blanks around a number typed or read from a file.
std::string Stripped(const std::string& t) {
    size_t b = t.find_first_not_of(" \t\r\n");
    if (b == std::string::npos) return std::string();
    size_t e = t.find_last_not_of(" \t\r\n");
    return t.substr(b, e - b + 1);
}

}  // namespace

int Exponent(double x) {
    if (x == 0.0 || !std::isfinite(x)) return 0;
    const double l = std::log10(std::fabs(x));
    int e = static_cast<int>(l);  // integer part, truncated toward zero
    if (l < 0) --e;
    return e;
}

DigitLayout SignificantLayout(double x, int s) {
    const double ax = (x == 0.0) ? 0.5 : std::fabs(x);
    const int e = Exponent(ax);
    const int d = e + 1;
    DigitLayout r;
    if (!std::isfinite(ax)) return r;
    double n = 0;
    if (e >= s) {
        r.integerDigits = d;
        r.decimals = 0;
        return r;
    }
    if (e < 0) {
        r.integerDigits = 0;
        r.decimals = (s - e) - 1;
        n = std::nearbyint(ax * std::pow(10.0, s - e));  // half to even
    } else {
        r.integerDigits = d;
        r.decimals = s - d + 1;
        n = std::nearbyint(ax * std::pow(10.0, s - d + 2));
    }
    for (;;) {
        n = std::floor(n / 10.0);
        if (n <= 0 || std::fmod(n, 10.0) != 0.0) break;
        --r.decimals;
    }
    if (r.decimals < 0) r.decimals = 0;
    return r;
}

std::string FormatFixed(const NumberFormat& nf, int width, int decimals, double x) {
    if (nf.decimals != 3) decimals = std::clamp(decimals + nf.decimals - 3, 0, 10);
    if (std::fabs(x) < 1e-8) x = 0.0;
    std::string t;
    if (std::isfinite(x)) {
        t = FixedText(x, std::max(decimals, 0));
    } else {
        t = std::isnan(x) ? "NAN" : (x > 0 ? "+INF" : "-INF");
    }
    t = PadLeft(t, decimals <= 0 ? width : width + decimals + 1, ' ');
    if (nf.decimalComma()) std::replace(t.begin(), t.end(), '.', ',');
    return t;
}

std::string FormatValue(const NumberFormat& nf, double x) {
    if (std::fabs(x) < 1e-5) return "0";
    const DigitLayout l = SignificantLayout(x, 3);
    return FormatFixed(nf, l.integerDigits, l.decimals, x);
}

std::string FormatValueWide(const NumberFormat& nf, double x) {
    // Zero (and anything indistinguishable from it) is plain "0", not an engineering "0E0".
    if (std::fabs(x) < 1e-12) return "0";
    if (std::fabs(x) >= 1e-5 && std::fabs(x) < 10000) return FormatValue(nf, x);
    const int a = Exponent(x);
    const int b = a % 3;
    double mantissa = x;
    if (a >= 4) {
        mantissa = x / std::pow(10.0, a - b);
    } else if (a < -2) {
        mantissa = x * std::pow(10.0, b - a);
    }
    return FormatValue(nf, mantissa) + "E" + IntToText((a / 3) * 3);
}

std::string FormatDecimals(const NumberFormat& nf, int decimals, double x) {
    return FormatFixed(nf, SignificantLayout(x, 3).integerDigits, decimals, x);
}

std::string FormatStored(const NumberFormat& nf, double x) {
    if (x < 1 && std::fabs(x - std::nearbyint(x)) <= 1e-10) return FormatValue(nf, x);
    return FormatDecimals(nf, 7, x);
}

std::string TableSeparatorText(const NumberFormat& nf, const std::string& line) {
    std::string r = line;
    if (nf.tableSeparatorMode == 1) {
        std::replace(r.begin(), r.end(), ',', '.');
    } else {
        std::replace(r.begin(), r.end(), '.', ',');
    }
    return r;
}

std::string IntToText(long long n) {
    return std::to_string(n);
}

std::string ZeroPad(long long n, int width) {
    if (n < 0) {
        // The sign goes in front of the zeros.
        std::string digits = std::to_string(n).substr(1);
        return "-" + PadLeft(digits, width - 1, '0');
    }
    return PadLeft(std::to_string(n), width, '0');
}

std::string BlankPad(long long n, int width) {
    return PadLeft(std::to_string(n), width, ' ');
}

std::optional<double> TryTextToFloat(const std::string& t) {
    std::string s = Stripped(t);
    if (s.empty()) return std::nullopt;
    size_t start = 0;
    if (s[0] == '+') {
        start = 1;
        if (s.size() > 1 && s[1] == '-') return std::nullopt;
    }
    const char* first = s.data() + start;
    const char* last = s.data() + s.size();
    if (first == last) return std::nullopt;
    // Only digits, one point, sign and exponent are numbers here (no "inf", "nan", hex).
    for (const char* p = first; p != last; ++p) {
        const char c = *p;
        if (!((c >= '0' && c <= '9') || c == '.' || c == '-' || c == '+' || c == 'e' || c == 'E'))
            return std::nullopt;
    }
    double v = 0;
    auto res = std::from_chars(first, last, v, std::chars_format::general);
    if (res.ec != std::errc() || res.ptr != last || !std::isfinite(v)) return std::nullopt;
    return v;
}

double TextToFloat(const std::string& t) {
    std::string s = t;
    const size_t comma = s.find(',');
    if (comma != std::string::npos) s[comma] = '.';
    return TryTextToFloat(s).value_or(0.0);
}

std::optional<int> TryTextToInt(const std::string& t) {
    std::string s = Stripped(t);
    if (!s.empty() && s[0] == '+') {
        s.erase(0, 1);
        if (!s.empty() && (s[0] == '+' || s[0] == '-')) return std::nullopt;
    }
    if (s.empty()) return std::nullopt;
    int v = 0;
    auto res = std::from_chars(s.data(), s.data() + s.size(), v, 10);
    if (res.ec != std::errc() || res.ptr != s.data() + s.size()) return std::nullopt;
    return v;
}

int TextToInt(const std::string& t) {
    return TryTextToInt(t).value_or(0);
}

}  // namespace zel3
