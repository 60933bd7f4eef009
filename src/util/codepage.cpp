#include "util/codepage.h"

#include <array>
#include <vector>

namespace zel3 {

namespace {

// Code page 850, bytes 128..255.
constexpr std::array<char16_t, 128> kCp850 = {
    0x00C7, 0x00FC, 0x00E9, 0x00E2, 0x00E4, 0x00E0, 0x00E5, 0x00E7, 0x00EA, 0x00EB, 0x00E8, 0x00EF,
    0x00EE, 0x00EC, 0x00C4, 0x00C5, 0x00C9, 0x00E6, 0x00C6, 0x00F4, 0x00F6, 0x00F2, 0x00FB, 0x00F9,
    0x00FF, 0x00D6, 0x00DC, 0x00F8, 0x00A3, 0x00D8, 0x00D7, 0x0192, 0x00E1, 0x00ED, 0x00F3, 0x00FA,
    0x00F1, 0x00D1, 0x00AA, 0x00BA, 0x00BF, 0x00AE, 0x00AC, 0x00BD, 0x00BC, 0x00A1, 0x00AB, 0x00BB,
    0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x00C1, 0x00C2, 0x00C0, 0x00A9, 0x2563, 0x2551, 0x2557,
    0x255D, 0x00A2, 0x00A5, 0x2510, 0x2514, 0x2534, 0x252C, 0x251C, 0x2500, 0x253C, 0x00E3, 0x00C3,
    0x255A, 0x2554, 0x2569, 0x2566, 0x2560, 0x2550, 0x256C, 0x00A4, 0x00F0, 0x00D0, 0x00CA, 0x00CB,
    0x00C8, 0x0131, 0x00CD, 0x00CE, 0x00CF, 0x2518, 0x250C, 0x2588, 0x2584, 0x00A6, 0x00CC, 0x2580,
    0x00D3, 0x00DF, 0x00D4, 0x00D2, 0x00F5, 0x00D5, 0x00B5, 0x00FE, 0x00DE, 0x00DA, 0x00DB, 0x00D9,
    0x00FD, 0x00DD, 0x00AF, 0x00B4, 0x00AD, 0x00B1, 0x2017, 0x00BE, 0x00B6, 0x00A7, 0x00F7, 0x00B8,
    0x00B0, 0x00A8, 0x00B7, 0x00B9, 0x00B3, 0x00B2, 0x25A0, 0x00A0,
};

// Windows-1252, bytes 128..159 (0: unassigned); 160..255 equal Latin-1.
constexpr std::array<char16_t, 32> kCp1252High = {
    0x20AC, 0x0000, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x0000, 0x017D, 0x0000, 0x0000, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x0000, 0x017E, 0x0178,
};

void AppendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// Decodes UTF-8; a malformed sequence gives U+FFFD for its first byte.
std::vector<char32_t> DecodeUtf8(const std::string& s) {
    std::vector<char32_t> out;
    out.reserve(s.size());
    size_t i = 0;
    const size_t n = s.size();
    while (i < n) {
        const unsigned char b = static_cast<unsigned char>(s[i]);
        int len = 0;
        char32_t c = 0;
        if (b < 0x80) {
            len = 1;
            c = b;
        } else if (b >= 0xC2 && b <= 0xDF) {
            len = 2;
            c = b & 0x1F;
        } else if (b >= 0xE0 && b <= 0xEF) {
            len = 3;
            c = b & 0x0F;
        } else if (b >= 0xF0 && b <= 0xF4) {
            len = 4;
            c = b & 0x07;
        }
        bool ok = len > 0 && i + static_cast<size_t>(len) <= n;
        for (int k = 1; ok && k < len; ++k) {
            const unsigned char cb = static_cast<unsigned char>(s[i + static_cast<size_t>(k)]);
            if ((cb & 0xC0) != 0x80) ok = false;
            c = (c << 6) | (cb & 0x3F);
        }
        if (ok && ((len == 3 && (c < 0x800 || (c >= 0xD800 && c <= 0xDFFF))) ||
                   (len == 4 && (c < 0x10000 || c > 0x10FFFF))))
            ok = false;
        if (!ok) {
            out.push_back(0xFFFD);
            ++i;
        } else {
            out.push_back(c);
            i += static_cast<size_t>(len);
        }
    }
    return out;
}

char32_t Cp1252ToUnicode(unsigned char b) {
    if (b >= 0x80 && b < 0xA0) {
        const char16_t u = kCp1252High[b - 0x80];
        return u ? u : b;
    }
    return b;
}

// The Windows-1252 byte of a character; 0 when it has none.
unsigned char UnicodeToCp1252(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return static_cast<unsigned char>(c);
    for (size_t i = 0; i < kCp1252High.size(); ++i)
        if (kCp1252High[i] != 0 && kCp1252High[i] == c) return static_cast<unsigned char>(0x80 + i);
    return 0;
}

// Box drawing of code page 850 as plain characters; 0 for other bytes.
char BoxReplacement(unsigned char b) {
    switch (b) {
        case 179:  // single and double vertical lines
        case 186:
            return '|';
        case 196:  // single and double horizontal lines
        case 205:
            return '-';
        case 180:
        case 185:
        case 187:
        case 188:
        case 191:
        case 192:
        case 193:
        case 194:
        case 195:
        case 197:
        case 200:
        case 201:
        case 202:
        case 203:
        case 204:
        case 206:
        case 217:
        case 218:
            return '+';
        default:
            return 0;
    }
}

}  // namespace

char32_t Cp850ToUnicode(unsigned char b) {
    return b < 0x80 ? b : kCp850[b - 0x80];
}

unsigned char UnicodeToCp850(char32_t c) {
    if (c < 0x80) return static_cast<unsigned char>(c);
    for (size_t i = 0; i < kCp850.size(); ++i)
        if (kCp850[i] == c) return static_cast<unsigned char>(0x80 + i);
    return '?';
}

std::string Transliterate(const std::string& oem) {
    std::string out;
    out.reserve(oem.size());
    for (char ch : oem) {
        switch (static_cast<unsigned char>(ch)) {
            case 129:
                out += "ue";
                break;
            case 130:
                out += "e";
                break;
            case 132:
                out += "ae";
                break;
            case 142:
                out += "Ae";
                break;
            case 148:
                out += "oe";
                break;
            case 153:
                out += "Oe";
                break;
            case 154:
                out += "Ue";
                break;
            case 160:
                out += "a";
                break;
            case 163:
                out += "u";
                break;
            case 164:
                out += "n";
                break;
            case 196:
                out += "-";
                break;
            case 205:
                out += "-";
                break;
            case 225:
                out += "ss";
                break;
            case 230:
                out += "u";
                break;
            case 241:
                out += "+/-";
                break;
            case 248:
                out += "deg";
                break;
            case 253:
                out += "2";
                break;
            default:
                out += ch;
                break;
        }
    }
    return out;
}

std::string OemToWindows(const TextOptions& opt, const std::string& oem) {
    const std::string src = opt.transliterate ? Transliterate(oem) : oem;
    std::string out;
    out.reserve(src.size());
    for (char ch : src) {
        const unsigned char b = static_cast<unsigned char>(ch);
        if (b < 0x80) {
            out += ch;
        } else if (char box = BoxReplacement(b)) {
            out += box;
        } else {
            const unsigned char w = UnicodeToCp1252(Cp850ToUnicode(b));
            out += w ? static_cast<char>(w) : '?';
        }
    }
    return out;
}

std::string OemToUtf8(const std::string& oem) {
    std::string out;
    out.reserve(oem.size() + oem.size() / 4);
    for (char ch : oem) AppendUtf8(out, Cp850ToUnicode(static_cast<unsigned char>(ch)));
    return out;
}

std::string OemToDisplay(const TextOptions& opt, const std::string& oem) {
    if (oem.size() >= 255) return std::string();
    if (opt.transliterate) return Windows1252ToUtf8(OemToWindows(opt, oem));
    return OemToUtf8(oem);
}

std::string Utf8ToOem(const std::string& utf8) {
    const std::vector<char32_t> chars = DecodeUtf8(utf8);
    std::string out;
    out.reserve(chars.size());
    for (char32_t c : chars) out += static_cast<char>(UnicodeToCp850(c));
    return out;
}

std::string DisplayToOem(const std::string& utf8) {
    const std::string oem = Utf8ToOem(utf8);
    return oem.size() >= 255 ? std::string() : oem;
}

std::string CadText(const TextOptions& opt, const std::string& oem) {
    switch (opt.cadTextMode) {
        case 2:
            return oem.size() >= 255 ? std::string() : OemToWindows(opt, oem);
        case 3:
            return Transliterate(oem);
        default:
            return oem;
    }
}

std::string Windows1252ToUtf8(const std::string& text) {
    std::string out;
    out.reserve(text.size() + text.size() / 4);
    for (char ch : text) AppendUtf8(out, Cp1252ToUnicode(static_cast<unsigned char>(ch)));
    return out;
}

std::string Utf8ToWindows1252(const std::string& utf8) {
    std::string out;
    for (char32_t c : DecodeUtf8(utf8)) {
        const unsigned char w = UnicodeToCp1252(c);
        out += (w || c == 0) ? static_cast<char>(w) : '?';
    }
    return out;
}

}  // namespace zel3
