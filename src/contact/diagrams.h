#pragma once
// The four diagrams: w, R and p max over the force (load sweeps) and the stress spectrum over
// the depth, on a 160 x 120 page through the CAD driver.

#include <string>

#include "contact/diagram_frame.h"
#include "contact/load_sweep.h"
#include "contact/stress_profile.h"

namespace zel3 {

class CadDriver;
class Program;
struct NumberFormat;

enum class DiagramKind { Choose = 0, Deformation = 1, SpringRate = 2, Pressure = 3, Stresses = 4 };

// What the diagram drawings work on.
struct DiagramContext {
    ContactCase& contactCase;
    MessageList& messages;
    const NumberFormat& nf;
    DiagramState& state;
    CaseCalculator calculate;  // CalculateCase in the program
    AskLimits askLimits;       // empty: the automatic limits are kept
};

// kind 0 asks for the kind; outputMode as the CAD driver takes it (0 asks, 3 the screen).
void ShowDiagram(Program& program, int kind, int outputMode);

// The text offered for kind 1..4 in the choice.
std::string DiagramChoiceText(const NumberFormat& nf, DiagramKind kind);

// Kind 1..3; the case ends with its own force and results.
void DrawLoadSweep(CadDriver& cad, DiagramContext& ctx, SweepQuantity q);
// Draws nothing when p max or the smaller half-axis is not positive.
void DrawStressProfile(CadDriver& cad, DiagramContext& ctx, ProfileType type);

}  // namespace zel3
