#include "contact/hertz_solver.h"

#include <array>
#include <cmath>
#include <string>

#include "contact/hertz_exact.h"
#include "contact/hertz_functions.h"
#include "contact/subsurface_stress.h"

namespace zel3 {

namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr double kPzulFactor = 1.67;
constexpr double kLineTau = 0.3;
constexpr double kLineDepth = 0.78;
constexpr double kPointTau = 0.31;
constexpr double kPointDepth = 0.47;
constexpr double kSigmaZ = 0.8;
constexpr double kSigmaY = 0.18;
constexpr double kCaseDepth = 0.078;
constexpr double kSurfaceDepth = 140.0;

void Fail(MessageList& messages, const char* text) {
    messages.AddMessage(text);
    messages.calculationFailed = true;
}

std::array<double*, 17> ResultFields(ContactResults& r) {
    return {&r.Estar, &r.a1,    &r.a2,     &r.w,        &r.pmax,     &r.R,
            &r.pzul,  &r.z,     &r.tau,    &r.sigmaZ,   &r.sigmaY,   &r.Eht,
            &r.Rht,   &r.theta, &r.sigmaX, &r.vonMises, &r.zVonMises};
}

// Puts the value from before the pass back into every result that overflowed; false if any
// had to be put back.
bool KeepFiniteResults(ContactResults& now, const ContactResults& before) {
    // One sum tells whether any value overflowed (or the sum itself, which the loop sorts out).
    const double sum = now.Estar + now.a1 + now.a2 + now.w + now.pmax + now.R + now.pzul + now.z +
                       now.tau + now.sigmaZ + now.sigmaY + now.Eht + now.Rht + now.theta +
                       now.sigmaX + now.vonMises + now.zVonMises;
    if (std::isfinite(sum)) return true;
    bool allFinite = true;
    const auto n = ResultFields(now);
    ContactResults old = before;
    const auto b = ResultFields(old);
    for (std::size_t i = 0; i < n.size(); ++i) {
        if (!std::isfinite(*n[i])) {
            *n[i] = *b[i];
            allFinite = false;
        }
    }
    return allFinite;
}

bool InputsFinite(const ContactCase& c) {
    if (!std::isfinite(c.F) || !std::isfinite(c.principalAngle)) return false;
    for (const ContactBody& b : c.body) {
        for (double v : {b.sphereDiameter, b.cylinderDiameter, b.cylinderLength, b.rx, b.ry, b.E,
                         b.mue, b.Rm, b.Re, b.pHstat, b.pHdyn}) {
            if (!std::isfinite(v)) return false;
        }
    }
    return true;
}

// Principal radii of the shapes; returns the working length of a cylinder (the last one).
double DeriveRadii(ContactCase& c) {
    double length = 0.0;
    for (ContactBody& b : c.body) {
        switch (b.kind) {
            case BodyKind::Sphere:
                b.rx = b.ry = b.sphereDiameter / 2.0;
                b.cylinderLength = 0.0;
                break;
            case BodyKind::Cylinder:
                b.rx = b.cylinderDiameter / 2.0;
                b.ry = 0.0;
                length = b.cylinderLength;
                break;
            case BodyKind::Special:
                break;
            case BodyKind::Plane:
                b.rx = b.ry = 0.0;
                b.cylinderLength = 0.0;
                break;
        }
    }
    return length;
}

struct Curvatures {
    double sum = 0.0;   // sum of the four principal curvatures
    double diff = 0.0;  // curvature difference
};

Curvatures CurvaturesOf(const ContactCase& c) {
    const ContactBody& b1 = c.body[0];
    const ContactBody& b2 = c.body[1];
    const double kx1 = Curvature(b1.rx), ky1 = Curvature(b1.ry);
    const double kx2 = Curvature(b2.rx), ky2 = Curvature(b2.ry);
    const double d1 = ky1 - kx1;
    const double d2 = ky2 - kx2;
    const double cross = 2.0 * d1 * d2 * std::cos(c.principalAngle * kPi / 180.0);
    // The radicand is a square in theory; rounding must not make it negative.
    const double radicand = d1 * d1 + d2 * d2 + cross;
    return {kx1 + ky1 + kx2 + ky2, std::sqrt(radicand > 0.0 ? radicand : 0.0)};
}

// (sum^2 - diff^2) = 16 A B without the cancellation of sum - diff for long ellipses:
// (kx + ky)^2 - (ky - kx)^2 = 4 kx ky for each body, plus the cross terms.
double CurvatureProduct(const ContactCase& c) {
    const ContactBody& b1 = c.body[0];
    const ContactBody& b2 = c.body[1];
    const double kx1 = Curvature(b1.rx), ky1 = Curvature(b1.ry);
    const double kx2 = Curvature(b2.rx), ky2 = Curvature(b2.ry);
    const double cross = (kx1 + ky1) * (kx2 + ky2) -
                         (ky1 - kx1) * (ky2 - kx2) * std::cos(c.principalAngle * kPi / 180.0);
    return 4.0 * kx1 * ky1 + 4.0 * kx2 * ky2 + 2.0 * cross;
}

// The exact method's contact modulus E' (0 with the table).
struct Method {
    bool exact = false;
    double modulus = 0.0;
};

const StressMaxima& MaximaFor(ExactShapeMemo& memo, double ratio, double nu) {
    if (!memo.stressesFound || memo.stressRatio != ratio || memo.stressNu != nu) {
        memo.stresses = FindStressMaxima(ratio, nu);
        memo.stressRatio = ratio;
        memo.stressNu = nu;
        memo.stressesFound = true;
    }
    return memo.stresses;
}

// Stresses of the exact method at the depth of the greatest shear stress; depths scale with
// the minor half-axis b. Poisson's ratio is body 2's, as in the stress diagram.
void ExactStresses(ContactCase& c, double ratio, double b) {
    ContactResults& r = c.result;
    const StressMaxima& m = MaximaFor(c.exactMemo, ratio, c.body[1].mue);
    r.z = m.zTau * b;
    r.tau = m.tau * r.pmax;
    r.sigmaX = m.sigmaX * r.pmax;
    r.sigmaY = m.sigmaY * r.pmax;
    r.sigmaZ = m.sigmaZ * r.pmax;
    r.vonMises = m.vonMises * r.pmax;
    r.zVonMises = m.zVonMises * b;
}

// Line contact; false when a fatal finding ended the pass.
bool SolveLine(ContactCase& c, double length, double poisson, const Method& method,
               MessageList& messages) {
    ContactBody& b1 = c.body[0];
    ContactBody& b2 = c.body[1];
    ContactResults& r = c.result;
    const bool twoCylinders = b1.kind == BodyKind::Cylinder && b2.kind == BodyKind::Cylinder;
    if (twoCylinders) length = MinValue(b1.cylinderLength, b2.cylinderLength);
    if (length == 0.0) {
        Fail(messages, finding::kLengthZero);
        return false;
    }
    if (length < 0.0) {
        Fail(messages, finding::kLengthNegative);
        return false;
    }
    const double reduced = Curvature(Curvature(b1.rx) + Curvature(b2.rx));
    if (!(reduced > 0.0)) {
        Fail(messages, finding::kReducedRadiusNotPositive);
        return false;
    }
    if (c.F < 0.0) {
        Fail(messages, finding::kLineForceNegative);
        return false;
    }
    const double F = c.F;
    if (method.exact) {
        const StripContact strip = SolveStripContact(F, reduced, length, method.modulus);
        r.pmax = strip.pmax;
        r.a1 = strip.b;
    } else {
        r.pmax = std::sqrt(F * r.Estar / (poisson * 2.0 * kPi * reduced * length));
        r.a1 = std::sqrt(poisson * 8.0 * F * reduced / (kPi * r.Estar * length));
    }
    r.a2 = length / 2.0;
    r.theta = 0.0;
    r.w = 0.0;
    if (twoCylinders) {
        r.w = Sagitta(b1.rx, r.a1) + Sagitta(b2.rx, r.a1);
    } else if (b1.kind == BodyKind::Cylinder && b2.kind == BodyKind::Plane) {
        r.w = Sagitta(b1.rx, r.a1);
    }
    if (method.exact) {
        ExactStresses(c, 0.0, r.a1);
    } else {
        r.tau = kLineTau * r.pmax;
        r.z = kLineDepth * r.a1;
    }
    return true;
}

// Elliptic contact, exact: false when a fatal finding ended the pass.
bool SolvePointExact(ContactCase& c, const Curvatures& k, double modulus, MessageList& messages) {
    ContactResults& r = c.result;
    // The auxiliary angle is a result of its own; the exact solution does not use it.
    r.theta = ArcCosChecked(k.diff / k.sum, messages) * 180.0 / kPi;
    if (c.F < 0.0) {
        Fail(messages, finding::kLineForceNegative);
        return false;
    }
    const double B = (k.sum + k.diff) / 4.0;
    const double A = CurvatureProduct(c) / (16.0 * B);
    // A = 0 is a strip of endless length, A < 0 no contact ellipse at all.
    if (!(A > 0.0)) {
        Fail(messages, finding::kResultNotFinite);
        return false;
    }
    const double ratio = B >= A ? B / A : 1.0;  // B < A only by rounding of a circle
    ExactShapeMemo& memo = c.exactMemo;
    if (memo.curvatureRatio != ratio) {
        memo.shape = SolveEllipseShape(ratio);
        memo.curvatureRatio = ratio;
    }
    if (!(memo.shape.k > 0.0)) {
        Fail(messages, finding::kResultNotFinite);
        return false;
    }
    const EllipseContact e = SolveEllipseContact(memo.shape, A, c.F, modulus);
    r.a1 = e.a;
    r.a2 = e.b;
    r.pmax = e.pmax;
    r.w = e.approach;
    ExactStresses(c, memo.shape.k, e.b);
    return true;
}

// Elliptic (point) contact; false when a fatal finding ended the pass.
bool SolvePoint(ContactCase& c, const Curvatures& k, double poisson, MessageList& messages) {
    ContactResults& r = c.result;
    if (k.sum < 0.0) {
        Fail(messages, finding::kCurvatureSumNegative);
        return false;
    }
    const double F = c.F;
    r.theta = ArcCosChecked(k.diff / k.sum, messages) * 180.0 / kPi;
    const double xi = HertzCoefficient(HertzColumn::Xi, r.theta);
    const double eta = HertzCoefficient(HertzColumn::Eta, r.theta);
    const double load = 3.0 * poisson * F / (r.Estar * k.sum);
    r.a1 = PowerChecked("a1", xi * xi * xi * load, 1.0 / 3.0, messages);
    r.a2 = PowerChecked("a2", eta * eta * eta * load, 1.0 / 3.0, messages);
    if (r.a1 == 0.0 || r.a2 == 0.0) {
        r.w = 0.0;
        r.pmax = 0.0;
    } else {
        const double psi = HertzCoefficient(HertzColumn::Psi, r.theta);
        r.w = 1.5 * psi * poisson * F / (r.Estar * r.a1);
        r.pmax = 1.5 * F / (kPi * r.a1 * r.a2);
    }
    r.tau = kPointTau * r.pmax;
    // The shear maximum lies below the minor half-axis; for a circle both are the same.
    r.z = kPointDepth * MinValue(r.a1, r.a2);
    return true;
}

// Hardening depths from body 1, the rolling element.
void HardeningDepths(ContactCase& c) {
    const ContactBody& b1 = c.body[0];
    const ContactBody& b2 = c.body[1];
    ContactResults& r = c.result;
    double dw = 0.0;
    if (b1.kind == BodyKind::Sphere) {
        dw = b1.sphereDiameter;
    } else if (b1.kind == BodyKind::Cylinder) {
        dw = b1.cylinderDiameter;
    } else {
        r.Eht = 0.0;
        r.Rht = 0.0;
        return;
    }
    r.Eht = kCaseDepth * dw;
    r.Rht = (b1.Re > 0.0 && b2.Re > 0.0) ? kSurfaceDepth * dw / MinValue(b1.Re, b2.Re) : 0.0;
}

void SolvePass(ContactCase& c, MessageList& messages) {
    const ContactBody& b1 = c.body[0];
    const ContactBody& b2 = c.body[1];
    ContactResults& r = c.result;
    r.pzul = kPzulFactor * MinValue(b1.Re, b2.Re);
    const double eSum = b1.E + b2.E;
    if (eSum != 0.0) r.Estar = 2.0 * b1.E * b2.E / eSum;
    const double nu = (b1.mue + b2.mue) / 2.0;
    const double poisson = 1.0 - nu * nu;
    const double length = DeriveRadii(c);

    if (eSum == 0.0) return Fail(messages, finding::kESumZero);
    if (!(r.Estar > 0.0)) return Fail(messages, finding::kEStarNotPositive);
    Method method;
    if (c.method == CalculationMethod::Exact) {
        // Each body with its own Poisson's ratio.
        if (!(1.0 - b1.mue * b1.mue > 0.0) || !(1.0 - b2.mue * b2.mue > 0.0)) {
            return Fail(messages, finding::kPoissonFactorNotPositive);
        }
        method.exact = true;
        method.modulus = ContactModulus(b1.E, b1.mue, b2.E, b2.mue);
        if (!(method.modulus > 0.0)) return Fail(messages, finding::kEStarNotPositive);
    } else {
        if (!(poisson > 0.0)) return Fail(messages, finding::kPoissonFactorNotPositive);
        r.sigmaX = r.vonMises = r.zVonMises = 0.0;
    }

    const Curvatures k = CurvaturesOf(c);
    if (!std::isfinite(k.sum) || !std::isfinite(k.diff)) {
        return Fail(messages, finding::kResultNotFinite);
    }
    if (k.sum == 0.0) return Fail(messages, finding::kRZero);

    const bool line = b1.kind == BodyKind::Cylinder || b2.kind == BodyKind::Cylinder;
    bool solved = false;
    if (line) {
        solved = SolveLine(c, length, poisson, method, messages);
    } else if (method.exact) {
        solved = SolvePointExact(c, k, method.modulus, messages);
    } else {
        solved = SolvePoint(c, k, poisson, messages);
    }
    if (!solved) return;
    if (!method.exact) {
        r.sigmaZ = kSigmaZ * r.pmax;
        r.sigmaY = kSigmaY * r.pmax;
    }
    HardeningDepths(c);
}

}  // namespace

