#pragma once
// One project's inputs, findings and results as a JSON object for scripts. Numbers are in the
// internal units (mm, N, N/mm², degrees) whatever the display units, written so that they read
// back to the same double; a value without a finite form is written as null.

#include <string>

#include "contact/contact_case.h"

namespace zel3 {

class MessageList;

// "table" or "exact".
const char* MethodName(CalculationMethod method);

// The object of a calculated case, on one line. file is the name as given; the case's texts
// (code page 850) are written as UTF-8. The exact method's three extra results are written
// only when the case was calculated with it.
std::string CaseJson(const std::string& file, const ContactCase& c, const MessageList& messages);

// The object of a file that could not be read: "failed" true and error, a UTF-8 text.
std::string UnreadableCaseJson(const std::string& file, CalculationMethod method,
                               const std::string& error);

}  // namespace zel3
