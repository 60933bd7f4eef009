#include "dbf/dbf_table.h"

#include <algorithm>
#include <cstdio>
#include <ctime>

#include "dbf/dbf_lock_bytes.h"
#include "dbf/dbf_number.h"
#include "util/text.h"

namespace zel3 {

namespace {

constexpr size_t kMaxHeader = 65536;
constexpr char kEof = 0x1A;

std::string BaseName(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const size_t dot = name.find_last_of('.');
    if (dot != std::string::npos && dot > 0) name.erase(dot);
    return name;
}

std::string RightTrim(const std::string& t) {
    const size_t e = t.find_last_not_of(' ');
    return e == std::string::npos ? std::string() : t.substr(0, e + 1);
}

bool HasMemoFile(const std::string& path) {
    const size_t dot = path.find_last_of('.');
    const std::string stem = dot == std::string::npos ? path : path.substr(0, dot);
    for (const char* ext : {".dbt", ".DBT", ".fpt", ".FPT"}) {
        if (FileExists(stem + ext)) return true;
    }
    return false;
}

}  // namespace

DbfTable::~DbfTable() {
    CloseTable();
}

bool DbfTable::Fail(DbfError e, const std::string& operation, const std::string& detail) {
    error_ = e;
    errorText_ = DbfErrorText(e, detail) + " [" + operation + "]";
    return false;
}

bool DbfTable::Ready(const char* operation) {
    error_ = DbfError::None;
    errorText_.clear();
    if (!IsOpen()) return Fail(DbfError::NotOpen, operation);
    return true;
}

bool DbfTable::LoadHeader(const char* operation) {
    std::string head;
    if (!file_.ReadAt(0, kMaxHeader, head)) {
        return Fail(DbfError::FileAccess, operation, file_.LastError());
    }
    // The size after the record count: another instance appending in shared use writes its
    // records before the count, so the file is never shorter than the count read says.
    const uint64_t size = file_.Size();
    DbfHeader h;
    HeaderProblem problem = HeaderProblem::None;
    std::string reason;
    if (!ParseDbfHeader(head, size, h, problem, reason)) {
        if (problem == HeaderProblem::UnknownType) return Fail(DbfError::UnknownType, operation);
        return Fail(DbfError::BadHeader, operation, path_ + ": " + reason);
    }
    header_ = h;
    headerBytes_ = head.substr(0, static_cast<size_t>(h.headerLength));
    return true;
}

bool DbfTable::OpenTable(const std::string& file, bool hide, DbfOpenMode mode,
                         const std::string& alias) {
    CloseTable();
    error_ = DbfError::None;
    errorText_.clear();
    const char* op = "OpenTable";
    DbfFile f;
    if (!f.Open(file, true)) return Fail(DbfError::FileAccess, op, file + ": " + f.LastError());
    if (!f.Lock(kUseLockByte, 1, mode == DbfOpenMode::Exclusive && f.Writable())) {
        return Fail(DbfError::LockedByOther, op);
    }
    file_ = std::move(f);
    path_ = file;
    if (!LoadHeader(op)) {
        file_.Close();
        return false;
    }
    bool memo = false;
    for (const auto& fd : header_.fields) memo = memo || fd.type == 'M';
    if (memo && !HasMemoFile(file)) {
        file_.Close();
        return Fail(DbfError::MemoMissing, op, file);
    }
    alias_ = alias.empty() ? BaseName(file) : alias;
    mode_ = mode;
    hideDeleted = hide;
    modified_ = false;
    order_ = 0;
    GoTop();
    error_ = DbfError::None;
    errorText_.clear();
    return true;
}

bool DbfTable::CreateTable(const std::string& file, const std::vector<DbfField>& fields,
                           DbfOpenMode mode) {
    CloseTable();
    error_ = DbfError::None;
    const char* op = "CreateTable";
    DbfHeader h;
    h.fields = fields;
    std::string reason;
    for (const auto& f : fields) {
        if (std::string("CNFLD").find(f.type) == std::string::npos || f.type == '\0') {
            return Fail(DbfError::UnknownType, op);
        }
    }
    if (!LayoutDbfFields(h, reason)) return Fail(DbfError::BadHeader, op, reason);
    const std::time_t now = std::time(nullptr);
    std::tm tm{};
    localtime_r(&now, &tm);
    h.lastUpdate =
        updateDate_.empty() ? DbfDate{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday} : updateDate_;
    const std::string temp = file + ".$$$";
    DbfFile out;
    const bool ok = out.Create(temp) && out.WriteAt(0, BuildDbfHeader(h) + kEof) && out.Sync();
    const std::string why = out.LastError();
    out.Close();
    if (!ok || std::rename(temp.c_str(), file.c_str()) != 0) {
        std::remove(temp.c_str());
        return Fail(DbfError::FileAccess, op, file + ": " + (ok ? "rename" : why));
    }
    return OpenTable(file, false, mode);
}

void DbfTable::CloseTable() {
    if (!IsOpen()) return;
    CloseIndex();
    Unlock();
    if (modified_ && file_.Writable()) {
        const std::time_t now = std::time(nullptr);
        std::tm tm{};
        localtime_r(&now, &tm);
        const DbfDate d = updateDate_.empty()
                              ? DbfDate{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday}
                              : updateDate_;
        file_.WriteAt(1, EncodeDate(d));
    }
    file_.Close();
    header_ = DbfHeader{};
    buffer_.clear();
    recno_ = 0;
    atEnd_ = atBeginning_ = true;
    locateActive_ = false;
}

bool DbfTable::CheckRowLayout(int fieldsNeeded) {
    if (!Ready("CheckRowLayout")) return false;
    if (FieldCount() < fieldsNeeded) return Fail(DbfError::BufferSize, "OpenTable", alias_);
    return true;
}

const DbfField* DbfTable::FieldAt(int n) const {
    if (n < 1 || n > FieldCount()) return nullptr;
    return &header_.fields[static_cast<size_t>(n - 1)];
}

int DbfTable::FieldLength(int n) const {
    return FieldAt(n) ? FieldAt(n)->length : 0;
}
std::string DbfTable::FieldName(int n) const {
    return FieldAt(n) ? FieldAt(n)->name : "";
}
char DbfTable::FieldType(int n) const {
    return FieldAt(n) ? FieldAt(n)->type : ' ';
}
int DbfTable::FieldDecimals(int n) const {
    return FieldAt(n) ? FieldAt(n)->decimals : 0;
}

int DbfTable::FieldIndex(const std::string& name) const {
    const std::string n = UpperAscii(RightTrim(name));
    for (int i = 1; i <= FieldCount(); ++i) {
        if (UpperAscii(FieldName(i)) == n) return i;
    }
    return 0;
}

std::string DbfTable::FieldText(int n) const {
    const DbfField* f = FieldAt(n);
    if (!f || atEnd_ || buffer_.size() != static_cast<size_t>(header_.recordLength)) return "";
    return buffer_.substr(static_cast<size_t>(f->offset), static_cast<size_t>(f->length));
}

std::string DbfTable::FieldText(const std::string& name) const {
    return FieldText(FieldIndex(name));
}

DbfValue DbfTable::FieldValue(int n) const {
    DbfValue v;
    const DbfField* f = FieldAt(n);
    if (!f) return v;
    v.type = f->type;
    const std::string raw = FieldText(n);
    const std::string t = RightTrim(raw);
    switch (f->type) {
        case 'N':
        case 'F':
            v.blank = !ParseDbfNumber(t, v.number);
            break;
        case 'L':
            v.blank = t.empty() || t == "?";
            v.logical = t == "T" || t == "t" || t == "Y" || t == "y" || t == "J" || t == "j";
            break;
        case 'D':
            if (t.size() == 8 && t.find_first_not_of("0123456789") == std::string::npos) {
                v.date = {std::stoi(t.substr(0, 4)), std::stoi(t.substr(4, 2)),
                          std::stoi(t.substr(6, 2))};
                v.blank = false;
            }
            v.text = t;
            break;
        default:
            v.text = t;
            v.blank = t.empty();
    }
    return v;
}

bool DbfTable::ReadRecord(uint32_t recno, std::string& out) {
    const uint64_t pos =
        static_cast<uint64_t>(header_.headerLength) +
        static_cast<uint64_t>(recno - 1) * static_cast<uint64_t>(header_.recordLength);
    if (!file_.ReadAt(pos, static_cast<size_t>(header_.recordLength), out) ||
        out.size() != static_cast<size_t>(header_.recordLength)) {
        return Fail(DbfError::FileAccess, "Read", path_ + ": Datensatz " + std::to_string(recno));
    }
    return true;
}

bool DbfTable::RefreshCount(const char* operation) {
    if (mode_ != DbfOpenMode::Shared) return true;
    std::string head;
    if (!file_.ReadAt(4, 4, head) || head.size() != 4) {
        return Fail(DbfError::FileAccess, operation, file_.LastError());
    }
    const uint32_t count = ReadU32(head, 0);
    if (count == header_.recordCount) return true;
    const uint64_t needed =
        static_cast<uint64_t>(header_.headerLength) +
        static_cast<uint64_t>(count) * static_cast<uint64_t>(header_.recordLength);
    if (needed > file_.Size()) return Fail(DbfError::BadHeader, operation, path_);
    header_.recordCount = count;
    return true;
}

void DbfTable::SetEnd() {
    atEnd_ = true;
    recno_ = RecordCount() + 1;
    pos_ = OrderSize();
    buffer_.assign(static_cast<size_t>(header_.recordLength), ' ');
}

bool DbfTable::Position(uint32_t recno) {
    std::string rec;
    if (!ReadRecord(recno, rec)) return false;
    buffer_ = rec;
    recno_ = recno;
    atEnd_ = false;
    return true;
}

long DbfTable::OrderSize() const {
    if (order_ == 1 && index_) return static_cast<long>(index_->Entries().size());
    return RecordCount();
}

uint32_t DbfTable::RecordAt(long pos) const {
    if (order_ == 1 && index_) return index_->Entries()[static_cast<size_t>(pos)].recno;
    return static_cast<uint32_t>(pos + 1);
}

bool DbfTable::Visible(uint32_t recno) {
    if (!hideDeleted) return true;
    std::string rec;
    return ReadRecord(recno, rec) && rec[0] != '*';
}

// Moves from pos in steps of +1 or -1 to the first visible record.
bool DbfTable::MoveFrom(long pos, int step, const char* operation) {
    for (; pos >= 0 && pos < OrderSize(); pos += step) {
        const uint32_t r = RecordAt(pos);
        if (!Visible(r)) {
            if (error_ != DbfError::None) return false;
            continue;
        }
        if (!Position(r)) return false;
        pos_ = pos;
        return true;
    }
    (void)operation;
    return false;
}

bool DbfTable::GoTop() {
    if (!Ready("GoTop") || !RefreshCount("GoTop")) return false;
    atBeginning_ = true;
    if (!MoveFrom(0, 1, "GoTop")) {
        if (error_ != DbfError::None) return false;
        SetEnd();
    }
    return true;
}

bool DbfTable::GoBottom() {
    if (!Ready("GoBottom") || !RefreshCount("GoBottom")) return false;
    atBeginning_ = false;
    if (!MoveFrom(OrderSize() - 1, -1, "GoBottom")) {
        if (error_ != DbfError::None) return false;
        SetEnd();
        atBeginning_ = true;
    }
    return true;
}

bool DbfTable::GoTo(long recno) {
    if (!Ready("GoTo") || !RefreshCount("GoTo")) return false;
    if (RecordCount() == 0) return Fail(DbfError::Empty, "GoTo", alias_);
    if (recno < 1 || recno > RecordCount()) return Fail(DbfError::BeyondEof, "GoTo", alias_);
    if (!Position(static_cast<uint32_t>(recno))) return false;
    pos_ = order_ == 1 && index_ ? index_->PositionOf(static_cast<uint32_t>(recno)) : recno - 1;
    atBeginning_ = false;
    return true;
}

bool DbfTable::Skip(long n) {
    if (!Ready("Skip")) return false;
    if (RecordCount() == 0) return Fail(DbfError::Empty, "Skip", alias_);
    if (n == 0) return true;
    if (n > 0 && atEnd_) return Fail(DbfError::BeyondEof, "Skip", alias_);
    const int step = n > 0 ? 1 : -1;
    long steps = n > 0 ? n : -n;
    long pos = atEnd_ ? OrderSize() : pos_;
    if (!atEnd_ && pos_ < 0) pos = -1;  // current record is not in the index
    atBeginning_ = false;
    while (steps-- > 0) {
        long next = pos + step;
        bool found = false;
        for (; next >= 0 && next < OrderSize(); next += step) {
            const bool visible = Visible(RecordAt(next));
            if (error_ != DbfError::None) return false;
            if (visible) {
                found = true;
                break;
            }
        }
        if (!found) {
            if (step > 0) {
                SetEnd();
                return true;
            }
            atBeginning_ = true;
            break;
        }
        pos = next;
    }
    if (pos < 0 || pos >= OrderSize()) {
        // Skipped back before the first record: stay on the first visible one.
        if (!MoveFrom(0, 1, "Skip")) {
            if (error_ != DbfError::None) return false;
            SetEnd();
        }
        atBeginning_ = true;
        return true;
    }
    if (!Position(RecordAt(pos))) return false;
    pos_ = pos;
    return true;
}

}  // namespace zel3
