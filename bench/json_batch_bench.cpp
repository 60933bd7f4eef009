// "--json" over 10,000 project files in one process, as "wzel3 *.zl3 --json" runs it: settings,
// then each file loaded, calculated and written as one JSON line. Target: under 2 s.
#include <benchmark/benchmark.h>

#include <memory>
#include <sstream>

#include "project_folder.h"
#include "shell/json_batch.h"
#include "shell/program.h"
#include "util/batch_platform.h"

namespace {

void BM_Json10000Files(benchmark::State& state) {
    const ProjectFolder folder(static_cast<int>(state.range(0)));
    std::vector<std::string> files;
    for (int i = 0; i < state.range(0); ++i) {
        files.push_back(folder.dir() + "p" + std::to_string(i) + ".zl3");
    }
    for (auto _ : state) {
        auto platform = std::make_unique<zel3::BatchPlatform>();
        zel3::BatchPlatform& batch = *platform;
        zel3::Program program(std::move(platform));
        std::ostringstream out;
        const int code = zel3::RunJsonBatch(program, batch, files, out);
        benchmark::DoNotOptimize(out.str().data());
        if (code != 0) state.SkipWithError("a file failed");
    }
}
BENCHMARK(BM_Json10000Files)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
