#include <gtest/gtest.h>

#include <map>

#include "shell/language_tables.h"
#include "shell/language_texts.h"
#include "shell/menu_texts.h"

namespace zel3 {
namespace {

std::map<std::string, std::string> Captions(const LanguageTexts& t) {
    std::map<std::string, std::string> m;
    for (const auto& [name, caption] : ApplyMenuTexts(t)) m[name] = caption;
    return m;
}

TEST(LanguageTexts, GermanAndEnglishCaptionsOfTheMenu) {
    LanguageTexts t;
    auto de = Captions(t);
    EXPECT_EQ(de["mi_file"], "&Datei");
    EXPECT_EQ(de["mi_fileOpen"], "Ö&ffnen...");
    EXPECT_EQ(de["mi_fileTabelle"], "Ö&ffnen... (&Tabelle)");
    EXPECT_EQ(de["mi_editLast"], "Bel&astung");
    EXPECT_EQ(de["mi_docuDocument3"], "D&okument &3");
    EXPECT_EQ(de["mi_helpLanguage"], "Menü &Sprache");

    t.SetLanguage(2);
    auto en = Captions(t);
    EXPECT_EQ(en["mi_fileSaveAs"], "Save &As...");
    EXPECT_EQ(en["mi_docuModify"], "&Edit previous modification");
    EXPECT_EQ(en["mi_helpHilfebild"], "&Auxiliary images");
    EXPECT_EQ(en["mi_editGeometrie"], "&Geometry");
}

TEST(LanguageTexts, KoreanCaptionsEndWithTheirAccessKeyAndGermanComesBack) {
    LanguageTexts t;
    const auto german = Captions(t);
    t.SetLanguage(8);
    for (const auto& [name, caption] : Captions(t)) {
        if (name == "mi_helpLanguage" || name == "mi_fileTabelle" || name.rfind("mi_docuDocument", 0) == 0) continue;
        ASSERT_GE(caption.size(), 4u) << name;
        EXPECT_EQ(caption.substr(caption.size() - 4, 2), "(&") << name << " " << caption;
        EXPECT_EQ(caption.back(), ')') << name;
    }
    t.SetLanguage(1);
    EXPECT_EQ(Captions(t), german);
}

TEST(LanguageTexts, ALanguageWithoutTechnicalWordsKeepsThePreviousOnes) {
    LanguageTexts t;
    t.SetLanguage(2);
    t.SetLanguage(4);  // Italian: menu words only
    EXPECT_EQ(t.General(kFile), "&File");
    EXPECT_EQ(t.General(kEdit), "&Modifica");
    EXPECT_EQ(t.Technical(kLoad), "Lo&ad");
    t.SetLanguage(0);  // unknown: nothing changes
    EXPECT_EQ(t.General(kEdit), "&Modifica");
    t.SetLanguage(3);
    EXPECT_EQ(t.Technical(kGeometry), "&Géométrie");
}

TEST(LanguageTexts, EverySlotHasATextInEveryLanguage) {
    for (int s = 0; s < kGeneralSlotCount; ++s)
        for (const char* text : kGeneralTable[s]) EXPECT_NE(std::string(text), "") << s;
    for (int s = 0; s < kTechnicalSlotCount; ++s)
        for (const char* text : kTechnicalTable[s]) EXPECT_NE(std::string(text), "") << s;
}

}  // namespace
}  // namespace zel3
