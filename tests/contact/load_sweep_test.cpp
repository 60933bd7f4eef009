#include "contact/load_sweep.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zel3 {
namespace {

// A stand-in calculation with the force laws of a sphere on a plane; F = 0 fails like the
// real one and keeps the old results.
void FakeHertz(ContactCase& c, MessageList& m) {
    m.ClearMessages();
    if (c.F == 0) {
        m.AddMessage("Fatal  : F = 0 !");
        m.calculationFailed = true;
        return;
    }
    c.result.w = 0.01 * std::cbrt(c.F * c.F);
    c.result.pmax = 100.0 * std::cbrt(c.F);
    c.result.R = 1.5 * c.F / c.result.w;
}

TEST(LoadSweep, RunsOneHundredAndThreeCalculationsAndRestoresTheCase) {
    ContactCase c;
    c.F = 1000;
    MessageList m;
    FakeHertz(c, m);
    const ContactResults before = c.result;

    std::vector<double> forces;
    const LoadSweepCurve curve =
        RunLoadSweep(c, m, SweepQuantity::Deformation, [&](ContactCase& cc, MessageList& mm) {
            forces.push_back(cc.F);
            FakeHertz(cc, mm);
        });

    EXPECT_EQ(curve.calculations, 103);
    ASSERT_EQ(forces.size(), 103u);
    EXPECT_EQ(forces.front(), 2000);  // the top of the y axis first
    EXPECT_EQ(forces[1], 0);
    EXPECT_EQ(forces.back(), 1000);  // the case's own force last
    EXPECT_EQ(c.F, 1000);
    EXPECT_EQ(c.result.w, before.w);
    EXPECT_EQ(c.result.pmax, before.pmax);
    EXPECT_FALSE(m.calculationFailed);

    EXPECT_DOUBLE_EQ(curve.Fmax, 2000);
    EXPECT_DOUBLE_EQ(curve.dF, 20);
    EXPECT_DOUBLE_EQ(curve.yMax, 0.01 * std::cbrt(2000.0 * 2000.0));
    EXPECT_DOUBLE_EQ(curve.yAtF0, before.w);
    EXPECT_EQ(curve.start, 0);
    EXPECT_EQ(curve.points.size(), 100u);
    EXPECT_NEAR(curve.points.front().F, 20, 1e-9);
    EXPECT_NEAR(curve.points.back().F, 2000, 1e-9);
    for (const SweepPoint& p : curve.points) EXPECT_DOUBLE_EQ(p.y, 0.01 * std::cbrt(p.F * p.F));
}

TEST(LoadSweep, SpringRateOfALineContactStartsAtTheCurrentRate) {
    ContactCase c;
    c.body[0].kind = BodyKind::Cylinder;
    c.F = 500;
    MessageList m;
    FakeHertz(c, m);
    const LoadSweepCurve curve = RunLoadSweep(c, m, SweepQuantity::SpringRate, FakeHertz);
    EXPECT_DOUBLE_EQ(curve.start, 1.5 * 500 / (0.01 * std::cbrt(500.0 * 500.0)));
    c.body[0].kind = BodyKind::Sphere;
    EXPECT_EQ(RunLoadSweep(c, m, SweepQuantity::SpringRate, FakeHertz).start, 0);
}

TEST(LoadSweep, ZeroForceEndsWithoutLooping) {
    ContactCase c;
    c.F = 0;
    MessageList m;
    const LoadSweepCurve curve = RunLoadSweep(c, m, SweepQuantity::Pressure, FakeHertz);
    EXPECT_EQ(curve.calculations, 3);
    EXPECT_TRUE(curve.points.empty());
    EXPECT_EQ(c.F, 0);
}

}  // namespace
}  // namespace zel3
