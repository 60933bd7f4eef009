#pragma once
// Code page conversions. Stored texts are code page 850 bytes; the display code page is UTF-8;
// Windows-1252 is written only where a file format expects it. Fixed tables, no iconv.

#include <string>

#include "util/number_format.h"

namespace zel3 {

// The Unicode character of a code page 850 byte.
char32_t Cp850ToUnicode(unsigned char b);
// The code page 850 byte of a Unicode character; '?' when it has none.
unsigned char UnicodeToCp850(char32_t c);

// Umlauts and special letters of code page 850 spelled in ASCII ("ä" -> "ae", "°" -> "deg").
std::string Transliterate(const std::string& oem);

// Code page 850 to Windows-1252 bytes, transliterated first when the switch is on. Box
// drawing becomes "|", "+" and "-"; characters without a Windows-1252 form become "?".
std::string OemToWindows(const TextOptions& opt, const std::string& oem);
// Code page 850 to UTF-8 for the screen; texts of 255 characters or more become empty.
std::string OemToDisplay(const TextOptions& opt, const std::string& oem);
// UTF-8 from the screen to code page 850; characters without a code page 850 form become "?";
// texts of 255 characters or more become empty.
std::string DisplayToOem(const std::string& utf8);
// Code page 850 to UTF-8 without length limit: the converted copies for other programs.
std::string OemToUtf8(const std::string& oem);
// UTF-8 to code page 850 without length limit; characters without a form become "?".
std::string Utf8ToOem(const std::string& utf8);
// The texts of CAD files by the CAD text mode: 1 unchanged, 2 Windows-1252, 3 transliterated.
std::string CadText(const TextOptions& opt, const std::string& oem);

std::string Windows1252ToUtf8(const std::string& text);
// Characters without a Windows-1252 form become "?".
std::string Utf8ToWindows1252(const std::string& utf8);

}  // namespace zel3
