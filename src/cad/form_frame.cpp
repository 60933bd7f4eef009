#include "cad/form_frame.h"

#include <array>
#include <fstream>

#include "cad/cad_driver.h"
#include "util/text.h"

namespace zel3 {

namespace {

struct Text {
    const char* text;
    double x;
    double y;
};

// Texts in code page 850 (0x8E "Ä", 0x84 "ä", 0x81 "ü").
constexpr std::array<Text, 5> kNoteEnglish{{
    {"Copying of this document and giving it to other and the use", 4, 10},
    {"or communication of the contents therof, are forbidden with-", 6.7, 10},
    {"out express authority. Offenders are liable to the payment", 9.4, 10},
    {"of damages. All rights are reserved in the event of the grant", 12.1, 10},
    {"of a patent or the registration of a utility model or design.", 14.8, 10},
}};
constexpr std::array<Text, 5> kNoteGerman{{
    {"Weitergabe sowie Vervielf\x84ltigung dieser Unterlage, Ver-", 4, 200},
    {"wertung und Mitteilung ihres Inhalts nicht gestattet, soweit", 6.7, 200},
    {"nicht ausdr\x81"
     "cklich zugestanden. Zuwiderhandlungen verpflich-",
     9.4, 200},
    {"ten zu Schadensersatz. Alle Rechte f\x81r den Fall der Patent-", 12.1, 200},
    {"erteilung oder Gebrauchsmuster-Eintragung vorbehalten.", 14.8, 200},
}};

void Style(CadDriver& cad, double h, double w, double angle) {
    cad.CadSetTextStyle(2, angle, h, w);
}

void Lines(CadDriver& cad) {
    cad.CadSetLayer(5);
    cad.CadRectangle(18, 5, 205, 292);
    cad.CadLine(18, 43, 205, 43);
    cad.CadSetLayer(4);
    cad.CadLine(73, 5, 73, 43);
    cad.CadLine(116, 5, 116, 43);
    cad.CadLine(73, 22, 205, 22);
    cad.CadLine(192, 9.4, 192, 22);
    cad.CadSetLayer(3);
    cad.CadRectangle(0, 0, 210, 297);
    cad.CadRowLines(8, 18, 43, 55, 4.2);
    cad.CadRowLines(4, 73, 43, 43, 4.2);
    cad.CadLine(26, 5, 26, 43);
    cad.CadLine(52, 5, 52, 43);
    cad.CadLine(65, 5, 65, 43);
    cad.CadLine(82, 22, 82, 43);
    cad.CadLine(98, 22, 98, 43);
    cad.CadLine(73, 9.4, 205, 9.4);
    cad.CadLine(160, 5, 160, 9.4);
    cad.CadLine(192, 14, 205, 14);
    cad.CadLine(0, 148.5, 15, 148.5);
}

void FixedTexts(CadDriver& cad, const FormFrameData& data) {
    Style(cad, 1.6, 1.3, 0);
    cad.CadTextOut("Zust.", 19, 6);
    cad.CadTextOut(
        "\x8E"
        "nderung",
        30, 6);
    cad.CadTextOut("Datum", 54, 6);
    cad.CadTextOut("Name", 65.6, 6);

    Style(cad, 1.8, 1.5, 0);
    cad.CadTextOut("Datum", 85, 39.8);
    cad.CadTextOut("Name", 100, 39.8);
    cad.CadTextOut("Bearb.", 74, 35.6);
    cad.CadTextOut("Gepr.", 74, 31.4);
    cad.CadTextOut("Norm", 74, 27.2);
    cad.CadTextOut(data.releaseText, 74, 23.2);

    Style(cad, 1.8, 1.5, 90);
    for (const Text& t : kNoteEnglish) cad.CadTextOut(t.text, t.x, t.y);
    for (const Text& t : kNoteGerman) cad.CadTextOut(t.text, t.x, t.y);
}

void SignOffAndSheetLabels(CadDriver& cad, const FormFrameData& data) {
    Style(cad, 1.8, 1.5, 0);
    constexpr std::array<double, 4> kRowY{35.6, 31.2, 27.0, 23.0};
    for (std::size_t i = 0; i < kRowY.size(); ++i) {
        cad.CadTextOut(data.info.signOff[i].date, 83.5, kRowY[i]);
        cad.CadTextOut(data.info.signOff[i].name, 100, kRowY[i]);
    }
    cad.CadTextOut("Blatt", 194, 18);
    cad.CadTextOut("Bl.", 200, 10.4);
    if (!data.info.replacedBy.empty())
        cad.CadTextOut(("Ersetzt durch " + data.info.replacedBy).substr(0, 26), 118, 6.5);
    if (!data.info.replaces.empty())
        cad.CadTextOut(("Ersatz f\x81r " + data.info.replaces).substr(0, 29), 162, 6.5);
}

void TextPlacements(CadDriver& cad, const DrawingInfo& info) {
    const int count = std::min(std::max(info.placementCount, 0), kMaxPlacements);
    for (int i = 0; i < count; ++i) {
        const TextPlacement& p = info.placements[static_cast<std::size_t>(i)];
        if (p.h > 0) Style(cad, p.h, 0.8 * p.h, p.phi);
        cad.CadTextOut(p.text, p.x, p.y);
    }
}

void NameBlock(CadDriver& cad, const std::string& name, const std::string& name2,
               const std::string& number) {
    cad.CadSetLayer(5);
    Style(cad, 5, 4, 0);
    cad.CadTextOut(name, 120, 32.5);
    cad.CadTextOut(number, 120, 12);
    Style(cad, 3.5, 2.8, 0);
    cad.CadTextOut(name2, 120, 25);
}

void EdgeLines(CadDriver& cad, const FormFrameData& data) {
    Style(cad, 1.5, 1.2, 0);
    if (data.showFileName) cad.CadTextOut(ShortenMiddle(data.projectPath, 150), 18, 1.0);
    if (data.showDate) cad.CadTextOut(data.dateTime, 186, 1.0);
    Style(cad, 3.5, 3, 0);
    if (data.showMakerTitle) {
        const std::string title = "TRELLOX   " + data.programTitle + "  V" + data.versionText;
        cad.CadTextOut(title.substr(0, 78), 1.0, 300);
    }
}

bool Readable(const std::string& path) {
    std::ifstream f(path, std::ios::binary);
    return f.good();
}

}  // namespace

std::string ChangeIndexText(int style, int b) {
    switch (style) {
        case 0:
            return std::string(1, static_cast<char>(96 + b));
        case 1:
            return std::to_string(b);
        case 2:
            return std::string(1, static_cast<char>(64 + b));
        default:
            return {};
    }
}

void DrawChangeList(CadDriver& cad, const FormFrameData& data) {
    const int n = std::min(std::max(data.changes.count, 0), kMaxChanges);
    if (n == 0) return;
    Style(cad, 1.7, 1.3, 0);
    cad.CadSetLayer(3);
    const int first = n < 9 ? 1 : n - 7;
    for (int b = first, k = 1; b <= n; ++b, ++k) {
        const ChangeEntry& e = data.changes.entries[static_cast<std::size_t>(b - 1)];
        const double y = 6.5 + 4.2 * k;
        cad.CadTextOut(ChangeIndexText(data.indexStyle, b), 21, y);
        cad.CadTextOut(e.designation, 27, y);
        cad.CadTextOut(e.date, 52.5, y);
        cad.CadTextOut(e.editor, 66, y);
    }
}

void DrawFormFrame(CadDriver& cad, bool errorFlag, const FormFrameData& data,
                   const std::string& drawingName, const std::string& drawingName2,
                   const std::string& drawingNumber) {
    if (errorFlag) return;
    cad.SetTitleBlockDrawn();
    Lines(cad);
    FixedTexts(cad, data);
    SignOffAndSheetLabels(cad, data);
    DrawChangeList(cad, data);
    TextPlacements(cad, data.info);
    NameBlock(cad, drawingName, drawingName2, drawingNumber);
    EdgeLines(cad, data);
    const int kind = cad.kind();
    if (data.showLogo && (kind == kCadScreen || kind == kCadPlot) && !data.logoFile.empty() &&
        Readable(data.logoFile))
        cad.CadInsert("logo_1", 75, 10, 0, 1, 1);
}

}  // namespace zel3
