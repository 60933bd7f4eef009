// Copying records to and from comma-separated text and other tables.
#include <unistd.h>

#include <cstdio>
#include <fstream>

#include "dbf/dbf_number.h"
#include "dbf/dbf_table.h"
#include "util/safe_file.h"
#include "util/text.h"

namespace zel3 {

namespace {

std::string CsvQuote(const std::string& t, bool always) {
    if (!always && t.find_first_of(",\"\r\n") == std::string::npos) return t;
    std::string q = "\"";
    for (char c : t) {
        if (c == '"') q += '"';
        q += c;
    }
    return q + "\"";
}

// Reads one record of comma-separated text; quoted values may hold commas, doubled quotes
// and line breaks. False at the end of the input.
bool ReadCsvRecord(std::istream& in, std::vector<std::string>& values) {
    values.clear();
    std::string cur;
    bool quoted = false, any = false;
    char c = 0;
    while (in.get(c)) {
        any = true;
        if (quoted) {
            if (c == '"') {
                if (in.peek() == '"') {
                    in.get(c);
                    cur += '"';
                } else {
                    quoted = false;
                }
            } else {
                cur += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            values.push_back(cur);
            cur.clear();
        } else if (c == '\n') {
            break;
        } else if (c != '\r') {
            cur += c;
        }
    }
    if (!any) return false;
    values.push_back(cur);
    return true;
}

std::string Trimmed(const std::string& t, char type) {
    const size_t e = t.find_last_not_of(' ');
    if (e == std::string::npos) return "";
    const size_t b = (type == 'C') ? 0 : t.find_first_not_of(' ');
    return t.substr(b, e - b + 1);
}

}  // namespace

bool DbfTable::BuildRecord(const std::vector<std::pair<int, std::string>>& values,
                           std::string& record, const char* operation) {
    record.assign(static_cast<size_t>(header_.recordLength), ' ');
    for (const auto& [n, value] : values) {
        const DbfField* f = FieldAt(n);
        if (!f || f->type == 'M') continue;
        std::string stored;
        if (!EncodeFieldValue(*f, value, stored)) {
            return Fail(DbfError::BadValue, operation, f->name + " (" + value + ")");
        }
        record.replace(static_cast<size_t>(f->offset), stored.size(), stored);
    }
    return true;
}

long DbfTable::CopyToDelimited(const std::string& file, const DbfTextConverter& toFile) {
    const char* op = "CopyToDelimited";
    if (!Ready(op)) return -1;
    // A new file of our own beside the target, never a name someone may have linked.
    std::string temp;
    const int fd = CreateFileBeside(file, temp);
    if (fd >= 0) ::close(fd);
    std::ofstream out;
    if (fd >= 0) out.open(temp, std::ios::binary | std::ios::trunc);
    if (!out) {
        if (fd >= 0) std::remove(temp.c_str());
        Fail(DbfError::FileAccess, op, file);
        return -1;
    }
    auto conv = [&](const std::string& t) { return toFile ? toFile(t) : t; };
    for (int i = 1; i <= FieldCount(); ++i)
        out << (i > 1 ? "," : "") << CsvQuote(conv(FieldName(i)), false);
    out << "\r\n";
    const long keep = atEnd_ ? 0 : recno_;
    long count = 0;
    for (bool ok = GoTop(); ok && !atEnd_; ok = Skip(1)) {
        for (int i = 1; i <= FieldCount(); ++i) {
            const char type = FieldType(i);
            const std::string t = Trimmed(FieldText(i), type);
            out << (i > 1 ? "," : "") << CsvQuote(conv(t), type == 'C');
        }
        out << "\r\n";
        ++count;
    }
    const bool readOk = error_ == DbfError::None;
    const std::string readError = errorText_;
    out.close();
    if (keep > 0)
        GoTo(keep);
    else
        GoTop();
    if (!readOk || !out || std::rename(temp.c_str(), file.c_str()) != 0) {
        std::remove(temp.c_str());
        if (readOk)
            Fail(DbfError::FileAccess, op, file);
        else
            errorText_ = readError;
        return -1;
    }
    return count;
}

long DbfTable::AppendFromDelimited(const std::string& file, const DbfTextConverter& fromFile) {
    const char* op = "AppendFromDelimited";
    if (!Ready(op)) return -1;
    if (!file_.Writable()) return Fail(DbfError::ReadOnly, op, alias_), -1;
    if (mode_ == DbfOpenMode::Shared && !fileLocked_) return Fail(DbfError::NotLocked, op), -1;
    std::ifstream in(file, std::ios::binary);
    if (!in) return Fail(DbfError::FileAccess, op, file), -1;
    std::vector<std::string> values;
    if (!ReadCsvRecord(in, values)) return 0;
    std::vector<int> columns;  // field number of every column, 0 = not a field of this table
    bool anyField = false;
    for (const std::string& name : values) {
        columns.push_back(FieldIndex(Trimmed(name, 'N')));
        anyField = anyField || columns.back() != 0;
    }
    if (!anyField) return Fail(DbfError::UnknownField, op, file), -1;
    // Every row is checked before the first is written.
    std::vector<std::string> records;
    long line = 1;
    while (ReadCsvRecord(in, values)) {
        ++line;
        if (values.size() == 1 && values[0].empty()) continue;  // empty line
        std::vector<std::pair<int, std::string>> row;
        for (size_t i = 0; i < values.size() && i < columns.size(); ++i) {
            if (columns[i] != 0)
                row.emplace_back(columns[i], fromFile ? fromFile(values[i]) : values[i]);
        }
        records.emplace_back();
        if (!BuildRecord(row, records.back(), op)) {
            errorText_ += " " + file + ":" + std::to_string(line);
            return -1;
        }
    }
    if (in.bad()) return Fail(DbfError::FileAccess, op, file), -1;
    if (!AppendRecords(records, op)) return -1;
    return static_cast<long>(records.size());
}

long DbfTable::AppendFrom(const std::string& file) {
    const char* op = "AppendFrom";
    if (!Ready(op)) return -1;
    if (SameFile(file, path_)) return Fail(DbfError::AppendToItself, op), -1;
    if (!file_.Writable()) return Fail(DbfError::ReadOnly, op, alias_), -1;
    if (mode_ == DbfOpenMode::Shared && !fileLocked_) return Fail(DbfError::NotLocked, op), -1;
    DbfTable source;
    if (!source.OpenTable(file, true, DbfOpenMode::Shared)) {
        error_ = source.ErrorCode();
        errorText_ = source.ErrorText();
        return -1;
    }
    std::vector<std::pair<int, int>> map;  // source field, own field
    for (int i = 1; i <= source.FieldCount(); ++i) {
        const int own = FieldIndex(source.FieldName(i));
        if (own != 0) map.emplace_back(i, own);
    }
    std::vector<std::string> records;
    for (bool ok = source.GoTop(); ok && !source.AtEnd(); ok = source.Skip(1)) {
        std::vector<std::pair<int, std::string>> row;
        for (const auto& [from, to] : map) {
            row.emplace_back(to, Trimmed(source.FieldText(from), source.FieldType(from)));
        }
        records.emplace_back();
        if (!BuildRecord(row, records.back(), op)) {
            errorText_ += " " + file + ": Datensatz " + std::to_string(source.RecordNumber());
            return -1;
        }
    }
    if (source.ErrorCode() != DbfError::None) {
        error_ = source.ErrorCode();
        errorText_ = source.ErrorText();
        return -1;
    }
    if (!AppendRecords(records, op)) return -1;
    return static_cast<long>(records.size());
}

}  // namespace zel3
