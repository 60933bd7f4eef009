#pragma once
// The drawing calls the HP-GL interpreter makes: world millimetres, angles in degrees, texts in
// code page 850. The graphics window's facade implements it; tests record the calls.

#include <string>

namespace zel3 {

class HpglSink {
  public:
    virtual ~HpglSink() = default;
    virtual void SetColor(int color) = 0;
    virtual void line(double x1, double y1, double x2, double y2) = 0;
    virtual void circle(double x, double y, double r) = 0;
    // Counter-clockwise from stAngle to endAngle about (x, y).
    virtual void Arc(double x, double y, double stAngle, double endAngle, double r) = 0;
    virtual void SetTextStyle(int font, double angle, double height, double width) = 0;
    virtual void OutTextXY(double x, double y, const std::string& oemText) = 0;
};

}  // namespace zel3
