#pragma once
// The small mathematical helpers of the Hertz solver: curvatures, segment heights, the table of
// Hertz coefficients, and arccos / power that report what they cannot compute.

#include <cmath>
#include <string_view>

namespace zel3 {

class MessageList;

// 1/r; a radius of 0 is a flat direction.
inline double Curvature(double r) {
    return r == 0.0 ? 0.0 : 1.0 / r;
}

// Height of a circular segment of radius r over the half-chord b; 0 unless r > b.
inline double Sagitta(double r, double b) {
    return r > b ? r - std::sqrt(r * r - b * b) : 0.0;
}

inline double MinValue(double a, double b) {
    return b < a ? b : a;
}

// Columns of the coefficient table: factor of half-axis 1, of half-axis 2, of the deformation.
enum class HertzColumn { Xi = 0, Eta = 1, Psi = 2 };

// Linear interpolation in the table over the auxiliary angle theta (degrees, 0..90);
// 0 outside the table.
double HertzCoefficient(HertzColumn column, double theta);

// arccos in radians; |x| > 1 (or not a number) adds "Error: function ArcCos in math" and
// gives 0.
double ArcCosChecked(double x, MessageList& messages);

// base^exponent. A negative base is taken by its magnitude and, when name is not empty,
// reported as name + " (pow)"; base 0 gives 0; results beyond e^3000 give infinity (a double
// cannot hold them; the solver reports that as a fatal finding), below e^-3000 give 0.
double PowerChecked(std::string_view name, double base, double exponent, MessageList& messages);

}  // namespace zel3
