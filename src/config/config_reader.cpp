// Reading the configuration file: strictly by position, with the replacements of each row.
#include <algorithm>
#include <cmath>

#include "config/config_file.h"
#include "shell/program.h"
#include "shell/program_paths.h"
#include "util/codepage.h"
#include "util/number_text.h"
#include "util/text.h"

namespace zel3 {

namespace {

// Reads one entry's value lines; a value that cannot be read keeps what the record holds.
class EntryReader {
  public:
    explicit EntryReader(LineReader& in) : in_(in) {}

    bool AtEnd() const { return in_.AtEnd(); }
    void Label() { in_.SkipLine(); }

    void Text(std::string& v, size_t maxLength) {
        std::string t;
        if (in_.ReadText(t)) v = t.substr(0, maxLength);
    }
    // Folders and command lines: code page 850 in the file, UTF-8 in the record.
    void Path(std::string& v) {
        std::string t;
        if (in_.ReadText(t)) v = OemToUtf8(t);
    }
    // Reads an integer; when read, fix turns the raw value into the stored one.
    template <typename Fix>
    void Int(int& v, Fix fix) {
        int t = 0;
        if (in_.ReadInt(t)) v = fix(t);
    }
    void Int(int& v) { in_.ReadInt(v); }
    template <typename Fix>
    void Float(double& v, Fix fix) {
        double t = 0;
        if (in_.ReadFloat(t)) v = fix(t);
    }
    void Float(double& v) { in_.ReadFloat(v); }
    void Strict(bool& v) { in_.ReadBoolStrict(v); }
    void Lenient(bool& v) { in_.ReadBoolLenient(v); }
    void Char(char& v) {
        char t = 0;
        if (in_.ReadChar(t)) v = t == '\0' ? 'N' : t;
    }
    void FourTexts(std::array<std::string, 4>& v) { in_.ReadFourTexts(v); }

