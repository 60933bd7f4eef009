#include <benchmark/benchmark.h>

#include "contact_cases.h"

namespace {

// Two steel balls with yield strengths: point contact and one limit finding per call.
void BM_CalculateCasePoint(benchmark::State& state) {
    zel3::ContactCase c;
    c.body[0].sphereDiameter = 20;
    c.body[1].sphereDiameter = 20;
    c.body[0].Re = c.body[1].Re = 800;
    c.F = 1000;
    bench::CalculateRepeatedly(state, c);
}
BENCHMARK(BM_CalculateCasePoint);

// Two special bodies: the table is interpolated.
void BM_CalculateCaseEllipse(benchmark::State& state) {
    zel3::ContactCase c;
    for (auto& b : c.body) {
        b.kind = zel3::BodyKind::Special;
        b.rx = 10;
        b.ry = 20;
        b.Re = 1200;
    }
    c.F = 1000;
    bench::CalculateRepeatedly(state, c);
}
BENCHMARK(BM_CalculateCaseEllipse);

void BM_CalculateCaseLine(benchmark::State& state) {
    zel3::ContactCase c = bench::TwoRollers(zel3::CalculationMethod::Table);
    bench::CalculateRepeatedly(state, c);
}
BENCHMARK(BM_CalculateCaseLine);

}  // namespace
