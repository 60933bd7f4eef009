#include "docu/linked_documents.h"

#include <gtest/gtest.h>

#include "support/scripted_platform.h"
#include "util/command_line_words.h"

namespace zel3 {
namespace {

TEST(LinkedDocuments, FreshSlotsOpenWithTheDesktopOpener) {
    ContactCase c;
    for (const DocumentSlot& s : c.documents) {
        EXPECT_EQ(s.program, "xdg-open");
        EXPECT_EQ(s.file, "");
    }
    // An empty file leaves the trailing blank and no argument.
    EXPECT_EQ(DocumentCommandLine(c.documents[0]), "xdg-open ");
    EXPECT_EQ(SplitCommandLine(DocumentCommandLine(c.documents[0])),
              std::vector<std::string>{"xdg-open"});
}

TEST(LinkedDocuments, CommandLineIsCappedLikeTheSlots) {
    const DocumentSlot full = LimitedDocumentSlot(std::string(60, 'p'), std::string(60, 'f'));
    EXPECT_EQ(full.program.size(), 50u);
    EXPECT_EQ(full.file.size(), 50u);
    EXPECT_EQ(DocumentCommandLine(full).size(), 101u);
    EXPECT_EQ(DocumentCommandLine(full), std::string(50, 'p') + " " + std::string(50, 'f'));
    const DocumentSlot longer{std::string(70, 'p'), std::string(70, 'f')};
    EXPECT_EQ(DocumentCommandLine(longer), std::string(51, 'p') + std::string(50, 'f'));
}

TEST(LinkedDocuments, OpeningStartsTheProgramWithItsFile) {
    test::ScriptedPlatform platform;
    EXPECT_TRUE(OpenDocument(platform, {"libreoffice", "/daten/Lager liste.ods"}));
    ASSERT_EQ(platform.startedPrograms.size(), 1u);
    EXPECT_EQ(SplitCommandLine(platform.startedPrograms[0]),
              (std::vector<std::string>{"libreoffice", "/daten/Lager liste.ods"}));
    // Code page 850 texts reach the program as UTF-8.
    OpenDocument(platform, {"xdg-open", "/daten/\x84nderung.txt"});
    EXPECT_EQ(platform.startedPrograms[1], "xdg-open /daten/\xC3\xA4nderung.txt");
    // Without a program the file goes to the desktop's opener; with neither nothing starts.
    OpenDocument(platform, {"", "/daten/blatt.pdf"});
    EXPECT_EQ(platform.startedPrograms[2], "url /daten/blatt.pdf");
    EXPECT_FALSE(OpenDocument(platform, {" ", ""}));
    EXPECT_EQ(platform.startedPrograms.size(), 3u);
}

// The Documentation menu says why nothing opens instead of doing nothing.
TEST(LinkedDocuments, EmptySlotsAndMissingProgramsAreReported) {
    test::ScriptedPlatform platform;
    NumberFormat number;
    TextOptions text;
    UiState ui{platform, number, text};
    OpenDocumentChecked(ui, DocumentSlot{}, 2);
    OpenDocumentChecked(ui, {" ", " "}, 3);
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(platform.messages[0].kind, BoxKind::Note);
    EXPECT_EQ(platform.messages[0].text.rfind("Document 2 ist leer", 0), 0u)
        << platform.messages[0].text;
    EXPECT_EQ(platform.messages[1].text.rfind("Document 3 ist leer", 0), 0u);

    platform.messages.clear();
    OpenDocumentChecked(ui, {"gibt-es-nicht-zel3 -x", "/daten/a.txt"}, 1);
    OpenDocumentChecked(ui, {"/nicht/da/\x84nderung", "/daten/a.txt"}, 1);
    ASSERT_EQ(platform.messages.size(), 2u);
    EXPECT_EQ(platform.messages[0].kind, BoxKind::Error);
    EXPECT_EQ(platform.messages[0].text, "gibt-es-nicht-zel3 -x not found");
    EXPECT_EQ(platform.messages[1].text, "/nicht/da/\xC3\xA4nderung not found");
    EXPECT_TRUE(platform.startedPrograms.empty());

    // A program of its own starts without a file; a file alone goes to the desktop's opener.
    platform.messages.clear();
    OpenDocumentChecked(ui, {"sh", ""}, 4);
    OpenDocumentChecked(ui, {"", "/daten/blatt.pdf"}, 5);
    EXPECT_TRUE(platform.messages.empty());
    EXPECT_EQ(platform.startedPrograms, (std::vector<std::string>{"sh ", "url /daten/blatt.pdf"}));
}

}  // namespace
}  // namespace zel3
