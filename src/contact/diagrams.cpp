#include "contact/diagrams.h"

#include <algorithm>
#include <cmath>

#include "cad/cad_driver.h"
#include "contact/hertz_solver.h"
#include "contact/subsurface_stress.h"
#include "report/show_messages.h"
#include "shell/program.h"
#include "util/codepage.h"
#include "util/number_text.h"
#include "util/prompts.h"
#include "util/units.h"

namespace zel3 {

namespace {

constexpr int kCurveLayer = 19;
constexpr int kSigmaZLayer = 18;
constexpr int kSigmaYLayer = 20;
constexpr int kTauLayer = 21;
constexpr int kSigmaXLayer = 28;  // exact method only; brown reads on light and dark grounds
constexpr int kVonMisesLayer = 16;
constexpr int kLimitsHelp = 1950;

std::string Bracketed(const std::string& name, const std::string& unit) {
    return name + " [" + unit + "]";
}

Quantity QuantityOf(SweepQuantity q) {
    switch (q) {
        case SweepQuantity::Deformation:
            return Quantity::Length;
        case SweepQuantity::SpringRate:
            return Quantity::SpringRate;
        case SweepQuantity::Pressure:
            break;
    }
    return Quantity::Stress;
}

std::string Valued(const NumberFormat& nf, const std::string& name, Quantity q, double v) {
    return name + " = " + FormatInUnit(nf, q, v) + " " + UnitLabel(nf, q);
}

void Legend(CadDriver& cad) {
    cad.CadMoveTo(80, 101);
    cad.CadSetLayer(kCurveLayer);
    cad.CadSetTextStyle(2, 0, 2.5, 2.0);
}

}  // namespace

std::string DiagramChoiceText(const NumberFormat& nf, DiagramKind kind) {
    switch (kind) {
        case DiagramKind::Deformation:
            return "w = f(F) [" + UnitLabel(nf, Quantity::Length) + "]";
        case DiagramKind::SpringRate:
            return "R = f(F) [" + UnitLabel(nf, Quantity::SpringRate) + "]";
        case DiagramKind::Pressure:
            return "p max = f (F) [" + UnitLabel(nf, Quantity::Stress) + "]";
        case DiagramKind::Stresses:
            return "Spannungsspektrum Sigma, tau = f (z)";
        case DiagramKind::Choose:
            break;
    }
    return {};
}

void DrawLoadSweep(CadDriver& cad, DiagramContext& ctx, SweepQuantity q) {
    const NumberFormat& nf = ctx.nf;
    const LoadSweepCurve curve = RunLoadSweep(ctx.contactCase, ctx.messages, q, ctx.calculate);

    AxesRequest axes;
    axes.xLabel = " " + Bracketed("F", UnitLabel(nf, Quantity::Force));
    switch (q) {
        case SweepQuantity::Deformation:
            axes.yLabel = Bracketed("w", UnitLabel(nf, Quantity::Length));
            axes.title = "Deformation w = f (F)";
            break;
        case SweepQuantity::SpringRate:
            axes.yLabel = Bracketed("R", UnitLabel(nf, Quantity::SpringRate));
            axes.title = "Federrate R = f (F)";
            break;
        case SweepQuantity::Pressure:
            axes.yLabel = Bracketed("Sigma", UnitLabel(nf, Quantity::Stress));
            axes.title = "Druckspannung Sigma = f (F)";
            break;
    }
    const Quantity yq = QuantityOf(q);
    axes.labelMode = 2;
    axes.yMax = ToUserUnit(nf, yq, curve.yMax);
    axes.xMax = ToUserUnit(nf, Quantity::Force, curve.Fmax);
    axes.yMin = 0;
    axes.xMin = ToUserUnit(nf, Quantity::Force, 0.0);
    DiagramFrame& f = ctx.state.frame;
    DrawAxes(cad, f, nf, axes, ctx.askLimits, ctx.state.entered);
    f.ScaleWindowByUnits(UnitFactor(nf, yq), UnitFactor(nf, Quantity::Force));

    cad.CadSetLayer(kCurveLayer);
    double v = curve.start;
    for (const SweepPoint& p : curve.points) {
        ClippedLine(cad, f, p.F - curve.dF, v, p.F, p.y);
        v = p.y;
    }

    cad.CadSetLayer(kTauLayer);
    DataCircle(cad, f, curve.F0, curve.yAtF0, 1);

    const ContactResults& r = ctx.contactCase.result;
    Legend(cad);
    cad.CadTextLine(Valued(nf, "F", Quantity::Force, curve.F0));
    cad.CadTextLine(Valued(nf, "w0", Quantity::Length, r.w));
    cad.CadTextLine(Valued(nf, "R", Quantity::SpringRate, r.R));
    cad.CadTextLine(Valued(nf, "p max", Quantity::Stress, r.pmax));
}

namespace {

// The curves of one depth: magnitudes in N/mm², compression positive.
struct ProfilePoint {
    double sigmaX = 0.0, sigmaY = 0.0, sigmaZ = 0.0, tau = 0.0, vonMises = 0.0;
};

// Exact stresses below the centre: a strip when the solver treats the case as a line contact,
// otherwise the ellipse a1 x a2. Poisson's ratio of body 2, as in the calculation.
ProfilePoint ExactProfilePoint(const ContactCase& c, double z) {
    const ContactResults& r = c.result;
    const bool line = c.body[0].kind == BodyKind::Cylinder || c.body[1].kind == BodyKind::Cylinder;
    const double nu = c.body[1].mue;
    const double b = line ? r.a1 : std::min(r.a1, r.a2);
    const AxisStresses s = line ? StripAxisStresses(nu, z / b)
                                : EllipseAxisStresses(b / std::max(r.a1, r.a2), nu, z / b);
    ProfilePoint p;
    p.sigmaX = -s.x * r.pmax;
    p.sigmaY = -s.y * r.pmax;
    p.sigmaZ = -s.z * r.pmax;
    p.tau = ShearStress(s) * r.pmax;
    p.vonMises = VonMisesStress(s) * r.pmax;
    return p;
}

void ProfileLine(CadDriver& cad, const DiagramFrame& f, int layer, double z0, double v0, double z1,
                 double v1) {
    cad.CadSetLayer(layer);
    ClippedLine(cad, f, z0, v0, z1, v1);
}

}  // namespace

void DrawStressProfile(CadDriver& cad, DiagramContext& ctx, ProfileType type) {
    const NumberFormat& nf = ctx.nf;
    const ContactCase& c = ctx.contactCase;
    const ContactResults& r = c.result;
    const double a = std::min(r.a1, r.a2);
    const double pmax = r.pmax;
    // Without a contact area or pressure the axes would be empty and the depth never advance.
    if (!(a > 0) || !(pmax > 0) || !std::isfinite(a) || !std::isfinite(pmax)) return;
    const double zEnd = 5 * a;
    const double dz = 0.005 * zEnd;
    const double nu = c.body[1].mue;

    const bool exact = c.method == CalculationMethod::Exact;

    AxesRequest axes;
    axes.xLabel = Bracketed("z", UnitLabel(nf, Quantity::Length));
    axes.yLabel = UnitLabel(nf, Quantity::Stress);
    axes.title = exact ? " Sigma x, Sigma y, Sigma z, tau, Sigma v" : " Sigma y, Sigma z, tau";
    axes.labelMode = 2;
    axes.xMin = 0;
    axes.xMax = ToUserUnit(nf, Quantity::Length, 4 * a);
    axes.yMin = 0;
    axes.yMax = ToUserUnit(nf, Quantity::Stress, pmax);
    DiagramFrame& f = ctx.state.frame;
    DrawAxes(cad, f, nf, axes, ctx.askLimits, ctx.state.entered);
    f.ScaleWindowByUnits(UnitFactor(nf, Quantity::Stress), UnitFactor(nf, Quantity::Length));

    if (exact) {
        ProfilePoint previous;
        double z = dz;
        for (int i = 0; i < 200 && z <= zEnd; ++i, z += dz) {
            const ProfilePoint now = ExactProfilePoint(c, z);
            if (i > 0) {
                const double z0 = z - dz;
                ProfileLine(cad, f, kSigmaXLayer, z0, previous.sigmaX, z, now.sigmaX);
                ProfileLine(cad, f, kSigmaYLayer, z0, previous.sigmaY, z, now.sigmaY);
                ProfileLine(cad, f, kSigmaZLayer, z0, previous.sigmaZ, z, now.sigmaZ);
                ProfileLine(cad, f, kTauLayer, z0, previous.tau, z, now.tau);
                ProfileLine(cad, f, kVonMisesLayer, z0, previous.vonMises, z, now.vonMises);
            }
            previous = now;
        }
    } else {
        ProfileRatios previous;
        double z = dz;
        for (int i = 0; i < 200 && z <= zEnd; ++i, z += dz) {
            const ProfileRatios now = ProfileStresses(type, z / a, nu);
            if (i > 0) {
                cad.CadSetLayer(kSigmaZLayer);
                ClippedLine(cad, f, z - dz, previous.sigmaZ * pmax, z, now.sigmaZ * pmax);
                cad.CadSetLayer(kSigmaYLayer);
                ClippedLine(cad, f, z - dz, previous.sigmaY * pmax, z, now.sigmaY * pmax);
                cad.CadSetLayer(kTauLayer);
                ClippedLine(cad, f, z - dz, previous.tau * pmax, z, now.tau * pmax);
            }
            previous = now;
        }
    }

    Legend(cad);
    cad.CadTextLine(Valued(nf, "F", Quantity::Force, c.F));
    cad.CadTextLine(Valued(nf, "p max", Quantity::Stress, pmax));
    cad.CadTextLine(Valued(nf, "a1", Quantity::Length, r.a1));
    cad.CadTextLine(Valued(nf, "a2", Quantity::Length, r.a2));

    cad.CadMoveTo(130, 101);
    if (exact) {
        cad.CadSetLayer(kSigmaXLayer);
        cad.CadTextLine("Sigma x");
        cad.CadSetLayer(kSigmaYLayer);
        cad.CadTextLine("Sigma y");
        cad.CadSetLayer(kSigmaZLayer);
        cad.CadTextLine("Sigma z");
        cad.CadSetLayer(kTauLayer);
        cad.CadTextLine("tau");
        cad.CadSetLayer(kVonMisesLayer);
        cad.CadTextLine("Sigma v");
        return;
    }
    cad.CadSetLayer(kSigmaZLayer);
    cad.CadTextLine("Sigma z");
    cad.CadSetLayer(kSigmaYLayer);
    cad.CadTextLine("Sigma y");
    cad.CadSetLayer(kTauLayer);
    cad.CadTextLine("tau");
}

void ShowDiagram(Program& program, int kind, int outputMode) {
    UiState& ui = program.ui;
    ContactCase& c = program.contactCase;
    const NumberFormat& nf = program.settings.number;
    if (program.messages.calculationFailed) {
        ShowMessageWindow(program);
        return;
    }
    if (kind == 0) {
        int chosen = 1;
        SetOptionTexts(ui, {DiagramChoiceText(nf, DiagramKind::Deformation),
                            DiagramChoiceText(nf, DiagramKind::SpringRate),
                            DiagramChoiceText(nf, DiagramKind::Pressure),
                            DiagramChoiceText(nf, DiagramKind::Stresses)});
        AskChoice(ui, "Diagramm", 4, chosen);
        if (ui.errorFlag) return;
        kind = chosen;
    }
    if (kind < 1 || kind > 4) return;
    if ((kind == 1 || kind == 2) && c.result.w == 0 && c.F != 0) {
        // Code page 850: 0x81 is "ü".
        ReportError(ui, "Verformung w kann f\x81r diese Kombination nicht berechnet werden");
        ui.errorFlag = true;
        return;
    }

    CadDriver cad(program);
    cad.CadOpen(outputMode);
    if (ui.errorFlag) return;
    cad.CadExtents(0, 0, 160, 120);
    cad.CadTables(2);
    cad.CadBeginEntities();

    DiagramContext ctx{c, program.messages, nf, program.diagram, CalculateCase, {}};
    // The limits dialog is only for files and plots made by a person, not for batch runs.
    if (program.settings.enterDiagramLimits && cad.kind() != kCadScreen &&
        program.args.size() < 2) {
        ctx.askLimits = [&program](const AxesRequest& axes, const DiagramLimits& automatic,
                                   DiagramLimits& entered) {
            const TextOptions& to = program.settings.text;
            program.ui.helpNumber = kLimitsHelp;
            return program.platform().DiagramLimitsDialog(
                OemToDisplay(to, axes.title), OemToDisplay(to, axes.xLabel),
                OemToDisplay(to, axes.yLabel), automatic, entered);
        };
    }
    DiagramFrame& f = program.diagram.frame;
    f.SetPlotSize(130, 95);
    f.SetPlotOrigin(16, 10);
    if (kind <= 3) {
        DrawLoadSweep(cad, ctx, static_cast<SweepQuantity>(kind));
    } else {
        const ProfileType type =
            c.body[0].kind == BodyKind::Cylinder ? ProfileType::Line : ProfileType::Point;
        DrawStressProfile(cad, ctx, type);
    }
    cad.CadEndSection();
    cad.CadClose();
}

}  // namespace zel3
