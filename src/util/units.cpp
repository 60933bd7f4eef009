#include "util/units.h"

#include <algorithm>

#include "util/number_text.h"

namespace zel3 {

namespace {
constexpr double kInchPerMm = 0.039370078740157480314;
constexpr double kMmPerInch = 25.4;
constexpr double kLbfPerN = 0.22480902473348890118;
constexpr double kLbfInPerNMm = 5.7101492;
constexpr double kPsiPerMpa = 145.037;
constexpr double kMpaPerPsi = 0.0068947923633;
}  // namespace

bool UsUnits(const NumberFormat& nf) {
    return nf.unitSystem == 1;
}

std::string UnitLabel(const NumberFormat& nf, Quantity q) {
    const bool us = UsUnits(nf);
    switch (q) {
        case Quantity::Length:
            return us ? "in" : "mm";
        case Quantity::Force:
            return us ? "lbf" : "N";
        case Quantity::SpringRate:
            return us ? "lbf/in" : "N/mm";
        case Quantity::Stress:
            return us ? "psi" : "MPa";
    }
    return std::string();
}

double UnitFactor(const NumberFormat& nf, Quantity q) {
    if (!UsUnits(nf)) return 1.0;
    switch (q) {
        case Quantity::Length:
            return kInchPerMm;
        case Quantity::Force:
            return kLbfPerN;
        case Quantity::SpringRate:
            return kLbfInPerNMm;
        case Quantity::Stress:
            return kPsiPerMpa;
    }
    return 1.0;
}

double ToUserUnit(const NumberFormat& nf, Quantity q, double metric) {
    return metric * UnitFactor(nf, q);
}

double FromUserUnit(const NumberFormat& nf, Quantity q, double shown) {
    if (!UsUnits(nf)) return shown;
    switch (q) {
        case Quantity::Length:
            return shown * kMmPerInch;
        case Quantity::Force:
            return shown / kLbfPerN;
        case Quantity::SpringRate:
            return shown / kLbfInPerNMm;
        case Quantity::Stress:
            return shown * kMpaPerPsi;
    }
    return shown;
}

std::string FormatInUnit(const NumberFormat& nf, Quantity q, double metric) {
    const double v = ToUserUnit(nf, q, metric);
    if (UsUnits(nf) && q == Quantity::Length) return FormatDecimals(nf, 4, v);
    return FormatValue(nf, v);
}

std::string FormatInUnitFixed(const NumberFormat& nf, Quantity q, int width, int decimals,
                              double metric) {
    if (!UsUnits(nf)) return FormatFixed(nf, width, decimals, metric);
    const double v = ToUserUnit(nf, q, metric);
    switch (q) {
        case Quantity::Length:
        case Quantity::Force:
            return FormatFixed(nf, std::max(width - 1, 1), decimals + 1, v);
        case Quantity::Stress:
            return FormatFixed(nf, width + 2, std::max(decimals - 2, 0), v);
        case Quantity::SpringRate:
            break;
    }
    return FormatFixed(nf, width, decimals, v);
}

double TypedToMetric(const NumberFormat& nf, Quantity q, const std::string& typed) {
    const double v = TextToFloat(typed);
    if (!UsUnits(nf)) return v;
    if (q == Quantity::Length) return v * kMmPerInch;
    if (q == Quantity::Stress) return v * kMpaPerPsi;
    return v;
}

}  // namespace zel3
