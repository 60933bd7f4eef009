#include "report/printout_setup.h"

#include <gtest/gtest.h>

#include "dbf/dbf_test_support.h"
#include "support/scripted_platform.h"
#include "support/scripted_table_browser.h"

namespace zel3 {
namespace {

TEST(PrintoutForm, StartsFromTheSettings) {
    Settings s;
    s.screendumpScale = 2.5;
    s.printScaleVertical = 0.75;
    s.screendumpOriginX = 12;
    s.screendumpOriginY = -3;
    s.screendumpBorder = true;
    s.printerOrientation = 3;  // anything but 1 prints landscape
    s.windowsPrintMode = 2;
    PrintoutForm f = PrintoutFormFrom(s, 3);
    EXPECT_EQ(f.scaleX, "2.5");
    EXPECT_EQ(f.scaleY, "0.75");
    EXPECT_EQ(f.originX, "12");
    EXPECT_EQ(f.originY, "-3");
    EXPECT_TRUE(f.border);
    EXPECT_EQ(f.orientation, 1);
    EXPECT_EQ(f.shading, 1);

    // A picture drawn last in output mode 2 has scales of its own.
    f = PrintoutFormFrom(s, 2);
    EXPECT_EQ(f.scaleX, "1.9");
    EXPECT_EQ(f.scaleY, "1");
    EXPECT_EQ(f.originX, "0");
    EXPECT_FALSE(f.border);
    EXPECT_EQ(f.orientation, 0);
}

TEST(PrintoutForm, OkCopiesIntoThePrintParameters) {
    PrintoutForm f;
    f.scaleX = "1,5";
    f.scaleY = "abc";
    f.originX = "20";
    f.originY = "x";
    f.border = true;
    f.shading = 1;
    PrintParameters p;
    StorePrintParameters(f, p);
    EXPECT_DOUBLE_EQ(p.scaleX, 1.5);
    EXPECT_DOUBLE_EQ(p.scaleY, 0.0);
    EXPECT_EQ(p.originX, 20);
    EXPECT_EQ(p.originY, 0);
    EXPECT_TRUE(p.border);
    EXPECT_EQ(p.colorMode, 2);
}

struct SetupFixture {
    test::TempFolder dir;
    test::ScriptedPlatform platform;
    NumberFormat nf;
    TextOptions text;
    UiState ui{platform, nf, text};
    MessageList messages;
    test::ScriptedTableBrowser browser{ui, messages};
    long lastRecord = 0;
    PrintSetupStore store{ui, messages, browser, dir.path() + "/", lastRecord};
};

// A set-up stored and loaded again restores all its fields; dbfread reads the table too.
TEST(PrintSetupTable, StoredSetupLoadsAgain) {
    SetupFixture fx;
    PrintoutForm a;
    a.scaleX = "1.25";
    a.scaleY = "0.5";
    a.originX = "15";
    a.originY = "-10";
    a.border = true;
    a.fit = true;
    a.shading = 0;
    a.orientation = 1;
    fx.platform.dialogAnswers.push_back(test::DialogAnswer::Text("Laser A4 quer"));
    EXPECT_TRUE(StorePrintSetup(fx.store, a));
    PrintoutForm b = a;
    b.scaleX = "3";
    b.orientation = 0;
    b.fit = false;
    fx.platform.dialogAnswers.push_back(test::DialogAnswer::Text("Hoch"));
    EXPECT_TRUE(StorePrintSetup(fx.store, b));
    EXPECT_EQ(fx.platform.requests[0].prompt, "Name");
    EXPECT_EQ(fx.platform.requests[0].maxLength, 25);

    int status = -1;
    const std::string dump = test::ReaderDump(fx.dir / "printout.dbf", status);
    ASSERT_EQ(status, 0) << dump;
    EXPECT_NE(dump.find("Laser A4 quer|1.2500|0.5000|15|-10|T|T|T|T"), std::string::npos) << dump;
    EXPECT_NE(dump.find("Hoch|3.0000|0.5000|15|-10|F|T|F|T"), std::string::npos) << dump;

    PrintoutForm loaded;
    fx.browser.pickRecord = 1;
    EXPECT_TRUE(LoadPrintSetup(fx.store, fx.nf, loaded));
    EXPECT_EQ(fx.browser.title1, "Printout");
    EXPECT_EQ(fx.lastRecord, 1);
    EXPECT_EQ(loaded.scaleX, "1.25");
    EXPECT_EQ(loaded.scaleY, "0.5");
    EXPECT_EQ(loaded.originX, "15");
    EXPECT_EQ(loaded.originY, "-10");
    EXPECT_TRUE(loaded.border);
    EXPECT_TRUE(loaded.fit);
    EXPECT_EQ(loaded.shading, 0);
    EXPECT_EQ(loaded.orientation, 1);

    // The browser opens on the set-up chosen last.
    fx.browser.pickRecord = 2;
    EXPECT_TRUE(LoadPrintSetup(fx.store, fx.nf, loaded));
    EXPECT_EQ(fx.browser.positions.back(), 1);
    EXPECT_EQ(loaded.orientation, 0);
    EXPECT_EQ(fx.lastRecord, 2);
}

TEST(PrintSetupTable, CancelStoresAndLoadsNothing) {
    SetupFixture fx;
    PrintoutForm f;
    f.scaleX = "7";
    fx.platform.dialogAnswers.push_back(test::DialogAnswer::Cancel());
    EXPECT_FALSE(StorePrintSetup(fx.store, f));
    fx.browser.cancel = true;
    PrintoutForm before = f;
    EXPECT_FALSE(LoadPrintSetup(fx.store, fx.nf, f));
    EXPECT_EQ(f.scaleX, before.scaleX);
    EXPECT_FALSE(fx.ui.errorFlag);
    int status = -1;
    const std::string dump = test::ReaderDump(fx.dir / "printout.dbf", status);
    ASSERT_EQ(status, 0) << dump;
    EXPECT_EQ(dump.find("7.0000"), std::string::npos) << dump;
}

TEST(PrintSetupTable, DamagedTableIsReportedAndKeepsTheDialogValues) {
    SetupFixture fx;
    test::WriteFileBytes(fx.dir / "printout.dbf", "kein dBase");
    PrintoutForm f;
    f.scaleX = "2";
    EXPECT_FALSE(LoadPrintSetup(fx.store, fx.nf, f));
    EXPECT_TRUE(fx.ui.errorFlag);
    EXPECT_EQ(f.scaleX, "2");
    EXPECT_FALSE(fx.platform.messages.empty());
    EXPECT_EQ(test::ReadFileBytes(fx.dir / "printout.dbf"), "kein dBase");
}

}  // namespace
}  // namespace zel3
