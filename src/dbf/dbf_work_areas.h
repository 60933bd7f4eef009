#pragma once
// The work areas of the program: every open table has one, under an alias that must be
// unique. Lives in Program; tables open and close within one operation.

#include <array>
#include <memory>
#include <string>

#include "dbf/dbf_table.h"

namespace zel3 {

class DbfWorkAreas {
  public:
    static constexpr int kAreas = 10;

    // Opens a table in a free area and returns its number (1..kAreas), 0 on failure; the
    // error is then in ErrorCode() / ErrorText().
    int Open(const std::string& file, bool hideDeleted, DbfOpenMode mode = DbfOpenMode::Shared,
             const std::string& alias = "");
    void Close(int area);
    void CloseAll();
    // The table of an open area; nullptr for a closed or invalid one.
    DbfTable* Table(int area);

    DbfError ErrorCode() const { return error_; }
    const std::string& ErrorText() const { return errorText_; }

  private:
    std::array<std::unique_ptr<DbfTable>, kAreas> areas_{};
    DbfError error_ = DbfError::None;
    std::string errorText_;
};

}  // namespace zel3
