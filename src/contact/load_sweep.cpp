#include "contact/load_sweep.h"

#include <cmath>

namespace zel3 {

double SweepValue(const ContactResults& r, SweepQuantity q) {
    switch (q) {
        case SweepQuantity::Deformation:
            return r.w;
        case SweepQuantity::SpringRate:
            return r.R;
        case SweepQuantity::Pressure:
            return r.pmax;
    }
    return 0.0;
}

LoadSweepCurve RunLoadSweep(ContactCase& c, MessageList& messages, SweepQuantity q,
                            const CaseCalculator& calc) {
    LoadSweepCurve curve;
    // A line contact keeps a spring rate at vanishing force, so its curve starts there.
    if (q == SweepQuantity::SpringRate && c.body[0].kind == BodyKind::Cylinder)
        curve.start = c.result.R;

    curve.F0 = c.F;
    curve.Fmax = 2.0 * curve.F0;
    const double Fmin = 0.0;

    c.F = curve.Fmax;
    calc(c, messages);
    ++curve.calculations;
    curve.yMax = SweepValue(c.result, q);

    curve.dF = (curve.Fmax - Fmin) * 0.01;
    // The force is summed up step by step; rounding may drop the last point. A zero or
    // non-finite step would never reach Fmax, so the loop is bounded by the point count too.
    double F = Fmin;
    for (int i = 0; i <= 100 && F <= curve.Fmax; ++i) {
        c.F = F;
        calc(c, messages);
        ++curve.calculations;
        if (i > 0) curve.points.push_back({F, SweepValue(c.result, q)});
        if (!(curve.dF > 0.0) || !std::isfinite(curve.dF)) break;
        F += curve.dF;
    }

    c.F = curve.F0;
    calc(c, messages);
    ++curve.calculations;
    curve.yAtF0 = SweepValue(c.result, q);
    return curve;
}

}  // namespace zel3
