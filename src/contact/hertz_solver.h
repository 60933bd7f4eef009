#pragma once
// The Hertz solver: one pass at the case's force, and the calculation driver that the rest of
// the program calls after every change of the inputs.

#include "contact/contact_case.h"
#include "report/message_list.h"

namespace zel3 {

// Findings of the calculation, in the words the message description file knows them by.
namespace finding {
constexpr const char* kEZero = "Fatal  : E = 0 !";
constexpr const char* kFZero = "Fatal  : F = 0 !";
constexpr const char* kRZero = "Fatal  : r = 0 !";
constexpr const char* kLengthZero = "Fatal  : L zyl = 0 !";
constexpr const char* kPmaxOverPzul = "Fehler : pmax > pzul !";
constexpr const char* kPmaxOverPHstat = "Fehler : pmax > pHstat ";  // + body number
constexpr const char* kPmaxOverPHdyn = "Fehler : pmax > pHdyn";     // + body number
constexpr const char* kArcCos = "Error: function ArcCos in math";
// Inputs for which the formulas have no finite value.
constexpr const char* kInputNotFinite = "Fatal  : Eingabe nicht endlich !";
constexpr const char* kESumZero = "Fatal  : E1 + E2 = 0 !";
constexpr const char* kEStarNotPositive = "Fatal  : E* <= 0 !";
constexpr const char* kPoissonFactorNotPositive = "Fatal  : 1 - mue^2 <= 0 !";
constexpr const char* kCurvatureSumNegative = "Fatal  : Summe 1/r < 0 !";
constexpr const char* kLengthNegative = "Fatal  : L < 0 !";
constexpr const char* kReducedRadiusNotPositive = "Fatal  : r red. <= 0 !";
constexpr const char* kLineForceNegative = "Fatal  : F < 0 !";
constexpr const char* kResultNotFinite = "Fatal  : Ergebnis nicht endlich !";
}  // namespace finding

// One solver pass at the force in the case. Empties the message list first.
void SolveContact(ContactCase& c, MessageList& messages);

// Checks E and F, derives the spring rate from passes at 0.99 F and 1.01 F, solves at F and
// checks p max against p zul, pHstat and pHdyn.
void CalculateCase(ContactCase& c, MessageList& messages);

}  // namespace zel3
