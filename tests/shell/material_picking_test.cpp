// The material dialog's "Datenbank..." and the Database menu through the program's browser.
#include "shell/material_picking.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "report/report_test_support.h"
#include "support/scripted_table_browser.h"

namespace zel3::test {
namespace {

class MaterialPicking : public ::testing::Test, protected ReportProgram {
  protected:
    MaterialPicking() : browser(program.ui, program.messages) {
        for (const char* f :
             {"wst1base.dbf", "wst1base.ndx", "wst1bas1.ndx", "zel3wst.dbf", "zel3wst.ndx"}) {
            std::filesystem::copy_file(std::string(ZEL3_SOURCE_DATA_DIR) + "/" + f, temp / f);
        }
        program.settings.folders.DbfDir = temp.Dir();
        program.tableBrowser = &browser;
        InstallMaterialPicking(program);
    }
    ScriptedTableBrowser browser;
};

TEST_F(MaterialPicking, PickFillsTheBodyAndCancelChangesNothing) {
    ContactBody& b = program.contactCase.body[1];
    b.materialNumber = "1.3505";  // not a key of the name index: the record number decides
    b.materialRecord = 12;
    browser.cancel = true;
    EXPECT_FALSE(program.pickMaterial(2));
    EXPECT_EQ(b.materialName, "");
    EXPECT_EQ(browser.title1, "Werkstoff-Basisdaten");
    EXPECT_EQ(browser.shownModeWord, "CLOSE");
    EXPECT_EQ(browser.shownKind, 1);
    EXPECT_EQ(browser.recordWhenShown, 12) << "starts on the body's last record";

    browser.cancel = false;
    browser.pickRecord = 22;
    EXPECT_TRUE(program.pickMaterial(2));
    EXPECT_EQ(b.materialName, "100Cr6");
    EXPECT_DOUBLE_EQ(b.E, 210000);
    EXPECT_DOUBLE_EQ(b.pHstat, 4200);
    EXPECT_DOUBLE_EQ(b.pHdyn, 1500);
    EXPECT_EQ(b.materialRecord, 22);
    EXPECT_EQ(program.dbfTables.Table(1), nullptr) << "tables closed again";
}

TEST_F(MaterialPicking, MissingTableIsReported) {
    std::filesystem::remove(temp / "wst1base.dbf");
    EXPECT_FALSE(program.pickMaterial(1));
    ASSERT_EQ(platform->messages.size(), 1u);
    EXPECT_EQ(platform->messages[0].text,
              "Datei " + temp.Dir() + "wst1base.dbf nicht gefunden oder kein Zugriffsrecht !");
    EXPECT_EQ(browser.shownKind, -1) << "nothing shown";
}

TEST_F(MaterialPicking, WithoutABrowserNothingIsPicked) {
    program.tableBrowser = nullptr;
    EXPECT_FALSE(program.pickMaterial(1));
    EXPECT_EQ(program.contactCase.body[0].materialName, "");
}

TEST_F(MaterialPicking, DatabaseMenuBrowsesThePressureTableWithoutChangingTheCase) {
    const ContactBody before = program.contactCase.body[0];
    BrowseMaterialTable(program, 3);
    EXPECT_EQ(browser.shownKind, 0);
    EXPECT_EQ(browser.shownModeWord, "");
    EXPECT_EQ(browser.title1, "");
    EXPECT_EQ(browser.positions, std::vector<long>{1});
    EXPECT_EQ(program.contactCase.body[0].materialName, before.materialName);
    EXPECT_DOUBLE_EQ(program.contactCase.body[0].pHstat, before.pHstat);
}

}  // namespace
}  // namespace zel3::test
