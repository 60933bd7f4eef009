#pragma once
// Text helpers: padding, trimming, case changes of ASCII letters, searching.

#include <string>

namespace zel3 {

std::string UpperAscii(const std::string& t);
std::string LowerAscii(const std::string& t);

}  // namespace zel3
