// Writing the configuration file: every entry in its place, numbers with a decimal point.
#include <algorithm>
#include <cerrno>

#include "config/config_file.h"
#include "shell/program.h"
#include "util/codepage.h"
#include "util/io_error.h"
#include "util/number_text.h"
#include "util/safe_file.h"

namespace zel3 {

namespace {

// Writes one entry: label line, then its value lines; numbers always with a point.
class EntryWriter {
  public:
    explicit EntryWriter(const NumberFormat& userFormat) : nf_(userFormat) { nf_.separator = 1; }

    // Labels are written in the source's spelling and stored in code page 850.
    void Label(const std::string& utf8) { out_.WriteText(Utf8ToOem(utf8)); }
    void Text(const std::string& oem) { out_.WriteText(oem); }
    void Path(const std::string& utf8) { out_.WriteText(Utf8ToOem(utf8)); }
    void Int(long long v) { out_.WriteInt(v); }
    void Float(double v) { out_.WriteStored(nf_, v); }
    void Bool(bool v) { out_.WriteBool(v); }

    const std::string& content() const { return out_.content(); }

  private:
    NumberFormat nf_;
    LineWriter out_;
};

void ReportWriteError(UiState& ui, const IoError& e) {
    ui.errorFlag = true;
    if (!ui.showErrors) return;
    std::string text;
    switch (e.errorNumber()) {
        case EACCES:
        case EPERM:
        case EROFS:
            text = "Schreibschutz entfernen !";
            break;
        case ENOSPC:
        case EDQUOT:
            text = "Diskette/Platte voll";
            break;
        default:
            text = "I/O-Error " + IntToText(e.errorNumber());
            break;
    }
    ui.platform.MessageBox(BoxKind::Error, "Fehler : ", text);
}

}  // namespace

std::string ConfigurationText(const Settings& s, const std::string& shortName,
                              const std::string& versionText) {
    EntryWriter w(s.number);
    w.Label(shortName + " Konfiguration");
    w.Label("Version " + versionText);
    for (size_t i = 1; i <= 5; ++i) {
        w.Label("Layer");
        w.Text(s.layerName[i]);
        w.Label("Farbe");
        w.Int(s.layerColor[i]);
    }
    w.Label("Textstil CAD");
    w.Text(s.cadTextStyle);
    w.Label("Textbreitenfaktor CAD");
    w.Float(s.cadTextWidthFactor);
    w.Label("Textwinkel");
    w.Float(s.cadTextAngle);
    w.Label("CAD Ordner");
    w.Path(s.folders.CadDir);
    w.Label("DBF Ordner");
    w.Path(s.folders.DbfDir);
    w.Label("Hilfegrad");
    w.Int(s.helpLevel);
    w.Label("Druckerschnittstelle");
    w.Int(s.printerPort);
    w.Label("Druckertyp");
    w.Int(s.printerType);
    w.Label("Druckdichte");
    w.Int(s.printDensity);
    w.Label("Hardcopy um 90° gedreht ?");
    w.Text(std::string(1, s.hardcopyRotated));
    w.Label("Dezimalstellen");
    w.Int(s.number.decimals);
    w.Label("Druckdicke vertikal");
    w.Int(s.printThicknessVertical);
    w.Label("Farbgrafik");
    w.Bool(s.colorGraphics);
    w.Label("GrafikKorrekturFaktor horizontal");
    w.Float(s.graphicsCorrection);
    w.Label("Grafik-Mode");
    w.Int(s.graphicsMode);
    w.Label("Grafik-Treiber");
    w.Int(s.graphicsDriver);
    w.Label("Auflösung horizontal");
    w.Int(s.MaxX);
    w.Label("Auflösung vertikal");
    w.Int(s.MaxY);
    w.Label("Ordner für temporäre Dateien");
    w.Path(ConfiguredTempDir(s.folders));
    w.Label("Druckerschnittstelle Hardcopy");
    w.Int(s.hardcopyPort);
    w.Label("EDI Ordner");
    w.Path(s.folders.EdiDir);
    w.Label("PLT Ordner");
    w.Path(s.folders.PltDir);
    w.Label("Mode für Textausdruck 1:* 2:-");
    w.Int(s.textPrintMode);
    w.Label("Zeilen pro Seite für Drucker");
    w.Int(s.linesPerPage);
    w.Label("Zoomfaktor");
    w.Float(s.zoomFactor);
    w.Label("Pan-Faktor");
    w.Float(s.panFactor);
    w.Label("TRELLOX-Programmverzeichnis");
    w.Path(s.folders.ExeDir);
    w.Label("KAVROT-Kommandozeile");
    w.Path(s.kavrotCommand[1]);
    w.Label("Hintergrundfarbe");
    w.Int(s.backgroundColor);
    w.Label("Windows-Druckmodus (1=mono 2=color)");
    w.Int(s.windowsPrintMode);
    w.Label("Layer Monochrom");
    w.Bool(s.layerMonochrome);
    w.Label("Textbreitenfaktor Grafik");
    w.Float(s.graphicsTextWidthFactor);
    w.Label("Textstil Grafik");
    w.Text(s.graphicsTextStyle);
    for (size_t layer = 16; layer <= 31; ++layer) {
        w.Label("Color Layer " + IntToText(static_cast<long long>(layer)));
        w.Int(s.layerColor[layer]);
    }
    w.Label("Textprogramm");
    w.Path(s.textProgram);
    w.Label("Datenbank mode");
    w.Int(s.databaseMode);
    w.Label("externe Datenbank");
    w.Path(s.externalDatabase);
    w.Label("Windows Screendump Origin X");
    w.Int(s.screendumpOriginX);
    w.Label("Windows Screendump Origin Y");
    w.Int(s.screendumpOriginY);
    w.Label("Windows Screendump Scale");
    w.Float(s.screendumpScale);
    w.Label("Windows Screendump Border ?");
    w.Bool(s.screendumpBorder);
    w.Label("Enter Password ?");
    w.Bool(s.MultiUser);
    w.Label("KAVROT Command lines (n, line 2 .. line n)");
    const int count = std::clamp(s.kavrotCount, 1, static_cast<int>(s.kavrotCommand.size()) - 1);
    w.Int(count);
    for (int k = 2; k <= count; ++k) w.Path(s.kavrotCommand[static_cast<size_t>(k)]);
    w.Label("Archive Flag ?");
    w.Bool(s.archiveMode);
    w.Label("Date Code");
    w.Int(s.number.dateCode);
    w.Label("Header Space Lines");
    w.Int(s.headerSpaceLines);
    w.Label("Text Device");
    w.Int(s.textDevice);
    w.Label("Text Device Window ?");
    w.Bool(s.textDeviceWindow);
    w.Label("Small Online Window ?");
    w.Bool(s.smallOnlineWindow);
    w.Label("Enter Diagram Limits ?");
    w.Bool(s.enterDiagramLimits);
    w.Label("Dot=1 Komma=2");
    w.Int(s.number.separator);
    w.Label("Default Data Directory");
    w.Path(s.folders.DataDir);
    w.Label("Text Height Factor");
    w.Float(s.textHeightFactor);
    w.Label("Input Window Scale %");
    w.Int(s.inputWindowScale);
    w.Label("HTML Browser");
    w.Path(s.htmlBrowser);
    w.Label("Print Scale Vertical");
    w.Float(s.printScaleVertical);
    w.Label("Line thickness Layer 0..5");
    for (size_t layer = 0; layer <= 5; ++layer) w.Int(s.layerThickness[layer]);
    w.Label("Graphic Printout Dialog Box ?");
    w.Bool(s.graphicPrintoutDialog);
    w.Label("Text window left/top/width/height");
    w.Text(IntToText(s.textWindow.left) + "|" + IntToText(s.textWindow.top) + "|" +
           IntToText(s.textWindow.width) + "|" + IntToText(s.textWindow.height));
    w.Label("Metric Units=0,  English units=1");
    w.Int(s.number.unitSystem);
    w.Label("printout with header=1, header page 1 only=2");
    w.Int(s.printoutHeaderMode);
    w.Label("Text Font Printout");
    w.Text(s.textFontPrintout);
    w.Label("Text Size Printout");
    w.Int(s.textSizePrintout);
    w.Label("Text Style Printout");
    w.Int(s.textStylePrintout);
    w.Label("Text Style Graphics");
    w.Int(s.textStyleGraphics);
    w.Label("Printer: Portrait=1, Landscape=2");
    w.Int(s.printerOrientation);
    w.Label("Edit 3D x,y,z ?");
    w.Bool(s.edit3d);
    w.Label("3D - Default x,y,z");
    for (double angle : s.default3d) w.Float(angle);
    w.Int(s.changeIndexStyle);
    w.Int(s.number.tableSeparatorMode);
    w.Text(s.releaseText);
    w.Label("Decimals DXF,TXT");
    w.Int(s.decimalsDxf);
    w.Label("CAD Text Mode");
    w.Int(s.text.cadTextMode);
    w.Label("Strichstärke Layer 16..31");
    for (size_t layer = 16; layer <= 31; ++layer) w.Int(s.layerThickness[layer]);
    w.Int(s.text.transliterate ? 1 : 0);
    w.Int(s.dialogContentScale);
    w.Int(s.angleFormat);
    w.Float(s.dimensionSizeFactor);
    w.Int(s.unnamedInteger);
    w.Int(s.languageNumber);
    w.Int(s.resultView);
    w.Bool(s.suppressMakerTitle);
    w.Bool(s.suppressFileName);
    w.Bool(s.suppressDate);
    w.Bool(s.suppressLogo);
    w.Label("Screen Report to Clipboard ?");
    w.Bool(s.reportToClipboard);
    w.Label("Berechnungsverfahren");
    w.Int(s.calculationMethod);
    w.Label("Bilddatei wie Ausdruck ?");
    w.Bool(s.picturePrintLook);
    w.Label("Bilddatei dpi");
    w.Int(s.pictureDpi);
    return w.content();
}

void WriteConfiguration(const Settings& s, const std::string& shortName,
                        const std::string& versionText, UiState& ui) {
    const std::string path = ConfigurationPath(s.folders.HomeDir, shortName);
    try {
        MakeParentFolders(path);
        WriteFileReplacing(path, ConfigurationText(s, shortName, versionText));
    } catch (const IoError& e) {
        ReportWriteError(ui, e);
    }
}

void WriteConfiguration(Program& program) {
    SettleConfigurationFolders(program);
    WriteConfiguration(program.settings, program.identity.ShortName, program.identity.VersionText,
                       program.ui);
}

}  // namespace zel3
