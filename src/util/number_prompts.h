#pragma once
// Range-checked number prompts: they ask until the answer lies in the range or the user
// cancels (value unchanged, error flag set).

#include <cstdint>
#include <string>

#include "util/ui_state.h"

namespace zel3 {

// Asks for a number between low and high (bounds in either order), prefilled with value.
void AskFloatInRange(UiState& ui, const std::string& title, double& value, double low, double high);
// As above for whole numbers; low and high are swapped when given the wrong way round.
void AskIntInRange(UiState& ui, const std::string& title, int32_t& value, int32_t low,
                   int32_t high);
void AskIntInRange(UiState& ui, const std::string& title, int16_t& value, int16_t low,
                   int16_t high);

}  // namespace zel3
