#include <gtest/gtest.h>

#include "shell/status_hint.h"

namespace zel3 {
namespace {

TEST(StatusHintTest, StartWithoutProjectSaysWhereToBegin) {
    StatusHintInput in;
    in.startScreen = true;
    in.drawingShown = true;  // the logo
    in.examplesFolder = "/usr/share/zel3/examples";
    const std::string en = StatusHint(in);
    EXPECT_NE(en.find("File \xE2\x86\x92 New"), std::string::npos) << en;
    EXPECT_NE(en.find("File \xE2\x86\x92 Open"), std::string::npos) << en;
    EXPECT_NE(en.find("/usr/share/zel3/examples"), std::string::npos) << en;

    // German menus: the hint names the German captions and speaks German.
    in.language = 1;
    in.fileMenu = CaptionWithoutMnemonic("&Datei");
    in.newItem = CaptionWithoutMnemonic("&Neu");
    in.openItem = CaptionWithoutMnemonic("\xC3\x96&ffnen...");
    const std::string de = StatusHint(in);
    EXPECT_EQ(de.rfind("Beginnen mit Datei \xE2\x86\x92 Neu", 0), 0u) << de;
    EXPECT_NE(de.find("Datei \xE2\x86\x92 \xC3\x96"
                      "ffnen (Projekt laden)"),
              std::string::npos)
        << de;
    EXPECT_NE(de.find("Beispiele in /usr/share/zel3/examples"), std::string::npos) << de;
}

TEST(StatusHintTest, ZoomAndPanKeysOnlyWhileADrawingIsShown) {
    StatusHintInput in;
    EXPECT_EQ(StatusHint(in), "");
    in.drawingShown = true;
    const std::string keys = StatusHint(in);
    for (const char* word :
         {"mouse wheel", "+", "left button", "arrow keys", "Page Up", "Esc", "F5", "right button"})
        EXPECT_NE(keys.find(word), std::string::npos) << word;
    in.language = 1;
    EXPECT_NE(StatusHint(in).find("Pfeiltasten"), std::string::npos);
}

TEST(StatusHintTest, CaptionsLoseTheirShortcutMarks) {
    EXPECT_EQ(CaptionWithoutMnemonic("&File"), "File");
    EXPECT_EQ(CaptionWithoutMnemonic("Save &As..."), "Save As");
    EXPECT_EQ(CaptionWithoutMnemonic("A && B"), "A & B");
    EXPECT_EQ(CaptionWithoutMnemonic("&"), "");
    EXPECT_EQ(CaptionWithoutMnemonic(""), "");
}

}  // namespace
}  // namespace zel3
