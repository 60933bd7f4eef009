#include "contact/axis_scale.h"

#include <gtest/gtest.h>

#include <cmath>

namespace zel3 {
namespace {

TEST(AxisScale, RoundsToFiveTimesPowerOfTen) {
    const AxisTicks t = AxisScale(0, 4688.34, 6);
    EXPECT_DOUBLE_EQ(t.step, 500);
    EXPECT_DOUBLE_EQ(t.low, 0);
    EXPECT_DOUBLE_EQ(t.high, 5000);
    EXPECT_EQ(TickCount(t), 11);
}

TEST(AxisScale, EmptyRangeIsWidenedAndNegativeMultipleGoesOneStepDown) {
    const AxisTicks t = AxisScale(0, 0, 6);
    EXPECT_DOUBLE_EQ(t.step, 0.5);
    EXPECT_DOUBLE_EQ(t.low, -1.5);
    EXPECT_DOUBLE_EQ(t.high, 1);
}

TEST(AxisScale, NiceStepsOneTwoFiveTen) {
    EXPECT_DOUBLE_EQ(AxisScale(0, 6, 6).step, 1);
    EXPECT_DOUBLE_EQ(AxisScale(0, 12, 6).step, 2);
    EXPECT_DOUBLE_EQ(AxisScale(0, 0.3, 6).step, 0.05);
    EXPECT_DOUBLE_EQ(AxisScale(0, 54, 6).step, 10);
}

TEST(AxisScale, HighLiesAboveTheData) {
    // max is pulled down by 1e-5 of the range first, so 5000 stays the top tick.
    EXPECT_DOUBLE_EQ(AxisScale(0, 5000, 6).high, 5000);
    const AxisTicks t = AxisScale(-120, 380, 6);
    EXPECT_LE(t.low, -120);
    EXPECT_GE(t.high, 380);
}

TEST(AxisScale, FloorDown) {
    EXPECT_EQ(FloorDown(2.7), 2);
    EXPECT_EQ(FloorDown(-2.7), -3);
    EXPECT_EQ(FloorDown(-2.0), -3);
    EXPECT_EQ(FloorDown(0.0), 0);
}

TEST(AxisScale, TickCountIsBoundedForUnusableInput) {
    EXPECT_LE(TickCount(AxisScale(0, 1e300, 6)), 1000);
    EXPECT_EQ(TickCount({0, 0, 10}), 1);
    const AxisTicks nan = AxisScale(0, std::nan(""), 6);
    EXPECT_GE(TickCount(nan), 1);
    EXPECT_LE(TickCount(nan), 1000);
}

}  // namespace
}  // namespace zel3
