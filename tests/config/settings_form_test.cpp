#include "config/settings_form.h"

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "config/config_file.h"
#include "shell/program.h"
#include "shell/settings_command.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"
#include "util/codepage.h"

namespace zel3 {
namespace {

SettingsFormContext Context() {
    SettingsFormContext c;
    c.screen.width = 1600;
    c.screen.height = 1200;
    c.frameWidth = 10;
    c.frameHeight = 40;
    return c;
}

TEST(SettingsForm, UnchangedFormKeepsTheRecord) {
    Settings s;
    s.MaxX = 799;
    s.MaxY = 599;
    s.default3d = {0.5, -0.25, 1.0};
    s.releaseText = Utf8ToOem("Größe frei");
    s.layerName[5] = Utf8ToOem("Außen");
    s.kavrotCount = 3;
    s.kavrotCommand[2] = "wkavrot kavrot /CPS";
    s.kavrotCommand[3] = "wkavrot kavrot /CPL2";
    s.number.separator = 2;
    s.textWindow = {5, 6, 700, 500};
    s.suppressDate = true;
    const Settings before = s;
    StoreSettingsForm(SettingsFormFrom(s), s, Context());
    EXPECT_EQ(s.MaxX, 799);
    EXPECT_EQ(s.MaxY, 599);
    for (size_t i = 0; i < 3; ++i) EXPECT_NEAR(s.default3d[i], before.default3d[i], 1e-9);
    EXPECT_EQ(s.releaseText, before.releaseText);
    EXPECT_EQ(s.layerName, before.layerName);
    EXPECT_EQ(s.layerColor, before.layerColor);
    EXPECT_EQ(s.layerThickness, before.layerThickness);
    EXPECT_EQ(s.kavrotCount, 3);
    EXPECT_EQ(s.kavrotCommand, before.kavrotCommand);
    EXPECT_EQ(s.number.separator, 2);
    EXPECT_EQ(s.textWindow.width, 700);
    EXPECT_DOUBLE_EQ(s.zoomFactor, before.zoomFactor);
    EXPECT_DOUBLE_EQ(s.graphicsTextWidthFactor, before.graphicsTextWidthFactor);
    EXPECT_TRUE(s.suppressDate);
    EXPECT_FALSE(s.suppressLogo);
    // The record's texts and numbers survive the user's decimal comma.
    EXPECT_EQ(ConfigurationText(s, "zel3", "2.7"), ConfigurationText(before, "zel3", "2.7"));
}

TEST(SettingsForm, CopyRules) {
    Settings s;
    SettingsForm f = SettingsFormFrom(s);
    EXPECT_EQ(f.layers[0].name, "5");  // row 1 shows layer 5
    f.x = "0";
    f.y = "9999";
    f.zoomFactor = "0";
    f.textWidthFactor = "0";
    f.cadTextWidth = "0";
    f.sizeFactor = "0,005";
    f.printScale = "0";
    f.printScaleY = "0";
    f.angle3d[0] = "90";
    f.layers[0] = {"Kontur", 17, "300"};  // colour and thickness out of range
    f.colorLayers[15] = {"", 12, "3"};
    f.kavrot = {"a", "", "c", "", ""};
    f.decimals = 12;
    f.dateCode = 2;
    f.textDevice = 6;
    f.releaseText = "Größe";
    f.makerTitle = false;
    f.pictureDpi = 20;
    StoreSettingsForm(f, s, Context());
    EXPECT_EQ(s.MaxX, 1590);  // screen width less the dialog frame
    EXPECT_EQ(s.MaxY, 5000);
    EXPECT_DOUBLE_EQ(s.zoomFactor, 1.0);
    EXPECT_DOUBLE_EQ(s.graphicsTextWidthFactor, 1.0);
    EXPECT_DOUBLE_EQ(s.cadTextWidthFactor, 1.0);
    EXPECT_DOUBLE_EQ(s.dimensionSizeFactor, 1.0);
    EXPECT_DOUBLE_EQ(s.screendumpScale, 1.0);
    EXPECT_DOUBLE_EQ(s.printScaleVertical, 1.0);  // follows the x scale
    EXPECT_NEAR(s.default3d[0], 3.14159265358979 / 2, 1e-12);
    EXPECT_EQ(s.layerName[5], "Kontur");
    EXPECT_EQ(s.layerColor[5], 1);
    EXPECT_EQ(s.layerThickness[5], 1);
    EXPECT_EQ(s.layerColor[31], 12);
    EXPECT_EQ(s.layerThickness[31], 3);
    EXPECT_EQ(s.kavrotCount, 3);
    EXPECT_EQ(s.kavrotCommand[3], "c");
    EXPECT_EQ(s.number.decimals, 3);
    EXPECT_EQ(s.number.dateCode, 3);
    EXPECT_EQ(s.textDevice, 7);
    EXPECT_EQ(s.releaseText,
              "Gr\x94\xe1"
              "e");  // code page 850
    EXPECT_TRUE(s.suppressMakerTitle);
    EXPECT_EQ(s.pictureDpi, 150);  // below the lowest resolution

    f.x = "1";  // the number less one is 0 as well
    f.y = "601";
    StoreSettingsForm(f, s, Context());
    EXPECT_EQ(s.MaxX, 1590);
    EXPECT_EQ(s.MaxY, 600);
}

TEST(SettingsForm, DefaultButtons) {
    EXPECT_EQ(ColorEntry(8), "8 (dunkel blau)");
    EXPECT_EQ(ColorName(17), "");
    const TextWindowRect small = TextWindowDefault(10, 640, 480);
    EXPECT_EQ(small.width, 620);
    EXPECT_EQ(small.height, 460);
    EXPECT_EQ(TextWindowDefault(12, 1024, 768).width, 840);
    EXPECT_EQ(TextWindowDefault(0, 1024, 768).width, 700);
    EXPECT_EQ(LayerDefault(5).thickness, "3");
    EXPECT_EQ(LayerDefault(4).color, 3);
    EXPECT_EQ(LayerDefault(1).name, "1");

    ScreenInfo screen;
    screen.width = 1280;
    screen.height = 1024;
    screen.dpiX = screen.dpiY = 96;
    WindowFrame g;
    g.width = 808;
    g.height = 630;
    g.clientWidth = 800;
    g.clientHeight = 584;
    const FieldSize size = GraphicsWindowDefault(screen, g);
    EXPECT_EQ(size.width, 1272);
    EXPECT_EQ(size.height, 1024 - 76);                          // 1.65 * 46 rounded
    EXPECT_EQ(InputWindowScaleDefault(screen, g), 101);         // (630 / 630 + 0.009) * 100
    EXPECT_EQ(DialogContentScaleDefault(screen, g, 102), 101);  // 102 / 100.9 * 100
}

// "&Speichern" writes the file; what was saved holds even after "Abbrechen".
TEST(SettingsCommand, SavedValuesSurviveCancelAndReadBack) {
    test::TempFolder home;
    auto platform = std::make_unique<test::ScriptedPlatform>();
    test::ScriptedPlatform& p = *platform;
    Program program(std::move(platform));
    program.settings.folders.HomeDir = home.Dir();
    program.settings.folders.StartDir = home.Dir();
    program.settings.MaxX = 639;
    program.settings.MaxY = 479;
    p.editSettings = [](Settings& s, UiState&, const SettingsEnvironment& env) {
        SettingsForm f = SettingsFormFrom(s);
        f.zoomFactor = "1,5";
        f.linesPerPage = 72;
        f.decimalSign = 1;
        f.layers[4].name = "Mitte";
        StoreSettingsForm(f, s, {});
        env.save(s);
        s.linesPerPage = 10;  // changed after saving, then cancelled
        return false;
    };
    EXPECT_TRUE(CommandSettings(program));
    EXPECT_FALSE(program.ui.errorFlag);
    ASSERT_FALSE(p.drawingAreaSizes.empty());
    EXPECT_EQ(p.drawingAreaSizes.back(), std::make_pair(640, 480));

    Program reader(std::make_unique<test::ScriptedPlatform>());
    reader.settings.folders.HomeDir = home.Dir();
    reader.settings.folders.StartDir = home.Dir();
    ReadConfiguration(reader);
    EXPECT_FALSE(reader.ui.errorFlag);
    EXPECT_DOUBLE_EQ(reader.settings.zoomFactor, 1.5);
    EXPECT_EQ(reader.settings.linesPerPage, 72);
    EXPECT_EQ(reader.settings.number.separator, 2);
    EXPECT_EQ(reader.settings.layerName[1], "Mitte");
    EXPECT_NE(test::ReadBytes(home / "zel3.cfg").find("1.5"), std::string::npos);
}

TEST(SettingsCommand, CancelWithoutSavingSetsTheErrorFlag) {
    auto platform = std::make_unique<test::ScriptedPlatform>();
    Program program(std::move(platform));
    program.settings.linesPerPage = 60;
    EXPECT_FALSE(CommandSettings(program));
    EXPECT_TRUE(program.ui.errorFlag);
    EXPECT_EQ(program.settings.linesPerPage, 60);
}

TEST(SettingsImport, ReadsAnotherFileAndKeepsTheHomeFolder) {
    test::TempFolder dir;
    Settings other;
    other.linesPerPage = 55;
    other.cadTextStyle = "ROMANS";
    {
        std::ofstream out(dir / "werk.cfg", std::ios::binary);
        out << ConfigurationText(other, "werk", "2.7");
    }
    auto platform = std::make_unique<test::ScriptedPlatform>();
    test::ScriptedPlatform& p = *platform;
    Program program(std::move(platform));
    Settings s;
    s.folders.HomeDir = "/home/user/.config/zel3/";
    EXPECT_TRUE(ImportConfiguration(s, dir / "werk.cfg", program.ui));
    EXPECT_EQ(s.linesPerPage, 55);
    EXPECT_EQ(s.cadTextStyle, "ROMANS");
    EXPECT_EQ(s.folders.HomeDir, "/home/user/.config/zel3/");

    Settings untouched;
    EXPECT_FALSE(ImportConfiguration(untouched, dir / "fehlt.cfg", program.ui));
    EXPECT_TRUE(program.ui.errorFlag);
    EXPECT_FALSE(p.messages.empty());
    EXPECT_EQ(untouched.linesPerPage, 66);
}

}  // namespace
}  // namespace zel3
