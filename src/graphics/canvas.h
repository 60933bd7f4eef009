#pragma once
// The surface a display-list replay draws on: the window, the printer page, an image, or a
// recording canvas in tests. All coordinates are device pixels (rows grow downward).

#include <array>
#include <string>

namespace zel3 {

struct Rgb {
    int r = 0;
    int g = 0;
    int b = 0;
    bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
    bool operator!=(const Rgb& o) const { return !(*this == o); }
};

// A stored "Hintergrundfarbe" value: red in the low byte, as the settings keep it.
inline Rgb RgbFromStored(int value) {
    return {value & 0xFF, (value >> 8) & 0xFF, (value >> 16) & 0xFF};
}

enum class PenStyle { Solid, Dotted, DashDot, Dashed };

struct PixelPoint {
    int x = 0;
    int y = 0;
    bool operator==(const PixelPoint& o) const { return x == o.x && y == o.y; }
};

struct FontSpec {
    std::string face = "Arial";
    int height = 0;      // character height in pixels
    int width = 0;       // character width in pixels
    int escapement = 0;  // tenths of a degree, counter-clockwise
    int weight = 100;    // 700 bold
    bool italic = false;
    bool underline = false;
    bool strikeOut = false;
};

class Canvas {
  public:
    virtual ~Canvas() = default;

    virtual void SetPen(const Rgb& color, PenStyle style, int width) = 0;
    // solid false: hollow (transparent) brush.
    virtual void SetBrush(const Rgb& color, bool solid) = 0;
    virtual void Line(int x1, int y1, int x2, int y2) = 0;
    virtual void Ellipse(int left, int top, int right, int bottom) = 0;
    // Counter-clockwise arc of the ellipse in the box, from the ray through the start point
    // to the ray through the end point.
    virtual void Arc(int left, int top, int right, int bottom, PixelPoint start,
                     PixelPoint end) = 0;
    virtual void Polygon(const std::array<PixelPoint, 4>& points) = 0;
    // Text with its top left corner at (x, y), transparent background.
    virtual void Text(int x, int y, const std::string& utf8, const FontSpec& font,
                      const Rgb& color) = 0;
};

}  // namespace zel3
