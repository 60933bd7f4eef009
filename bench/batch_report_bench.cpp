// The "/I" batch job inside one process: settings, folder checks, loading the example
// project, the calculation and the report with its UTF-8 copy. The whole process (start-up of
// the executable included) is measured with scripts/bench-whole-runs.sh.

#include <benchmark/benchmark.h>
#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <memory>

#include "shell/program.h"
#include "shell/start_up.h"
#include "util/batch_platform.h"

namespace {

void BM_BatchReport(benchmark::State& state) {
    namespace fs = std::filesystem;
    const fs::path example = ZEL3_BENCH_DATA_DIR "/examples/kugel_kugel.zl3";
    if (!fs::exists(example)) {
        state.SkipWithError("example project missing");
        return;
    }
    std::string dir = (fs::temp_directory_path() / "zel3-bench-XXXXXX").string();
    if (!::mkdtemp(dir.data())) {
        state.SkipWithError("no temporary folder");
        return;
    }
    fs::copy_file(example, fs::path(dir) / "kugel_kugel.zl3");
    const fs::path cwd = fs::current_path();
    fs::current_path(dir);
    for (auto _ : state) {
        zel3::Program program(std::make_unique<zel3::BatchPlatform>());
        program.settings.folders.StartDir = dir + "/";
        program.settings.folders.DataDir = dir + "/";
        program.settings.folders.TempDir = dir + "/";
        program.args = {"kugel_kugel.zl3", "/I"};
        benchmark::DoNotOptimize(zel3::StartUp(program, 8));
    }
    fs::current_path(cwd);
    fs::remove_all(dir);
}
BENCHMARK(BM_BatchReport)->Unit(benchmark::kMicrosecond);

}  // namespace
