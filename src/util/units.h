#pragma once
// Metric inside, the user's unit system outside: labels, conversion, formatted output and
// reading of typed values.

#include <string>

#include "util/number_format.h"

namespace zel3 {

enum class Quantity { Length, Force, SpringRate, Stress };

bool UsUnits(const NumberFormat& nf);
// "mm"/"in", "N"/"lbf", "N/mm"/"lbf/in", "MPa"/"psi".
std::string UnitLabel(const NumberFormat& nf, Quantity q);
// Factor from the metric value to the value shown (1 in metric).
double UnitFactor(const NumberFormat& nf, Quantity q);
double ToUserUnit(const NumberFormat& nf, Quantity q, double metric);
double FromUserUnit(const NumberFormat& nf, Quantity q, double shown);

// Free width: inches with four decimals, everything else with FormatValue.
std::string FormatInUnit(const NumberFormat& nf, Quantity q, double metric);
// Fixed column of width w and k decimals (metric layout); US values get the wider layout.
std::string FormatInUnitFixed(const NumberFormat& nf, Quantity q, int width, int decimals,
                              double metric);

// A value typed in the user's unit system, in internal units: inches and psi are converted,
// forces and spring rates are typed in internal units.
double TypedToMetric(const NumberFormat& nf, Quantity q, const std::string& typed);

}  // namespace zel3
