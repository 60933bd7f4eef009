#include "contact/stress_profile.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zel3 {
namespace {

TEST(StressProfile, PointContactAtOneHalfAxisDepth) {
    const ProfileRatios r = ProfileStresses(ProfileType::Point, 1.0, 0.3);
    EXPECT_NEAR(r.sigmaZ, 0.5, 1e-12);
    EXPECT_NEAR(r.sigmaY, 1.3 * (1.0 - M_PI / 4.0) - 0.25, 1e-12);
    EXPECT_NEAR(r.sigmaY, 0.0290, 5e-5);
    EXPECT_NEAR(r.tau, 0.2355, 5e-5);
}

TEST(StressProfile, LineContactAtOneHalfAxisDepth) {
    const ProfileRatios r = ProfileStresses(ProfileType::Line, 1.0, 0.3);
    EXPECT_NEAR(r.sigmaZ, 1.0 / std::sqrt(2.0), 1e-12);
    EXPECT_NEAR(r.sigmaY, 3.0 / std::sqrt(2.0) - 2.0, 1e-12);
    EXPECT_NEAR(r.tau, 1.0 - 1.0 / std::sqrt(2.0), 1e-12);
}

TEST(StressProfile, ShearIsHalfTheDifferenceOfTheNormalStressesAtEveryDepth) {
    for (ProfileType type : {ProfileType::Point, ProfileType::Line}) {
        for (double zeta = 0.025; zeta <= 5.0; zeta += 0.025) {
            const ProfileRatios r = ProfileStresses(type, zeta, 0.28);
            EXPECT_NEAR(r.tau, (r.sigmaZ - r.sigmaY) / 2.0, 1e-12) << zeta;
            EXPECT_TRUE(std::isfinite(r.sigmaY));
        }
    }
}

TEST(StressProfile, LineContactShearPeaksNearTheKnownDepth) {
    // The classic line-contact result: tau max = 0.30 p max at z = 0.786 b.
    double best = 0.0, at = 0.0;
    for (double zeta = 0.001; zeta < 3.0; zeta += 0.001) {
        const double tau = ProfileStresses(ProfileType::Line, zeta, 0.3).tau;
        if (tau > best) best = tau, at = zeta;
    }
    EXPECT_NEAR(best, 0.300, 0.002);
    EXPECT_NEAR(at, 0.786, 0.002);
}

}  // namespace
}  // namespace zel3
