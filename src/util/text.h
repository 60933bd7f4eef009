#pragma once
// Text helpers: padding, trimming, case changes of ASCII letters, searching, folder names and
// shortened paths. Texts are byte strings (stored texts are code page 850).

#include <string>

namespace zel3 {

std::string UpperAscii(const std::string& t);
std::string LowerAscii(const std::string& t);

// Removes trailing, then leading blanks.
std::string Trim(const std::string& t);
std::string RemoveBlanks(const std::string& t);
// The first / last n characters (all of t when it is shorter).
std::string LeftPart(const std::string& t, int n);
std::string RightPart(const std::string& t, int n);
// Cut to n characters or filled with blanks to n.
std::string PadRight(const std::string& t, int n);
// Trimmed, then cut to its first n characters or filled with leading blanks to n.
std::string AlignRight(const std::string& t, int n);
std::string ReplaceChar(const std::string& t, char from, char to);
// 1-based position of the last occurrence of sub in t; 0 when none.
int LastPos(const std::string& sub, const std::string& t);

// Trims the folder name and appends the separator "/" when its last character is a letter,
// digit or one of the marks that can end a name; nothing is appended after "/", ":", "." etc.
std::string WithBackslash(const std::string& path);
// As WithBackslash, but also appends after ":".
std::string WithBackslashAfterColon(const std::string& path);
// Removes one trailing "/".
std::string WithoutBackslash(const std::string& path);

// A path of 50 or more characters with two or more separators, shown as the text up to the
// first separator, "...", and the text from the last separator on; others unchanged.
std::string ShortenPath(const std::string& path);
// A text longer than maxLength shown as its start, " ... " and its end, maxLength in all.
std::string ShortenMiddle(const std::string& t, int maxLength);

}  // namespace zel3
