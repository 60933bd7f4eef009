#pragma once
// One open dBase table: header, field list, the current record and its buffer, an optional
// index order, and locks for shared use by several program instances.
//
// Every operation returns false (or 0) on failure and leaves the table as it was; ErrorCode()
// and ErrorText() then tell what went wrong, the text naming the operation in brackets.
// Field numbers are 1-based, record numbers too.

#include <cstdint>
#include <functional>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "dbf/dbf_error.h"
#include "dbf/dbf_file.h"
#include "dbf/dbf_header.h"
#include "dbf/ndx_index.h"

namespace zel3 {

enum class DbfOpenMode { Shared, Exclusive };

struct DbfValue {
    char type = 'C';
    bool blank = true;  // no value stored
    std::string text;   // C: stored text without trailing blanks
    double number = 0;  // N, F
    bool logical = false;
    DbfDate date;
};

// Converts texts between the stored code page and the delimited file; identity when empty.
using DbfTextConverter = std::function<std::string(const std::string&)>;

class DbfTable {
  public:
    static constexpr int kMaxRecordLocks = 50;

    DbfTable() = default;
    ~DbfTable();
    DbfTable(const DbfTable&) = delete;
    DbfTable& operator=(const DbfTable&) = delete;

    // Creates (or replaces) a table with the given fields and leaves it open, empty.
    bool CreateTable(const std::string& file, const std::vector<DbfField>& fields,
                     DbfOpenMode mode = DbfOpenMode::Exclusive);
    bool OpenTable(const std::string& file, bool hideDeleted,
                   DbfOpenMode mode = DbfOpenMode::Shared, const std::string& alias = "");
    void CloseTable();
    bool IsOpen() const { return file_.IsOpen(); }
    const std::string& FileName() const { return path_; }
    const std::string& Alias() const { return alias_; }
    bool ReadOnly() const { return !file_.Writable(); }

    // Refused with BufferSize unless the table has at least this many fields; callers that
    // read rows by column position check their layout with it.
    bool CheckRowLayout(int fieldsNeeded);

    long RecordCount() const { return static_cast<long>(header_.recordCount); }
    long RecordNumber() const { return recno_; }
    int FieldCount() const { return static_cast<int>(header_.fields.size()); }
    int FieldLength(int n) const;
    std::string FieldName(int n) const;
    char FieldType(int n) const;
    int FieldDecimals(int n) const;
    // 1-based number of the named field (any letter case), 0 when there is none.
    int FieldIndex(const std::string& name) const;
    const std::vector<DbfField>& Fields() const { return header_.fields; }

    bool GoTop();
    bool GoBottom();
    bool Skip(long n = 1);
    bool GoTo(long recno);
    bool AtEnd() const { return atEnd_; }
    bool AtBeginning() const { return atBeginning_; }
    bool Deleted() const { return !atEnd_ && !buffer_.empty() && buffer_[0] == '*'; }

    // The stored text of a field of the current record; empty at the end of the table.
    std::string FieldText(int n) const;
    std::string FieldText(const std::string& name) const;
    DbfValue FieldValue(int n) const;

    // Writes into the current record and the file. Text is cut or padded; numbers are given
    // as text (or a number) and stored right-aligned with the field's decimals; logical
    // fields take T/F (also Y/J/N); dates yyyymmdd or blank.
    bool Replace(int n, const std::string& value);
    bool Replace(const std::string& name, const std::string& value);
    bool ReplaceNumber(int n, double value);
    bool ReplaceLogical(int n, bool value);

    // Adds a blank record and makes it current. In shared use it locks the record count
    // while it writes and leaves the new record locked (until Unlock) so it can be filled.
    bool AppendBlank();
    bool Delete();
    bool Recall();
    // Rewrites the table without deleted records into a new file and renames it over the old
    // one; a failure leaves the old table whole. Needs exclusive use or the file lock. In
    // shared use it waits up to packWaitMs for the other instances to close the table.
    bool Pack();