void SolveContact(ContactCase& c, MessageList& messages) {
    messages.ClearMessages();
    const ContactResults before = c.result;
    SolvePass(c, messages);
    if (!KeepFiniteResults(c.result, before)) Fail(messages, finding::kResultNotFinite);
}

void CalculateCase(ContactCase& c, MessageList& messages) {
    const ContactBody& b1 = c.body[0];
    const ContactBody& b2 = c.body[1];
    // The list holds this calculation's findings only, also when it stops before a pass.
    if (b1.E == 0.0 || b2.E == 0.0 || c.F == 0.0 || !InputsFinite(c)) messages.ClearMessages();
    if (b1.E == 0.0 || b2.E == 0.0) return Fail(messages, finding::kEZero);
    if (c.F == 0.0) return Fail(messages, finding::kFZero);
    if (!InputsFinite(c)) return Fail(messages, finding::kInputNotFinite);

    ContactResults& r = c.result;
    const double F0 = c.F;
    c.F = 0.99 * F0;
    SolveContact(c, messages);
    const double w1 = r.w;
    c.F = 1.01 * F0;
    SolveContact(c, messages);
    const double w2 = r.w;
    r.R = w2 != w1 ? 0.02 * F0 / (w2 - w1) : 0.0;
    const bool springRateFinite = std::isfinite(r.R);
    if (!springRateFinite) r.R = 0.0;

    c.F = F0;
    SolveContact(c, messages);
    if (!springRateFinite) Fail(messages, finding::kResultNotFinite);

    const double pmax = r.pmax;
    if (!(r.pzul >= pmax)) messages.AddMessage(finding::kPmaxOverPzul);
    for (int i = 0; i < 2; ++i) {
        const ContactBody& b = c.body[static_cast<std::size_t>(i)];
        if (b.pHstat > 0.0 && b.pHstat < pmax) {
            messages.AddMessage(finding::kPmaxOverPHstat + std::to_string(i + 1));
        }
        if (b.pHdyn > 0.0 && b.pHdyn < pmax) {
            messages.AddMessage(finding::kPmaxOverPHdyn + std::to_string(i + 1));
        }
    }
}

}  // namespace zel3
