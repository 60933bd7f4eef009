#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <functional>
#include <memory>

#include "graphics/graphics_engine.h"
#include "graphics/screen_replay.h"
#include "shell/program.h"
#include "support/recording_canvas.h"
#include "support/scripted_platform.h"

namespace zel3 {
namespace {

// A 640 x 480 drawing area showing world units as pixels: px(x) = x, py(y) = 479 - y.
class ReplayTest : public ::testing::Test {
  protected:
    ReplayTest() {
        auto p = std::make_unique<test::ScriptedPlatform>();
        platform = p.get();
        program = std::make_unique<Program>(std::move(p));
        program->settings.MaxX = 639;
        program->settings.MaxY = 479;
        program->settings.graphicsTextWidthFactor = 1.0;
        g().ApplySettings(ScreenInfo{});
        g().SetWindow(false, false, 0, 0, 1, 1, 0, 0, 639, 479);
    }
    GraphicsEngine& g() { return program->graphics; }
    std::vector<std::string> Paint() {
        test::RecordingCanvas c;
        g().FormPaint(c);
        return c.calls;
    }

    test::ScriptedPlatform* platform;
    std::unique_ptr<Program> program;
};

TEST_F(ReplayTest, ClearLeavesNothingToDraw) {
    g().line(0, 0, 10, 10);
    g().Clear();
    EXPECT_TRUE(Paint().empty());
    EXPECT_GT(platform->repaintRequests, 0);
}

TEST_F(ReplayTest, StartsInColourOneWithASolidThinPen) {
    g().line(10, 10, 20, 20);
    g().circle(100, 100, 10);
    EXPECT_EQ(Paint(), (std::vector<std::string>{
                           "line 10,469 20,459 pen rgb(0,0,128) solid w1",
                           "ellipse 90,369 110,389 pen rgb(0,0,128) solid w1 hollow"}));
}

TEST_F(ReplayTest, AttributesChangeThePen) {
    g().SetColor(4);
    g().SetLineStyle(2);
    g().SetLineWidth(3);
    g().line(0, 0, 1, 1);
    g().SetColor(77);  // not a table colour: the pen stays
    g().SetLineStyle(5);
    g().line(0, 0, 1, 1);
    EXPECT_EQ(Paint(), (std::vector<std::string>{"line 0,479 1,478 pen rgb(255,0,0) dashdot w3",
                                                 "line 0,479 1,478 pen rgb(255,0,0) solid w3"}));
}

TEST_F(ReplayTest, MonochromeScreenDrawsInBlackOrInWhiteOnADarkBackground) {
    g().SetColor(14);
    g().Solid(0, 0, 10, 0, 10, 10, 0, 10);
    g().OutTextXY(100, 100, "t");
    auto calls = Paint();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_NE(calls[0].find("fill rgb(255,255,0)"), std::string::npos) << calls[0];
    program->settings.colorGraphics = false;
    program->settings.backgroundColor = 0xC0C0C0;
    calls = Paint();
    EXPECT_NE(calls[0].find("pen rgb(0,0,0)"), std::string::npos) << calls[0];
    EXPECT_NE(calls[0].find("fill rgb(0,0,0)"), std::string::npos) << calls[0];
    EXPECT_NE(calls[1].find("rgb(0,0,0)"), std::string::npos) << calls[1];
    // Black would not show on the default black background (nor on dark blue).
    for (int dark : {0x000000, 0x800000}) {
        program->settings.backgroundColor = dark;
        calls = Paint();
        EXPECT_NE(calls[0].find("pen rgb(255,255,255)"), std::string::npos) << calls[0];
        EXPECT_NE(calls[0].find("fill rgb(255,255,255)"), std::string::npos) << calls[0];
        EXPECT_NE(calls[1].find("rgb(255,255,255)"), std::string::npos) << calls[1];
    }
    // Paper stays black on white.
    test::RecordingCanvas screen, paper;
    const PrintPage page{paper, 1000, 750};
    g().FormPaint(screen, &page);
    ASSERT_EQ(paper.calls.size(), 2u);
    EXPECT_NE(paper.calls[0].find("fill rgb(0,0,0)"), std::string::npos) << paper.calls[0];
    EXPECT_NE(paper.calls[1].find("rgb(0,0,0)"), std::string::npos) << paper.calls[1];
}

TEST_F(ReplayTest, TextPlacementAcrossAndAlong) {
    g().SetTextStyle(2, 0, 10, 10);  // height 16, width 11 after the factors
    g().OutTextXY(100, 100, "flat");
    g().SetTextStyle(2, 90, 10, 10);
    g().OutTextXY(100, 100, "up");
    auto calls = Paint();
    ASSERT_EQ(calls.size(), 2u);
    // Top left 0.75 h above the reference point.
    EXPECT_EQ(calls[0], "text 100,367 \"flat\" h16 w11 esc0 rgb(0,0,128)");
    // At 90 degrees: 0.7 h to the left, cos 90 along.
    EXPECT_EQ(calls[1], "text 89,379 \"up\" h16 w11 esc900 rgb(0,0,128)");
}

TEST_F(ReplayTest, WindowRecordKeepsTheUserZoom) {
    g().line(100, 100, 200, 200);
    g().processKey(107);
    const auto zoomed = Paint();
    g().list.AddRaw("10;0;0;639;479;0;0;639;479");
    g().line(100, 100, 200, 200);
    const auto again = Paint();
    ASSERT_EQ(again.size(), 2u);
    EXPECT_EQ(again[0], zoomed[0]);
    EXPECT_EQ(again[1], zoomed[0]);
}

TEST_F(ReplayTest, DegenerateWindowRecordEndsTheReplay) {
    g().line(0, 0, 1, 1);
    g().list.AddRaw("10;0;0;639;479;5;0;5;479");
    g().line(0, 0, 1, 1);
    EXPECT_EQ(Paint().size(), 1u);
    EXPECT_TRUE(program->ui.errorFlag);
}

TEST_F(ReplayTest, DamagedRecordsAreSkipped) {
    for (const char* r : {"", ";", "abc", "4;1;2", "4;1;x;2;3", "99;1", "6", "8;", "3;1e999;1;1",
                          "7;1;2;3;4;5;6;7", "12;-"})
        g().list.AddRaw(r);
    g().line(0, 0, 1, 1);
    EXPECT_EQ(Paint().size(), 1u);
    EXPECT_FALSE(program->ui.errorFlag);
}

TEST_F(ReplayTest, PausesOnScreenOnlyAndAnimationAtColourZero) {
    g().SleepMs(40);
    g().SetColor(0);
    g().SetColor(1);
    g().SetColor(0);
    g().animationMode = true;
    platform->animationAnswers = {true, false};  // "+" then "++"
    Paint();
    EXPECT_EQ(platform->pauses, std::vector<int>{40});
    EXPECT_EQ(platform->animationSteps, 2);
    EXPECT_FALSE(g().animationMode);
    Paint();
    EXPECT_EQ(platform->animationSteps, 2);

    test::RecordingCanvas screen, page;
    PrintPage p{page, 2100, 2970};
    g().FormPaint(screen, &p);
    EXPECT_EQ(platform->pauses.size(), 2u);  // the print pass does not wait
}

TEST_F(ReplayTest, DamagedPauseRecordsCannotFreezeTheWindow) {
    g().list.AddRaw("13;2000000000");
    g().list.AddRaw("13;-5");
    g().SleepMs(250);
    Paint();
    EXPECT_EQ(platform->pauses, (std::vector<int>{10000, -5, 250}));
}

// Absurd line widths (found by fuzzing): neither the screen nor the four times wider printer
// pen overflows, and no pen is wider than any page.
TEST_F(ReplayTest, DamagedLineWidthRecordsStayWithinAPage) {
    g().list.AddRaw("12;888828883");
    g().line(0, 0, 1, 1);
    g().list.AddRaw("12;-7");
    g().line(0, 0, 1, 1);
    test::RecordingCanvas screen, page;
    PrintPage p{page, 2100, 2970};
    g().FormPaint(screen, &p);
    ASSERT_EQ(page.calls.size(), 2u);
    EXPECT_NE(screen.calls[0].find(" w1000"), std::string::npos) << screen.calls[0];
    EXPECT_NE(page.calls[0].find(" w4000"), std::string::npos) << page.calls[0];
    EXPECT_NE(page.calls[1].find(" w0"), std::string::npos) << page.calls[1];
}

// A block or picture file with absurd coordinates draws far off the area; no pixel value
// overflows on the way (found by fuzzing the block files).
TEST_F(ReplayTest, HugeCoordinatesDrawOffTheAreaWithoutOverflow) {
    g().list.AddRaw("4;0;0;5e60;-5e60");
    g().list.AddRaw("3;1e300;-1e300;1e300");
    const auto calls = Paint();
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].rfind("line 0,479 536870912,536870912", 0), 0u) << calls[0];
    EXPECT_EQ(calls[1].rfind("ellipse 0,", 0), 0u) << calls[1];
}

