#pragma once
// Values as fields store them: numbers as right-aligned decimal text independent of the
// locale, logical values as T/F, dates as yyyymmdd.

#include <string>

#include "dbf/dbf_header.h"

namespace zel3 {

// Parses the text of a numeric field (blanks around it allowed, "," taken as "."). False for
// a blank or malformed text; value is then 0.
bool ParseDbfNumber(const std::string& text, double& value);

// The number right-aligned in width characters with the given decimals; false when it does
// not fit.
bool FormatDbfNumber(double value, int width, int decimals, std::string& out);

// The bytes a field stores for value (see DbfTable::Replace); false when the value does not
// fit the field.
bool EncodeFieldValue(const DbfField& field, const std::string& value, std::string& stored);

}  // namespace zel3
