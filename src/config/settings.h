#pragma once
// The settings record: every configured value with its built-in default. The configuration
// file (config_file.h) fills it at start-up; the settings dialog edits it.

#include <array>
#include <string>

#include "util/number_format.h"

namespace zel3 {

// Folders of the program. HomeDir and StartDir are found at start-up; the others come from
// the configuration file and are checked once during start-up. Folders, program command lines
// and file names are held as the system spells them (UTF-8); the configuration file keeps them
// in code page 850. Other texts of the record (layer names, text styles, release text) are
// code page 850 bytes.
struct Folders {
    std::string DataDir;   // root of project folders ("Default Data Directory")
    std::string TempDir;   // temporary files; a private folder inside the configured one
                           // when that is shared with other users
    std::string TempDirSetting;  // the configured temporary folder while TempDir is a private
                                 // folder inside it; empty otherwise
    std::string PltDir;    // help pictures, help texts, message descriptions
    std::string DbfDir;    // material tables
    std::string CadDir;    // CAD output
    std::string EdiDir;    // exchange files
    std::string HomeDir;   // where zel3.cfg and zel3.cff live
    std::string StartDir;  // working folder when the program started
    std::string ExeDir;    // "TRELLOX-Programmverzeichnis"
};

// The temporary folder as configured ("Temporärer Ordner"), which the settings show and store.
inline const std::string& ConfiguredTempDir(const Folders& f) {
    return f.TempDirSetting.empty() ? f.TempDir : f.TempDirSetting;
}
// The resolutions a PNG picture may be written at.
constexpr int kPictureDpiMin = 30;
constexpr int kPictureDpiMax = 1200;

struct TextWindowRect {
    int left = 10;
    int top = 40;
    int width = 620;
    int height = 0;
};

struct Settings {
    // "Dezimalstellen", "Dot=1 Komma=2", "Metric Units=0,  English units=1", "Date Code" and
    // the table separator mode live here, where the number and text helpers read them.
    NumberFormat number;
    TextOptions text;  // transliteration switch, "CAD Text Mode"
    Folders folders;

    // Layers: index 0..31. Names only for 1..5 are configurable; colours for 1..5 and 16..31;
    // thickness for 0..5 and 16..31.
    std::array<std::string, 32> layerName{};
    std::array<int, 32> layerColor{};
    std::array<int, 32> layerThickness{};
    bool layerMonochrome = false;  // "Layer Monochrom"