TEST_F(ReplayTest, EventsProcessedAtTheFirstAndEvery50000thRecord) {
    for (int i = 0; i < 100001; ++i) g().list.AddRaw("8;1");
    const int before = platform->processedEvents;
    Paint();
    EXPECT_EQ(platform->processedEvents - before, 3);
}

TEST_F(ReplayTest, PrintPassMapsOntoThePageAndTextGoesThereOnly) {
    g().print.colorMode = 1;
    g().SetColor(4);
    g().line(0, 0, 639, 479);
    g().SetLineWidth(2);
    g().OutTextXY(0, 0, "t");
    test::RecordingCanvas screen, page;
    PrintPage p{page, 2100, 2970};
    g().FormPaint(screen, &p);
    ASSERT_EQ(screen.calls.size(), 1u);
    EXPECT_EQ(screen.calls[0], "line 0,479 639,0 pen rgb(255,0,0) solid w1");
    ASSERT_EQ(page.calls.size(), 2u);
    // The printer pen starts as thin as the screen's; width records make it four times wider.
    EXPECT_EQ(page.calls[0], "line 0,2970 2100,0 pen rgb(0,0,0) solid w1");
    EXPECT_EQ(page.calls[1].substr(0, 14), "text 0,2954 \"t");  // 0.75 * 3.5 up

    g().print.border = true;
    g().print.originX = 10;  // millimetres at 2100/210 dots each
    g().print.scaleX = 0.5;
    test::RecordingCanvas screen2, page2;
    PrintPage p2{page2, 2100, 2970};
    g().FormPaint(screen2, &p2);
    ASSERT_GE(page2.calls.size(), 5u);
    EXPECT_EQ(page2.calls[0].substr(0, 19), "line 100,2970 1150,");  // the outline first
    EXPECT_EQ(page2.calls[4], "line 100,2970 1150,0 pen rgb(0,0,0) solid w1");

    g().line(0, 0, 639, 479);  // after the width record of 2
    test::RecordingCanvas screen3, page3;
    PrintPage p3{page3, 2100, 2970};
    g().FormPaint(screen3, &p3);
    EXPECT_NE(page3.calls.back().find(" w8"), std::string::npos) << page3.calls.back();
}

