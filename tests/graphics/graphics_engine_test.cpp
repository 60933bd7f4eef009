#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "graphics/graphics_engine.h"
#include "shell/program.h"
#include "support/recording_canvas.h"
#include "support/scripted_platform.h"

namespace zel3 {
namespace {

class GraphicsEngineTest : public ::testing::Test {
  protected:
    GraphicsEngineTest() {
        auto p = std::make_unique<test::ScriptedPlatform>();
        platform = p.get();
        program = std::make_unique<Program>(std::move(p));
        program->settings.MaxX = 639;
        program->settings.MaxY = 479;
        g().ApplySettings(ScreenInfo{});
    }
    GraphicsEngine& g() { return program->graphics; }
    std::vector<std::string> Records() const { return program->graphics.list.records(); }

    test::ScriptedPlatform* platform;
    std::unique_ptr<Program> program;
};

TEST(RecordRealTest, EightSignificantDigitsInGeneralFormat) {
    EXPECT_EQ(RecordReal(3.5), "3.5");
    EXPECT_EQ(RecordReal(-0.25), "-0.25");
    EXPECT_EQ(RecordReal(100), "100");
    EXPECT_EQ(RecordReal(1.0 / 3), "0.33333333");
    EXPECT_EQ(RecordReal(2.0 / 3 * 1000), "666.66667");
    EXPECT_EQ(RecordReal(0.0001), "0.0001");
    EXPECT_EQ(RecordReal(12345678), "12345678");
    EXPECT_EQ(RecordReal(123456789), "1.2345679E8");
    EXPECT_EQ(RecordReal(-1e-6), "-1E-6");
    EXPECT_EQ(RecordReal(0), "0");
    double v = 0;
    for (double x : {3.5, 1.0 / 3, 123456789.0, -1e-6, 210.0}) {
        ASSERT_TRUE(ParseRecordReal(RecordReal(x), v));
        EXPECT_NEAR(v, x, std::fabs(x) * 1e-7);
    }
    EXPECT_FALSE(ParseRecordReal("1,5", v));
    EXPECT_FALSE(ParseRecordReal("", v));
}

TEST_F(GraphicsEngineTest, PrimitivesWriteTheirRecords) {
    g().line(1, 2, 3.5, -4);
    g().circle(10, 20, 5);
    g().Solid(0, 0, 1, 0, 1, 1, 0, 1);
    g().OutTextXY(5, 6, "a;b c");
    g().SetTextStyle(2, 90, 3.5, 2.5);
    g().SleepMs(250);
    EXPECT_EQ(Records(), (std::vector<std::string>{"4;1;2;3.5;-4", "3;10;20;5", "7;0;0;1;0;1;1;0;1",
                                                   "6;5;6;a;b c", "9;3.5;2.5;2;90", "13;250"}));
}

TEST_F(GraphicsEngineTest, AttributeRecordsOnlyOnChange) {
    g().SetColor(5);
    g().SetColor(5);
    g().SetColor(17);  // above the table: not recorded, but remembered
    g().SetColor(-2);  // recorded, ignored on replay
    EXPECT_EQ(g().GetColor(), -2);
    g().SetLineStyle(99);  // the cache starts at 99
    g().SetLineStyle(2);
    g().SetLineStyle(2);
    g().SetLineWidth(1);  // the cache starts at 1
    g().SetLineWidth(3);
    g().SetLineStyleName("dashed");  // names are case-sensitive: style 0
    g().SetLineStyleName("VERDECKT");
    EXPECT_EQ(Records(), (std::vector<std::string>{"8;5", "8;-2", "11;2", "12;3", "11;0", "11;3"}));
}

TEST_F(GraphicsEngineTest, ArcSweepRule) {
    g().Arc(0, 0, 10, 12, 10);  // 2 degrees: the chord
    ASSERT_EQ(Records().size(), 1u);
    EXPECT_EQ(Records()[0].substr(0, 2), "4;");
    g().Arc(0, 0, 350, 10, 10);  // 20 degrees across 0
    ASSERT_EQ(Records().size(), 2u);
    EXPECT_EQ(Records()[1], "5;-10;-10;10;10;9.8480775;-1.7364818;9.8480775;1.7364818");
    g().Arc(0, 0, -720, 360, 1);  // no sweep at all: a chord of length 0
    EXPECT_EQ(Records().back().substr(0, 2), "4;");
}

TEST(ColorTurboTest, CadColoursToWindowColours) {
    EXPECT_EQ(GraphicsEngine::GetColorTurbo(1), 12);
    EXPECT_EQ(GraphicsEngine::GetColorTurbo(7), 15);
    EXPECT_EQ(GraphicsEngine::GetColorTurbo(8), 1);
    EXPECT_EQ(GraphicsEngine::GetColorTurbo(17), GraphicsEngine::GetColorTurbo(2));
    EXPECT_EQ(GraphicsEngine::GetColorTurbo(2), 14);
    EXPECT_EQ(GraphicsEngine::GetColorTurbo(256 + 3), 10);  // taken as a byte
    EXPECT_TRUE(GraphicsEngine::GetDirection(90));
    EXPECT_TRUE(GraphicsEngine::GetDirection(-90));
    EXPECT_FALSE(GraphicsEngine::GetDirection(45));
    EXPECT_FALSE(GraphicsEngine::GetDirection(180));
    EXPECT_TRUE(GraphicsEngine::GetDirection(300));
}

TEST_F(GraphicsEngineTest, SetWindowRecordAndScale) {
    g().SetWindow(true, true, 0, 0, 1, 1, 0, 0, 100, 75);
    EXPECT_EQ(Records().back(), "10;1;1;638;478;0;0;100;75");
    const auto& m = g().mapping;
    EXPECT_EQ(m.ZoomX1, 1);
    EXPECT_EQ(m.ZoomX2, 638);
    // Kept aspect: the scales stand in the ratio of a 4:3 area, the smaller one wins.
    EXPECT_NEAR(m.ScaleX / m.ScaleY, 0.75 * 639 / 479, 1e-12);
    EXPECT_NEAR(m.ScaleY, 477.0 / 75, 1e-9);
    EXPECT_EQ(m.px(0), 1);
    EXPECT_EQ(m.py(0), 478);
    EXPECT_FALSE(program->ui.errorFlag);

    g().SetWindow(false, false, 0, 0, 1, 1, 5, 0, 5, 1);
    EXPECT_TRUE(program->ui.errorFlag);
}

TEST_F(GraphicsEngineTest, HeaderSetsAspectFactorAndSolidStyle) {
    g().SetWindow(false, false, 0, 0, 1, 1, 0, 0, 640, 480);
    g().Header(0, 0, 210, 297);
    EXPECT_NEAR(g().mapping.AspectFactor, 0.75 * 639 / 479, 1e-12);
    auto r = Records();
    EXPECT_EQ(r[1], "10;1;1;638;478;0;0;210;297");
    EXPECT_EQ(r[2], "11;0");
    EXPECT_EQ(g().mapping.savedLimit[3], 297);
}

TEST_F(GraphicsEngineTest, KeyZoomAndPan) {
    g().SetWindow(true, false, 0, 0, 1, 1, 0, 0, 640, 480);
    auto& m = g().mapping;
    m.ZoomFactor = 1.2;
    m.PanFactor = 0.1;
    const int before[4] = {m.ZoomX1, m.ZoomY1, m.ZoomX2, m.ZoomY2};
    EXPECT_TRUE(g().processKey(107));
    EXPECT_LT(m.ZoomX2 - m.ZoomX1, before[2] - before[0]);
    EXPECT_TRUE(g().processKey(109));
    EXPECT_NEAR(m.ZoomX1, before[0], 2);
    EXPECT_NEAR(m.ZoomX2, before[2], 2);
    EXPECT_NEAR(m.ZoomY2, before[3], 2);

    g().processKey(27);
    EXPECT_TRUE(g().processKey(37));  // left: the rectangle moves right by a tenth
    EXPECT_EQ(m.ZoomX1, 64);
    EXPECT_EQ(m.ZoomX2, 703);
    g().processKey(116);
    EXPECT_TRUE(g().processKey(34));  // page down: five steps
    EXPECT_EQ(m.ZoomY1, 240);
    const size_t records = Records().size();
    const int x1 = m.ZoomX1;
    EXPECT_FALSE(g().processKey(65));
    EXPECT_EQ(m.ZoomX1, x1);
    EXPECT_EQ(Records().size(), records);  // zooming never records anything
}

TEST_F(GraphicsEngineTest, MouseBandZoomsIntoTheBand) {
    g().SetWindow(false, false, 0, 0, 1, 1, 0, 0, 640, 480);
    g().RubberBandZoom(160, 120, 480, 360, 640, 480);
    const auto& m = g().mapping;
    // The client area is the drawing area: framed pixels are zoom units, rows turned upward.
    EXPECT_EQ(m.ZoomX1, 160);
    EXPECT_EQ(m.ZoomX2, 480);
    EXPECT_EQ(m.ZoomY1, 119);
    EXPECT_EQ(m.ZoomY2, 359);
    g().RubberBandZoom(100, 100, 100, 300, 640, 480);  // no width: nothing
    EXPECT_EQ(m.ZoomX1, 160);
    g().RightButtonReset();
    EXPECT_EQ(m.ZoomX1, 0);
    EXPECT_EQ(m.ZoomX2, 639);
}

TEST_F(GraphicsEngineTest, LogoHas57SolidsInsideItsWindow) {
    g().DrawTrelloxLogo();
    int solids = 0;
    std::vector<std::string> colours;
    for (const auto& r : Records()) {
        if (r.rfind("7;", 0) == 0) {
            ++solids;
            std::vector<double> v;
            size_t p = 2;
            while (p <= r.size()) {
                size_t q = r.find(';', p);
                if (q == std::string::npos) q = r.size();
                double d = 0;
                ASSERT_TRUE(ParseRecordReal(r.substr(p, q - p), d)) << r;
                v.push_back(d);
                p = q + 1;
            }
            for (size_t i = 0; i < 8; i += 2) {
                EXPECT_GE(v[i], 0);
                EXPECT_LE(v[i], 37);
                EXPECT_GE(v[i + 1], 0);
                EXPECT_LE(v[i + 1], 32);
            }
        }
        if (r.rfind("8;", 0) == 0) colours.push_back(r);
    }
    EXPECT_EQ(solids, 57);
    EXPECT_EQ(colours, (std::vector<std::string>{"8;9", "8;13", "8;9"}));
}

}  // namespace
}  // namespace zel3
