#pragma once
// A canvas that draws nothing: the screen half of a print pass, where the window repaints on
// its own.

#include "graphics/canvas.h"

namespace zel3 {

class NullCanvas : public Canvas {
  public:
    void SetPen(const Rgb&, PenStyle, int) override {}
    void SetBrush(const Rgb&, bool) override {}
    void Line(int, int, int, int) override {}
    void Ellipse(int, int, int, int) override {}
    void Arc(int, int, int, int, PixelPoint, PixelPoint) override {}
    void Polygon(const std::array<PixelPoint, 4>&) override {}
    void Text(int, int, const std::string&, const FontSpec&, const Rgb&) override {}
};

}  // namespace zel3
