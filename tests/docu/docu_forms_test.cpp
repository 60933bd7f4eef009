// The change dialog, the drawing information dialog and the documents set-up as forms, and
// the change log written through the report writer.

#include <gtest/gtest.h>

#include <memory>

#include "docu/change_command.h"
#include "docu/docu_forms.h"
#include "docu/linked_documents.h"
#include "shell/program.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"

namespace zel3 {
namespace {

class DocuForms : public ::testing::Test {
  protected:
    DocuForms() {
        auto platform = std::make_unique<test::ScriptedPlatform>();
        platform_ = platform.get();
        program_ = std::make_unique<Program>(std::move(platform));
        program_->settings.folders.TempDir = temp_.Dir();
    }
    std::string Outwin() const { return test::ReadBytes(temp_ / "outwin.txt"); }

    test::TempFolder temp_;
    test::ScriptedPlatform* platform_ = nullptr;
    std::unique_ptr<Program> program_;
};

TEST_F(DocuForms, NewChangeThroughTheDialogIsCutAndListed) {
    Program& p = *program_;
    ChangeForm shown;
    int help = 0;
    platform_->changeDialogs.push_back([&](ChangeForm& f) {
        shown = f;
        help = p.ui.helpNumber;
        f.designation = "Radius ge\xC3\xA4ndert und noch viel mehr";  // 33 characters
        f.editor = "Huber";
        f.description = "zwei\nZeilen";
        return true;
    });
    ChangeCommand(p, kChangeNew);
    EXPECT_FALSE(p.ui.errorFlag);
    EXPECT_EQ(shown.number, 1);
    EXPECT_EQ(shown.date, shown.today);  // a new entry is dated today
    EXPECT_EQ(help, 3000);
    const ChangeEntry& e = p.contactCase.changes.entries[0];
    ASSERT_EQ(p.contactCase.changes.count, 1);
    EXPECT_EQ(e.designation, "Radius ge\x84ndert und ");  // code page 850, 20 characters
    EXPECT_EQ(e.editor, "Huber");
    EXPECT_EQ(e.description, "zwei\nZeilen");

    // Shown through the report writer on the screen target.
    EXPECT_EQ(platform_->messages.back().caption, "text file");
    const std::string report = Outwin();
    EXPECT_NE(report.find("\xC3\x84nderungsprotokoll"), std::string::npos);
    EXPECT_NE(report.find("  a     " + e.date), std::string::npos);
    EXPECT_NE(report.find(" zwei Zeilen"), std::string::npos);
}

TEST_F(DocuForms, CancelledChangeDialogKeepsTheLog) {
    Program& p = *program_;
    platform_->changeDialogs.push_back([](ChangeForm& f) {
        f.designation = "weg";
        return false;
    });
    ChangeCommand(p, kChangeNew);
    EXPECT_TRUE(p.ui.errorFlag);
    EXPECT_EQ(p.contactCase.changes.count, 0);
    EXPECT_EQ(p.contactCase.changes.entries[0].designation, "");
}

TEST_F(DocuForms, PrintChangesUsesTheConfiguredTarget) {
    Program& p = *program_;
    p.settings.textDevice = kTargetDosFile;
    p.contactCase.changes.count = 1;
    p.contactCase.changes.entries[0] = {"Kraft", "04.12.2026", "MA", "neu"};
    ChangeCommand(p, kChangePrint);
    EXPECT_FALSE(p.ui.errorFlag);
    const std::string dos = test::ReadBytes(temp_ / "OUTDOS.TXT");
    EXPECT_NE(dos.find("\x8Enderungsprotokoll"), std::string::npos);
    EXPECT_NE(dos.find("Kraft"), std::string::npos);
    EXPECT_TRUE(platform_->messages.empty());  // nothing on the screen
}

TEST_F(DocuForms, DrawingInfoRowsUpToTheFirstEmptyText) {
    Program& p = *program_;
    p.settings.releaseText = "Frei";
    DrawingInfoForm shown;
    platform_->drawingInfoDialogs.push_back([&](DrawingInfoForm& f) {
        shown = f;
        f.replaces = "ZL-0815-ersetzt-lang";  // cut to 15
        f.names[0] = "M\xC3\xBCller-Lüdenscheidt";
        f.placements[0] = {"10", "20", "3,5", "90", "Kugel"};
        f.placements[1] = {"1", "2", "2.5", "0", "Rolle"};
        f.placements[2] = {"", "", "", "", "  "};
        f.placements[3] = {"5", "5", "5", "5", "nicht mehr"};
        return true;
    });
    ChangeCommand(p, kChangeDrawingInfo);
    EXPECT_FALSE(p.ui.errorFlag);
    EXPECT_EQ(shown.rowCaptions[3], "Frei");
    EXPECT_EQ(shown.dates[0], shown.today);
    const DrawingInfo& d = p.contactCase.drawingInfo;
    EXPECT_EQ(d.replaces, "ZL-0815-ersetzt");
    EXPECT_EQ(d.signOff[kDrawnBy].name,
              "M\x81ller-L\x81"
              "d");  // 10 characters
    EXPECT_EQ(d.placementCount, 2);
    EXPECT_DOUBLE_EQ(d.placements[0].h, 3.5);
    EXPECT_DOUBLE_EQ(d.placements[0].phi, 90.0);
    EXPECT_EQ(d.placements[1].text, "Rolle");

    // The stored rows come back into the grid; an empty grid keeps one empty row.
    platform_->drawingInfoDialogs.push_back([&](DrawingInfoForm& f) {
        shown = f;
        for (auto& row : f.placements) row = {};
        return true;
    });
    ChangeCommand(p, kChangeDrawingInfo);
    EXPECT_EQ(shown.placements[1][4], "Rolle");
    EXPECT_EQ(shown.placements[0][2], "3.5");
    EXPECT_EQ(d.placementCount, 1);

    platform_->drawingInfoDialogs.push_back([](DrawingInfoForm& f) {
        f.replaces = "anders";
        return false;
    });
    ChangeCommand(p, kChangeDrawingInfo);
    EXPECT_TRUE(p.ui.errorFlag);
    EXPECT_EQ(d.replaces, "ZL-0815-ersetzt");
}

TEST_F(DocuForms, DocumentSetupCutsToFiftyAndCancelKeepsTheSlots) {
    Program& p = *program_;
    DocumentForm shown;
    const std::string longPath = "/home/user/dokumente/" + std::string(39, 'x');  // 60
    platform_->documentDialogs.push_back([&](DocumentForm& f) {
        shown = f;
        f.programs[0] = "libreoffice";
        f.files[0] = longPath;
        f.files[4] = "/tmp/\xC3\xBC.txt";
        return true;
    });
    DocumentSetup(p);
    EXPECT_FALSE(p.ui.errorFlag);
    EXPECT_EQ(shown.programs[2], "xdg-open");
    EXPECT_EQ(shown.files[2], "");
    const auto& slots = p.contactCase.documents;
    EXPECT_EQ(slots[0].program, "libreoffice");
    EXPECT_EQ(slots[0].file, longPath.substr(0, 50));
    EXPECT_EQ(slots[4].file, "/tmp/\x81.txt");  // stored in code page 850

    platform_->documentDialogs.push_back([](DocumentForm& f) {
        f.programs[0] = "vi";
        return false;
    });
    DocumentSetup(p);
    EXPECT_TRUE(p.ui.errorFlag);
    EXPECT_EQ(slots[0].program, "libreoffice");
}

TEST_F(DocuForms, WithoutASetupWindowTheFieldsAreAsked) {
    Program& p = *program_;
    for (int i = 0; i < 10; ++i)
        platform_->dialogAnswers.push_back(test::DialogAnswer::Text(i == 1 ? "/tmp/a.pdf" : ""));
    DocumentSetup(p);
    EXPECT_FALSE(p.ui.errorFlag);
    ASSERT_EQ(platform_->requests.size(), 10u);
    EXPECT_EQ(platform_->requests[0].prompt, "Program 1");
    EXPECT_EQ(platform_->requests[0].maxLength, 50);
    EXPECT_EQ(p.contactCase.documents[0].file, "/tmp/a.pdf");
}

}  // namespace
}  // namespace zel3
