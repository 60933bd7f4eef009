#include "util/units.h"

#include <gtest/gtest.h>

namespace zel3 {
namespace {

NumberFormat Us() {
    NumberFormat nf;
    nf.unitSystem = 1;
    return nf;
}

TEST(Units, LabelsAndMetricPassThrough) {
    const NumberFormat metric;
    EXPECT_EQ(UnitLabel(metric, Quantity::SpringRate), "N/mm");
    EXPECT_EQ(UnitLabel(Us(), Quantity::SpringRate), "lbf/in");
    EXPECT_EQ(UnitLabel(Us(), Quantity::Stress), "psi");
    EXPECT_EQ(FormatInUnit(metric, Quantity::Length, 25.4), "25.4");
    EXPECT_EQ(FormatInUnitFixed(metric, Quantity::Length, 3, 3, 25.4), " 25.400");
    EXPECT_DOUBLE_EQ(TypedToMetric(metric, Quantity::Length, "2,5"), 2.5);
}

TEST(Units, UsDisplay) {
    const NumberFormat us = Us();
    EXPECT_EQ(FormatInUnit(us, Quantity::Length, 25.4), "1.0000");
    EXPECT_EQ(FormatInUnitFixed(us, Quantity::Length, 3, 3, 25.4), " 1.0000");
    EXPECT_EQ(FormatInUnitFixed(us, Quantity::Stress, 7, 0, 210000), " 30457770");
    EXPECT_EQ(FormatInUnit(us, Quantity::Force, 1000), "224.8");
    EXPECT_EQ(FormatInUnitFixed(us, Quantity::SpringRate, 6, 1, 100), "   571.0");
}

TEST(Units, TypedValues) {
    const NumberFormat us = Us();
    EXPECT_DOUBLE_EQ(TypedToMetric(us, Quantity::Length, "1"), 25.4);
    EXPECT_DOUBLE_EQ(TypedToMetric(us, Quantity::Stress, "1000"), 6.8947923633);
    EXPECT_DOUBLE_EQ(TypedToMetric(us, Quantity::Force, "10"), 10);
    EXPECT_NEAR(FromUserUnit(us, Quantity::Force, ToUserUnit(us, Quantity::Force, 7)), 7, 1e-12);
}

}  // namespace
}  // namespace zel3
