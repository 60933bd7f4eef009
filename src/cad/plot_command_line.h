#pragma once
// The plot converter's command line built from its settings: once from the fields of the
// converter settings form (texts as typed), once from the answers of the question sequence.
// Folders get the separator "/" appended as WithBackslash does.

#include <string>
#include <vector>

#include "util/number_format.h"

namespace zel3 {

enum PlotInterface { kPlotSerial = 1, kPlotParallel = 2, kPlotFile = 3 };

// Output format codes 1..5: HPL, PS, PLT, PL2, ART.
const std::vector<std::string>& PlotFormatCodes();
constexpr int kPlotPostScript = 2;
// The PostScript fonts offered, the last entry "andere Schriften".
const std::vector<std::string>& PlotFontNames();

// The fields of the converter settings form, as their controls hold them.
struct PlotConverterForm {
    std::string program = "c:\\kavrot\\wkavrot";
    std::string folder;  // folder of the input and output files; the form starts with TempDir
    int format = 1;      // 1..5, PlotFormatCodes
    int interface = kPlotParallel;
    std::string com = "1";
    std::string lpt = "1";
    std::string scale = "1";
    bool fitToSheet = false;  // "Maßstab anpassen ?": the scale text becomes "0"
    bool rotate = false;
    std::string xShift = "0";
    std::string yShift = "0";
    std::string textWidthFactor = "1";
    std::string font;  // PostScript only
};

// The form as it opens: its fixed defaults with the folder TempDir.
PlotConverterForm DefaultPlotConverterForm(const std::string& tempDir);
// The command line the form shows for its fields.
std::string PlotFormCommandLine(const PlotConverterForm& form);

// The answers of the question sequence.
struct PlotQuestions {
    std::string folder;       // folder of the converter program
    std::string programFile;  // "wkavrot.exe" or "kavrot.exe"
    std::string tempDir;
    int format = 1;
    int interface = kPlotParallel;
    int port = 1;
    std::string outputFile;
    double scale = 1.0;  // 0 = fit to the sheet
    bool rotate = false;
    double xShift = 0.0;
    double yShift = 0.0;
    double textWidthFactor = 1.0;
    std::string font;
};

// The command line of the question sequence; numbers written with FormatValue.
std::string PlotQuestionCommandLine(const NumberFormat& nf, const PlotQuestions& q);

}  // namespace zel3
