#include "contact/stress_profile.h"

#include <cmath>

namespace zel3 {

ProfileRatios ProfileStresses(ProfileType type, double zeta, double nu) {
    ProfileRatios r;
    const double q = 1.0 + zeta * zeta;
    if (type == ProfileType::Point) {
        const double edge = (1.0 + nu) * (1.0 - zeta * std::atan(1.0 / zeta));
        r.sigmaZ = 1.0 / q;
        r.sigmaY = edge - 1.0 / (2.0 * q);
        r.tau = 0.75 / q - 0.5 * edge;
    } else {
        const double root = std::sqrt(q);
        r.sigmaZ = 1.0 / root;
        r.sigmaY = (1.0 + 2.0 * zeta * zeta) / root - 2.0 * zeta;
        r.tau = zeta - zeta * zeta / root;
    }
    return r;
}

}  // namespace zel3
