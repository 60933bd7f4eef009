#include "config/config_file.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <vector>

#include <sys/stat.h>
#include <filesystem>
#include "support/file_size_limit.h"
#include "support/no_file_rights.h"
#include "support/scripted_platform.h"
#include "util/codepage.h"
#include "util/safe_file.h"

namespace zel3 {
namespace {

std::vector<std::string> Lines(const std::string& text) {
    std::vector<std::string> out;
    size_t pos = 0;
    while (pos < text.size()) {
        size_t end = text.find("\r\n", pos);
        if (end == std::string::npos) end = text.size();
        out.push_back(text.substr(pos, end - pos));
        pos = end + 2;
    }
    return out;
}

std::string Join(const std::vector<std::string>& lines) {
    std::string out;
    for (const auto& l : lines) out += l + "\r\n";
    return out;
}

// Index of the value line that follows the label (given in UTF-8).
size_t ValueLine(const std::vector<std::string>& lines, const std::string& label) {
    const std::string oem = Utf8ToOem(label);
    for (size_t i = 0; i + 1 < lines.size(); ++i)
        if (lines[i] == oem) return i + 1;
    ADD_FAILURE() << "label not found: " << label;
    return 0;
}

class ConfigFileTest : public testing::Test {
  protected:
    void SetUp() override {
        dir_ = testing::TempDir() + "zel3_cfg_" + std::to_string(::getpid()) + "_" +
               testing::UnitTest::GetInstance()->current_test_info()->name() + "/";
        MakeParentFolders(dir_ + "x");
        platform_.screen.width = 1024;
        platform_.screen.height = 768;
    }
    void TearDown() override {
        std::remove((dir_ + "zel3.cfg").c_str());
        ::rmdir(dir_.c_str());
    }

    Settings Fresh() const {
        Settings s;
        s.folders.HomeDir = dir_;
        s.folders.StartDir = "/work/start";
        return s;
    }
    void Store(const std::string& text) { WriteFileReplacing(dir_ + "zel3.cfg", text); }
    Settings ReadBack() {
        Settings s = Fresh();
        ReadConfiguration(s, "zel3", "", ui_);
        return s;
    }
    std::string DefaultText() const { return ConfigurationText(Fresh(), "zel3", "2.7"); }

