#include "contact/hertz_functions.h"

#include <array>
#include <limits>
#include <string>

#include "report/message_list.h"

namespace zel3 {

namespace {

struct HertzRow {
    double theta;
    std::array<double, 3> c;  // xi, eta, psi
};

// 1e32 stands for the unbounded values at theta = 0.
constexpr std::array<HertzRow, 10> kHertzTable = {{
    {0.0, {1e32, 0.0, 1e32}},
    {10.0, {6.612, 0.319, 2.8}},
    {20.0, {3.778, 0.408, 2.3}},
    {30.0, {2.731, 0.493, 1.98}},
    {40.0, {2.136, 0.567, 1.74}},
    {50.0, {1.754, 0.641, 1.55}},
    {60.0, {1.486, 0.717, 1.39}},
    {70.0, {1.284, 0.802, 1.25}},
    {80.0, {1.128, 0.893, 1.12}},
    {90.0, {1.0, 1.0, 1.0}},
}};

// Angles this close outside 0..90 are rounding of a bound (equal bodies give exactly 90 in
// theory), not a leave of the table.
constexpr double kThetaRounding = 1e-9;

}  // namespace

double HertzCoefficient(HertzColumn column, double theta) {
    if (theta > 90.0 && theta <= 90.0 + kThetaRounding) theta = 90.0;
    if (theta < 0.0 && theta >= -kThetaRounding) theta = 0.0;
    if (!(theta >= 0.0 && theta <= 90.0)) return 0.0;
    const auto col = static_cast<std::size_t>(column);
    // The rows stand every 10 degrees. A row's own angle takes the row's value: starting from
    // the row before, 1e32 + (6.612 - 1e32) would cancel to 0 at 10 degrees.
    auto i = static_cast<std::size_t>(theta / 10.0);
    if (i >= kHertzTable.size() - 1) return kHertzTable.back().c[col];
    if (kHertzTable[i].theta > theta) --i;  // theta / 10 rounded up to the next row
    const HertzRow& lo = kHertzTable[i];
    const HertzRow& hi = kHertzTable[i + 1];
    return lo.c[col] + (hi.c[col] - lo.c[col]) * (theta - lo.theta) / (hi.theta - lo.theta);
}

double ArcCosChecked(double x, MessageList& messages) {
    if (!(std::fabs(x) <= 1.0)) {
        messages.AddMessage("Error: function ArcCos in math");
        return 0.0;
    }
    return std::acos(x);
}

double PowerChecked(std::string_view name, double base, double exponent, MessageList& messages) {
    if (base < 0.0) {
        base = -base;
        if (!name.empty()) messages.AddMessage(std::string(name) + " (pow)");
    }
    if (base == 0.0) return 0.0;
    const double e = exponent * std::log(base);
    if (e > 3000.0) return std::numeric_limits<double>::infinity();
    if (e < -3000.0) return 0.0;
    return std::exp(e);
}

}  // namespace zel3
