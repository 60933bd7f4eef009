#pragma once
// The translation tables behind LanguageTexts.

#include <array>

#include "shell/language_texts.h"

namespace zel3 {

using GeneralRow = std::array<const char*, 9>;    // languages 1..9
using TechnicalRow = std::array<const char*, 5>;  // languages 1, 2, 3, 7, 8

extern const GeneralRow kGeneralTable[kGeneralSlotCount];
extern const TechnicalRow kTechnicalTable[kTechnicalSlotCount];

}  // namespace zel3
