#pragma once
// The documentation sections of a project file: change log with drawing information, and the
// linked documents.

#include <array>

#include "contact/contact_case.h"
#include "project/project_line_input.h"
#include "util/line_file.h"
#include "util/number_format.h"

namespace zel3 {

// "ÄNDERUNGEN", the entries, the sign-off line, creation data and the text placements.
void WriteChangeLog(LineWriter& out, const NumberFormat& nf, const DrawingInfo& info,
                    const ChangeLog& log);
void ReadChangeLog(ProjectLineInput& in, DrawingInfo& info, ChangeLog& log);

// "Dokumente", 5, and the program and file of every slot.
void WriteDocuments(LineWriter& out, const std::array<DocumentSlot, kDocumentSlots>& slots);
void ReadDocuments(ProjectLineInput& in, std::array<DocumentSlot, kDocumentSlots>& slots);

// A change description on one line: every line break becomes "|"; and back.
std::string DescriptionToLine(const std::string& description);
std::string DescriptionFromLine(const std::string& line);

}  // namespace zel3
