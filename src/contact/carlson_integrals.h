#pragma once
// Carlson's symmetric elliptic integrals, the building blocks of the exact contact solution.
// Duplication algorithm of Carlson, "Numerical computation of real or complex elliptic
// integrals", Numer. Algorithms 10 (1995) 13-26; DLMF 19.16.1, 19.16.5, 19.36.1.

namespace zel3 {

// R_F(x, y, z) = 1/2 int_0^inf dt / sqrt((t+x)(t+y)(t+z)); arguments >= 0, at most one 0.
double CarlsonRF(double x, double y, double z);

// R_D(x, y, z) = 3/2 int_0^inf dt / (sqrt((t+x)(t+y)) (t+z)^1.5); x, y >= 0 (not both 0),
// z > 0.
double CarlsonRD(double x, double y, double z);

}  // namespace zel3
