#pragma once
// Plane geometry for the drawing-file reader and the diagrams.

#include <array>
#include <string>

namespace zel3 {

// Up to 11 distinct messages of the geometry functions; a text whose first 36 characters
// match a logged one is not added again.
class MathMessageLog {
  public:
    static constexpr int kMax = 11;
    void Add(const std::string& text);
    int Count() const { return count_; }
    const std::string& Text(int i) const { return texts_.at(static_cast<size_t>(i - 1)); }
    void Clear() { count_ = 0; }

  private:
    std::array<std::string, kMax> texts_{};
    int count_ = 0;
};

struct ArcFromChord {
    bool ok = false;  // false only for a zero or full-circle angle
    double cx = 0, cy = 0, r = 0;
    double startAngle = 0, endAngle = 0;  // radians, counter-clockwise from start to end
};

// Centre, radius and angles of the arc from (x1, y1) to (x2, y2) with included angle dphi
// (radians, positive counter-clockwise).
ArcFromChord GetArcCenter(double x1, double y1, double x2, double y2, double dphi,
                          MathMessageLog& log);
// tan() that logs and yields 1e30 where the cosine is 0.
double MathTan(double a, MathMessageLog& log);

double Det2(double a, double b, double c, double d);
// a1 x + b1 y = c1, a2 x + b2 y = c2. False (x = y = 0) when the determinant is exactly 0.
bool SolveCramer(double a1, double b1, double c1, double a2, double b2, double c2, double& x,
                 double& y);
// Intersection of the line through p1, p2 with the line through p3, p4.
bool LineIntersection(double x1, double y1, double x2, double y2, double x3, double y3, double x4,
                      double y4, double& x, double& y);
bool Between(double v, double a, double b);
// Intersection that lies within both segments' coordinate ranges.
bool SegmentIntersection(double x1, double y1, double x2, double y2, double x3, double y3,
                         double x4, double y4, double& x, double& y);
void RotatePoint(double cx, double cy, double angleDeg, double& x, double& y);
bool PointInRectangle(double x, double y, double rx1, double ry1, double rx2, double ry2);
// Clips the segment to the rectangle; false (all four set to 0) when both ends lie outside.
bool ClipSegment(double& x1, double& y1, double& x2, double& y2, double rx1, double ry1, double rx2,
                 double ry2);

}  // namespace zel3
