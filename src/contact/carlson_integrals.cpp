#include "contact/carlson_integrals.h"

#include <algorithm>
#include <cmath>

namespace zel3 {

namespace {

// Stop when the arguments lie this close together: the truncated series then errs by less
// than the rounding of a double (Carlson 1995, eq. 2.2 and 2.19 with r = 1e-16).
constexpr double kRfSpread = 386.0;  // (3 r)^(-1/6)
constexpr double kRdSpread = 585.0;  // (r / 4)^(-1/6)
// Each step brings the arguments four times closer; infinite ones would never meet.
constexpr int kMaxSteps = 100;

double MaxDistance(double mean, double x, double y, double z) {
    return std::max({std::fabs(mean - x), std::fabs(mean - y), std::fabs(mean - z)});
}

}  // namespace

double CarlsonRF(double x, double y, double z) {
    const double mean0 = (x + y + z) / 3.0;
    double q = kRfSpread * MaxDistance(mean0, x, y, z);
    double mean = mean0;
    for (int n = 0; n < kMaxSteps && q >= std::fabs(mean); ++n) {
        const double sx = std::sqrt(x), sy = std::sqrt(y), sz = std::sqrt(z);
        const double lambda = sx * sy + sy * sz + sz * sx;
        x = (x + lambda) * 0.25;
        y = (y + lambda) * 0.25;
        z = (z + lambda) * 0.25;
        mean = (mean + lambda) * 0.25;
        q *= 0.25;
    }
    // Deviations of the last arguments from their mean (DLMF 19.36.1).
    const double ex = (mean - x) / mean;
    const double ey = (mean - y) / mean;
    const double ez = -(ex + ey);
    const double e2 = ex * ey - ez * ez;
    const double e3 = ex * ey * ez;
    return (1.0 - e2 / 10.0 + e3 / 14.0 + e2 * e2 / 24.0 - 3.0 * e2 * e3 / 44.0) / std::sqrt(mean);
}

double CarlsonRD(double x, double y, double z) {
    const double mean0 = (x + y + 3.0 * z) / 5.0;
    double q = kRdSpread * MaxDistance(mean0, x, y, z);
    double mean = mean0;
    double scale = 1.0;  // 4^-n
    double sum = 0.0;
    for (int n = 0; n < kMaxSteps && q >= std::fabs(mean); ++n) {
        const double sx = std::sqrt(x), sy = std::sqrt(y), sz = std::sqrt(z);
        const double lambda = sx * sy + sy * sz + sz * sx;
        sum += scale / (sz * (z + lambda));
        x = (x + lambda) * 0.25;
        y = (y + lambda) * 0.25;
        z = (z + lambda) * 0.25;
        mean = (mean + lambda) * 0.25;
        scale *= 0.25;
        q *= 0.25;
    }
    const double ex = (mean - x) / mean;
    const double ey = (mean - y) / mean;
    const double ez = -(ex + ey) / 3.0;
    const double xy = ex * ey, z2 = ez * ez;
    const double e2 = xy - 6.0 * z2;
    const double e3 = (3.0 * xy - 8.0 * z2) * ez;
    const double e4 = 3.0 * (xy - z2) * z2;
    const double e5 = xy * z2 * ez;
    const double series = 1.0 - 3.0 * e2 / 14.0 + e3 / 6.0 + 9.0 * e2 * e2 / 88.0 -
                          3.0 * e4 / 22.0 - 9.0 * e2 * e3 / 52.0 + 3.0 * e5 / 26.0;
    return scale * series / (mean * std::sqrt(mean)) + 3.0 * sum;
}

}  // namespace zel3
