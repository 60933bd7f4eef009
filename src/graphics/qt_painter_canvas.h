#pragma once
// The Canvas on a QPainter: the graphics window, the printer page and images.

#include <QPainter>

#include "graphics/canvas.h"

namespace zel3 {

class QtPainterCanvas : public Canvas {
  public:
    // How a text gets its requested character width: by the font's stretch (which may pick a
    // narrow face), or by scaling the painter, for devices that drop the stretch (SVG).
    enum class TextWidth { Stretch, Scale };

    explicit QtPainterCanvas(QPainter& painter, TextWidth textWidth = TextWidth::Stretch)
        : p_(painter), textWidth_(textWidth) {}

    void SetPen(const Rgb& color, PenStyle style, int width) override;
    void SetBrush(const Rgb& color, bool solid) override;
    void Line(int x1, int y1, int x2, int y2) override;
    void Ellipse(int left, int top, int right, int bottom) override;
    void Arc(int left, int top, int right, int bottom, PixelPoint start, PixelPoint end) override;
    void Polygon(const std::array<PixelPoint, 4>& points) override;
    void Text(int x, int y, const std::string& utf8, const FontSpec& font,
              const Rgb& color) override;

  private:
    QPainter& p_;
    TextWidth textWidth_;
};

}  // namespace zel3
