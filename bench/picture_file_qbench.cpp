// The form sheet of an example project painted into SVG, PDF and PNG file contents, inside
// one process (the whole batch processes are timed by scripts/bench-whole-runs.sh).

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <memory>

#include "cad/cad_output_state.h"
#include "contact/hertz_solver.h"
#include "graphics/contact_sheet.h"
#include "graphics/qt_picture_file.h"
#include "project/project_files.h"
#include "shell/program.h"
#include "util/batch_platform.h"

namespace {

std::unique_ptr<zel3::Program> FormSheetProgram() {
    auto program = std::make_unique<zel3::Program>(std::make_unique<zel3::BatchPlatform>());
    program->ProgramDataDir = ZEL3_BENCH_DATA_DIR "/";
    program->graphics.ApplySettings(zel3::ScreenInfo{});
    program->run.ProjectDir = ZEL3_BENCH_DATA_DIR "/examples/";
    zel3::LoadProject(*program, "kugel_kugel");
    zel3::CalculateCase(program->contactCase, program->messages);
    zel3::ShowContactSheet(*program, zel3::kCadScreen, 3);
    return program;
}

void BM_FormSheetPicture(benchmark::State& state) {
    std::unique_ptr<zel3::Program> program = FormSheetProgram();
    const int kind = static_cast<int>(state.range(0));
    size_t bytes = 0;
    for (auto _ : state) {
        const QByteArray file = zel3::PictureFileBytes(*program, kind);
        bytes = static_cast<size_t>(file.size());
        benchmark::DoNotOptimize(file);
    }
    state.counters["bytes"] = static_cast<double>(bytes);
}
BENCHMARK(BM_FormSheetPicture)
    ->Arg(zel3::kCadSvg)
    ->Arg(zel3::kCadPdf)
    ->Arg(zel3::kCadPng)
    ->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
