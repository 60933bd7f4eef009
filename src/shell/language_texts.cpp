#include "shell/language_texts.h"

#include "shell/language_tables.h"

namespace zel3 {

namespace {
// Column of a language in the technical table; -1 when it has no technical words.
int TechnicalColumn(int n) {
    switch (n) {
        case 1: return 0;
        case 2: return 1;
        case 3: return 2;
        case 7: return 3;
        case 8: return 4;
        default: return -1;
    }
}
}  // namespace

LanguageTexts::LanguageTexts() { SetLanguage(1); }

bool LanguageTexts::HasGeneral(int n) { return n >= 1 && n <= 9; }
bool LanguageTexts::HasTechnical(int n) { return TechnicalColumn(n) >= 0; }

void LanguageTexts::SetLanguage(int n) {
    if (HasGeneral(n)) {
        for (int s = 0; s < kGeneralSlotCount; ++s) general_[s] = kGeneralTable[s][n - 1];
    }
    const int col = TechnicalColumn(n);
    if (col >= 0) {
        for (int s = 0; s < kTechnicalSlotCount; ++s) technical_[s] = kTechnicalTable[s][col];
    }
}

}  // namespace zel3
