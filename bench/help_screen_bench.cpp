#include <benchmark/benchmark.h>

#include "shell/help_screen.h"

static void BM_HelpScreenLines(benchmark::State& state) {
    zel3::ProgramIdentity id;
    for (auto _ : state) benchmark::DoNotOptimize(zel3::HelpScreenLines(id));
}
BENCHMARK(BM_HelpScreenLines);
