#pragma once
// The table file header: version, date of the last update, record count and sizes, and the
// field descriptors. Parsing checks every number against the file size, so a damaged or
// foreign file is refused before anything reads past its end.

#include <cstdint>
#include <string>
#include <vector>

namespace zel3 {

struct DbfDate {
    int year = 0;  // 0 = no date
    int month = 0;
    int day = 0;
    bool empty() const { return year == 0; }
};

struct DbfField {
    std::string name;  // up to 10 characters
    char type = 'C';   // C N F L D M
    int length = 1;
    int decimals = 0;
    int offset = 0;  // position in the record; the deletion byte is position 0
};

struct DbfHeader {
    uint8_t version = 0x03;
    DbfDate lastUpdate;
    uint32_t recordCount = 0;
    int headerLength = 0;
    int recordLength = 0;
    uint8_t languageDriver = 0x02;  // code page 850
    std::vector<DbfField> fields;

    bool HasMemoVersion() const { return version == 0x83 || version == 0x8B || version == 0xF5; }
};

enum class HeaderProblem { None, UnknownType, Invalid };

// Parses the header at the start of data (the first bytes of a file of fileSize bytes).
// On failure, problem tells an unknown field type from a damaged header and reason says what
// does not fit.
bool ParseDbfHeader(const std::string& data, uint64_t fileSize, DbfHeader& header,
                    HeaderProblem& problem, std::string& reason);

// Fills offsets, header and record length from the fields. False with a reason when a field
// is not valid (name, type, length, decimals).
bool LayoutDbfFields(DbfHeader& header, std::string& reason);

// The header bytes for writing, terminator included.
std::string BuildDbfHeader(const DbfHeader& header);

// The 8 bytes at offset 4: the record count. Used when only the count changes.
std::string EncodeRecordCount(uint32_t count);
std::string EncodeDate(const DbfDate& date);

uint16_t ReadU16(const std::string& data, size_t pos);
uint32_t ReadU32(const std::string& data, size_t pos);
void PutU16(std::string& data, size_t pos, uint16_t v);
void PutU32(std::string& data, size_t pos, uint32_t v);

}  // namespace zel3
