#pragma once
// Helpers for the table tests: a temporary folder, and the layout the independent reader
// (dbf_dump.py, built on python3-dbfread) prints, produced here with the engine.

#include <unistd.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "dbf/dbf_number.h"
#include "dbf/dbf_table.h"
#include "support/python_reader.h"

namespace zel3::test {

class TempFolder {
  public:
    TempFolder() {
        std::string tmpl = (std::filesystem::temp_directory_path() / "zel3dbfXXXXXX").string();
        path_ = ::mkdtemp(tmpl.data()) ? tmpl : std::string();
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    std::string operator/(const std::string& name) const { return path_ + "/" + name; }
    const std::string& path() const { return path_; }

  private:
    std::string path_;
};

inline std::string ReadFileBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

inline void WriteFileBytes(const std::string& path, const std::string& data) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out << data;
}

// What dbf_dump.py prints for the table, read through the engine (valid records only).
inline std::string EngineDump(const std::string& path) {
    DbfTable t;
    if (!t.OpenTable(path, true, DbfOpenMode::Shared)) return "open failed: " + t.ErrorText();
    std::string out;
    for (int i = 1; i <= t.FieldCount(); ++i) {
        out += t.FieldName(i) + "|" + t.FieldType(i) + "|" + std::to_string(t.FieldLength(i)) +
               "|" + std::to_string(t.FieldDecimals(i)) + "\n";
    }
    for (bool ok = t.GoTop(); ok && !t.AtEnd(); ok = t.Skip(1)) {
        for (int i = 1; i <= t.FieldCount(); ++i) {
            const DbfValue v = t.FieldValue(i);
            std::string s;
            if (v.type == 'N' || v.type == 'F') {
                if (!v.blank) FormatDbfNumber(v.number, 60, t.FieldDecimals(i), s);
                s.erase(0, s.find_first_not_of(' '));
            } else if (v.type == 'L') {
                s = v.blank ? "" : (v.logical ? "T" : "F");
            } else {
                s = v.text;
            }
            out += (i > 1 ? "|" : "") + s;
        }
        out += "\n";
    }
    return out;
}

// Runs dbf_dump.py on the table; exit code in status.
inline std::string ReaderDump(const std::string& path, int& status) {
    return RunTestScript("dbf/dbf_dump.py", "'" + path + "'", status);
}

}  // namespace zel3::test
