#pragma once
// Stresses below the centre of the contact as functions of the depth, scaled by p max.

namespace zel3 {

// 1: point contact (body 1 a sphere or a special body); 2: line contact (body 1 a cylinder).
enum class ProfileType { Point = 1, Line = 2 };

struct ProfileRatios {
    double sigmaZ = 0.0;  // normal stress / p max
    double sigmaY = 0.0;  // transverse normal stress / p max
    double tau = 0.0;     // shear stress / p max
};

// zeta = z / a, the depth over the smaller half-axis; zeta > 0. nu is Poisson's ratio of body 2.
ProfileRatios ProfileStresses(ProfileType type, double zeta, double nu);

}  // namespace zel3
