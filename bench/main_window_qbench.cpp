// The main window on the offscreen platform: constructed and painted for the first time with
// the form sheet of an example project, and one repaint of that sheet.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QPixmap>
#include <memory>

#include "contact/hertz_solver.h"
#include "graphics/contact_sheet.h"
#include "graphics/drawing_area_widget.h"
#include "project/project_files.h"
#include "shell/main_window.h"
#include "util/qt_platform.h"

namespace {

std::unique_ptr<zel3::Program> ExampleProgram() {
    auto program = std::make_unique<zel3::Program>(std::make_unique<zel3::QtPlatform>());
    program->ProgramDataDir = ZEL3_BENCH_DATA_DIR "/";
    program->settings.MaxX = 1023;
    program->settings.MaxY = 767;
    program->graphics.ApplySettings(zel3::ScreenInfo{});
    program->run.ProjectDir = ZEL3_BENCH_DATA_DIR "/examples/";
    zel3::LoadProject(*program, "kugel_kugel");
    zel3::CalculateCase(program->contactCase, program->messages);
    return program;
}

// The example's form sheet shown in a main window of 1024 x 800.
struct ShownFormSheet {
    ShownFormSheet() : program(ExampleProgram()), window(*program) {
        window.resize(1024, 800);
        zel3::ShowContactSheet(*program, 3, 3);
        window.show();
    }
    std::unique_ptr<zel3::Program> program;
    zel3::MainWindow window;
};

// Construction, the form sheet into the display list, show and the first paint.
void BM_MainWindowShown(benchmark::State& state) {
    for (auto _ : state) {
        ShownFormSheet sheet;
        sheet.window.drawingArea()->RenderNow();
        QPixmap first = sheet.window.grab();
        benchmark::DoNotOptimize(first);
    }
}
BENCHMARK(BM_MainWindowShown)->Unit(benchmark::kMillisecond);

// One new picture of the form sheet: the replay of its display list into the window's image,
// then the paint that shows it.
void BM_FormSheetRepaint(benchmark::State& state) {
    ShownFormSheet sheet;
    zel3::DrawingAreaWidget* area = sheet.window.drawingArea();
    for (auto _ : state) {
        area->RenderNow();
        QPixmap frame = area->grab();
        benchmark::DoNotOptimize(frame);
    }
    state.counters["records"] = static_cast<double>(sheet.program->graphics.list.size());
}
BENCHMARK(BM_FormSheetRepaint)->Unit(benchmark::kMillisecond);

// A paint of the picture already replayed (exposing or moving the window).
void BM_FormSheetExpose(benchmark::State& state) {
    ShownFormSheet sheet;
    zel3::DrawingAreaWidget* area = sheet.window.drawingArea();
    area->RenderNow();
    for (auto _ : state) {
        QPixmap frame = area->grab();
        benchmark::DoNotOptimize(frame);
    }
}
BENCHMARK(BM_FormSheetExpose)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
