#include <gtest/gtest.h>

#include <cmath>

#include "graphics/plane_geometry.h"

namespace zel3 {
namespace {

constexpr double kPi = 3.14159265358979323846;

TEST(ArcCenterTest, QuarterAndHalfCircles) {
    MathMessageLog log;
    // Counter-clockwise quarter from (1, 0) to (0, 1): centre at the origin.
    ArcFromChord a = GetArcCenter(1, 0, 0, 1, kPi / 2, log);
    ASSERT_TRUE(a.ok);
    EXPECT_NEAR(a.cx, 0, 1e-12);
    EXPECT_NEAR(a.cy, 0, 1e-12);
    EXPECT_NEAR(a.r, 1, 1e-12);
    EXPECT_NEAR(a.startAngle, 0, 1e-12);
    EXPECT_NEAR(a.endAngle, kPi / 2, 1e-12);
    // Clockwise: the angles swap so that the arc still runs counter-clockwise.
    a = GetArcCenter(0, 1, 1, 0, -kPi / 2, log);
    EXPECT_NEAR(a.startAngle, 0, 1e-12);
    EXPECT_NEAR(a.endAngle, kPi / 2, 1e-12);
    // Half circle: centre on the chord.
    a = GetArcCenter(0, 0, 10, 0, kPi, log);
    EXPECT_NEAR(a.cx, 5, 1e-9);
    EXPECT_NEAR(a.cy, 0, 1e-9);
    EXPECT_NEAR(a.r, 5, 1e-12);
    EXPECT_EQ(log.Count(), 0);
}

TEST(ArcCenterTest, DegenerateInputsAreLoggedOnce) {
    MathMessageLog log;
    EXPECT_FALSE(GetArcCenter(0, 0, 1, 1, 0, log).ok);
    EXPECT_FALSE(GetArcCenter(0, 0, 1, 1, 0, log).ok);
    ASSERT_EQ(log.Count(), 1);
    EXPECT_EQ(log.Text(1), "Fehler in GetArcCenter (dphi = 0 ! ");
    ArcFromChord a = GetArcCenter(2, 3, 2, 3, 1, log);
    EXPECT_TRUE(a.ok);
    EXPECT_EQ(a.cx, 2);
    EXPECT_EQ(log.Text(2), "GetArcCenter l12=0");
    for (int i = 0; i < 20; ++i) log.Add("message number " + std::to_string(i) + " of many");
    EXPECT_EQ(log.Count(), MathMessageLog::kMax);
}

TEST(PlaneGeometryTest, CramerIntersectionsAndBetween) {
    double x, y;
    EXPECT_TRUE(SolveCramer(1, 1, 3, 1, -1, 1, x, y));
    EXPECT_DOUBLE_EQ(x, 2);
    EXPECT_DOUBLE_EQ(y, 1);
    EXPECT_FALSE(SolveCramer(1, 2, 3, 2, 4, 6, x, y));
    EXPECT_EQ(x, 0);
    EXPECT_TRUE(LineIntersection(0, 0, 1, 1, 0, 2, 2, 0, x, y));
    EXPECT_DOUBLE_EQ(x, 1);
    EXPECT_FALSE(LineIntersection(0, 0, 1, 1, 0, 1, 1, 2, x, y));
    EXPECT_TRUE(SegmentIntersection(0, 0, 2, 2, 0, 2, 2, 0, x, y));
    EXPECT_FALSE(SegmentIntersection(0, 0, 0.5, 0.5, 0, 2, 2, 0, x, y));
    EXPECT_TRUE(Between(2, 3, 1));
    EXPECT_TRUE(Between(1, 1, 3));
    EXPECT_FALSE(Between(0.5, 1, 3));
    EXPECT_TRUE(PointInRectangle(0, 5, 0, 0, 10, 10));
    EXPECT_FALSE(PointInRectangle(-0.1, 5, 0, 0, 10, 10));
    x = 1;
    y = 0;
    RotatePoint(0, 0, 90, x, y);
    EXPECT_NEAR(x, 0, 1e-12);
    EXPECT_NEAR(y, 1, 1e-12);
}

TEST(PlaneGeometryTest, SegmentClipping) {
    double x1 = 5, y1 = 5, x2 = 15, y2 = 5;
    EXPECT_TRUE(ClipSegment(x1, y1, x2, y2, 0, 0, 10, 10));
    EXPECT_DOUBLE_EQ(x2, 10);
    EXPECT_DOUBLE_EQ(y2, 5);
    x1 = 5, y1 = -5, x2 = 5, y2 = 5;
    EXPECT_TRUE(ClipSegment(x1, y1, x2, y2, 0, 0, 10, 10));
    EXPECT_DOUBLE_EQ(y1, 0);
    x1 = 1, y1 = 1, x2 = 2, y2 = 2;
    EXPECT_TRUE(ClipSegment(x1, y1, x2, y2, 0, 0, 10, 10));
    EXPECT_EQ(x2, 2);
    // Both ends outside: discarded even though it crosses.
    x1 = -5, y1 = 5, x2 = 15, y2 = 5;
    EXPECT_FALSE(ClipSegment(x1, y1, x2, y2, 0, 0, 10, 10));
    EXPECT_EQ(x1, 0);
    EXPECT_EQ(x2, 0);
}

}  // namespace
}  // namespace zel3
