// Formatting and parsing speed: reports and diagrams format thousands of values per view.
#include <benchmark/benchmark.h>

#include "util/codepage.h"
#include "util/number_text.h"

namespace {

void BM_FormatValue(benchmark::State& state) {
    zel3::NumberFormat nf;
    double x = 0.0012345;
    for (auto _ : state) {
        benchmark::DoNotOptimize(zel3::FormatValue(nf, x));
        x = x * 1.7 > 1e6 ? 0.0012345 : x * 1.7;
    }
}
BENCHMARK(BM_FormatValue);

void BM_FormatValueWide(benchmark::State& state) {
    zel3::NumberFormat nf;
    double x = 1e-9;
    for (auto _ : state) {
        benchmark::DoNotOptimize(zel3::FormatValueWide(nf, x));
        x = x * 3.1 > 1e9 ? 1e-9 : x * 3.1;
    }
}
BENCHMARK(BM_FormatValueWide);

void BM_TextToFloat(benchmark::State& state) {
    for (auto _ : state) benchmark::DoNotOptimize(zel3::TextToFloat("1234,5678"));
}
BENCHMARK(BM_TextToFloat);

void BM_OemToDisplay(benchmark::State& state) {
    zel3::TextOptions opt;
    const std::string oem =
        "Gr\x94\xE1"
        "e der Ber\x81hrfl\x84"
        "che in \xE6m";
    for (auto _ : state) benchmark::DoNotOptimize(zel3::OemToDisplay(opt, oem));
}
BENCHMARK(BM_OemToDisplay);

void BM_DisplayToOem(benchmark::State& state) {
    const std::string utf8 = "Größe der Berührfläche in µm";
    for (auto _ : state) benchmark::DoNotOptimize(zel3::DisplayToOem(utf8));
}
BENCHMARK(BM_DisplayToOem);

}  // namespace