  private:
    LineReader& in_;
};

auto ZeroTo(int replacement) {
    return [replacement](int v) { return v == 0 ? replacement : v; };
}
auto ZeroTo(double replacement) {
    return [replacement](double v) { return v == 0.0 ? replacement : v; };
}
auto OutsideTo(int low, int high, int replacement) {
    return [=](int v) { return (v < low || v > high) ? replacement : v; };
}

}  // namespace

std::string ConfigurationPath(const std::string& homeDir, const std::string& shortName) {
    return WithBackslash(homeDir) + shortName + ".cfg";
}

bool ReadConfigurationLines(LineReader& in, Settings& s) {
    EntryReader r(in);
    r.Label();  // ShortName + " Konfiguration"
    r.Label();  // "Version " + VersionText
    for (int i = 1; i <= 5; ++i) {
        r.Label();
        r.Text(s.layerName[static_cast<size_t>(i)], 32);
        r.Label();
        r.Int(s.layerColor[static_cast<size_t>(i)]);
    }
    r.Label();
    r.Text(s.cadTextStyle, 32);
    r.Label();
    r.Float(s.cadTextWidthFactor, ZeroTo(1.0));
    r.Label();
    r.Float(s.cadTextAngle);
    r.Label();
    r.Path(s.folders.CadDir);
    r.Label();
    r.Path(s.folders.DbfDir);
    r.Label();
    r.Int(s.helpLevel);
    r.Label();
    r.Int(s.printerPort, ZeroTo(1));
    if (r.AtEnd()) return false;
    r.Label();
    r.Int(s.printerType);
    if (r.AtEnd()) return false;
    r.Label();
    r.Int(s.printDensity);
    r.Label();
    r.Char(s.hardcopyRotated);
    r.Label();
    r.Int(s.number.decimals, OutsideTo(1, 9, 3));
    r.Label();
    r.Int(s.printThicknessVertical, [](int v) { return (v == 0 || v > 4) ? 1 : v; });
    if (r.AtEnd()) return false;
    r.Label();
    r.Strict(s.colorGraphics);
    r.Label();
    r.Float(s.graphicsCorrection, ZeroTo(1.0));
    r.Label();
    r.Int(s.graphicsMode);
    r.Label();
    r.Int(s.graphicsDriver);
    r.Label();
    r.Int(s.MaxX);
    r.Label();
    r.Int(s.MaxY);
    r.Label();
    r.Path(s.folders.TempDir);
    s.folders.TempDirSetting.clear();
    r.Label();
    r.Int(s.hardcopyPort, ZeroTo(1));
    if (r.AtEnd()) return false;
    r.Label();
    r.Path(s.folders.EdiDir);
    r.Label();
    r.Path(s.folders.PltDir);
    r.Label();
    r.Int(s.textPrintMode, ZeroTo(1));
    r.Label();
    r.Int(s.linesPerPage, [](int v) { return v < 5 ? 66 : v; });
    r.Label();
    r.Float(s.zoomFactor, ZeroTo(1.02));
    r.Label();
    r.Float(s.panFactor, ZeroTo(0.02));
    r.Label();
    r.Path(s.folders.ExeDir);
    if (r.AtEnd()) return false;
    r.Label();
    {
        std::string line1;
        r.Path(line1);
        if (!line1.empty()) s.kavrotCommand[1] = line1;
    }
    if (r.AtEnd()) return false;
    r.Label();
    r.Int(s.backgroundColor);
    if (r.AtEnd()) return false;
    r.Label();
    r.Int(s.windowsPrintMode, ZeroTo(1));
    if (r.AtEnd()) return false;
    r.Label();
    r.Strict(s.layerMonochrome);
    if (r.AtEnd()) {
        // Files of this length knew one text style for CAD and screen.
        s.graphicsTextWidthFactor = s.cadTextWidthFactor;
        s.graphicsTextStyle = "Arial";
        return false;
    }
    r.Label();
    r.Float(s.graphicsTextWidthFactor, ZeroTo(0.8));
    r.Label();
    r.Text(s.graphicsTextStyle, 60);
    if (r.AtEnd()) return false;
    for (size_t layer = 16; layer <= 31; ++layer) {
        r.Label();
        r.Int(s.layerColor[layer], ZeroTo(1));
    }
    if (r.AtEnd()) return false;
    r.Label();
    r.Path(s.textProgram);
    r.Label();
    r.Int(s.databaseMode);
    r.Label();
    r.Path(s.externalDatabase);
    if (r.AtEnd()) return false;
    r.Label();
    r.Int(s.screendumpOriginX);
    r.Label();
    r.Int(s.screendumpOriginY);
    r.Label();
    r.Float(s.screendumpScale, ZeroTo(1.0));
    r.Label();
    r.Strict(s.screendumpBorder);
    if (r.AtEnd()) return false;
    r.Label();
    r.Strict(s.MultiUser);
    if (r.AtEnd()) return false;
    r.Label();
    {
        int n = s.kavrotCount;
        r.Int(n);
        // Lines beyond the five kept are read past so that the later entries stay in place;
        // an absurd count is not followed into the rest of the file.
        const int lines = std::clamp(n, 1, 100);
        for (int k = 2; k <= lines; ++k) {
            std::string line;
            r.Path(line);
            if (k < static_cast<int>(s.kavrotCommand.size()))
                s.kavrotCommand[static_cast<size_t>(k)] = line;
        }
        s.kavrotCount = std::clamp(n, 1, static_cast<int>(s.kavrotCommand.size()) - 1);
    }
    r.Label();
    r.Strict(s.archiveMode);
    if (!r.AtEnd()) {
        r.Label();
        r.Int(s.number.dateCode, OutsideTo(1, 3, 1));
    }
    if (!r.AtEnd()) {
        r.Label();
        r.Int(s.headerSpaceLines, [](int v) { return v > 30 ? 0 : v; });
    }
    if (!r.AtEnd()) {
        r.Label();
        r.Int(s.textDevice, OutsideTo(1, 9, 1));
        r.Label();
        r.Strict(s.textDeviceWindow);
    }
    if (!r.AtEnd()) {
        r.Label();
        r.Strict(s.smallOnlineWindow);
    }
    if (!r.AtEnd()) {
        r.Label();
        r.Strict(s.enterDiagramLimits);
    }
    r.Label();
    r.Int(s.number.separator, OutsideTo(1, 2, 1));
    r.Label();
    {
        std::string dataDir = s.folders.DataDir;
        bool read = !r.AtEnd();
        r.Path(dataDir);
        if (read)
            s.folders.DataDir = Trim(dataDir).empty() ? WithBackslash(s.folders.StartDir) : dataDir;
    }
    if (!r.AtEnd()) {
        r.Label();
        r.Float(s.textHeightFactor, [](double v) { return v < 0.1 ? 1.0 : v; });
    }
    if (!r.AtEnd()) {
        r.Label();
        r.Int(s.inputWindowScale, OutsideTo(10, 1000, 100));
    }
    r.Label();
    r.Path(s.htmlBrowser);
    if (r.AtEnd()) return false;
    r.Label();
    {
        const double screendumpScale = s.screendumpScale;
        r.Float(s.printScaleVertical,
                [screendumpScale](double v) { return v < 0.0001 ? screendumpScale : v; });
    }
    r.Label();
    for (size_t layer = 0; layer <= 5; ++layer)
        r.Int(s.layerThickness[layer], OutsideTo(1, 255, 1));
    r.Label();
    r.Strict(s.graphicPrintoutDialog);
    r.Label();
    {
        std::array<std::string, 4> parts;
        bool read = !r.AtEnd();
        r.FourTexts(parts);
        const int width = TextToInt(parts[2]);
        const int height = TextToInt(parts[3]);
        if (read && width != 0 && height != 0 && !r.AtEnd()) {
            s.textWindow.left = TextToInt(parts[0]);
            s.textWindow.top = TextToInt(parts[1]);
            s.textWindow.width = width;
            s.textWindow.height = height;
        }
    }
    r.Label();
    r.Int(s.number.unitSystem);
    r.Label();
    r.Int(s.printoutHeaderMode, OutsideTo(1, 2, 1));
    r.Label();
    {
        std::string font = s.textFontPrintout;
        bool read = !r.AtEnd();
        r.Text(font, 60);
        if (read) s.textFontPrintout = font.empty() ? "Courier New" : font;
    }
    r.Label();
    r.Int(s.textSizePrintout, ZeroTo(10));
    r.Label();
    r.Int(s.textStylePrintout);
    r.Label();
    r.Int(s.textStyleGraphics);
    r.Label();
    r.Int(s.printerOrientation);
    r.Label();
    r.Lenient(s.edit3d);
    r.Label();
    for (double& angle : s.default3d) r.Float(angle);
    r.Int(s.changeIndexStyle);
    r.Int(s.number.tableSeparatorMode, ZeroTo(2));
    r.Text(s.releaseText, 255);
    r.Label();
    r.Int(s.decimalsDxf, OutsideTo(1, 32, 6));
    r.Label();
    r.Int(s.text.cadTextMode, ZeroTo(1));
    r.Label();
    for (size_t layer = 16; layer <= 31; ++layer) r.Int(s.layerThickness[layer]);
    {
        int special = s.text.transliterate ? 1 : 0;
        r.Int(special);
        s.text.transliterate = special == 1;
    }
    r.Int(s.dialogContentScale, OutsideTo(10, 1000, 100));
    r.Int(s.angleFormat, OutsideTo(1, 2, 2));
    r.Float(s.dimensionSizeFactor, ZeroTo(1.0));
    r.Int(s.unnamedInteger);
    r.Int(s.languageNumber);
    r.Int(s.resultView);
    r.Strict(s.suppressMakerTitle);
    r.Strict(s.suppressFileName);
    r.Strict(s.suppressDate);
    r.Strict(s.suppressLogo);
    // Files written before these entries existed end before them and keep their defaults.
    if (r.AtEnd()) return true;
    r.Label();
    r.Strict(s.reportToClipboard);
    if (r.AtEnd()) return true;
    r.Label();
    r.Int(s.calculationMethod, OutsideTo(0, 1, 0));
    // Entries added later: files written before them simply end here.
    if (r.AtEnd()) return true;
    r.Label();
    r.Strict(s.picturePrintLook);
    if (r.AtEnd()) return true;
    r.Label();
    r.Int(s.pictureDpi, OutsideTo(kPictureDpiMin, kPictureDpiMax, 150));
    return true;
}

void FixDrawingArea(Settings& s, const ScreenInfo& screen) {
    if (s.MaxX == 0 || s.MaxX == -1) s.MaxX = screen.width - 9;
    if (s.MaxY == 0 || s.MaxY == -1) s.MaxY = screen.height - 91;
}

void ReadConfiguration(Settings& s, const std::string& shortName, const std::string& fallbackDir,
                       UiState& ui) {
    if (s.folders.DataDir.empty()) s.folders.DataDir = WithBackslash(s.folders.StartDir);
    LineReader in =
        LineReader::FromFile(ConfigurationPath(s.folders.HomeDir, shortName), ui.errorFlag);
    if (!in.isOpen() && !fallbackDir.empty()) {
        in = LineReader::FromFile(ConfigurationPath(fallbackDir, shortName), ui.errorFlag);
        if (in.isOpen()) s.folders.HomeDir = WithBackslash(fallbackDir);
    }
    const ScreenInfo screen = ui.platform.Screen();
    if (!in.isOpen()) {
        FixDrawingArea(s, screen);
        s.textWindow.height = screen.height - 80;
        const WindowFrame gw = ui.platform.GraphicsWindow();
        // Without a window yet the frame counts as fitting its client area.
        const double ratio =
            gw.height > 0 ? static_cast<double>(gw.height) / (gw.clientHeight + 46) : 1.0;
        const double dpi = screen.dpiY > 0 ? screen.dpiY / 96.0 : 1.0;
        const long scale = std::lround((ratio + 0.009) * dpi * 100);
        s.inputWindowScale = (scale < 10 || scale > 1000) ? 100 : static_cast<int>(scale);
        ui.errorFlag = true;
        return;
    }
    ReadConfigurationLines(in, s);
    FixDrawingArea(s, screen);
}

void SettleConfigurationFolders(Program& program) {
    Folders& f = program.settings.folders;
    if (f.HomeDir.empty()) f.HomeDir = DefaultHomeDir();
    if (f.StartDir.empty()) f.StartDir = CurrentDir();
    if (program.ProgramDataDir.empty())
        program.ProgramDataDir = FindProgramDataDir(ExecutableDir());
}

void ReadConfiguration(Program& program) {
    SettleConfigurationFolders(program);
    ReadConfiguration(program.settings, program.identity.ShortName, program.ProgramDataDir,
                      program.ui);
    program.ApplyCalculationMethod();
}

}  // namespace zel3
