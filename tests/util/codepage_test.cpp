#include "util/codepage.h"

#include <gtest/gtest.h>

namespace zel3 {
namespace {

TextOptions Opt(bool transliterate = false, int cadMode = 1) {
    TextOptions o;
    o.transliterate = transliterate;
    o.cadTextMode = cadMode;
    return o;
}

TEST(Codepage, OemToDisplayGivesUtf8) {
    // "Größe µ 5°" in code page 850
    const std::string oem =
        "Gr\x94\xE1"
        "e \xE6 5\xF8";
    EXPECT_EQ(OemToDisplay(Opt(), oem), "Größe µ 5°");
    EXPECT_EQ(OemToDisplay(Opt(), "\xC9\xCD\xBB"), "╔═╗");
    EXPECT_EQ(OemToDisplay(Opt(), std::string(254, 'a')).size(), 254u);
    EXPECT_EQ(OemToDisplay(Opt(), std::string(255, 'a')), "");
}

TEST(Codepage, TransliteratedDisplay) {
    EXPECT_EQ(Transliterate("\x84\x94\x81\xE1\xF8\xFD\xF1"), "aeoeuessdeg2+/-");
    EXPECT_EQ(OemToDisplay(Opt(true),
                           "Gr\x94\xE1"
                           "e 5\xF8"),
              "Groesse 5deg");
    // Box drawing becomes plain characters; "|" stays what it is.
    EXPECT_EQ(OemToDisplay(Opt(true), "\xC9\xCD\xBB\xBA\xB3|"), "+-+|||");
    EXPECT_EQ(OemToDisplay(Opt(true), "\x8F\x90"), "ÅÉ");
}

TEST(Codepage, DisplayToOemRoundTripsAndMarksUnknown) {
    for (int b = 1; b < 256; ++b) {
        const std::string oem(1, static_cast<char>(b));
        EXPECT_EQ(DisplayToOem(OemToDisplay(Opt(), oem)), oem) << b;
    }
    EXPECT_EQ(DisplayToOem("Maß €"), "Ma\xE1 ?");
    EXPECT_EQ(DisplayToOem("a\xFF"
                           "b"),
              "a?b");                           // malformed UTF-8
    EXPECT_EQ(DisplayToOem("\xE2\x82"), "??");  // truncated sequence
    EXPECT_EQ(DisplayToOem(std::string(255, 'x')), "");
    std::string umlauts;  // 254 characters in 508 bytes: the limit counts characters
    for (int i = 0; i < 254; ++i) umlauts += "ä";
    EXPECT_EQ(DisplayToOem(umlauts).size(), 254u);
}

TEST(Codepage, CadTextModes) {
    const std::string oem = "\x84\xF8";
    EXPECT_EQ(CadText(Opt(false, 1), oem), oem);
    EXPECT_EQ(CadText(Opt(false, 2), oem), "\xE4\xB0");  // Windows-1252 bytes
    EXPECT_EQ(CadText(Opt(false, 3), oem), "aedeg");
    EXPECT_EQ(Windows1252ToUtf8("\x80\xE4"), "€ä");
    EXPECT_EQ(Utf8ToWindows1252("€ä╔"), "\x80\xE4?");
}

}  // namespace
}  // namespace zel3
