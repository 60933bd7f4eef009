// The exact method: whole calculations (the target is a million a second on one core) and
// the search for the stress maxima of one case (the target is under 10 us).
#include <benchmark/benchmark.h>

#include "contact/subsurface_stress.h"
#include "contact_cases.h"

namespace {

// A 6208-like ball in its inner-ring groove.
zel3::ContactCase BallInGroove() {
    zel3::ContactCase c;
    c.method = zel3::CalculationMethod::Exact;
    c.body[0].sphereDiameter = 12.7;
    c.body[1].kind = zel3::BodyKind::Special;
    c.body[1].rx = 25;
    c.body[1].ry = -0.52 * 12.7;
    for (auto& b : c.body) b.Re = 1200;
    c.F = 2000;
    return c;
}

// The same geometry again and again, as the load sweeps and repeated views calculate it: the
// shape of the ellipse and the stresses over p max are found once.
void BM_CalculateCaseExactSameShape(benchmark::State& state) {
    zel3::ContactCase c = BallInGroove();
    bench::CalculateRepeatedly(state, c);
}
BENCHMARK(BM_CalculateCaseExactSameShape);

// A new groove radius every time: the ellipse and the stress maxima are solved anew.
void BM_CalculateCaseExactNewShape(benchmark::State& state) {
    zel3::ContactCase c = BallInGroove();
    zel3::MessageList messages;
    double step = 0;
    for (auto _ : state) {
        c.body[1].ry = -0.52 * 12.7 - 1e-6 * step;
        step = step < 1e6 ? step + 1 : 0;
        zel3::CalculateCase(c, messages);
        benchmark::DoNotOptimize(c.result.pmax);
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_CalculateCaseExactNewShape);

void BM_CalculateCaseExactLine(benchmark::State& state) {
    zel3::ContactCase c = bench::TwoRollers(zel3::CalculationMethod::Exact);
    bench::CalculateRepeatedly(state, c);
}
BENCHMARK(BM_CalculateCaseExactLine);

// The stress maxima of one case: tau and von Mises over the depth, for a new ratio each time.
void BM_StressMaxima(benchmark::State& state) {
    double ratio = 0.1;
    for (auto _ : state) {
        ratio = ratio < 0.9 ? ratio + 1e-4 : 0.1;
        benchmark::DoNotOptimize(zel3::FindStressMaxima(ratio, 0.3));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_StressMaxima);

void BM_EllipseShape(benchmark::State& state) {
    double q = 1.5;
    for (auto _ : state) {
        q = q < 1e5 ? q * 1.01 : 1.5;
        benchmark::DoNotOptimize(zel3::SolveEllipseShape(q));
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_EllipseShape);

}  // namespace
