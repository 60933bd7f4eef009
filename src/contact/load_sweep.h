#pragma once
// The load sweep behind the diagrams w, R and p max over the force: the case is calculated at
// 101 forces from 0 to twice its own force and finally restored to its own force and results.

#include <functional>
#include <vector>

#include "contact/contact_case.h"
#include "report/message_list.h"

namespace zel3 {

// 1 deformation w, 2 spring rate R, 3 maximum pressure p max.
enum class SweepQuantity { Deformation = 1, SpringRate = 2, Pressure = 3 };

using CaseCalculator = std::function<void(ContactCase&, MessageList&)>;

struct SweepPoint {
    double F = 0.0;
    double y = 0.0;
};

struct LoadSweepCurve {
    double F0 = 0.0;     // the case's own force, restored at the end
    double Fmax = 0.0;   // 2 * F0
    double dF = 0.0;     // force step, 1 % of Fmax
    double yMax = 0.0;   // value at Fmax, the top of the y axis
    double yAtF0 = 0.0;  // the operating point
    double start = 0.0;  // value the curve starts from at F = 0
    // Points from the second force on; each is joined to the one before (the first to
    // (0, start)).
    std::vector<SweepPoint> points;
    int calculations = 0;
};

double SweepValue(const ContactResults& r, SweepQuantity q);

// Runs the sweep through calc; the case ends with its own force and freshly calculated results.
LoadSweepCurve RunLoadSweep(ContactCase& c, MessageList& messages, SweepQuantity q,
                            const CaseCalculator& calc);

}  // namespace zel3
