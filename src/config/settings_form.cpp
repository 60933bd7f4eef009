#include "config/settings_form.h"

#include <algorithm>
#include <cmath>
#include <locale>
#include <sstream>

#include "config/config_file.h"
#include "util/codepage.h"
#include "util/file_prompts.h"
#include "util/number_text.h"
#include "util/text.h"

namespace zel3 {

namespace {

constexpr double kPi = 3.14159265358979323846;

const char* const kColorNames[] = {"rot",         "gelb",        "grün",        "cyan",
                                   "blau",        "magenta",     "weiß",        "dunkel blau",
                                   "dunkel grün", "dunkel cyan", "dunkel rot",  "dunkel magenta",
                                   "braun",       "hell grau",   "dunkel grau", "schwarz"};

// Numbers in the fields: as short as they are exact, with the user's decimal sign.
std::string Field(const NumberFormat& nf, double v) {
    std::ostringstream out;
    out.imbue(std::locale::classic());
    out.precision(10);
    out << v;
    std::string t = out.str();
    if (nf.decimalComma()) std::replace(t.begin(), t.end(), '.', ',');
    return t;
}

double Number(const std::string& t) {
    return TextToFloat(Trim(t));
}
int Whole(const std::string& t) {
    return TextToInt(Trim(t));
}
double ZeroTo(double v, double replacement) {
    return v == 0 ? replacement : v;
}
int InRangeOr(int v, int low, int high, int replacement) {
    return v < low || v > high ? replacement : v;
}
std::string Stored(const std::string& display, size_t maxLength) {
    return Utf8ToOem(display).substr(0, maxLength);
}

LayerRow Row(const Settings& s, int layer) {
    return {OemToUtf8(s.layerName[static_cast<size_t>(layer)]),
            s.layerColor[static_cast<size_t>(layer)],
            IntToText(s.layerThickness[static_cast<size_t>(layer)])};
}

}  // namespace

std::string ColorName(int n) {
    return n >= 1 && n <= 16 ? kColorNames[n - 1] : "";
}

std::string ColorEntry(int n) {
    return IntToText(n) + " (" + ColorName(n) + ")";
}

SettingsForm SettingsFormFrom(const Settings& s) {
    const NumberFormat& nf = s.number;
    SettingsForm f;
    const Folders& d = s.folders;
    f.dirDbf = d.DbfDir;
    f.dirPlt = d.PltDir;
    f.dirTemp = ConfiguredTempDir(d);
    f.dirData = d.DataDir;
    f.dirCad = d.CadDir;
    f.dirExe = d.ExeDir;
    f.dirEdi = d.EdiDir;

    f.screenGraphics = s.colorGraphics ? 0 : 1;
    f.x = IntToText(s.MaxX + 1);
    f.y = IntToText(s.MaxY + 1);
    f.font = OemToUtf8(s.graphicsTextStyle);
    f.fontStyle = s.textStyleGraphics;
    f.textWidthFactor = Field(nf, s.graphicsTextWidthFactor);
    f.textHeightFactor = Field(nf, s.textHeightFactor);
    f.backgroundColor = s.backgroundColor;
    f.zoomFactor = Field(nf, s.zoomFactor);
    f.panFactor = Field(nf, s.panFactor);
    f.border = s.screendumpBorder;
    f.picturePrintLook = s.picturePrintLook;
    f.pictureDpi = s.pictureDpi;
    f.dialogWindowScale = s.inputWindowScale;
    f.dialogContentScale = s.dialogContentScale;
    f.edit3d = s.edit3d;
    for (size_t i = 0; i < 3; ++i) f.angle3d[i] = Field(nf, s.default3d[i] * 180 / kPi);

    for (int row = 0; row < 5; ++row) f.layers[static_cast<size_t>(row)] = Row(s, 5 - row);
    f.layerMonochrome = s.layerMonochrome;
    f.cadFont = OemToUtf8(s.cadTextStyle);
    f.cadTextWidth = Field(nf, s.cadTextWidthFactor);
    f.cadTextAngle = Field(nf, s.cadTextAngle);
    f.diagramLimits = s.enterDiagramLimits;
    f.releaseText = OemToUtf8(s.releaseText);
    f.decimalsDxf = s.decimalsDxf;
    f.cadTextType = std::clamp(s.text.cadTextMode, 1, 3) - 1;
    for (int i = 0; i < 16; ++i) f.colorLayers[static_cast<size_t>(i)] = Row(s, 16 + i);

    f.printScale = Field(nf, s.screendumpScale);
    f.printScaleY = Field(nf, s.printScaleVertical);
    f.printXOrigin = IntToText(s.screendumpOriginX);
    f.printYOrigin = IntToText(s.screendumpOriginY);
    f.printMono = s.windowsPrintMode == 2 ? 1 : 0;
    f.orientation = s.printerOrientation == 2 ? 1 : 0;
    f.printerDialog = s.graphicPrintoutDialog;
    f.lpt = std::clamp(s.printerPort, 1, 4) - 1;

    f.separatorLines = std::clamp(s.textPrintMode, 1, 4) - 1;
    f.linesPerPage = s.linesPerPage;
    f.spaceLines = s.headerSpaceLines;
    f.dateCode = std::clamp(s.number.dateCode, 1, 3) - 1;
    f.textDevice = std::clamp(s.textDevice, 1, 7) - 1;
    f.textDeviceDialog = s.textDeviceWindow;
    f.reportToClipboard = s.reportToClipboard;
    f.printFont = OemToUtf8(s.textFontPrintout);
    f.printFontSize = s.textSizePrintout;
    f.printFontStyle = s.textStylePrintout;
    f.left = IntToText(s.textWindow.left);
    f.top = IntToText(s.textWindow.top);
    f.width = IntToText(s.textWindow.width);
    f.height = IntToText(s.textWindow.height);
    f.unit = s.number.unitSystem == 1 ? 1 : 0;
    f.header = s.printoutHeaderMode == 2 ? 1 : 0;
    f.angleFormat = s.angleFormat == 1 ? 0 : 1;

    f.helpLevel = std::clamp(s.helpLevel, 0, 2);
    f.userAtStart = s.MultiUser;
    f.decimalSign = s.number.separator == 2 ? 1 : 0;
    f.excelSign = s.number.tableSeparatorMode == 1 ? 0 : 1;
    f.decimals = s.number.decimals;
    f.archiveMode = s.archiveMode;
    f.specialChars = s.text.transliterate ? 1 : 0;
    f.resultView = std::clamp(s.resultView, 0, 5);
    f.calculationMethod = std::clamp(s.calculationMethod, 0, 1);
    for (size_t i = 0; i < 5; ++i)
        f.kavrot[i] = static_cast<int>(i) < s.kavrotCount ? s.kavrotCommand[i + 1] : "";

    f.textProgram = s.textProgram;
    f.htmlBrowser = s.htmlBrowser;

    f.changeIndex = std::clamp(s.changeIndexStyle, 0, 3);
    f.sizeFactor = Field(nf, s.dimensionSizeFactor);
    f.makerTitle = !s.suppressMakerTitle;
    f.fileName = !s.suppressFileName;
    f.date = !s.suppressDate;
    f.logo = !s.suppressLogo;
    return f;
}

int DrawingAreaFromField(const std::string& text, int screenSize, int frameSize) {
    const int v = std::clamp(Whole(text) - 1, 0, 5000);
    return v == 0 ? screenSize - frameSize : v;
}

void StoreSettingsForm(const SettingsForm& f, Settings& s, const SettingsFormContext& c) {
    const SettingsForm shown = SettingsFormFrom(s);
    const std::string* shownAngles = shown.angle3d;
    Folders& d = s.folders;
    d.DbfDir = f.dirDbf;
    d.PltDir = f.dirPlt;
    if (f.dirTemp != ConfiguredTempDir(d)) {
        d.TempDir = f.dirTemp;
        d.TempDirSetting.clear();
    }
    d.DataDir = f.dirData;
    d.CadDir = f.dirCad;
    d.ExeDir = f.dirExe;
    d.EdiDir = f.dirEdi;

    s.colorGraphics = f.screenGraphics == 0;
    s.MaxX = DrawingAreaFromField(f.x, c.screen.width, c.frameWidth);
    s.MaxY = DrawingAreaFromField(f.y, c.screen.height, c.frameHeight);
    s.graphicsTextStyle = Stored(f.font, 60);
    s.textStyleGraphics = f.fontStyle;
    s.graphicsTextWidthFactor = ZeroTo(Number(f.textWidthFactor), 1.0);
    s.textHeightFactor = ZeroTo(Number(f.textHeightFactor), 1.0);
    s.backgroundColor = f.backgroundColor;
    s.zoomFactor = ZeroTo(Number(f.zoomFactor), 1.0);
    s.panFactor = Number(f.panFactor);
    s.screendumpBorder = f.border;
    s.picturePrintLook = f.picturePrintLook;
    s.pictureDpi = InRangeOr(f.pictureDpi, kPictureDpiMin, kPictureDpiMax, 150);
    s.inputWindowScale = f.dialogWindowScale == 0 ? 100 : f.dialogWindowScale;
    s.dialogContentScale = f.dialogContentScale == 0 ? 100 : f.dialogContentScale;
    s.edit3d = f.edit3d;
    // An angle left as shown keeps its exact radians (degrees do not convert back exactly).
    for (size_t i = 0; i < 3; ++i) {
        if (f.angle3d[i] != shownAngles[i]) s.default3d[i] = Number(f.angle3d[i]) * kPi / 180;
    }

    // Colours and thicknesses the configuration reader would refuse are not stored either.
    auto storeRow = [&s](const LayerRow& r, size_t layer, bool withName) {
        if (withName) s.layerName[layer] = Stored(r.name, 32);
        s.layerColor[layer] = InRangeOr(r.color, 1, 16, 1);
        s.layerThickness[layer] = InRangeOr(Whole(r.thickness), 1, 255, 1);
    };
    for (size_t row = 0; row < 5; ++row) storeRow(f.layers[row], 5 - row, true);
    for (size_t i = 0; i < 16; ++i) storeRow(f.colorLayers[i], 16 + i, false);
    s.layerMonochrome = f.layerMonochrome;
    s.cadTextStyle = Stored(f.cadFont, 32);
    s.cadTextWidthFactor = ZeroTo(Number(f.cadTextWidth), 1.0);
    s.cadTextAngle = Number(f.cadTextAngle);
    s.enterDiagramLimits = f.diagramLimits;
    s.releaseText = Stored(f.releaseText, 255);
    s.decimalsDxf = InRangeOr(f.decimalsDxf, 1, 32, 6);
    s.text.cadTextMode = std::clamp(f.cadTextType, 0, 2) + 1;

    s.screendumpScale = ZeroTo(Number(f.printScale), 1.0);
    const double scaleY = Number(f.printScaleY);
    s.printScaleVertical = scaleY < 0.0001 ? s.screendumpScale : scaleY;
    s.screendumpOriginX = Whole(f.printXOrigin);
    s.screendumpOriginY = Whole(f.printYOrigin);
    s.windowsPrintMode = f.printMono == 1 ? 2 : 1;
    s.printerOrientation = f.orientation == 1 ? 2 : 1;
    s.graphicPrintoutDialog = f.printerDialog;
    s.printerPort = std::clamp(f.lpt, 0, 3) + 1;

    s.textPrintMode = std::clamp(f.separatorLines, 0, 3) + 1;
    s.linesPerPage = f.linesPerPage < 5 ? 66 : f.linesPerPage;
    s.headerSpaceLines = InRangeOr(f.spaceLines, 0, 30, 0);
    s.number.dateCode = std::clamp(f.dateCode, 0, 2) + 1;
    s.textDevice = std::clamp(f.textDevice, 0, 6) + 1;
    s.textDeviceWindow = f.textDeviceDialog;
    s.reportToClipboard = f.reportToClipboard;
    s.textFontPrintout = f.printFont.empty() ? "Courier New" : Stored(f.printFont, 60);
    s.textSizePrintout = f.printFontSize == 0 ? 10 : f.printFontSize;
    s.textStylePrintout = f.printFontStyle;
    s.textWindow = {Whole(f.left), Whole(f.top), Whole(f.width), Whole(f.height)};
    s.number.unitSystem = f.unit == 1 ? 1 : 0;
    s.printoutHeaderMode = f.header == 1 ? 2 : 1;
    s.angleFormat = f.angleFormat == 0 ? 1 : 2;

    s.helpLevel = std::clamp(f.helpLevel, 0, 2);
    s.MultiUser = f.userAtStart;
    s.number.separator = f.decimalSign == 1 ? 2 : 1;
    s.number.tableSeparatorMode = f.excelSign == 0 ? 1 : 2;
    s.number.decimals = InRangeOr(f.decimals, 1, 9, 3);
    s.archiveMode = f.archiveMode;
    s.text.transliterate = f.specialChars == 1;
    s.resultView = std::clamp(f.resultView, 0, 5);
    s.calculationMethod = std::clamp(f.calculationMethod, 0, 1);
    // The file keeps lines 1..n: n is the last line in use; line 1 is always kept.
    int count = 1;
    for (int i = 0; i < 5; ++i) {
        s.kavrotCommand[static_cast<size_t>(i) + 1] = f.kavrot[static_cast<size_t>(i)];
        if (!Trim(f.kavrot[static_cast<size_t>(i)]).empty()) count = i + 1;
    }
    s.kavrotCount = count;

    s.textProgram = f.textProgram;
    s.htmlBrowser = f.htmlBrowser;

    s.changeIndexStyle = std::clamp(f.changeIndex, 0, 3);
    const double size = Number(f.sizeFactor);
    s.dimensionSizeFactor = size < 0.01 ? 1.0 : size;
    s.suppressMakerTitle = !f.makerTitle;
    s.suppressFileName = !f.fileName;
    s.suppressDate = !f.date;
    s.suppressLogo = !f.logo;
}

FieldSize GraphicsWindowDefault(const ScreenInfo& screen, const WindowFrame& g) {
    return {screen.width + g.clientWidth - g.width,
            screen.height + static_cast<int>(std::lround(1.65 * (g.clientHeight - g.height)))};
}

namespace {
// (dots per inch / 96) * (window height / (client height + 46) + 0.009) * 100
double WindowRatio(double dpi, const WindowFrame& g) {
    const double ratio = g.height > 0 ? static_cast<double>(g.height) / (g.clientHeight + 46) : 1.0;
    return (dpi > 0 ? dpi / 96.0 : 1.0) * (ratio + 0.009) * 100;
}
}  // namespace

int InputWindowScaleDefault(const ScreenInfo& screen, const WindowFrame& g) {
    return static_cast<int>(std::lround(WindowRatio(screen.dpiY, g)));
}

int DialogContentScaleDefault(const ScreenInfo& screen, const WindowFrame& g,
                              int inputWindowScale) {
    const double base = WindowRatio(screen.dpiX, g);
    return base > 0 ? static_cast<int>(std::lround(inputWindowScale / base * 100)) : 100;
}

TextWindowRect TextWindowDefault(int fontSize, int drawingWidth, int drawingHeight) {
    TextWindowRect r;
    r.left = 10;
    r.top = 40;
    r.width = 620;
    if (drawingWidth > 640) {
        r.width = static_cast<int>(std::lround(fontSize * 700 * 0.1));
        if (r.width == 0) r.width = 700;
    }
    r.height = drawingHeight - 20;
    return r;
}

LayerRow LayerDefault(int layer) {
    switch (layer) {
        case 5:
            return {"5", 1, "3"};
        case 4:
            return {"4", 3, "2"};
        default:
            return {IntToText(layer), 2, "1"};
    }
}

bool ImportConfiguration(Settings& s, const std::string& path, UiState& ui) {
    if (!CheckFileReadable(ui, path)) return false;
    const size_t slash = path.find_last_of('/');
    const std::string folder = slash == std::string::npos ? "" : path.substr(0, slash + 1);
    std::string stem = slash == std::string::npos ? path : path.substr(slash + 1);
    if (stem.size() > 4 && LowerAscii(stem.substr(stem.size() - 4)) == ".cfg")
        stem.resize(stem.size() - 4);
    const std::string homeDir = s.folders.HomeDir;
    s.folders.HomeDir = folder;
    ui.errorFlag = false;
    ReadConfiguration(s, stem, "", ui);
    s.folders.HomeDir = homeDir;
    return !ui.errorFlag;
}

}  // namespace zel3