    std::string cadTextStyle = "TXT8";  // "Textstil CAD"
    double cadTextWidthFactor = 1.0;    // "Textbreitenfaktor CAD"
    double cadTextAngle = 0.0;          // "Textwinkel"
    int helpLevel = 1;                  // "Hilfegrad"
    int printerPort = 1;                // "Druckerschnittstelle"
    int printerType = 3;                // "Druckertyp"
    int printDensity = 1;               // "Druckdichte"
    char hardcopyRotated = 'J';         // "Hardcopy um 90° gedreht ?"
    int printThicknessVertical = 1;     // "Druckdicke vertikal"
    bool colorGraphics = true;          // "Farbgrafik"
    double graphicsCorrection = 1.0;    // "GrafikKorrekturFaktor horizontal"
    int graphicsMode = 0;               // "Grafik-Mode"
    int graphicsDriver = 0;             // "Grafik-Treiber"
    int MaxX = 0;                       // "Auflösung horizontal" (drawing area width - 1)
    int MaxY = 0;                       // "Auflösung vertikal"
    int hardcopyPort = 1;               // "Druckerschnittstelle Hardcopy"
    int textPrintMode = 2;              // "Mode für Textausdruck 1:* 2:-" (1..4)
    int linesPerPage = 66;              // "Zeilen pro Seite für Drucker"
    double zoomFactor = 1.02;           // "Zoomfaktor"
    double panFactor = 0.02;            // "Pan-Faktor"
    std::array<std::string, 6> kavrotCommand{
        // plot converter command lines 1..5 (index 1..)
        "", "C:\\KAVROT\\WKAVROT KAVROT.DXF /M1.0", "", "", "", ""};
    int kavrotCount = 1;                           // n of "KAVROT Command lines"
    int backgroundColor = 0;                       // "Hintergrundfarbe" (RGB as stored)
    int windowsPrintMode = 1;                      // "Windows-Druckmodus (1=mono 2=color)"
    double graphicsTextWidthFactor = 0.8;          // "Textbreitenfaktor Grafik"
    std::string graphicsTextStyle = "Arial";       // "Textstil Grafik"
    std::string textProgram = "xdg-open";          // "Textprogramm"
    int databaseMode = 1;                          // "Datenbank mode"
    std::string externalDatabase = "xdg-open";     // "externe Datenbank"
    int screendumpOriginX = 0;                     // "Windows Screendump Origin X"
    int screendumpOriginY = 0;                     // "Windows Screendump Origin Y"
    double screendumpScale = 1.0;                  // "Windows Screendump Scale"
    bool screendumpBorder = false;                 // "Windows Screendump Border ?"
    bool MultiUser = false;                        // "Enter Password ?"
    bool archiveMode = false;                      // "Archive Flag ?"
    int headerSpaceLines = 0;                      // "Header Space Lines"
    int textDevice = 1;                            // "Text Device"
    bool textDeviceWindow = false;                 // "Text Device Window ?"
    bool smallOnlineWindow = false;                // "Small Online Window ?"
    bool enterDiagramLimits = false;               // "Enter Diagram Limits ?"
    double textHeightFactor = 1.0;                 // "Text Height Factor"
    int inputWindowScale = 102;                    // "Input Window Scale %"
    std::string htmlBrowser = "xdg-open";          // "HTML Browser"
    double printScaleVertical = 1.0;               // "Print Scale Vertical"
    bool graphicPrintoutDialog = false;            // "Graphic Printout Dialog Box ?"
    TextWindowRect textWindow;                     // "Text window left/top/width/height"
    int printoutHeaderMode = 1;                    // "printout with header=1, header page 1 only=2"
    std::string textFontPrintout = "Courier New";  // "Text Font Printout"
    int textSizePrintout = 10;                     // "Text Size Printout"
    int textStylePrintout = 0;                     // "Text Style Printout"
    int textStyleGraphics = 0;                     // "Text Style Graphics"
    int printerOrientation = 1;                    // "Printer: Portrait=1, Landscape=2"
    bool edit3d = false;                           // "Edit 3D x,y,z ?"
    std::array<double, 3> default3d{};             // "3D - Default x,y,z" (radians)
    int changeIndexStyle = 0;          // 0 "a,b,c...", 1 "1,2,3...", 2 "A,B,C...", 3 "......"
    std::string releaseText = "Frei";  // release field of drawings (code page 850)
    int decimalsDxf = 6;               // "Decimals DXF,TXT"
    int dialogContentScale = 100;      // percent
    int angleFormat = 2;               // 1 decimal degrees, 2 degrees minutes seconds
    double dimensionSizeFactor = 1.0;  // "Größenfaktor" of dimensioning
    int unnamedInteger = 0;            // kept in its place in the file
    int languageNumber = 0;            // Part of the language switch; 0 = built-in German
    int resultView = 0;                // "Ergebnisgrafik" 0..5
    bool suppressMakerTitle = false;   // form sheet parts switched off
    bool suppressFileName = false;
    bool suppressDate = false;
    bool suppressLogo = false;
    bool reportToClipboard = false;    // screen reports go to the clipboard, not to a window
    int calculationMethod = 0;  // "Berechnungsverfahren": 0 coefficient table, 1 exact
    bool picturePrintLook = false;  // "Bilddatei wie Ausdruck ?": SVG/PDF/PNG black on white
    int pictureDpi = 150;           // "Bilddatei dpi": resolution of PNG pictures (A4)

    Settings();
};

}  // namespace zel3
