#include "contact/axis_scale.h"

#include <cmath>

#include "util/number_text.h"

namespace zel3 {

double FloorDown(double x) {
    const double whole = std::trunc(x);
    return x >= 0.0 ? whole : whole - 1.0;
}

AxisTicks AxisScale(double min, double max, int n) {
    if (!std::isfinite(min) || !std::isfinite(max) || n < 1) return {0.0, 1.0, 1.0};
    if (std::fabs(max - min) < 1e-5) {
        min -= 1.0;
        max += 1.0;
    }
    max -= (max - min) * 1e-5;
    const double raw = (max - min) / n;
    const double m = std::pow(10.0, Exponent(raw));
    const double r = raw / m;
    double nice = 10.0;
    if (r < 1.5)
        nice = 1.0;
    else if (r < 3.0)
        nice = 2.0;
    else if (r < 8.0)
        nice = 5.0;
    AxisTicks t;
    t.step = nice * m;
    t.high = (FloorDown(max / t.step) + 1.0) * t.step;
    t.low = FloorDown(min / t.step) * t.step;
    return t;
}

int TickCount(const AxisTicks& t) {
    if (!(t.step > 0.0) || !std::isfinite(t.low) || !std::isfinite(t.high)) return 1;
    const double n = std::floor((t.high - t.low) / t.step + 1e-5) + 1.0;
    if (!(n >= 1.0)) return 1;
    return n > 1000.0 ? 1000 : static_cast<int>(n);
}

}  // namespace zel3
