// Picking materials from the shipped material database with a scripted browser.
#include "contact/material_selection.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "../dbf/dbf_test_support.h"
#include "support/scripted_platform.h"
#include "support/scripted_table_browser.h"

namespace zel3 {
namespace {

namespace fs = std::filesystem;

class MaterialSelection : public ::testing::Test {
  protected:
    MaterialSelection() : ui(platform, number, text), browser(ui, messages) {
        for (const char* f :
             {"wst1base.dbf", "wst1base.ndx", "wst1bas1.ndx", "zel3wst.dbf", "zel3wst.ndx"}) {
            fs::copy_file(std::string(ZEL3_SOURCE_DATA_DIR) + "/" + f, dir / f);
        }
    }

    void Select(int table, int mode, int body) {
        MaterialDatabase db{ui, messages, tables, browser, dir.path()};
        SelectMaterial(db, contact, table, mode, body);
    }

    test::TempFolder dir;
    test::ScriptedPlatform platform;
    NumberFormat number;
    TextOptions text;
    UiState ui;
    MessageList messages;
    DbfWorkAreas tables;
    test::ScriptedTableBrowser browser;
    ContactCase contact;
};

// Record numbers in the shipped base table.
constexpr long kS235 = 1;
constexpr long k100Cr6 = 22;
constexpr long kRecords = 50;

TEST_F(MaterialSelection, PickFillsTheBodyWithBaseDataAndPressures) {
    browser.pickRecord = k100Cr6;
    Select(kBaseByName, 1, 2);
    EXPECT_FALSE(ui.errorFlag);
    EXPECT_EQ(browser.shownKind, 1);
    EXPECT_EQ(browser.title1, "Werkstoff-Basisdaten");
    EXPECT_EQ(ui.helpNumber, 9530);  // set last by opening the pressure table
    const ContactBody& b = contact.body[1];
    EXPECT_EQ(b.materialNumber, "1.3505");
    EXPECT_EQ(b.materialName, "100Cr6");
    EXPECT_EQ(b.materialRecord, k100Cr6);
    EXPECT_DOUBLE_EQ(b.E, 210000);
    EXPECT_DOUBLE_EQ(b.mue, 0.3);
    EXPECT_DOUBLE_EQ(b.Rm, 2180);
    EXPECT_DOUBLE_EQ(b.Re, 1800);
    EXPECT_DOUBLE_EQ(b.pHstat, 4200);
    EXPECT_DOUBLE_EQ(b.pHdyn, 1500);
    EXPECT_EQ(contact.body[0].materialNumber, "");  // the other body stays
    EXPECT_EQ(tables.Table(1), nullptr);            // everything closed again
}

TEST_F(MaterialSelection, MaterialWithoutPressureRowSwitchesThePressuresOff) {
    contact.body[0].pHstat = 4200;
    contact.body[0].pHdyn = 1500;
    browser.pickRecord = kS235;
    Select(kBaseByNumber, 1, 1);
    EXPECT_FALSE(ui.errorFlag);
    EXPECT_EQ(contact.body[0].materialName, "S235JR");
    EXPECT_DOUBLE_EQ(contact.body[0].Re, 235);
    EXPECT_DOUBLE_EQ(contact.body[0].pHstat, 0);
    EXPECT_DOUBLE_EQ(contact.body[0].pHdyn, 0);
}

TEST_F(MaterialSelection, BrowserStartsOnTheBodysMaterial) {
    contact.body[0].materialNumber = "1.3505";
    Select(kBaseByNumber, 1, 1);
    EXPECT_EQ(browser.recordWhenShown, k100Cr6);

    // Not in the index: the stored record number is taken instead.
    contact.body[0].materialNumber = "9.9999";
    contact.body[0].materialRecord = 12;
    Select(kBaseByNumber, 1, 1);
    EXPECT_EQ(browser.recordWhenShown, 12);
    EXPECT_EQ(contact.body[0].materialRecord, 12);
    EXPECT_EQ(contact.body[0].materialName, "42CrMo4");

    // The name index never finds a number, so the record number serves there too.
    contact.body[0].materialRecord = 12;
    Select(kBaseByName, 1, 1);
    EXPECT_EQ(browser.recordWhenShown, 12);

    // A record number beyond the table: noted, and the last record is shown.
    contact.body[0].materialNumber = "";
    contact.body[0].materialRecord = 99;
    Select(kBaseByNumber, 1, 1);
    EXPECT_EQ(browser.recordWhenShown, kRecords);
    ASSERT_EQ(messages.MessageCount(), 1);
    EXPECT_EQ(messages.MessageText(1), "DBF #99 not found.");
}

TEST_F(MaterialSelection, CancelAndMissingTablesLeaveTheCase) {
    contact.body[0].materialNumber = "1.7225";
    contact.body[0].E = 123;
    browser.cancel = true;
    Select(kBaseByNumber, 1, 1);
    EXPECT_TRUE(ui.errorFlag);
    EXPECT_DOUBLE_EQ(contact.body[0].E, 123);
    EXPECT_EQ(contact.body[0].materialRecord, 0);

    ui.errorFlag = false;
    browser.cancel = false;
    fs::remove(dir / "wst1base.dbf");
    Select(kBaseByNumber, 1, 1);
    EXPECT_TRUE(ui.errorFlag);
    ASSERT_FALSE(platform.messages.empty());
    EXPECT_EQ(platform.messages.back().text,
              "Datei " + dir.path() + "/wst1base.dbf nicht gefunden oder kein Zugriffsrecht !");
    EXPECT_DOUBLE_EQ(contact.body[0].E, 123);
}

// The pick is completed from the pressure table; without it nothing of the pick is taken, so
// the material dialog, which refreshes only after a successful pick, shows the case as it is.
TEST_F(MaterialSelection, PickWithoutThePressureTableLeavesTheBodyWhole) {
    ContactBody& b = contact.body[0];
    b.materialNumber = "1.7225";
    b.materialName = "42CrMo4";
    b.materialRecord = 12;
    b.E = 210000;
    b.Re = 750;
    b.pHstat = 1251;
    b.pHdyn = 782;
    const ContactBody before = b;
    fs::remove(dir / "zel3wst.dbf");
    browser.pickRecord = k100Cr6;
    Select(kBaseByNumber, 1, 1);
    EXPECT_TRUE(ui.errorFlag);
    ASSERT_FALSE(platform.messages.empty());
    EXPECT_NE(platform.messages.back().text.find("zel3wst.dbf nicht gefunden"), std::string::npos);
    EXPECT_EQ(b.materialNumber, before.materialNumber);
    EXPECT_EQ(b.materialName, before.materialName);
    EXPECT_EQ(b.materialRecord, before.materialRecord);
    EXPECT_DOUBLE_EQ(b.Re, before.Re);
    EXPECT_DOUBLE_EQ(b.pHstat, before.pHstat);
    EXPECT_DOUBLE_EQ(b.pHdyn, before.pHdyn);
    EXPECT_EQ(tables.Table(1), nullptr);
}

TEST_F(MaterialSelection, BrowsingShowsTheTableFromItsFirstRow) {
    fs::remove(dir / "zel3wst.ndx");  // rebuilt from its key on opening
    Select(kPressureTable, 0, 1);
    EXPECT_FALSE(ui.errorFlag);
    EXPECT_EQ(browser.shownKind, 0);
    EXPECT_EQ(browser.title1, "");
    EXPECT_EQ(browser.positions, std::vector<long>{1});
    EXPECT_EQ(browser.recordWhenShown, 1);
    EXPECT_EQ(ui.helpNumber, 9530);
    EXPECT_TRUE(fs::exists(dir / "zel3wst.ndx"));
    EXPECT_EQ(contact.body[0].materialNumber, "");
}

TEST_F(MaterialSelection, NameIndexListsTheSameRowsByName) {
    MaterialDatabase db{ui, messages, tables, browser, dir.path()};
    std::vector<long> byNumber, byName;
    std::vector<std::string> names;
    for (int table : {kBaseByNumber, kBaseByName}) {
        const int area = OpenMaterialTable(db, table);
        ASSERT_GT(area, 0);
        DbfTable& t = *tables.Table(area);
        for (bool ok = t.GoTop(); ok && !t.AtEnd(); ok = t.Skip(1)) {
            (table == 1 ? byNumber : byName).push_back(t.RecordNumber());
            if (table == 2) names.push_back(UpperAscii(t.FieldText(2)));
        }
        tables.Close(area);
    }
    ASSERT_EQ(byNumber.size(), static_cast<size_t>(kRecords));
    EXPECT_NE(byNumber, byName);
    EXPECT_TRUE(std::is_sorted(names.begin(), names.end()));
    std::sort(byNumber.begin(), byNumber.end());
    std::sort(byName.begin(), byName.end());
    EXPECT_EQ(byNumber, byName);
}

}  // namespace
}  // namespace zel3
