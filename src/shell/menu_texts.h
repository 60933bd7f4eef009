#pragma once
// Which menu entry takes which vocabulary slot. The main window applies the result by the
// entries' object names.

#include <string>
#include <utility>
#include <vector>

#include "shell/language_texts.h"

namespace zel3 {

// (object name, caption) for every menu and menu entry whose caption follows the language.
std::vector<std::pair<std::string, std::string>> ApplyMenuTexts(const LanguageTexts& texts);

}  // namespace zel3
