#include "docu/dialog_frame.h"

#include <gtest/gtest.h>

namespace zel3 {
namespace {

WindowFrame Window(int left, int top, int width, int height) {
    WindowFrame f;
    f.left = left;
    f.top = top;
    f.width = width;
    f.height = height;
    return f;
}

TEST(DialogFrame, ScalesAndCentresOverTheGraphicsWindow) {
    const DialogRect r = FrameDialog(300, 200, 102, Window(100, 50, 1000, 800), true);
    EXPECT_EQ(r.width, 306);
    EXPECT_EQ(r.height, 204);
    EXPECT_EQ(r.left, 100 + (1000 - 306) / 2);
    EXPECT_EQ(r.top, 50 + (800 - 204) / 2 + 20);
}

TEST(DialogFrame, ADialogLargerThanTheWindowStartsAtItsLeftAndTopEdges) {
    const DialogRect r = FrameDialog(900, 700, 100, Window(40, 30, 600, 500), true);
    EXPECT_EQ(r.left, 40);
    EXPECT_EQ(r.top, 30 + 20);
}

TEST(DialogFrame, KeepsItsPlaceWhenNotCentredAndSurvivesAbsurdScales) {
    const DialogRect r = FrameDialog(300, 200, 0, Window(100, 50, 1000, 800), false);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.width, 300) << "a scale of 0 means unscaled";
    EXPECT_EQ(FrameDialog(300, 200, 100000, {}, false).width, 3000);
    EXPECT_DOUBLE_EQ(ScaledFontSize(10, 150), 15);
    EXPECT_DOUBLE_EQ(ScaledFontSize(10, -5), 10);
}

}  // namespace
}  // namespace zel3
