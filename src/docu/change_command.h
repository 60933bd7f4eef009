#pragma once
// The change log and drawing information commands of the Documentation menu.

#include <string>

#include "contact/contact_case.h"
#include "util/ui_state.h"

namespace zel3 {

class Program;

enum ChangeCode {
    kChangeAsk = 0,  // asks which of the others
    kChangeNew = 1,
    kChangeModify = 2,  // always the last entry
    kChangeDelete = 3,  // drops the last entry
    kChangeShow = 4,
    kChangePrint = 5,
    kChangeDrawingInfo = 6,
};

void ChangeCommand(Program& p, int code);

// Edits change entry number (1-based) through the prompts; on Cancel the entry stays as it
// was and the error flag is set.
void EditChange(UiState& ui, ChangeEntry& entry, int number);

// Edits the drawing information through the prompts: "Ersatz für", "Ersetzt durch", the four
// sign-off rows (releaseText names the fourth) and the text placements. Cancel keeps
// everything and sets the error flag.
void EditDrawingInfo(UiState& ui, DrawingInfo& info, const std::string& releaseText);

}  // namespace zel3
