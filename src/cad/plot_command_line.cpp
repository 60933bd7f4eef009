#include "cad/plot_command_line.h"

#include "util/number_text.h"
#include "util/text.h"

namespace zel3 {

namespace {

std::string FormatCode(int format) {
    const auto& codes = PlotFormatCodes();
    if (format < 1 || format > static_cast<int>(codes.size())) format = 1;
    return codes[static_cast<size_t>(format - 1)];
}

// A port text of the form; an empty field counts as the default port 1.
int PortNumber(const std::string& text) {
    const std::string t = Trim(text);
    return t.empty() ? 1 : TextToInt(t);
}

}  // namespace

const std::vector<std::string>& PlotFormatCodes() {
    static const std::vector<std::string> codes{"HPL", "PS", "PLT", "PL2", "ART"};
    return codes;
}

const std::vector<std::string>& PlotFontNames() {
    static const std::vector<std::string> fonts{
        "Times-Roman",
        "Times-Italic",
        "Times-Bold",
        "Times-BoldItalic",
        "Helvetica",
        "Helvetica-Oblique",
        "Helvetica-Bold",
        "Helvetica-BoldOblique",
        "Helvetica-Narrow",
        "Helvetica-Narrow-Oblique",
        "Helvetica-Narrow-Bold",
        "Helvetica-Narrow-BoldOblique",
        "Courier",
        "Courier-Oblique",
        "Courier-Bold",
        "Courier-BoldOblique",
        "Palatino-Roman",
        "Palatino-Italic",
        "Palatino-Bold",
        "Palatino-BoldItalic",
        "AvantGarde-Book",
        "AvantGarde-Demi",
        "AvantGarde-BookOblique",
        "AvantGarde-DemiOblique",
        "Bookman-Light",
        "Bookman-Demi",
        "Bookman-LightItalic",
        "Bookman-DemiItalic",
        "NewCenturySchlbk-Roman",
        "NewCenturySchlbk-Bold",
        "NewCenturySchlbk-Italic",
        "NewCenturySchlbk-BoldItalic",
        "ZapfChancery-MediumItalic",
        "Symbol",
        "andere Schriften",
    };
    return fonts;
}

PlotConverterForm DefaultPlotConverterForm(const std::string& tempDir) {
    PlotConverterForm form;
    form.folder = tempDir;
    return form;
}

std::string PlotFormCommandLine(const PlotConverterForm& form) {
    const std::string folder = WithBackslash(form.folder);
    std::string line = form.program + " " + folder + "kavrot";
    line += " /C" + FormatCode(form.format);
    if (form.interface != kPlotParallel)
        line += " /D" + IntToText(form.interface == kPlotSerial ? 1 : 3);
    if (form.interface == kPlotSerial || form.interface == kPlotParallel) {
        const int port = PortNumber(form.interface == kPlotSerial ? form.com : form.lpt);
        if (port != 1) line += " /P" + IntToText(port);
    } else if (!Trim(form.folder).empty()) {
        line += " /F" + folder + "kavrot";
    }
    const std::string scale = form.fitToSheet ? std::string("0") : Trim(form.scale);
    const double scaleValue = TextToFloat(scale);
    if (scaleValue != 1) line += scaleValue != 0 ? " /M" + scale : std::string(" /M*");
    if (TextToFloat(form.xShift) != 0) line += " /X" + Trim(form.xShift);
    if (TextToFloat(form.yShift) != 0) line += " /Y" + Trim(form.yShift);
    if (TextToFloat(form.textWidthFactor) != 1) line += " /B" + Trim(form.textWidthFactor);
    if (form.rotate) line += " /R";
    if (form.format == kPlotPostScript) line += " /T" + form.font;
    return line;
}

std::string PlotQuestionCommandLine(const NumberFormat& nf, const PlotQuestions& q) {
    std::string line =
        WithBackslash(q.folder) + q.programFile + " " + WithBackslash(q.tempDir) + "kavrot";
    line += " /C" + FormatCode(q.format);
    if (q.interface != kPlotParallel) line += " /D" + IntToText(q.interface);
    if ((q.interface == kPlotSerial || q.interface == kPlotParallel) && q.port != 1)
        line += " /P" + IntToText(q.port);
    if (q.interface == kPlotFile && !Trim(q.outputFile).empty()) line += " /F" + Trim(q.outputFile);
    if (q.scale == 0)
        line += " /M*";
    else if (q.scale != 1)
        line += " /M" + FormatValue(nf, q.scale);
    if (q.xShift != 0) line += " /X" + FormatValue(nf, q.xShift);
    if (q.rotate) line += " /R";
    if (q.yShift != 0) line += " /Y" + FormatValue(nf, q.yShift);
    if (q.textWidthFactor != 1) line += " /B" + FormatValue(nf, q.textWidthFactor);
    if (q.format == kPlotPostScript) line += " /T" + q.font;
    return line;
}

}  // namespace zel3
