#pragma once
// HP-GL pictures drawn into the graphics window: the interpreter's calls go to the engine as
// they are, label texts converted from code page 850 for the screen.

#include "graphics/graphics_engine.h"
#include "graphics/hpgl_sink.h"
#include "util/codepage.h"
#include "util/number_format.h"

namespace zel3 {

class GraphicsHpglSink : public HpglSink {
  public:
    GraphicsHpglSink(GraphicsEngine& g, const TextOptions& text) : g_(g), text_(text) {}

    void SetColor(int color) override { g_.SetColor(color); }
    void line(double x1, double y1, double x2, double y2) override { g_.line(x1, y1, x2, y2); }
    void circle(double x, double y, double r) override { g_.circle(x, y, r); }
    void Arc(double x, double y, double st, double end, double r) override {
        g_.Arc(x, y, st, end, r);
    }
    void SetTextStyle(int font, double angle, double height, double width) override {
        g_.SetTextStyle(font, angle, height, width);
    }
    void OutTextXY(double x, double y, const std::string& oemText) override {
        g_.OutTextXY(x, y, OemToDisplay(text_, oemText));
    }

  private:
    GraphicsEngine& g_;
    const TextOptions& text_;
};

}  // namespace zel3
