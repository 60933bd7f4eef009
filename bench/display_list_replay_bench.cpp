// Replaying a display list of one million records onto a canvas that draws nothing.

#include <benchmark/benchmark.h>

#include <memory>

#include "graphics/graphics_engine.h"
#include "shell/program.h"
#include "util/batch_platform.h"

namespace {

class NullCanvas : public zel3::Canvas {
  public:
    void SetPen(const zel3::Rgb&, zel3::PenStyle, int) override {}
    void SetBrush(const zel3::Rgb&, bool) override {}
    void Line(int x1, int, int, int) override { benchmark::DoNotOptimize(x1); }
    void Ellipse(int, int, int, int) override {}
    void Arc(int, int, int, int, zel3::PixelPoint, zel3::PixelPoint) override {}
    void Polygon(const std::array<zel3::PixelPoint, 4>&) override {}
    void Text(int, int, const std::string&, const zel3::FontSpec&, const zel3::Rgb&) override {}
};

void BM_ReplayMillionRecords(benchmark::State& state) {
    zel3::Program program(std::make_unique<zel3::BatchPlatform>());
    program.settings.MaxX = 1023;
    program.settings.MaxY = 767;
    auto& g = program.graphics;
    g.ApplySettings(zel3::ScreenInfo{});
    g.Header(0, 0, 297, 210);
    // A mix like a drawing sheet: mostly lines, some circles, arcs, solids, texts, colours.
    int n = static_cast<int>(g.list.size());
    for (int i = 0; n < 1000000; ++i) {
        double x = (i % 2970) * 0.1, y = (i % 2100) * 0.1;
        switch (i % 20) {
            case 0:
                g.circle(x, y, 2.5);
                break;
            case 1:
                g.Arc(x, y, 10, 100, 3.25);
                break;
            case 2:
                g.Solid(x, y, x + 1, y, x + 1, y + 1, x, y + 1);
                break;
            case 3:
                g.OutTextXY(x, y, "Pressung 1234.5 N/mm2");
                break;
            case 4:
                g.list.AddInt(zel3::kRecColor, 1 + i % 15);
                break;
            default:
                g.line(x, y, x + 12.345678, y + 7.654321);
        }
        n = static_cast<int>(g.list.size());
    }
    NullCanvas canvas;
    for (auto _ : state) g.FormPaint(canvas);
    state.counters["records"] = static_cast<double>(g.list.size());
}
BENCHMARK(BM_ReplayMillionRecords)->Unit(benchmark::kMillisecond);

}  // namespace
