#pragma once
// Opening one of the five documents linked to a case: its program started with its file.

#include <string>

#include "contact/contact_case.h"
#include "util/platform.h"
#include "util/ui_state.h"

namespace zel3 {

class Program;

// Program, a blank and file (stored texts); the program part with its blank is cut to 51
// characters and the whole line to 101. A file with blanks is quoted so that it stays one
// argument.
std::string DocumentCommandLine(const DocumentSlot& slot);

// Starts the slot's program with its file and does not wait; a slot without a program opens
// its file with the desktop's opener. A failure to start is not reported (as for any linked
// program); the result says whether something was started.
bool OpenDocument(Platform& platform, const DocumentSlot& slot);

// The Documentation menu's "Document n": opens slot n and tells the user when there is
// nothing to open (no file and no program of its own) or its program does not exist.
void OpenDocumentChecked(UiState& ui, const DocumentSlot& slot, int n);

// The "Document Setup" dialog on the case's five slots. Cancel changes nothing and sets the
// error flag; OK stores every text cut to 50 characters.
void DocumentSetup(Program& program);

// Cuts both texts of a slot to the length a slot holds.
DocumentSlot LimitedDocumentSlot(const std::string& program, const std::string& file);

}  // namespace zel3