// The page is scaled differently across and down: a turned text takes its height across the
// page, as the lines beside it do, so the upright lines of a margin note keep their distance.
TEST_F(ReplayTest, TurnedTextOnThePageTakesItsHeightAcross) {
    g().SetTextStyle(2, 0, 10, 10);  // height 16, width 11 in world units
    g().OutTextXY(100, 100, "flat");
    g().SetTextStyle(2, 90, 10, 10);
    g().OutTextXY(100, 100, "up");
    test::RecordingCanvas screen, page;
    PrintPage p{page, 2100, 2970};  // 2100/639 dots per unit across, 2970/479 down
    g().FormPaint(screen, &p);
    ASSERT_EQ(page.calls.size(), 2u);
    int x, y, h, w;
    ASSERT_EQ(std::sscanf(page.calls[0].c_str(), "text %d,%d \"flat\" h%d w%d", &x, &y, &h, &w), 4);
    EXPECT_EQ(h, RoundEven(16 * 2970.0 / 479));
    EXPECT_EQ(w, RoundEven(11 * 2100.0 / 639));
    ASSERT_EQ(std::sscanf(page.calls[1].c_str(), "text %d,%d \"up\" h%d w%d", &x, &y, &h, &w), 4);
    EXPECT_EQ(h, RoundEven(16 * 2100.0 / 639));
    EXPECT_EQ(w, RoundEven(11 * 2970.0 / 479));
    // Where it stands is unchanged: 0.7 h left of the reference point, 0.75 h * cos 90 up.
    EXPECT_EQ(x, RoundEven(2100.0 * (100 - 0.7 * 16) / 639));
}

