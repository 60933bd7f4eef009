// Writing: field values, new and deleted records, packing, locks.
#include <cstdio>

#include "dbf/dbf_lock_bytes.h"
#include "dbf/dbf_number.h"
#include "dbf/dbf_table.h"

namespace zel3 {

namespace {

constexpr char kEof = 0x1A;

}  // namespace

bool DbfTable::WriteAllowed(const char* operation) {
    if (!file_.Writable()) return Fail(DbfError::ReadOnly, operation, alias_);
    if (mode_ == DbfOpenMode::Exclusive || fileLocked_) return true;
    if (lockedRecords_.count(static_cast<uint32_t>(recno_)) != 0) return true;
    return Fail(DbfError::NotLocked, operation);
}

bool DbfTable::WriteBuffer(const char* operation) {
    const uint64_t pos =
        static_cast<uint64_t>(header_.headerLength) +
        static_cast<uint64_t>(recno_ - 1) * static_cast<uint64_t>(header_.recordLength);
    if (!file_.WriteAt(pos, buffer_)) {
        return Fail(DbfError::FileAccess, operation, path_ + ": " + file_.LastError());
    }
    modified_ = true;
    if (index_) index_->Update(buffer_, static_cast<uint32_t>(recno_));
    if (order_ == 1 && index_) pos_ = index_->PositionOf(static_cast<uint32_t>(recno_));
    return true;
}

bool DbfTable::Replace(int n, const std::string& value) {
    const char* op = "Replace";
    if (!Ready(op)) return false;
    const DbfField* f = FieldAt(n);
    if (!f) return Fail(DbfError::UnknownField, op, std::to_string(n));
    if (atEnd_) return Fail(RecordCount() == 0 ? DbfError::Empty : DbfError::BeyondEof, op, alias_);
    std::string stored;
    const size_t len = static_cast<size_t>(f->length);
    if (f->type == 'M') return Fail(DbfError::ReadOnly, op, f->name);
    if (!EncodeFieldValue(*f, value, stored)) {
        return Fail(DbfError::BadValue, op, f->name + " (" + value + ")");
    }
    if (!WriteAllowed(op)) return false;
    const std::string old = buffer_;
    buffer_.replace(static_cast<size_t>(f->offset), len, stored);
    if (!WriteBuffer(op)) {
        buffer_ = old;
        return false;
    }
    return true;
}

bool DbfTable::Replace(const std::string& name, const std::string& value) {
    const int n = FieldIndex(name);
    if (n == 0) {
        Ready("Replace");
        return Fail(DbfError::UnknownField, "Replace", name);
    }
    return Replace(n, value);
}

bool DbfTable::ReplaceNumber(int n, double value) {
    std::string t;
    if (!FormatDbfNumber(value, 40, FieldDecimals(n), t)) {
        return Fail(DbfError::BadValue, "Replace", FieldName(n));
    }
    return Replace(n, t);
}

bool DbfTable::ReplaceLogical(int n, bool value) {
    return Replace(n, value ? "T" : "F");
}

bool DbfTable::WriteHeaderCount(const char* operation) {
    if (!file_.WriteAt(4, EncodeRecordCount(header_.recordCount))) {
        return Fail(DbfError::FileAccess, operation, path_ + ": " + file_.LastError());
    }
    return true;
}

bool DbfTable::AppendBlank() {
    const char* op = "AppendBlank";
    if (!Ready(op)) return false;
    if (!file_.Writable()) return Fail(DbfError::ReadOnly, op, alias_);
    if (mode_ == DbfOpenMode::Shared && !fileLocked_ && lockedRecords_.empty()) {
        return Fail(DbfError::NotLocked, op);
    }
    if (!RefreshCount(op)) return false;
    if (header_.recordCount == UINT32_MAX) return Fail(DbfError::BadValue, op, alias_);
    const uint32_t recno = header_.recordCount + 1;
    std::string record(static_cast<size_t>(header_.recordLength), ' ');
    const uint64_t pos =
        static_cast<uint64_t>(header_.headerLength) +
        static_cast<uint64_t>(recno - 1) * static_cast<uint64_t>(header_.recordLength);
    if (!file_.WriteAt(pos, record + kEof)) {
        file_.Truncate(pos);
        file_.WriteAt(pos, std::string(1, kEof));
        return Fail(DbfError::FileAccess, op, path_ + ": " + file_.LastError());
    }
    header_.recordCount = recno;
    if (!WriteHeaderCount(op)) {
        header_.recordCount = recno - 1;
        return false;
    }
    modified_ = true;
    buffer_ = record;
    recno_ = recno;
    atEnd_ = false;
    atBeginning_ = false;
    if (index_) {
        index_->Update(buffer_, recno);
        pos_ = order_ == 1 ? index_->PositionOf(recno) : recno - 1;
    } else {
        pos_ = recno - 1;
    }
    return true;
}

bool DbfTable::Delete() {
    if (!Ready("Delete")) return false;
    if (atEnd_)
        return Fail(RecordCount() == 0 ? DbfError::Empty : DbfError::BeyondEof, "Delete", alias_);
    if (!WriteAllowed("Delete")) return false;
    const char old = buffer_[0];
    buffer_[0] = '*';
    if (!WriteBuffer("Delete")) {
        buffer_[0] = old;
        return false;
    }
    return true;
}

bool DbfTable::Recall() {
    if (!Ready("Recall")) return false;
    if (atEnd_)
        return Fail(RecordCount() == 0 ? DbfError::Empty : DbfError::BeyondEof, "Recall", alias_);
    if (!WriteAllowed("Recall")) return false;
    const char old = buffer_[0];
    buffer_[0] = ' ';
    if (!WriteBuffer("Recall")) {
        buffer_[0] = old;
        return false;
    }
    return true;
}

bool DbfTable::Pack() {
    const char* op = "Pack";
    if (!Ready(op)) return false;
    if (!file_.Writable()) return Fail(DbfError::ReadOnly, op, alias_);
    if (mode_ == DbfOpenMode::Shared && !fileLocked_) return Fail(DbfError::NotLocked, op);
    // The packed table replaces the file: another program that still has the old one open
    // would write into a file nobody reads again. Shared users must all be gone.
    const bool shared = mode_ == DbfOpenMode::Shared;
    if (shared && !file_.Lock(kUseLockByte, 1, true)) return Fail(DbfError::LockedByOther, op);
    auto keepShared = [&] {
        if (shared) file_.Lock(kUseLockByte, 1, false);
    };
    const std::string temp = path_ + ".$pk";
    DbfFile out;
    if (!out.Create(temp)) {
        keepShared();
        return Fail(DbfError::FileAccess, op, temp + ": " + out.LastError());
    }
    std::string head = headerBytes_;
    uint32_t kept = 0;
    uint64_t pos = head.size();
    bool ok = true;
    for (uint32_t r = 1; ok && r <= header_.recordCount; ++r) {
        std::string rec;
        if (!ReadRecord(r, rec)) {
            ok = false;
            break;
        }
        if (rec[0] == '*') continue;
        ok = out.WriteAt(pos, rec);
        pos += rec.size();
        ++kept;
    }
    PutU32(head, 4, kept);
    ok = ok && out.WriteAt(pos, std::string(1, kEof)) && out.WriteAt(0, head) && out.Sync();
    const std::string why = error_ != DbfError::None ? errorText_ : out.LastError();
    out.Close();
    if (!ok || std::rename(temp.c_str(), path_.c_str()) != 0) {
        std::remove(temp.c_str());
        keepShared();
        return Fail(DbfError::FileAccess, op, path_ + ": " + (ok ? "rename" : why));
    }
    // The old descriptor still points at the replaced file: reopen the packed one.
    const bool hadFileLock = fileLocked_;
    lockedRecords_.clear();
    fileLocked_ = false;
    DbfFile reopened;
    if (!reopened.Open(path_, true)) {
        file_.Close();
        return Fail(DbfError::FileAccess, op, path_ + ": " + reopened.LastError());
    }
    reopened.Lock(kUseLockByte, 1, mode_ == DbfOpenMode::Exclusive);
    file_ = std::move(reopened);
    if (hadFileLock) FileLock();
    headerBytes_ = head;
    header_.recordCount = kept;
    modified_ = true;
    if (index_) {
        index_->Build(index_->Key(), kept, [this](uint32_t r) {
            std::string rec;
            ReadRecord(r, rec);
            return rec;
        });
    }
    return GoTop();
}

bool DbfTable::FileLock() {
    if (!Ready("FileLock")) return false;
    if (fileLocked_) return true;
    if (!file_.Writable()) return Fail(DbfError::ReadOnly, "FileLock", alias_);
    if (!file_.Lock(0, kFileLockLength, true)) return Fail(DbfError::LockedByOther, "FileLock");
    fileLocked_ = true;
    return true;
}

bool DbfTable::RecordLock() {
    if (!Ready("RecordLock")) return false;
    if (!file_.Writable()) return Fail(DbfError::ReadOnly, "RecordLock", alias_);
    // At the end of the table the lock covers the place of the next record.
    const uint32_t recno = static_cast<uint32_t>(atEnd_ ? RecordCount() + 1 : recno_);
    if (lockedRecords_.count(recno)) return true;
    if (static_cast<int>(lockedRecords_.size()) >= kMaxRecordLocks) {
        return Fail(DbfError::TooManyLocks, "RecordLock");
    }
    const uint64_t pos =
        static_cast<uint64_t>(header_.headerLength) +
        static_cast<uint64_t>(recno - 1) * static_cast<uint64_t>(header_.recordLength);
    if (!file_.Lock(pos, static_cast<uint64_t>(header_.recordLength), true)) {
        return Fail(DbfError::LockedByOther, "RecordLock");
    }
    lockedRecords_.insert(recno);
    return true;
}

void DbfTable::Unlock() {
    if (!IsOpen()) return;
    if (fileLocked_) file_.Unlock(0, kFileLockLength);
    for (uint32_t r : lockedRecords_) {
        const uint64_t pos =
            static_cast<uint64_t>(header_.headerLength) +
            static_cast<uint64_t>(r - 1) * static_cast<uint64_t>(header_.recordLength);
        file_.Unlock(pos, static_cast<uint64_t>(header_.recordLength));
    }
    fileLocked_ = false;
    lockedRecords_.clear();
}

}  // namespace zel3
