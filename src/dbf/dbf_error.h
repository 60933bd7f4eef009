#pragma once
// Error numbers and texts (UTF-8, for display) of the table engine. Callers show "Fehler : DBF
// Error " + number (or "Fehler : Database #" + number) and may show the text as well.

#include <string>

namespace zel3 {

enum class DbfError {
    None = 0,
    NotOpen = 1,    // no table open in this work area
    Empty = 2,      // movement in an empty table
    BeyondEof = 3,  // movement beyond the last record
    NotLocked = 4,  // a write in shared mode without a lock
    TooManyLocks = 5,
    NoWorkArea = 6,
    BufferSize = 7,  // caller's row layout does not fit the table
    ContinueWithoutLocate = 8,
    AppendToItself = 9,
    IndexNotOpen = 10,
    FindNaturalOrder = 11,
    KeyTooLong = 12,
    UnknownType = 13,
    NoFieldName = 14,
    UnknownField = 15,
    FileAccess = 16,  // cannot open, read or write the file
    BadHeader = 17,   // not a table, or a header that does not fit the file
    MemoMissing = 18,
    AliasInUse = 19,
    ReadOnly = 20,
    BadIndex = 21,
    BadValue = 22,  // a value that does not fit its field
    LockedByOther = 23,
};

// Text of an error without the operation; detail is appended where the error has one
// (the alias, the field name, the reason a header was refused).
std::string DbfErrorText(DbfError error, const std::string& detail);

}  // namespace zel3
