#pragma once
// Index key expressions over the fields of a table: field names joined by "+", with
// UPPER(...), DTOS(date field) and STR(number field[, length[, decimals]]). A single numeric
// field gives a numeric key.

#include <string>
#include <vector>

#include "dbf/dbf_header.h"

namespace zel3 {

class KeyExpression {
  public:
    // False with a reason when the expression is empty, unknown, or longer than 100 bytes
    // (tooLong set in the last case).
    bool Parse(const std::string& expression, const std::vector<DbfField>& fields,
               std::string& reason, bool& tooLong);

    const std::string& Text() const { return text_; }
    bool Numeric() const { return numeric_; }
    int KeyLength() const { return keyLength_; }

    // The key of a record (record bytes with the deletion byte first), blank-padded to the key
    // length; numeric keys give their value in number.
    std::string CharKey(const std::string& record) const;
    double NumberKey(const std::string& record) const;

  private:
    struct Part {
        size_t field = 0;
        bool upper = false;
        int strLength = 0;  // > 0: STR() of a number field
        int strDecimals = 0;
    };
    std::string text_;
    std::vector<DbfField> fields_;
    std::vector<Part> parts_;
    bool numeric_ = false;
    int keyLength_ = 0;
};

}  // namespace zel3