// A circle is round on a drawing area of any shape, and on a window of any size; the picture
// grows and shrinks with the window.
TEST_F(ReplayTest, CirclesStayRoundOnAreasAndWindowsOfAnyShape) {
    program->settings.MaxX = 1023;
    program->settings.MaxY = 399;
    g().ApplySettings(ScreenInfo{});
    g().Header(0, 0, 100, 100);
    g().circle(50, 50, 40);
    auto box = [&](int width, int height) {
        test::RecordingCanvas c;
        if (width == 0)
            g().FormPaint(c);
        else
            PaintScreen(g(), c, width, height);
        std::array<int, 4> b{};
        EXPECT_EQ(
            std::sscanf(c.calls.at(0).c_str(), "ellipse %d,%d %d,%d", &b[0], &b[1], &b[2], &b[3]),
            4);
        return b;
    };
    const auto area = box(0, 0);
    EXPECT_NEAR(area[2] - area[0], area[3] - area[1], 1);
    EXPECT_NEAR((area[0] + area[2]) / 2.0, 511.5, 1);  // centred in the spare width
    for (auto [w, h] : {std::pair{1024, 400}, {400, 1024}, {640, 480}, {2048, 800}}) {
        const auto b = box(w, h);
        EXPECT_NEAR(b[2] - b[0], b[3] - b[1], 1) << w << "x" << h;
        EXPECT_NEAR((b[0] + b[2]) / 2.0, (w - 1) / 2.0, 1) << w << "x" << h;
        EXPECT_NEAR((b[1] + b[3]) / 2.0, (h - 1) / 2.0, 1) << w << "x" << h;
    }
    // Twice the window, twice the circle.
    EXPECT_NEAR(box(2048, 800)[3] - box(2048, 800)[1], 2 * (area[3] - area[1]), 2);
}

// The printer keeps its own mapping of the drawing area onto the page.
TEST_F(ReplayTest, PrintPassKeepsThePageMapping) {
    program->settings.MaxX = 1023;
    program->settings.MaxY = 399;
    g().ApplySettings(ScreenInfo{});
    g().Header(0, 0, 100, 100);
    g().circle(50, 50, 40);
    test::RecordingCanvas screen, page;
    PrintPage p{page, 2100, 2970};
    g().FormPaint(screen, &p);
    int l, t, r, b;
    ASSERT_EQ(std::sscanf(page.calls.at(0).c_str(), "ellipse %d,%d %d,%d", &l, &t, &r, &b), 4);
    // Scales in the ratio 0.75 * MaxX / MaxY, then the area stretched onto the page.
    const double scaleY = 397.0 / 100;  // rows 1 to 398 inside the border
    const double scaleX = scaleY * 0.75 * 1023 / 399;
    EXPECT_EQ(r - l, RoundEven(2100 * (1 + 90 * scaleX) / 1023) -
                         RoundEven(2100 * (1 + 10 * scaleX) / 1023));
    EXPECT_EQ(b - t, RoundEven(2970 * (398 - 10 * scaleY) / 399) -
                         RoundEven(2970 * (398 - 90 * scaleY) / 399));
}

