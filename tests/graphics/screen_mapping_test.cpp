#include <gtest/gtest.h>

#include <memory>

#include "graphics/graphics_engine.h"
#include "graphics/screen_mapping.h"
#include "shell/program.h"
#include "support/scripted_platform.h"

namespace zel3 {
namespace {

// A 640 x 480 drawing area showing the form sheet's window, on client areas of other shapes.
class ScreenMappingTest : public ::testing::Test {
  protected:
    ScreenMappingTest() : program(std::make_unique<test::ScriptedPlatform>()) {
        program.settings.MaxX = 639;
        program.settings.MaxY = 479;
        g().ApplySettings(ScreenInfo{});
        g().Header(-5, -5, 225, 310);
    }
    GraphicsEngine& g() { return program.graphics; }
    WorldMapping& m() { return program.graphics.mapping; }

    Program program;
};

// Framing a region with the mouse shows that region: its centre lands in the middle of the
// window and it fills the window in the direction that limits it.
TEST_F(ScreenMappingTest, FramedRegionFillsTheView) {
    for (auto [w, h] : {std::pair{640, 480}, {1000, 480}, {500, 900}}) {
        g().RightButtonReset();
        const ScreenMapping before(m(), w, h);
        // A body of 40 x 30 around (60, 45) on the sheet.
        const int xa = before.px(40), xb = before.px(80);
        const int ya = before.py(60), yb = before.py(30);
        g().RubberBandZoom(xa, ya, xb, yb, w, h);
        const ScreenMapping after(m(), w, h);
        // The band's corners are whole client pixels of the view before, and the zoom
        // rectangle holds whole drawing-area pixels: each edge may be off by half of either,
        // magnified into client pixels now.
        const double unit =
            after.ScaleX() * (m().WorldX2 - m().WorldX1) / (m().ViewX2 - m().ViewX1);
        const double edge = (unit + after.ScaleX() / before.ScaleX()) / 2 + 1;
        EXPECT_NEAR(after.px(60), (w - 1) / 2.0, edge) << w << "x" << h;
        EXPECT_NEAR(after.py(45), (h - 1) / 2.0, edge) << w << "x" << h;
        const double across = (after.px(80) - after.px(40)) / double(w - 1);
        const double down = (after.py(30) - after.py(60)) / double(h - 1);
        const double slack = 2 * edge / std::min(w, h);
        EXPECT_NEAR(std::max(across, down), 1.0, slack) << w << "x" << h;
        EXPECT_LE(std::min(across, down), 1.0 + slack) << w << "x" << h;
        EXPECT_LT(unit, 12) << w << "x" << h;
        EXPECT_DOUBLE_EQ(after.ScaleX(), after.ScaleY());
    }
}

TEST_F(ScreenMappingTest, FrameWithoutAreaOrInsideOnePixelZoomsNothing) {
    const int zoom[4] = {m().ZoomX1, m().ZoomY1, m().ZoomX2, m().ZoomY2};
    g().RubberBandZoom(100, 100, 100, 300, 640, 480);
    EXPECT_FALSE(FrameZoom(m(), 100, 100, 300, 100, 640, 480));
    EXPECT_EQ(m().ZoomX1, zoom[0]);
    EXPECT_EQ(m().ZoomY2, zoom[3]);
}

// The wheel zooms about the cursor: the point under it stays; one notch back out returns to
// the view before, apart from the whole units of the zoom rectangle.
TEST_F(ScreenMappingTest, WheelZoomKeepsThePointUnderTheCursor) {
    const int w = 1200, h = 700;
    const int zoom[4] = {m().ZoomX1, m().ZoomY1, m().ZoomX2, m().ZoomY2};
    const ScreenMapping before(m(), w, h);
    const double x = before.WorldX(900), y = before.WorldY(150);
    ZoomAbout(m(), 900, 150, 2, 1.2, w, h);
    const ScreenMapping in(m(), w, h);
    EXPECT_NEAR(in.px(x), 900, 2);
    EXPECT_NEAR(in.py(y), 150, 2);
    EXPECT_NEAR(in.ScaleX() / before.ScaleX(), 1.44, 0.02);  // two notches of 1.2
    ZoomAbout(m(), 900, 150, -2, 1.2, w, h);
    EXPECT_NEAR(m().ZoomX1, zoom[0], 2);
    EXPECT_NEAR(m().ZoomY1, zoom[1], 2);
    EXPECT_NEAR(m().ZoomX2, zoom[2], 2);
    EXPECT_NEAR(m().ZoomY2, zoom[3], 2);
    // Zoomed in as far as whole units allow, it stays put instead of collapsing.
    for (int i = 0; i < 80; ++i) ZoomAbout(m(), 600, 350, 1, 1.2, w, h);
    EXPECT_LT(m().ZoomX1, m().ZoomX2);
    EXPECT_LT(m().ZoomY1, m().ZoomY2);
}

// Without kept aspect the shown region is stretched onto the whole client area, exactly as on
// the drawing area itself.
TEST_F(ScreenMappingTest, StretchedPictureWithoutKeptAspect) {
    g().SetWindow(false, false, 0, 0, 1, 1, 0, 0, 639, 479);
    const ScreenMapping same(m(), 640, 480);
    for (double v : {0.0, 100.4, 333.5, 639.0}) {
        EXPECT_EQ(same.px(v), m().px(v));
        EXPECT_EQ(same.py(v * 0.75), m().py(v * 0.75));
    }
    const ScreenMapping wide(m(), 1279, 480);
    EXPECT_EQ(wide.px(639), 1278);
    EXPECT_EQ(wide.py(479), 0);
    EXPECT_NEAR(wide.WorldX(wide.px(200)), 200, 0.5);
}

}  // namespace
}  // namespace zel3
