#pragma once
// The change log as lines of text (code page 850): creation data, the replaced drawings and
// one block per change.

#include <string>
#include <vector>

#include "contact/contact_case.h"

namespace zel3 {

// "1", "2", ... with index style 1, otherwise "a", "b", ...
std::string ChangeLogIndexText(int number, int indexStyle);
std::string ChangeLogHeaderLine();
std::string ChangeLogEntryLine(const ChangeEntry& entry, int number, int indexStyle);
// The description on one line behind one blank.
std::string ChangeLogDescriptionLine(const ChangeEntry& entry);

// The whole log under the title line and the case's remark lines.
std::vector<std::string> ChangeLogLines(const ContactCase& c, int indexStyle,
                                        const std::string& titleLine);

}  // namespace zel3
