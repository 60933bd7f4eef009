#pragma once
// Numbers as text and text as numbers: significant-digit layout, fixed-decimal output shifted
// by the decimal-places setting, the decimal comma, and parsing that accepts "," and ".".
// Output and parsing never depend on the C locale.

#include <optional>
#include <string>

#include "util/number_format.h"

namespace zel3 {

struct DigitLayout {
    int integerDigits = 0;
    int decimals = 0;
};

// 0 for x = 0; else the integer part of log10|x|, one less when the logarithm is negative.
int Exponent(double x);
// Integer digits and decimals that show |x| with s significant digits, trailing zeros dropped.
DigitLayout SignificantLayout(double x, int s);

// x with the given decimals (shifted by the decimal-places setting), right-aligned.
std::string FormatFixed(const NumberFormat& nf, int width, int decimals, double x);
// Three significant digits (four from 1 to 999); "0" below 1e-5.
std::string FormatValue(const NumberFormat& nf, double x);
// FormatValue, or an engineering form "12.35E3" below 1e-5 and from 10000 on.
std::string FormatValueWide(const NumberFormat& nf, double x);
// The integer digits of FormatValue with the given decimals.
std::string FormatDecimals(const NumberFormat& nf, int decimals, double x);
// The form in which values are stored in line files.
std::string FormatStored(const NumberFormat& nf, double x);

// A table line for spreadsheets by the table separator mode: 1 turns commas into points,
// any other mode points into commas.
std::string TableSeparatorText(const NumberFormat& nf, const std::string& line);

std::string IntToText(long long n);
std::string ZeroPad(long long n, int width);
std::string BlankPad(long long n, int width);

// The first "," counts as the decimal point; a text that is no number gives 0.
double TextToFloat(const std::string& t);
// Decimal integer; a text that is no number gives 0.
int TextToInt(const std::string& t);
// As TextToInt, but says when the text is no number (where 0 is a valid input).
std::optional<int> TryTextToInt(const std::string& t);
// Parses the whole text (blanks around it allowed) with "." as the decimal point.
std::optional<double> TryTextToFloat(const std::string& t);

}  // namespace zel3
