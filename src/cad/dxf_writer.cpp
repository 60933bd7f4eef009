#include "cad/dxf_writer.h"

#include <charconv>
#include <cmath>
#include <vector>

#include "cad/cad_layers.h"
#include "config/settings.h"
#include "util/codepage.h"
#include "util/number_text.h"
#include "util/text.h"

namespace zel3 {

std::string CadNumberText(double x, int decimals) {
    if (!std::isfinite(x)) x = 0;
    if (decimals < 0) decimals = 0;
    if (decimals > 32) decimals = 32;
    char buf[400];
    auto r = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::fixed, decimals);
    std::string s(buf, r.ptr);
    // No "-0.000": a value that rounds to zero carries no sign.
    if (!s.empty() && s[0] == '-' && s.find_first_not_of("-0.") == std::string::npos) s.erase(0, 1);
    return s;
}

bool CadArcIsFullCircle(double start, double end) {
    if (start == end) return true;
    return (std::fabs(start) < 1e-5 && std::fabs(end - 360) < 1e-5) ||
           (std::fabs(start - 360) < 1e-5 && std::fabs(end) < 1e-5);
}

std::string DxfCodePage(const TextOptions& text) {
    return text.cadTextMode == 2 ? "ANSI_1252" : "DOS850";
}

std::string DxfWriter::Num(double v) const {
    return CadNumberText(v, settings_.decimalsDxf);
}

void DxfWriter::Header(double xmin, double ymin, double xmax, double ymax) {
    ch_.Group(0, "SECTION");
    ch_.Group(2, "HEADER");
    // Without it CAD programs take the texts for Windows-1252 and garble umlauts.
    ch_.Group(9, "$DWGCODEPAGE");
    ch_.Group(3, DxfCodePage(settings_.text));
    const char* names[4] = {"$EXTMIN", "$EXTMAX", "$LIMMIN", "$LIMMAX"};
    for (int i = 0; i < 4; ++i) {
        ch_.Group(9, names[i]);
        bool min = i % 2 == 0;
        ch_.Group(10, Num(min ? xmin : xmax));
        ch_.Group(20, Num(min ? ymin : ymax));
    }
    ch_.Group(9, "$LTSCALE");
    ch_.Group(40, "15");
    ch_.Group(0, "ENDSEC");
}

void DxfWriter::Tables(int /*layerScheme*/) {
    ch_.Group(0, "SECTION");
    ch_.Group(2, "TABLES");

    ch_.Group(0, "TABLE");
    ch_.Group(2, "LTYPE");
    ch_.Group(70, "23");
    struct LineType {
        const char* name;
        const char* description;
        const char* count;
        const char* length;
        std::vector<const char*> elements;
    };
    const LineType types[3] = {
        {"CONTINUOUS", "Ausgezogene Linie", "0", "0.0", {}},
        {"DASHDOT", "--. --. --.-", "4", "1.0", {"0.5", "-0.25", "0.0", "-0.25"}},
        {"DASHED", "- - - - - - ", "2", "0.375", {"0.25", "-0.125"}},
    };
    for (const auto& t : types) {
        ch_.Group(0, "LTYPE");
        ch_.Group(2, t.name);
        ch_.Group(70, "64");
        ch_.Group(3, t.description);
        ch_.Group(72, "65");
        ch_.Group(73, t.count);
        ch_.Group(40, t.length);
        for (const char* e : t.elements) ch_.Group(49, e);
    }
    ch_.Group(0, "ENDTAB");

    ch_.Group(0, "TABLE");
    ch_.Group(2, "LAYER");
    ch_.Group(70, "24");
    auto layer = [&](int n) {
        ch_.Group(0, "LAYER");
        ch_.Group(2, CadLayerName(settings_, n));
        ch_.Group(70, "0");
        ch_.Group(62, std::to_string(settings_.layerMonochrome ? 1 : CadLayerColor(settings_, n)));
        ch_.Group(6, CadLayerLineType(n));
    };
    for (int n = 0; n <= 5; ++n) layer(n);
    for (int n = 16; n <= 31; ++n) layer(n);
    ch_.Group(0, "ENDTAB");

    ch_.Group(0, "TABLE");
    ch_.Group(2, "STYLE");
    ch_.Group(70, "1");
    ch_.Group(0, "STYLE");
    ch_.Group(2, "STANDARD");
    ch_.Group(70, "0");
    ch_.Group(40, "0.0");
    ch_.Group(41, "1.0");
    ch_.Group(50, "0.0");
    ch_.Group(71, "0");
    ch_.Group(42, "3.5");
    ch_.Group(3, UpperAscii(settings_.cadTextStyle));
    ch_.Group(4, "");
    ch_.WriteLine("0");
    ch_.WriteLine("ENDTAB");

    ch_.Group(0, "ENDSEC");
}

