#include "util/number_text.h"

#include <gtest/gtest.h>

namespace zel3 {
namespace {

NumberFormat Fmt(int decimals = 3, int separator = 1) {
    NumberFormat nf;
    nf.decimals = decimals;
    nf.separator = separator;
    return nf;
}

TEST(Exponent, TruncatesAndStepsDownForNegativeLogarithms) {
    EXPECT_EQ(Exponent(0), 0);
    EXPECT_EQ(Exponent(1), 0);
    EXPECT_EQ(Exponent(9.99), 0);
    EXPECT_EQ(Exponent(12345), 4);
    EXPECT_EQ(Exponent(-12345), 4);
    EXPECT_EQ(Exponent(0.05), -2);
    EXPECT_EQ(Exponent(0.5), -1);
    EXPECT_EQ(Exponent(0.0000012), -6);
}

TEST(SignificantLayout, DropsTrailingZerosAndRoundsHalfToEven) {
    auto l = SignificantLayout(12.345, 3);
    EXPECT_EQ(l.integerDigits, 2);
    EXPECT_EQ(l.decimals, 2);
    l = SignificantLayout(12.5, 3);
    EXPECT_EQ(l.decimals, 1);
    l = SignificantLayout(0.05, 3);
    EXPECT_EQ(l.integerDigits, 0);
    EXPECT_EQ(l.decimals, 2);
    l = SignificantLayout(1234, 3);
    EXPECT_EQ(l.integerDigits, 4);
    EXPECT_EQ(l.decimals, 0);
    l = SignificantLayout(100, 3);
    EXPECT_EQ(l.integerDigits, 3);
    EXPECT_EQ(l.decimals, 0);
    // 0.000125 * 10^7 = 1250 exactly: half to even keeps 1250 -> one zero dropped.
    l = SignificantLayout(0.125, 3);
    EXPECT_EQ(l.decimals, 3);
    l = SignificantLayout(0, 3);  // shown as 0.5
    EXPECT_EQ(l.integerDigits, 0);
    EXPECT_EQ(l.decimals, 1);
}

TEST(FormatValue, SignificantDigits) {
    const NumberFormat nf = Fmt();
    EXPECT_EQ(FormatValue(nf, 12.345), "12.35");  // 12.345 is stored a little above
    EXPECT_EQ(FormatValue(nf, 12.5), "12.5");
    EXPECT_EQ(FormatValue(nf, 0.05), "0.05");
    EXPECT_EQ(FormatValue(nf, 0.000001), "0");
    EXPECT_EQ(FormatValue(nf, 0), "0");
    EXPECT_EQ(FormatValue(nf, 210000), "210000");
    EXPECT_EQ(FormatValue(nf, 999.94), "999.9");
    EXPECT_EQ(FormatValue(nf, 0.3), "0.3");
    EXPECT_EQ(FormatValue(nf, -2.5), "-2.5");
    EXPECT_EQ(FormatValue(nf, 1.0 / 3.0), "0.333");
    EXPECT_EQ(FormatValue(nf, 1), "1");
}

TEST(FormatValue, DecimalPlacesSettingAndComma) {
    EXPECT_EQ(FormatValue(Fmt(5), 12.5), "12.500");
    EXPECT_EQ(FormatValue(Fmt(5), 0.05), "0.0500");
    EXPECT_EQ(FormatValue(Fmt(1), 12.5), "12");  // no decimals left: ties to even like printf
    EXPECT_EQ(FormatValue(Fmt(3, 2), 12.5), "12,5");
}

TEST(FormatFixed, WidthDecimalsAndTinyValues) {
    const NumberFormat nf = Fmt();
    EXPECT_EQ(FormatFixed(nf, 3, 3, 25.4), " 25.400");  // width 3 + 3 + 1
    EXPECT_EQ(FormatFixed(nf, 7, 0, 1234.4), "   1234");
    EXPECT_EQ(FormatFixed(nf, 2, 2, 1e-9), " 0.00");
    EXPECT_EQ(FormatFixed(nf, 2, 2, -1e-9), " 0.00");
    EXPECT_EQ(FormatFixed(Fmt(9), 1, 6, 1.5), "1.5000000000");  // capped at 10 decimals
    EXPECT_EQ(FormatFixed(Fmt(1), 1, 1, 2.25), "2");
    EXPECT_EQ(FormatFixed(Fmt(3, 2), 1, 2, 2.25), "2,25");
}

TEST(FormatValueWide, EngineeringFormOutsideTheMiddleRange) {
    const NumberFormat nf = Fmt();
    EXPECT_EQ(FormatValueWide(nf, 12345), "12.35E3");
    EXPECT_EQ(FormatValueWide(nf, 0.0000012), "1.2E-6");
    EXPECT_EQ(FormatValueWide(nf, -250000), "-250E3");
    EXPECT_EQ(FormatValueWide(nf, 1234.5), "1234");  // the exact tie goes to even, as printf
    EXPECT_EQ(FormatValueWide(nf, 0.5), "0.5");
}

TEST(FormatValueWide, ZeroIsPlainZero) {
    const NumberFormat nf = Fmt();
    EXPECT_EQ(FormatValueWide(nf, 0), "0");
    EXPECT_EQ(FormatValueWide(nf, 1e-13), "0");
    EXPECT_EQ(FormatValueWide(nf, -5e-13), "0");
}

TEST(FormatStored, IntegersBelowOneAndSevenDecimals) {
    const NumberFormat nf = Fmt();
    EXPECT_EQ(FormatStored(nf, 0), "0");
    EXPECT_EQ(FormatStored(nf, -3), "-3");
    EXPECT_EQ(FormatStored(nf, 1), "1.0000000");
    EXPECT_EQ(FormatStored(nf, 0.8), "0.8000000");
    EXPECT_EQ(FormatStored(nf, 1.02), "1.0200000");
    EXPECT_EQ(FormatStored(Fmt(5), 1.02), "1.020000000");
    EXPECT_EQ(FormatStored(Fmt(3, 2), 1.02), "1,0200000");
}

TEST(TableSeparatorText, ModeChoosesTheDirection) {
    NumberFormat nf;
    nf.tableSeparatorMode = 1;
    EXPECT_EQ(TableSeparatorText(nf, "1,5\t2.5"), "1.5\t2.5");
    nf.tableSeparatorMode = 2;
    EXPECT_EQ(TableSeparatorText(nf, "1,5\t2.5"), "1,5\t2,5");
}

TEST(IntegerTexts, Padding) {
    EXPECT_EQ(IntToText(-42), "-42");
    EXPECT_EQ(ZeroPad(7, 2), "07");
    EXPECT_EQ(ZeroPad(123, 2), "123");
    EXPECT_EQ(ZeroPad(-5, 3), "-05");
    EXPECT_EQ(BlankPad(7, 3), "  7");
}

TEST(TextToFloat, AcceptsCommaAndPointRejectsGarbage) {
    EXPECT_DOUBLE_EQ(TextToFloat("2,5"), 2.5);
    EXPECT_DOUBLE_EQ(TextToFloat("2.5"), 2.5);
    EXPECT_DOUBLE_EQ(TextToFloat(" -1.5e3 "), -1500);
    EXPECT_DOUBLE_EQ(TextToFloat("+4"), 4);
    EXPECT_DOUBLE_EQ(TextToFloat(".5"), 0.5);
    EXPECT_EQ(TextToFloat("abc"), 0);
    EXPECT_EQ(TextToFloat(""), 0);
    EXPECT_EQ(TextToFloat("1,5,3"), 0);  // only the first comma becomes a point
    EXPECT_EQ(TextToFloat("2.5x"), 0);
    EXPECT_EQ(TextToFloat("inf"), 0);
    EXPECT_EQ(TextToFloat("nan"), 0);
    EXPECT_EQ(TextToFloat("1e999"), 0);
    EXPECT_EQ(TextToFloat("0x10"), 0);
    EXPECT_EQ(TextToFloat("+-1"), 0);
}

TEST(TextToInt, DecimalOnly) {
    EXPECT_EQ(TextToInt("42"), 42);
    EXPECT_EQ(TextToInt(" -7 "), -7);
    EXPECT_EQ(TextToInt("+3"), 3);
    EXPECT_EQ(TextToInt("3.5"), 0);
    EXPECT_EQ(TextToInt("x"), 0);
    EXPECT_EQ(TextToInt("99999999999"), 0);
    EXPECT_EQ(TextToInt("+-3"), 0);
    EXPECT_FALSE(TryTextToInt("").has_value());
    EXPECT_FALSE(TryTextToInt("zero").has_value());
    EXPECT_EQ(TryTextToInt("0").value(), 0);
}

}  // namespace
}  // namespace zel3
