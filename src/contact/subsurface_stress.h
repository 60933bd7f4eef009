#pragma once
// Exact stresses on the load axis below the centre of a Hertz contact, and their maxima over
// the depth. Everything is dimensionless: depths over the minor half-axis b (the half-width of
// a strip), stresses over p max.

namespace zel3 {

// Normal stresses along the major half-axis (x), the minor one (y) and the load axis (z),
// tensile positive. For a strip x runs across it and y along it.
struct AxisStresses {
    double x = 0.0;
    double y = 0.0;
    double z = 0.0;
};

// Below an ellipse with b = 1 and a = 1/ratio (0 < ratio <= 1), at the depth zeta >= 0.
AxisStresses EllipseAxisStresses(double ratio, double nu, double zeta);
// Below a strip of half-width 1 in plane strain, at the depth zeta >= 0.
AxisStresses StripAxisStresses(double nu, double zeta);

// (sigma max - sigma min)/2 over the three; they are principal stresses on the axis.
double ShearStress(const AxisStresses& s);
// sqrt(((sx - sy)^2 + (sy - sz)^2 + (sz - sx)^2)/2)
double VonMisesStress(const AxisStresses& s);

// The greatest shear and von Mises stresses over the depth, their depths found to a relative
// 1e-6 or better, and the normal stresses at the depth of the shear maximum as magnitudes
// (positive in compression).
struct StressMaxima {
    double zTau = 0.0;
    double tau = 0.0;
    double sigmaX = 0.0;
    double sigmaY = 0.0;
    double sigmaZ = 0.0;
    double zVonMises = 0.0;
    double vonMises = 0.0;
};

// ratio = b/a of the ellipse; 0 means a strip (line contact).
StressMaxima FindStressMaxima(double ratio, double nu);

}  // namespace zel3
