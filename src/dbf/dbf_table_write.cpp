// Writing: field values, new and deleted records, packing, locks.
#include <chrono>
#include <cstdio>
#include <thread>

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

bool DbfTable::WaitForLock(uint64_t start, uint64_t length, int waitMs, const char* operation) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
    while (!file_.Lock(start, length, true)) {
        if (std::chrono::steady_clock::now() >= until) {
            return Fail(DbfError::LockedByOther, operation);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

bool DbfTable::AppendRecords(const std::vector<std::string>& records, const char* operation) {
    if (records.empty()) return true;
    // Under the count lock (or the file lock) nobody else can move the end meanwhile.
    if (!RefreshCount(operation)) return false;
    const uint64_t room = UINT32_MAX - header_.recordCount;
    if (records.size() > room) return Fail(DbfError::BadValue, operation, alias_);
    const uint32_t first = header_.recordCount + 1;
    const uint32_t last = header_.recordCount + static_cast<uint32_t>(records.size());
    const uint64_t length = static_cast<uint64_t>(header_.recordLength);
    const uint64_t end = static_cast<uint64_t>(header_.headerLength) + (first - 1) * length;
    std::string block;
    block.reserve(records.size() * length + 1);
    for (const std::string& r : records) block += r;
    block += kEof;
    auto cutBack = [&] {
        file_.Truncate(end);
        file_.WriteAt(end, std::string(1, kEof));
    };
    if (!file_.WriteAt(end, block)) {
        const std::string why = file_.LastError();
        cutBack();
        return Fail(DbfError::FileAccess, operation, path_ + ": " + why);
    }
    const uint32_t oldCount = header_.recordCount;
    header_.recordCount = last;
    if (!WriteHeaderCount(operation)) {
        header_.recordCount = oldCount;
        cutBack();
        return false;
    }
    modified_ = true;
    if (index_) {
        for (uint32_t r = first; r <= last; ++r) index_->Update(records[r - first], r);
    }
    buffer_ = records.back();
    recno_ = last;
    atEnd_ = false;
    atBeginning_ = false;
    pos_ = index_ && order_ == 1 ? index_->PositionOf(last) : last - 1;
    return true;
}

bool DbfTable::AppendBlank() {
    const char* op = "AppendBlank";
    if (!Ready(op)) return false;
    if (!file_.Writable()) return Fail(DbfError::ReadOnly, op, alias_);
    const std::vector<std::string> blank{std::string(header_.recordLength, ' ')};
    if (mode_ == DbfOpenMode::Exclusive || fileLocked_) return AppendRecords(blank, op);

    // Shared use: another instance may append at the same moment. The record count decides
    // where the new record goes, so it is locked from reading it to writing the new one.
    if (static_cast<int>(lockedRecords_.size()) >= kMaxRecordLocks) {
        return Fail(DbfError::TooManyLocks, op);
    }
    if (!WaitForLock(kCountLockStart, kCountLockLength, appendWaitMs, op)) return false;
    bool ok = RefreshCount(op);
    const uint32_t recno = header_.recordCount + 1;
    const uint64_t length = static_cast<uint64_t>(header_.recordLength);
    const uint64_t pos = static_cast<uint64_t>(header_.headerLength) + (recno - 1ULL) * length;
    // The new record stays locked so that the caller may fill it.
    const bool slotHeld = ok && lockedRecords_.count(recno) != 0;
    if (ok && !slotHeld) ok = WaitForLock(pos, length, appendWaitMs, op);
    if (ok) {
        ok = AppendRecords(blank, op);
        if (ok) {
            lockedRecords_.insert(recno);
        } else if (!slotHeld) {
            file_.Unlock(pos, length);
        }
    }
    file_.Unlock(kCountLockStart, kCountLockLength);
    return ok;
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
    if (shared) {
        // Our own use lock is a read lock on the same byte; the write lock replaces it.
        if (!WaitForLock(kUseLockByte, 1, packWaitMs, op)) {
            return Fail(DbfError::LockedByOther, op,
                        "die Tabelle ist noch in einem anderen Programm geöffnet (" +
                            std::to_string((packWaitMs + 999) / 1000) + " s gewartet)");
        }
    }
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