    // "FIELD = value [NOCASE] [EXACT] [CONTAINED]"; the field "*" searches every field.
    // False when nothing matched (the table is then at its end) or on a command error.
    bool Locate(const std::string& command);
    bool Continue();

    // Opens name (+ ".ndx", next to the table unless name has a folder) as the current order.
    // A missing index, or one older than the table or damaged, is rebuilt from its own key
    // expression or from expressionIfMissing. An empty name returns to the natural order.
    bool SetIndexTo(const std::string& name, const std::string& expressionIfMissing = "");
    bool IndexOn(const std::string& expression, const std::string& file);
    // 0 natural order, 1 the open index.
    bool SetOrder(int order);
    bool Find(const std::string& key);
    bool FindExact(const std::string& key);

    bool FileLock();
    bool RecordLock();
    void Unlock();

    // Both give the number of records copied, -1 on failure. The appends check every row
    // before they write one: either all rows arrive or the table stays as it was.
    long CopyToDelimited(const std::string& file, const DbfTextConverter& toFile = {});
    long AppendFromDelimited(const std::string& file, const DbfTextConverter& fromFile = {});
    long AppendFrom(const std::string& file);

    // The date written into the header with the next change (default: today).
    void SetUpdateDate(const DbfDate& date) { updateDate_ = date; }

    bool hideDeleted = false;
    // How long a pack waits for other instances to close the table, and how long an append
    // waits for another instance's append to finish.
    int packWaitMs = 5000;
    int appendWaitMs = 2000;

    DbfError ErrorCode() const { return error_; }
    const std::string& ErrorText() const { return errorText_; }

  private:
    bool Fail(DbfError e, const std::string& operation, const std::string& detail = "");
    bool Ready(const char* operation);
    bool ReadRecord(uint32_t recno, std::string& out);
    bool WriteBuffer(const char* operation);
    bool WriteHeaderCount(const char* operation);
    bool WriteAllowed(const char* operation);
    bool RefreshCount(const char* operation);
    bool LoadHeader(const char* operation);
    void SetEnd();
    bool Position(uint32_t recno);
    const DbfField* FieldAt(int n) const;

    // Movement in the current order (natural or index).
    long OrderSize() const;
    uint32_t RecordAt(long pos) const;
    bool Visible(uint32_t recno);
    bool MoveFrom(long pos, int step, const char* operation);
    bool Matches(const std::string& value, int field, bool nocase, bool exact,
                 bool contained) const;
    bool LocateFrom(long pos);
    bool IndexFind(const std::string& key, bool exact, const char* operation);
    void CloseIndex();
    // One record built from (field, value) pairs; false with BadValue when a value does not fit.
    bool BuildRecord(const std::vector<std::pair<int, std::string>>& values, std::string& record,
                     const char* operation);
    // Writes whole records after the last one and then the new count; on failure the file is
    // cut back to its old end. The last new record becomes current.
    bool AppendRecords(const std::vector<std::string>& records, const char* operation);
    // Locks a byte range, retrying for up to waitMs while another instance holds it.
    bool WaitForLock(uint64_t start, uint64_t length, int waitMs, const char* operation);

    DbfFile file_;
    std::string path_;
    std::string alias_;
    DbfHeader header_;
    std::string headerBytes_;
    DbfOpenMode mode_ = DbfOpenMode::Shared;
    std::string buffer_;
    long recno_ = 0;
    long pos_ = 0;  // position in the current order; OrderSize() = at the end
    bool atEnd_ = true;
    bool atBeginning_ = true;
    bool modified_ = false;
    DbfDate updateDate_;

    std::unique_ptr<NdxIndex> index_;
    std::string indexPath_;
    int order_ = 0;

    bool fileLocked_ = false;
    std::set<uint32_t> lockedRecords_;

    std::string locateValue_;
    int locateField_ = -1;  // 0 = every field
    bool locateNocase_ = false, locateExact_ = false, locateContained_ = false;
    bool locateActive_ = false;

    DbfError error_ = DbfError::None;
    std::string errorText_;
};

}  // namespace zel3
