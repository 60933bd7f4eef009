#pragma once
// Cases and the timing loop shared by the calculation benchmarks.

#include <benchmark/benchmark.h>

#include "contact/hertz_solver.h"

namespace bench {

// Two steel rollers of 20 mm diameter and 10 mm length: line contact.
inline zel3::ContactCase TwoRollers(zel3::CalculationMethod method) {
    zel3::ContactCase c;
    c.method = method;
    for (auto& b : c.body) {
        b.kind = zel3::BodyKind::Cylinder;
        b.cylinderDiameter = 20;
        b.cylinderLength = 10;
        b.Re = 800;
    }
    c.F = 1000;
    return c;
}

// The whole calculation of c, once an iteration.
inline void CalculateRepeatedly(benchmark::State& state, zel3::ContactCase& c) {
    zel3::MessageList messages;
    for (auto _ : state) {
        zel3::CalculateCase(c, messages);
        benchmark::DoNotOptimize(c.result.pmax);
    }
    state.SetItemsProcessed(state.iterations());
}

}  // namespace bench
