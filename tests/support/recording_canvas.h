#pragma once
// A canvas for tests: every call is kept as one line of text, e.g. "line 10,20 30,40".

#include <string>
#include <vector>

#include "graphics/canvas.h"

namespace zel3::test {

class RecordingCanvas : public Canvas {
  public:
    std::vector<std::string> calls;
    Rgb pen;
    Rgb brush;
    bool brushSolid = false;
    PenStyle style = PenStyle::Solid;
    int width = 1;

    void SetPen(const Rgb& color, PenStyle s, int w) override {
        pen = color;
        style = s;
        width = w;
    }
    void SetBrush(const Rgb& color, bool solid) override {
        brush = color;
        brushSolid = solid;
    }
    void Line(int x1, int y1, int x2, int y2) override {
        calls.push_back("line " + P(x1, y1) + " " + P(x2, y2) + Attr());
    }
    void Ellipse(int l, int t, int r, int b) override {
        calls.push_back("ellipse " + P(l, t) + " " + P(r, b) + Attr() + Fill());
    }
    void Arc(int l, int t, int r, int b, PixelPoint s, PixelPoint e) override {
        calls.push_back("arc " + P(l, t) + " " + P(r, b) + " " + P(s.x, s.y) + " " + P(e.x, e.y) +
                        Attr());
    }
    void Polygon(const std::array<PixelPoint, 4>& p) override {
        std::string c = "polygon";
        for (const auto& q : p) c += " " + P(q.x, q.y);
        calls.push_back(c + Attr() + Fill());
    }
    void Text(int x, int y, const std::string& utf8, const FontSpec& f, const Rgb& color) override {
        calls.push_back("text " + P(x, y) + " \"" + utf8 + "\" h" + std::to_string(f.height) +
                        " w" + std::to_string(f.width) + " esc" + std::to_string(f.escapement) +
                        " " + C(color));
    }

    static std::string C(const Rgb& c) {
        return "rgb(" + std::to_string(c.r) + "," + std::to_string(c.g) + "," +
               std::to_string(c.b) + ")";
    }

  private:
    static std::string P(int x, int y) { return std::to_string(x) + "," + std::to_string(y); }
    std::string Attr() const {
        static const char* const kStyles[] = {"solid", "dotted", "dashdot", "dashed"};
        return " pen " + C(pen) + " " + kStyles[static_cast<int>(style)] + " w" +
               std::to_string(width);
    }
    std::string Fill() const { return brushSolid ? " fill " + C(brush) : " hollow"; }
};

}  // namespace zel3::test