// A replay that waits (pause, animation step) ends as soon as a newer one is wanted, and the
// list may be emptied by the events handled meanwhile.
class HookedPlatform : public test::ScriptedPlatform {
  public:
    std::function<void()> onPause, onEvents;
    void PauseMs(int ms) override {
        ScriptedPlatform::PauseMs(ms);
        if (onPause) onPause();
    }
    void ProcessEvents() override {
        ScriptedPlatform::ProcessEvents();
        if (onEvents) onEvents();
    }
};

TEST(ScreenReplayTest, OutdatedReplayStopsAfterItsPause) {
    auto hooked = std::make_unique<HookedPlatform>();
    HookedPlatform& platform = *hooked;
    Program program(std::move(hooked));
    GraphicsEngine& g = program.graphics;
    g.ApplySettings(ScreenInfo{});
    g.line(0, 0, 1, 1);
    g.SleepMs(100);
    g.line(2, 2, 3, 3);
    g.SetColor(0);
    g.line(4, 4, 5, 5);
    bool outdated = false;
    platform.onPause = [&] { outdated = true; };
    test::RecordingCanvas c;
    PaintScreen(g, c, 640, 480, [&] { return outdated; });
    EXPECT_EQ(c.calls.size(), 1u);
    EXPECT_EQ(platform.pauses.size(), 1u);

    // At an animation step likewise.
    g.animationMode = true;
    platform.animationAnswers = {true};
    platform.onPause = nullptr;
    outdated = false;
    platform.onEvents = [&] { outdated = platform.animationSteps > 0; };
    test::RecordingCanvas c2;
    PaintScreen(g, c2, 640, 480, [&] { return outdated || platform.animationSteps > 0; });
    EXPECT_EQ(c2.calls.size(), 2u);
    EXPECT_EQ(platform.animationSteps, 1);

    // The events of the first record empty the list: nothing is read past its end.
    g.animationMode = false;
    platform.onEvents = [&] { g.list.Clear(); };
    test::RecordingCanvas c3;
    PaintScreen(g, c3, 640, 480, [] { return false; });
    EXPECT_TRUE(c3.calls.empty());
}

TEST_F(ReplayTest, CirclesStayRoundWithKeptAspect) {
    program->settings.MaxX = 799;
    program->settings.MaxY = 599;
    g().ApplySettings(ScreenInfo{});
    g().Header(0, 0, 210, 297);
    g().circle(100, 100, 50);
    for (int key : {107, 107, 37, 109, 40}) {
        g().processKey(key);
        test::RecordingCanvas c;
        g().FormPaint(c);
        int l, t, r, b;
        ASSERT_EQ(std::sscanf(c.calls.at(0).c_str(), "ellipse %d,%d %d,%d", &l, &t, &r, &b), 4);
        EXPECT_NEAR(r - l, b - t, 1) << c.calls[0];
    }
}

TEST_F(ReplayTest, PrintingWithFitShowsTheWholePicture) {
    g().SaveLimit();
    g().line(0, 0, 639, 479);
    g().processKey(107);
    g().processKey(107);
    test::RecordingCanvas screen, page;
    PrintPage p{page, 2100, 2970};
    g().PrintPicture(screen, p, true);
    ASSERT_EQ(screen.calls.size(), 2u);  // once before and once during the print pass
    EXPECT_EQ(screen.calls[0], "line 0,479 639,0 pen rgb(0,0,128) solid w1");  // unzoomed
    ASSERT_EQ(page.calls.size(), 1u);
    EXPECT_EQ(page.calls[0].substr(0, 20), "line 0,2970 2100,0 p");
}

}  // namespace
}  // namespace zel3
