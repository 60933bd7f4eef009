#include "graphics/plane_geometry.h"

#include <algorithm>
#include <cmath>

#include "graphics/display_list.h"

namespace zel3 {

namespace {
constexpr double kPi = 3.14159265358979323846;

double AngleOf(double dx, double dy) {
    if (dx == 0) return dy >= 0 ? kPi / 2 : -kPi / 2;
    double a = std::atan(dy / dx);
    return dx < 0 ? a + kPi : a;
}
}  // namespace

void MathMessageLog::Add(const std::string& text) {
    const std::string key = text.substr(0, 36);
    for (int i = 0; i < count_; ++i)
        if (texts_[static_cast<size_t>(i)].substr(0, 36) == key) return;
    if (count_ >= kMax) return;
    texts_[static_cast<size_t>(count_++)] = text;
}

double MathTan(double a, MathMessageLog& log) {
    double c = std::cos(a);
    if (c == 0) {
        log.Add("Error: function tan in Unit math");
        return 1e30;
    }
    return std::sin(a) / c;
}

ArcFromChord GetArcCenter(double x1, double y1, double x2, double y2, double dphi,
                          MathMessageLog& log) {
    ArcFromChord a;
    if (std::sin(dphi / 2) == 0) {
        log.Add("Fehler in GetArcCenter (dphi = " + RecordReal(dphi) + " ! ");
        return a;
    }
    double dx = x2 - x1, dy = y2 - y1;
    double l = std::sqrt(dx * dx + dy * dy);
    double mx = (x1 + x2) / 2, my = (y1 + y2) / 2;
    double h = std::sin(dphi) != 0 ? (l / 2) / MathTan(dphi / 2, log) : 0;
    a.r = std::fabs((l / 2) / std::sin(dphi / 2));
    if (l != 0) {
        a.cx = mx - dy * h / l;
        a.cy = my + dx * h / l;
    } else {
        log.Add("GetArcCenter l12=0");
        a.cx = mx;
        a.cy = my;
    }
    double a1 = AngleOf(x1 - a.cx, y1 - a.cy);
    double a2 = AngleOf(x2 - a.cx, y2 - a.cy);
    a.startAngle = dphi >= 0 ? a1 : a2;
    a.endAngle = dphi >= 0 ? a2 : a1;
    a.ok = true;
    return a;
}

double Det2(double a, double b, double c, double d) {
    return a * d - b * c;
}

bool SolveCramer(double a1, double b1, double c1, double a2, double b2, double c2, double& x,
                 double& y) {
    double d = Det2(a1, b1, a2, b2);
    if (d == 0) {
        x = y = 0;
        return false;
    }
    x = Det2(c1, b1, c2, b2) / d;
    y = Det2(a1, c1, a2, c2) / d;
    return true;
}

bool LineIntersection(double x1, double y1, double x2, double y2, double x3, double y3, double x4,
                      double y4, double& x, double& y) {
    // (y2-y1) X - (x2-x1) Y = (y2-y1) x1 - (x2-x1) y1, likewise for the second line.
    double a1 = y2 - y1, b1 = -(x2 - x1), c1 = a1 * x1 + b1 * y1;
    double a2 = y4 - y3, b2 = -(x4 - x3), c2 = a2 * x3 + b2 * y3;
    return SolveCramer(a1, b1, c1, a2, b2, c2, x, y);
}

bool Between(double v, double a, double b) {
    if (std::fabs(v - a) < 1e-12 && std::fabs(v - b) < 1e-12) return true;
    return (v >= a && v <= b) || (v >= b && v <= a);
}

bool SegmentIntersection(double x1, double y1, double x2, double y2, double x3, double y3,
                         double x4, double y4, double& x, double& y) {
    if (!LineIntersection(x1, y1, x2, y2, x3, y3, x4, y4, x, y)) return false;
    // Rounding of the intersection must not push it off an axis-parallel segment.
    auto within = [](double v, double a, double b) {
        const double eps = 1e-9 * std::max({1.0, std::fabs(a), std::fabs(b)});
        return Between(v, a, b) || std::fabs(v - a) < eps || std::fabs(v - b) < eps;
    };
    return within(x, x1, x2) && within(y, y1, y2) && within(x, x3, x4) && within(y, y3, y4);
}

void RotatePoint(double cx, double cy, double angleDeg, double& x, double& y) {
    double a = angleDeg * kPi / 180;
    double dx = x - cx, dy = y - cy;
    x = cx + dx * std::cos(a) - dy * std::sin(a);
    y = cy + dx * std::sin(a) + dy * std::cos(a);
}

bool PointInRectangle(double x, double y, double rx1, double ry1, double rx2, double ry2) {
    return Between(x, rx1, rx2) && Between(y, ry1, ry2);
}

bool ClipSegment(double& x1, double& y1, double& x2, double& y2, double rx1, double ry1, double rx2,
                 double ry2) {
    bool in1 = PointInRectangle(x1, y1, rx1, ry1, rx2, ry2);
    bool in2 = PointInRectangle(x2, y2, rx1, ry1, rx2, ry2);
    if (in1 && in2) return true;
    if (!in1 && !in2) {
        x1 = y1 = x2 = y2 = 0;
        return false;
    }
    const double edges[4][4] = {
        {rx1, ry1, rx2, ry1}, {rx2, ry1, rx2, ry2}, {rx2, ry2, rx1, ry2}, {rx1, ry2, rx1, ry1}};
    for (const auto& e : edges) {
        double x, y;
        if (SegmentIntersection(x1, y1, x2, y2, e[0], e[1], e[2], e[3], x, y)) {
            if (in1) {
                x2 = x;
                y2 = y;
            } else {
                x1 = x;
                y1 = y;
            }
            return true;
        }
    }
    return true;
}

}  // namespace zel3
