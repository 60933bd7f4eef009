#pragma once
// The settings dialog's controls as plain values, and the rules that copy them into the
// settings record. The dialog only binds widgets to these fields, so the rules are tested
// without a window.

#include <array>
#include <functional>
#include <string>

#include "config/settings.h"
#include "util/platform.h"
#include "util/ui_state.h"

namespace zel3 {

// Colour names 1..16 ("rot" .. "schwarz"); an empty text outside that range.
std::string ColorName(int n);
// A colour as the colour picker lists it: number + " (" + name + ")".
std::string ColorEntry(int n);

struct LayerRow {
    std::string name;  // display text
    int color = 1;
    std::string thickness;
};

struct SettingsForm {
    // "Directories"
    std::string dirDbf, dirPlt, dirTemp, dirData, dirCad, dirExe, dirEdi;

    // "Grafik"
    int screenGraphics = 0;  // 0 "color", 1 "monochrom"
    std::string x, y;        // drawing area width and height (MaxX + 1, MaxY + 1)
    std::string font;        // "Textstil Grafik"
    int fontStyle = 0;       // bold 1, italic 2, underline 4, strike-out 8
    std::string textWidthFactor, textHeightFactor;
    int backgroundColor = 0;  // red in the low byte
    std::string zoomFactor, panFactor;
    bool border = false;  // shared by the "Grafik" and "Drucker" pages
    bool picturePrintLook = false;  // SVG, PDF and PNG pictures black on white
    int pictureDpi = 150;
    int dialogWindowScale = 100;
    int dialogContentScale = 100;
    bool edit3d = false;
    std::string angle3d[3];  // degrees

    // "CAD": rows 1..5 show layers 5..1
    std::array<LayerRow, 5> layers;
    bool layerMonochrome = false;
    std::string cadFont, cadTextWidth, cadTextAngle;
    bool diagramLimits = false;
    std::string releaseText;
    int decimalsDxf = 6;
    int cadTextType = 0;  // 0 OEM, 1 ANSI, 2 transliterated

    // Colour page: layers 16..31
    std::array<LayerRow, 16> colorLayers;

    // "Drucker"
    std::string printScale, printScaleY, printXOrigin, printYOrigin;
    int printMono = 0;    // 0 "Monochrom", 1 "Color / Graustufen"
    int orientation = 0;  // 0 "Hochformat", 1 "Querformat"
    bool printerDialog = false;
    int lpt = 0;  // 0..3

    // "Ausdruck"
    int separatorLines = 0;  // 0..3
    int linesPerPage = 66;
    int spaceLines = 0;
    int dateCode = 0;    // 0..2
    int textDevice = 0;  // 0..6
    bool textDeviceDialog = false;
    bool reportToClipboard = false;
    std::string printFont;
    int printFontSize = 10;
    int printFontStyle = 0;
    std::string left, top, width, height;
    int unit = 0;         // 0 metric, 1 English
    int header = 0;       // 0 "mit Kopf", 1 "Kopf nur 1.Seite"
    int angleFormat = 0;  // 0 decimal degrees, 1 degrees minutes seconds

    // "Einstellungen"
    int helpLevel = 1;
    bool userAtStart = false;
    int decimalSign = 0;  // 0 point, 1 comma
    int excelSign = 1;    // 0 English, 1 German
    int decimals = 3;
    bool archiveMode = false;
    int specialChars = 0;  // 0 special characters, 1 ASCII
    int resultView = 0;
    int calculationMethod = 0;  // 0 coefficient table, 1 exact
    std::array<std::string, 5> kavrot;  // plot converter command lines 1..5

    // "Extern"
    std::string textProgram, htmlBrowser;

    // "Zeichnung"
    int changeIndex = 0;
    std::string sizeFactor;
    bool makerTitle = true, fileName = true, date = true, logo = true;
};

// What the copy into the record needs to know about the desktop: the screen and the size
// the settings dialog's frame adds to its client area.
struct SettingsFormContext {
    ScreenInfo screen;
    int frameWidth = 0;   // dialog outer width - client width
    int frameHeight = 0;  // dialog outer height - client height
};

SettingsForm SettingsFormFrom(const Settings& s);
// Copies every field back into the record with the rules of the dialog (factors of 0 become
// 1, sizes clamped, angles to radians, texts to code page 850).
void StoreSettingsForm(const SettingsForm& f, Settings& s, const SettingsFormContext& c);

// The drawing area width and height (MaxX, MaxY) the "x" and "y" fields give.
int DrawingAreaFromField(const std::string& text, int screenSize, int frameSize);

// The "<" buttons of the "Grafik" and "Ausdruck" pages.
struct FieldSize {
    int width = 0;
    int height = 0;
};
FieldSize GraphicsWindowDefault(const ScreenInfo& screen, const WindowFrame& graphics);
int InputWindowScaleDefault(const ScreenInfo& screen, const WindowFrame& graphics);
int DialogContentScaleDefault(const ScreenInfo& screen, const WindowFrame& graphics,
                              int inputWindowScale);
TextWindowRect TextWindowDefault(int fontSize, int drawingWidth, int drawingHeight);
// The "<" of a layer row of the "CAD" page: name, colour and thickness of layer 1..5.
LayerRow LayerDefault(int layer);

// Reads a configuration file picked by the user as if it were the program's own: the
// file's folder and name stand in for HomeDir and the short name while it is read.
// False (error flag set, message shown) when it cannot be read.
bool ImportConfiguration(Settings& s, const std::string& path, UiState& ui);

// What the settings dialog uses besides the record: the environment it shows, the actions
// of its buttons. Actions left empty switch their buttons off.
struct SettingsEnvironment {
    std::string workingDir;    // "Arbeitsverzeichnis"
    std::string user;          // USERNAME
    std::string tempVariable;  // TEMP
    ScreenInfo screen;
    WindowFrame graphicsWindow;
    std::function<void(const Settings&)> save;                     // "&Speichern"
    std::function<void(int width, int height)> resizeDrawingArea;  // client pixels
    std::function<bool(std::string& line)> editPlotCommand;        // converter settings form
    std::function<void(int topic)> showHelp;
};

}  // namespace zel3
