#pragma once
// Automatic axis limits of the diagrams: round tick spacing of 1, 2 or 5 times a power of ten.

namespace zel3 {

struct AxisTicks {
    double low = 0.0;
    double step = 1.0;
    double high = 0.0;
};

// Integer part for x >= 0, integer part minus one for x < 0 (also for exact negative
// multiples, so such a low limit goes one step further down).
double FloorDown(double x);

// Limits and tick spacing for the data range min..max with about n ticks.
AxisTicks AxisScale(double min, double max, int n);

// Number of ticks from low to high, both included; bounded so that huge or degenerate ranges
// cannot run a tick loop away.
int TickCount(const AxisTicks& t);

}  // namespace zel3
