// The results table over a folder of 10,000 project files: each file loaded, calculated and
// its row filled.
#include <benchmark/benchmark.h>

#include "project/results_table.h"
#include "project_folder.h"

namespace {

void BM_ResultsTable10000Files(benchmark::State& state) {
    const ProjectFolder folder(static_cast<int>(state.range(0)));
    zel3::NumberFormat nf;
    zel3::ContactCase last;
    zel3::MessageList messages;
    for (auto _ : state) {
        zel3::ResultsScan scan = zel3::BuildResultsTable(folder.dir(), "zl3", nf, last, messages);
        benchmark::DoNotOptimize(scan.table.data());
        if (scan.table.size() != static_cast<size_t>(state.range(0)) + 1) {
            state.SkipWithError("rows missing");
        }
    }
}
BENCHMARK(BM_ResultsTable10000Files)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
