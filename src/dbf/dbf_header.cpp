#include "dbf/dbf_header.h"

#include <cctype>

namespace zel3 {

namespace {

constexpr size_t kPrefix = 32;
constexpr size_t kDescriptor = 32;
constexpr char kTerminator = 0x0D;

bool ValidFieldName(const std::string& n) {
    if (n.empty() || n.size() > 10) return false;
    if (!std::isalpha(static_cast<unsigned char>(n[0]))) return false;
    for (char c : n) {
        const auto u = static_cast<unsigned char>(c);
        if (!std::isalnum(u) && c != '_') return false;
    }
    return true;
}

bool CheckField(const DbfField& f, std::string& reason, bool strictName) {
    if (strictName ? !ValidFieldName(f.name) : f.name.empty()) {
        reason = "Feldname \"" + f.name + "\" ung\xC3\xBCltig";
        return false;
    }
    bool ok = true;
    switch (f.type) {
        case 'C':
            ok = f.length >= 1 && f.length <= 254 && f.decimals == 0;
            break;
        case 'N':
        case 'F':
            ok = f.length >= 1 && f.length <= 20 && f.decimals >= 0 &&
                 (f.decimals == 0 || f.decimals <= f.length - 2);
            break;
        case 'L':
            ok = f.length == 1;
            break;
        case 'D':
            ok = f.length == 8;
            break;
        case 'M':
            ok = f.length == 10 || f.length == 4;
            break;
        default:
            ok = false;
    }
    if (!ok) reason = "Feld " + f.name + ": L\xC3\xA4nge oder Dezimalstellen ung\xC3\xBCltig";
    return ok;
}

}  // namespace

uint16_t ReadU16(const std::string& d, size_t p) {
    return static_cast<uint16_t>(static_cast<uint8_t>(d[p]) |
                                 (static_cast<uint8_t>(d[p + 1]) << 8));
}

uint32_t ReadU32(const std::string& d, size_t p) {
    uint32_t v = 0;
    for (int i = 3; i >= 0; --i) v = (v << 8) | static_cast<uint8_t>(d[p + static_cast<size_t>(i)]);
    return v;
}

void PutU16(std::string& d, size_t p, uint16_t v) {
    d[p] = static_cast<char>(v & 0xFF);
    d[p + 1] = static_cast<char>(v >> 8);
}

void PutU32(std::string& d, size_t p, uint32_t v) {
    for (size_t i = 0; i < 4; ++i) d[p + i] = static_cast<char>((v >> (8 * i)) & 0xFF);
}

bool ParseDbfHeader(const std::string& data, uint64_t fileSize, DbfHeader& header,
                    HeaderProblem& problem, std::string& reason) {
    problem = HeaderProblem::Invalid;
    if (data.size() < kPrefix + 1 || fileSize < kPrefix + 1) {
        reason = "Datei zu kurz";
        return false;
    }
    DbfHeader h;
    h.version = static_cast<uint8_t>(data[0]);
    if (h.version != 0x03 && h.version != 0x83 && h.version != 0x8B && h.version != 0xF5) {
        reason = "unbekannte Versionskennung";
        return false;
    }
    const int yy = static_cast<uint8_t>(data[1]);
    const int mm = static_cast<uint8_t>(data[2]);
    const int dd = static_cast<uint8_t>(data[3]);
    if (mm >= 1 && mm <= 12 && dd >= 1 && dd <= 31) h.lastUpdate = {1900 + yy, mm, dd};
    h.recordCount = ReadU32(data, 4);
    h.headerLength = ReadU16(data, 8);
    h.recordLength = ReadU16(data, 10);
    h.languageDriver = static_cast<uint8_t>(data[29]);

    if (h.headerLength < static_cast<int>(kPrefix + kDescriptor + 1) ||
        static_cast<uint64_t>(h.headerLength) > fileSize ||
        static_cast<size_t>(h.headerLength) > data.size()) {
        reason =
            "Kopfl\xC3\xA4nge passt nicht zur Dateigr\xC3\xB6\xC3\x9F"
            "e";
        return false;
    }
    size_t pos = kPrefix;
    int offset = 1;
    bool terminated = false;
    while (pos < static_cast<size_t>(h.headerLength)) {
        if (data[pos] == kTerminator) {
            terminated = true;
            break;
        }
        if (pos + kDescriptor > static_cast<size_t>(h.headerLength)) break;
        DbfField f;
        size_t n = 0;
        while (n < 11 && data[pos + n] != '\0') ++n;
        f.name = data.substr(pos, n);
        f.type = static_cast<char>(std::toupper(static_cast<unsigned char>(data[pos + 11])));
        f.length = static_cast<uint8_t>(data[pos + 16]);
        f.decimals = static_cast<uint8_t>(data[pos + 17]);
        f.offset = offset;
        if (std::string("CNFLDM").find(f.type) == std::string::npos || f.type == '\0') {
            problem = HeaderProblem::UnknownType;
            reason = "Feld " + f.name;
            return false;
        }
        if (!CheckField(f, reason, false)) return false;
        offset += f.length;
        h.fields.push_back(f);
        pos += kDescriptor;
    }
    if (!terminated) {
        reason = "Feldbeschreibungen ohne Abschluss";
        return false;
    }
    if (h.fields.empty()) {
        reason = "keine Felder";
        return false;
    }
    if (offset != h.recordLength) {
        reason = "Satzl\xC3\xA4nge passt nicht zu den Feldern";
        return false;
    }
    const uint64_t needed =
        static_cast<uint64_t>(h.headerLength) +
        static_cast<uint64_t>(h.recordCount) * static_cast<uint64_t>(h.recordLength);
    if (needed > fileSize) {
        reason = "Datei k\xC3\xBCrzer als " + std::to_string(h.recordCount) + " Datens\xC3\xA4tze";
        return false;
    }
    header = std::move(h);
    problem = HeaderProblem::None;
    return true;
}

bool LayoutDbfFields(DbfHeader& header, std::string& reason) {
    if (header.fields.empty() || header.fields.size() > 255) {
        reason = "Anzahl der Felder ung\xC3\xBCltig";
        return false;
    }
    int offset = 1;
    for (auto& f : header.fields) {
        if (!CheckField(f, reason, true)) return false;
        for (const auto& g : header.fields) {
            if (&g != &f && g.name == f.name) {
                reason = "Feldname " + f.name + " doppelt";
                return false;
            }
        }
        f.offset = offset;
        offset += f.length;
    }
    if (offset > 65535) {
        reason = "Datensatz zu lang";
        return false;
    }
    header.recordLength = offset;
    header.headerLength = static_cast<int>(kPrefix + kDescriptor * header.fields.size() + 1);
    return true;
}

std::string EncodeDate(const DbfDate& date) {
    std::string d(3, '\0');
    d[0] = static_cast<char>(date.year >= 1900 ? (date.year - 1900) & 0xFF : 0);
    d[1] = static_cast<char>(date.month);
    d[2] = static_cast<char>(date.day);
    return d;
}

std::string EncodeRecordCount(uint32_t count) {
    std::string d(4, '\0');
    PutU32(d, 0, count);
    return d;
}

std::string BuildDbfHeader(const DbfHeader& h) {
    std::string d(static_cast<size_t>(h.headerLength), '\0');
    d[0] = static_cast<char>(h.version);
    d.replace(1, 3, EncodeDate(h.lastUpdate));
    PutU32(d, 4, h.recordCount);
    PutU16(d, 8, static_cast<uint16_t>(h.headerLength));
    PutU16(d, 10, static_cast<uint16_t>(h.recordLength));
    d[29] = static_cast<char>(h.languageDriver);
    size_t pos = kPrefix;
    for (const auto& f : h.fields) {
        d.replace(pos, f.name.size(), f.name);
        d[pos + 11] = f.type;
        d[pos + 16] = static_cast<char>(f.length);
        d[pos + 17] = static_cast<char>(f.decimals);
        pos += kDescriptor;
    }
    d[pos] = kTerminator;
    return d;
}

}  // namespace zel3