    std::string dir_;
    test::ScriptedPlatform platform_;
    NumberFormat nf_;
    TextOptions to_;
    UiState ui_{platform_, nf_, to_};
};

// Every entry with a value that differs from its default.
Settings Changed(Settings s) {
    for (size_t i = 1; i <= 5; ++i) {
        s.layerName[i] = "Schicht \x84" + std::to_string(i);
        s.layerColor[i] = static_cast<int>(i) + 7;
    }
    s.cadTextStyle = "ROMANS";
    s.cadTextWidthFactor = 0.75;
    s.cadTextAngle = 12.5;
    s.folders.CadDir = "/data/cad/Maße/";
    s.folders.DbfDir = "/data/dbf/";
    s.helpLevel = 2;
    s.printerPort = 3;
    s.printerType = 5;
    s.printDensity = 2;
    s.hardcopyRotated = 'N';
    s.number.decimals = 5;
    s.printThicknessVertical = 3;
    s.colorGraphics = false;
    s.graphicsCorrection = 1.25;
    s.graphicsMode = 4;
    s.graphicsDriver = 6;
    s.MaxX = 1200;
    s.MaxY = 900;
    s.folders.TempDir = "/tmp/zel3/";
    s.hardcopyPort = 2;
    s.folders.EdiDir = "/data/edi/";
    s.folders.PltDir = "/data/plt/";
    s.textPrintMode = 3;
    s.linesPerPage = 72;
    s.zoomFactor = 1.05;
    s.panFactor = 0.05;
    s.folders.ExeDir = "/opt/trellox/";
    s.kavrotCommand[1] = "wkavrot a.dxf /M2.0";
    s.kavrotCommand[2] = "wkavrot b.dxf";
    s.kavrotCommand[3] = "wkavrot c.dxf";
    s.kavrotCount = 3;
    s.backgroundColor = 16777215;
    s.windowsPrintMode = 2;
    s.layerMonochrome = true;
    s.graphicsTextWidthFactor = 0.9;
    s.graphicsTextStyle = "Liberation Sans";
    for (size_t l = 16; l <= 31; ++l) s.layerColor[l] = 17 - static_cast<int>(l - 15);
    s.textProgram = "gedit";
    s.databaseMode = 2;
    s.externalDatabase = "libreoffice --calc";
    s.screendumpOriginX = 11;
    s.screendumpOriginY = -12;
    s.screendumpScale = 2.5;
    s.screendumpBorder = true;
    s.MultiUser = true;
    s.archiveMode = true;
    s.number.dateCode = 3;
    s.headerSpaceLines = 4;
    s.textDevice = 5;
    s.textDeviceWindow = true;
    s.smallOnlineWindow = true;
    s.enterDiagramLimits = true;
    s.number.separator = 2;
    s.folders.DataDir = "/home/user/Projekte/";
    s.textHeightFactor = 1.5;
    s.inputWindowScale = 125;
    s.htmlBrowser = "firefox";
    s.printScaleVertical = 0.9;
    for (size_t l = 0; l <= 5; ++l) s.layerThickness[l] = static_cast<int>(l) + 2;
    s.graphicPrintoutDialog = true;
    s.textWindow = {5, 6, 700, 500};
    s.number.unitSystem = 1;
    s.printoutHeaderMode = 2;
    s.textFontPrintout = "Liberation Mono";
    s.textSizePrintout = 9;
    s.textStylePrintout = 1;
    s.textStyleGraphics = 2;
    s.printerOrientation = 2;
    s.edit3d = true;
    s.default3d = {0.5, -0.25, 1.125};
    s.changeIndexStyle = 2;
    s.number.tableSeparatorMode = 1;
    s.releaseText =
        "Freigabe | Gepr\x81"
        "ft";
    s.decimalsDxf = 8;
    s.text.cadTextMode = 3;
    for (size_t l = 16; l <= 31; ++l) s.layerThickness[l] = static_cast<int>(l) - 10;
    s.text.transliterate = true;
    s.dialogContentScale = 150;
    s.angleFormat = 1;
    s.dimensionSizeFactor = 1.75;
    s.unnamedInteger = 42;
    s.languageNumber = 3;
    s.resultView = 4;
    s.suppressMakerTitle = true;
    s.suppressFileName = true;
    s.suppressDate = true;
    s.suppressLogo = true;
    s.reportToClipboard = true;
    s.calculationMethod = 1;
    s.picturePrintLook = true;
    s.pictureDpi = 300;
    return s;
}

TEST_F(ConfigFileTest, WrittenSettingsReadBackTheSame) {
    const Settings original = Changed(Fresh());
    WriteConfiguration(original, "zel3", "2.7", ui_);
    ASSERT_FALSE(ui_.errorFlag);
    const Settings back = ReadBack();
    EXPECT_FALSE(ui_.errorFlag);
    // Equal files mean equal values in every entry.
    EXPECT_EQ(ConfigurationText(back, "zel3", "2.7"), ConfigurationText(original, "zel3", "2.7"));
    EXPECT_EQ(back.folders.CadDir, "/data/cad/Maße/");
    EXPECT_EQ(back.kavrotCount, 3);
    EXPECT_EQ(back.kavrotCommand[3], "wkavrot c.dxf");
    EXPECT_DOUBLE_EQ(back.default3d[2], 1.125);
    EXPECT_EQ(back.number.separator, 2);
    EXPECT_TRUE(back.text.transliterate);
    EXPECT_EQ(back.textWindow.height, 500);
    EXPECT_TRUE(back.suppressLogo);
    EXPECT_TRUE(back.reportToClipboard);
}

// Files of earlier versions end with the four switches of the form sheet.
TEST_F(ConfigFileTest, FileWithoutTheClipboardEntryReadsWithItsDefault) {
    std::vector<std::string> lines = Lines(ConfigurationText(Changed(Fresh()), "zel3", "2.7"));
    const size_t clipboard = ValueLine(lines, "Screen Report to Clipboard ?");
    EXPECT_EQ(lines[clipboard], "TRUE");
    EXPECT_EQ(lines[clipboard - 2], "TRUE") << "the entry follows the form sheet's last switch";
    lines.resize(clipboard - 1);
    Store(Join(lines));
    const Settings back = ReadBack();
    EXPECT_FALSE(ui_.errorFlag);
    EXPECT_FALSE(back.reportToClipboard);
    EXPECT_TRUE(back.suppressLogo) << "the entry before it is still read";
}

// The calculation method is the last entry: files written before it existed read as the
// coefficient table, and the entries before it stay where older readers look for them.
TEST_F(ConfigFileTest, CalculationMethodIsTheLastEntryAndOptional) {
    std::vector<std::string> lines = Lines(ConfigurationText(Changed(Fresh()), "zel3", "2.7"));
    // The picture entries added after it are tested on their own.
    lines.resize(ValueLine(lines, "Bilddatei wie Ausdruck ?") - 1);
    ASSERT_GE(lines.size(), 3u);
    EXPECT_EQ(lines[lines.size() - 2], "Berechnungsverfahren");
    EXPECT_EQ(lines.back(), "1");
    EXPECT_EQ(lines[lines.size() - 3], "TRUE");  // the logo switch, last before it
    Store(Join(lines));
    EXPECT_EQ(ReadBack().calculationMethod, 1);

    lines.resize(lines.size() - 2);
    Store(Join(lines));
    Settings old = ReadBack();
    EXPECT_FALSE(ui_.errorFlag);
    EXPECT_EQ(old.calculationMethod, 0);
    EXPECT_TRUE(old.suppressLogo);

    for (const char* bad : {"7", "-1", "exakt"}) {
        lines.push_back("Berechnungsverfahren");
        lines.push_back(bad);
        Store(Join(lines));
        EXPECT_EQ(ReadBack().calculationMethod, 0) << bad;
        lines.resize(lines.size() - 2);
    }
}

TEST_F(ConfigFileTest, PictureEntriesFollowTheLastOlderEntry) {
    std::vector<std::string> lines = Lines(ConfigurationText(Changed(Fresh()), "zel3", "2.7"));
    const size_t look = ValueLine(lines, "Bilddatei wie Ausdruck ?");
    EXPECT_EQ(lines[look], "TRUE");
    EXPECT_EQ(lines[look - 3], "Berechnungsverfahren") << "after the entry before";
    EXPECT_EQ(lines[ValueLine(lines, "Bilddatei dpi")], "300");
    EXPECT_EQ(ValueLine(lines, "Bilddatei dpi") + 1, lines.size());

    // A file written before these entries existed reads whole and keeps their defaults.
    std::vector<std::string> older(lines.begin(), lines.begin() + static_cast<long>(look) - 1);
    Store(Join(older));
    ui_.errorFlag = false;
    Settings back = ReadBack();
    EXPECT_FALSE(ui_.errorFlag);
    EXPECT_TRUE(back.suppressLogo);
    EXPECT_FALSE(back.picturePrintLook);
    EXPECT_EQ(back.pictureDpi, 150);

    lines[ValueLine(lines, "Bilddatei dpi")] = "5000";
    Store(Join(lines));
    EXPECT_EQ(ReadBack().pictureDpi, 150);
}

TEST_F(ConfigFileTest, DecimalCommaWritesPointsAndTwo) {
    Settings s = Fresh();
    s.number.separator = 2;
    s.zoomFactor = 1.05;
    const std::vector<std::string> lines = Lines(ConfigurationText(s, "zel3", "2.7"));
    EXPECT_EQ(lines[ValueLine(lines, "Zoomfaktor")], "1.0500000");
    EXPECT_EQ(lines[ValueLine(lines, "Dot=1 Komma=2")], "2");
    for (const auto& l : lines) {
        const bool numeric =
            !l.empty() && l.find_first_not_of("-0123456789.,") == std::string::npos;
        if (numeric) {
            EXPECT_EQ(l.find(','), std::string::npos) << l;
        }
    }
    Store(Join(lines));
    const Settings back = ReadBack();
    EXPECT_EQ(back.number.separator, 2);
    EXPECT_DOUBLE_EQ(back.zoomFactor, 1.05);
}

TEST_F(ConfigFileTest, FileIsCodePage850WithCrLf) {
    const std::string text = DefaultText();
    EXPECT_NE(text.find("Aufl\x94sung horizontal\r\n"), std::string::npos);
    EXPECT_NE(text.find("Hardcopy um 90\xF8 gedreht ?\r\n"), std::string::npos);
    EXPECT_EQ(text.rfind("zel3 Konfiguration\r\nVersion 2.7\r\n", 0), 0u);
    EXPECT_EQ(text.find("\n\n"), std::string::npos);
    Settings s = Fresh();
    s.folders.CadDir = "/data/Prüfung/";
    const std::vector<std::string> lines = Lines(ConfigurationText(s, "zel3", "2.7"));
    EXPECT_EQ(lines[ValueLine(lines, "CAD Ordner")],
              "/data/Pr\x81"
              "fung/");
}

TEST_F(ConfigFileTest, FileEndingAfterPrinterPortKeepsLaterDefaults) {
    std::vector<std::string> lines = Lines(ConfigurationText(Changed(Fresh()), "zel3", "2.7"));
    const size_t port = ValueLine(lines, "Druckerschnittstelle");
    lines.resize(port + 1);
    Store(Join(lines));
    const Settings back = ReadBack();
    const Settings defaults = Fresh();
    EXPECT_EQ(back.printerPort, 3);
    EXPECT_EQ(back.helpLevel, 2);
    EXPECT_EQ(back.printerType, defaults.printerType);
    EXPECT_EQ(back.number.decimals, 3);
    EXPECT_EQ(back.linesPerPage, 66);
    EXPECT_EQ(back.MaxX, 1024 - 9);
    EXPECT_EQ(back.MaxY, 768 - 91);
    EXPECT_EQ(back.graphicsTextStyle, "Arial");
}

TEST_F(ConfigFileTest, OutOfRangeValuesTakeTheirReplacements) {
    std::vector<std::string> lines = Lines(DefaultText());
    lines[ValueLine(lines, "Zeilen pro Seite für Drucker")] = "3";
    lines[ValueLine(lines, "Dezimalstellen")] = "12";
    lines[ValueLine(lines, "Date Code")] = "7";
    lines[ValueLine(lines, "Druckerschnittstelle")] = "0";
    lines[ValueLine(lines, "Zoomfaktor")] = "abc";
    lines[ValueLine(lines, "Hardcopy um 90° gedreht ?")] = "";
    lines[ValueLine(lines, "Text Font Printout")] = "";
    lines[ValueLine(lines, "Input Window Scale %")] = "5000";
    lines[ValueLine(lines, "Dot=1 Komma=2")] = "3";
    lines[ValueLine(lines, "Auflösung horizontal")] = "-1";
    lines[ValueLine(lines, "Auflösung vertikal")] = "0";
    Store(Join(lines));
    const Settings s = ReadBack();
    EXPECT_EQ(s.linesPerPage, 66);
    EXPECT_EQ(s.number.decimals, 3);
    EXPECT_EQ(s.number.dateCode, 1);
    EXPECT_EQ(s.printerPort, 1);
    EXPECT_DOUBLE_EQ(s.zoomFactor, 1.02);
    EXPECT_EQ(s.hardcopyRotated, 'N');
    EXPECT_EQ(s.textFontPrintout, "Courier New");
    EXPECT_EQ(s.inputWindowScale, 100);
    EXPECT_EQ(s.number.separator, 1);
    EXPECT_EQ(s.MaxX, 1015);
    EXPECT_EQ(s.MaxY, 677);
    EXPECT_FALSE(ui_.errorFlag);
}

TEST_F(ConfigFileTest, EmptyDataDirectoryBecomesStartDir) {
    std::vector<std::string> lines = Lines(DefaultText());
    lines[ValueLine(lines, "Default Data Directory")] = "";
    Store(Join(lines));
    EXPECT_EQ(ReadBack().folders.DataDir, "/work/start/");
}

TEST_F(ConfigFileTest, TextWindowNeedsWidthAndHeight) {
    std::vector<std::string> lines = Lines(DefaultText());
    lines[ValueLine(lines, "Text window left/top/width/height")] = "1|2|0|300";
    Store(Join(lines));
    EXPECT_EQ(ReadBack().textWindow.left, Settings().textWindow.left);
    lines[ValueLine(lines, "Text window left/top/width/height")] = "1|2|640|300";
    Store(Join(lines));
    const Settings s = ReadBack();
    EXPECT_EQ(s.textWindow.left, 1);
    EXPECT_EQ(s.textWindow.height, 300);
}

TEST_F(ConfigFileTest, MissingFileSetsScreenDefaultsAndTheFlag) {
    platform_.screen.dpiY = 120;
    platform_.graphics.height = 646;
    platform_.graphics.clientHeight = 600;
    const Settings s = ReadBack();
    EXPECT_TRUE(ui_.errorFlag);
    EXPECT_EQ(s.MaxX, 1015);
    EXPECT_EQ(s.MaxY, 677);
    EXPECT_EQ(s.textWindow.height, 768 - 80);
    EXPECT_EQ(s.inputWindowScale, 126);  // (646 / 646 + 0.009) * 1.25 * 100
    EXPECT_EQ(s.folders.DataDir, "/work/start/");
}

TEST_F(ConfigFileTest, FallbackFolderBecomesHome) {
    Settings changed = Changed(Fresh());
    Store(ConfigurationText(changed, "zel3", "2.7"));
    Settings s = Fresh();
    s.folders.HomeDir = dir_ + "missing/";
    ReadConfiguration(s, "zel3", dir_, ui_);
    EXPECT_FALSE(ui_.errorFlag);
    EXPECT_EQ(s.folders.HomeDir, dir_);
    EXPECT_EQ(s.linesPerPage, 72);
}

TEST_F(ConfigFileTest, DamagedFilesReadWithoutHarm) {
    // Binary noise: nothing useful, no crash, the flag tells.
    std::string noise;
    for (int i = 0; i < 5000; ++i) noise += static_cast<char>((i * 7919) % 256);
    Store(noise);
    Settings s = ReadBack();
    EXPECT_TRUE(ui_.errorFlag);
    EXPECT_GT(s.MaxX, 0);

    // Cut in the middle of the entries without an end point: read values stay, the rest
    // keeps its defaults.
    ui_.errorFlag = false;
    std::vector<std::string> lines = Lines(ConfigurationText(Changed(Fresh()), "zel3", "2.7"));
    lines.resize(ValueLine(lines, "Hintergrundfarbe") + 1 + 3);  // ends inside "Layer Monochrom"
    Store(Join(lines));
    s = ReadBack();
    EXPECT_EQ(s.backgroundColor, 16777215);
    EXPECT_EQ(s.windowsPrintMode, 2);
    EXPECT_EQ(s.layerMonochrome, false);
    EXPECT_EQ(s.languageNumber, 0);

    // An over-long line and non-numbers where numbers belong.
    ui_.errorFlag = false;
    lines = Lines(DefaultText());
    lines[ValueLine(lines, "Textstil CAD")] = std::string(100000, 'A');
    lines[ValueLine(lines, "Hilfegrad")] = "zwei";
    lines[ValueLine(lines, "KAVROT Command lines (n, line 2 .. line n)")] = "999999";
    Store(Join(lines));
    s = ReadBack();
    EXPECT_TRUE(ui_.errorFlag);
    EXPECT_EQ(s.cadTextStyle, Settings().cadTextStyle);
    EXPECT_EQ(s.helpLevel, 0);
    EXPECT_EQ(s.kavrotCount, 5);

    // Empty file.
    ui_.errorFlag = false;
    Store("");
    s = ReadBack();
    EXPECT_EQ(s.printerType, 3);
}

TEST_F(ConfigFileTest, WriteFailureIsReportedAndLeavesNoFile) {
    Settings s = Fresh();
    Store("old");
    s.folders.HomeDir = dir_ + "zel3.cfg/";  // a file where a folder should be
    WriteConfiguration(s, "zel3", "2.7", ui_);
    EXPECT_TRUE(ui_.errorFlag);
    ASSERT_EQ(platform_.messages.size(), 1u);
    EXPECT_EQ(platform_.messages[0].caption, "Fehler : ");
    EXPECT_EQ(platform_.messages[0].text, "I/O-Error 20");
    std::string content;
    ReadWholeFile(dir_ + "zel3.cfg", 100, content);
    EXPECT_EQ(content, "old");
}

// A disk that fills up while the configuration is written keeps the previous file.
TEST_F(ConfigFileTest, FullDiskKeepsThePreviousConfiguration) {
    Store("old");
    {
        test::FileSizeLimit full(100);
        ASSERT_TRUE(full.active());
        WriteConfiguration(Fresh(), "zel3", "2.7", ui_);
    }
    EXPECT_TRUE(ui_.errorFlag);
    ASSERT_EQ(platform_.messages.size(), 1u);
    EXPECT_EQ(platform_.messages[0].caption, "Fehler : ");
    std::string content;
    ReadWholeFile(dir_ + "zel3.cfg", 100, content);
    EXPECT_EQ(content, "old");
    int files = 0;
    for (const auto& e : std::filesystem::directory_iterator(dir_)) files += e.is_regular_file();
    EXPECT_EQ(files, 1) << "no temporary file left behind";
}

// A folder the program may not write to; root runs it without its rights to ignore that.
TEST_F(ConfigFileTest, ReadOnlyFolderKeepsThePreviousConfiguration) {
    Store("old");
    ::chmod(dir_.c_str(), 0555);
    {
        test::NoFileRights noRights;
        if (!noRights.active()) {
            ::chmod(dir_.c_str(), 0755);
            GTEST_SKIP() << "root's rights to ignore permissions could not be dropped";
        }
        WriteConfiguration(Fresh(), "zel3", "2.7", ui_);
    }
    ::chmod(dir_.c_str(), 0755);
    EXPECT_TRUE(ui_.errorFlag);
    EXPECT_EQ(platform_.messages.size(), 1u);
    std::string content;
    ReadWholeFile(dir_ + "zel3.cfg", 100, content);
    EXPECT_EQ(content, "old");
}

}  // namespace
}  // namespace zel3