void DxfWriter::BeginBlocks() {
    ch_.Group(0, "SECTION");
    ch_.Group(2, "BLOCKS");
}

void DxfWriter::Block(const std::string& name) {
    ch_.Group(0, "BLOCK");
    ch_.Group(8, state_.layerName);
    ch_.Group(2, name);
    ch_.Group(70, "0");
    ch_.Group(10, "0.0");
    ch_.Group(20, "0.0");
}

void DxfWriter::EndBlock() {
    ch_.Group(0, "ENDBLK");
}
void DxfWriter::EndSection() {
    ch_.Group(0, "ENDSEC");
}

void DxfWriter::BeginEntities() {
    ch_.Group(0, "SECTION");
    ch_.Group(2, "ENTITIES");
}

void DxfWriter::Entity(const char* name) {
    ch_.Group(0, name);
    ch_.Group(8, state_.layerName);
}

void DxfWriter::Line(double x1, double y1, double x2, double y2) {
    Entity("LINE");
    ch_.Group(10, Num(x1));
    ch_.Group(20, Num(y1));
    ch_.Group(11, Num(x2));
    ch_.Group(21, Num(y2));
}

void DxfWriter::Circle(double x, double y, double r) {
    Entity("CIRCLE");
    ch_.Group(10, Num(x));
    ch_.Group(20, Num(y));
    ch_.Group(40, Num(r));
}

void DxfWriter::Arc(double x, double y, double start, double end, double r) {
    if (CadArcIsFullCircle(start, end)) {
        Circle(x, y, r);
        return;
    }
    Entity("ARC");
    ch_.Group(10, Num(x));
    ch_.Group(20, Num(y));
    ch_.Group(40, Num(r));
    ch_.Group(50, Num(start));
    ch_.Group(51, Num(end));
}

void DxfWriter::Text(const std::string& text, double x, double y) {
    NumberFormat nf = settings_.number;
    nf.separator = 1;  // DXF always uses the decimal point
    Entity("TEXT");
    ch_.Group(10, Num(x));
    ch_.Group(20, Num(y));
    ch_.Group(40, Num(state_.text.height));
    ch_.Group(1, CadText(settings_.text, text));
    ch_.Group(7, "STANDARD");
    ch_.Group(41, FormatValue(nf, state_.text.widthFactor));
    ch_.Group(50, FormatValue(nf, state_.text.angle));
    ch_.Group(51, FormatValue(nf, state_.text.oblique));
}

void DxfWriter::Solid(double x1, double y1, double x2, double y2, double x3, double y3, double x4,
                      double y4) {
    Entity("SOLID");
    const double v[8] = {x1, y1, x2, y2, x3, y3, x4, y4};
    for (int i = 0; i < 4; ++i) {
        ch_.Group(10 + i, Num(v[2 * i]));
        ch_.Group(20 + i, Num(v[2 * i + 1]));
    }
}

void DxfWriter::Insert(const std::string& name, double x, double y, double angle, double xs,
                       double ys) {
    Entity("INSERT");
    ch_.Group(2, name);
    ch_.Group(10, Num(x));
    ch_.Group(20, Num(y));
    ch_.Group(41, Num(xs));
    ch_.Group(42, Num(ys));
    ch_.Group(50, Num(angle));
}

void DxfWriter::EndOfFile() {
    ch_.Group(0, "EOF");
}

}  // namespace zel3
