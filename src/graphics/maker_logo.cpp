// The maker logo: a bar of 13 blocks, a fan of 41 wedges and a foot of 3 blocks, all inside
// x 0..37, y 0..32 of the world window (-1, -1)-(38, 33).

#include <cmath>

#include "graphics/graphics_engine.h"

namespace zel3 {

void GraphicsEngine::DrawTrelloxLogo() {
    constexpr double kPi = 3.14159265358979323846;
    Header(-1, -1, 38, 33);
    SetLineStyle(0);

    SetColor(9);
    for (int i = 0; i < 13; ++i) {
        double x = 0.5 + i * 2.8;
        Solid(x, 29, x + 2.4, 29, x + 2.4, 32, x, 32);
    }

    SetColor(13);
    const double cx = 18.5, cy = 16.5, r = 10.5;
    for (int i = 0; i < 41; ++i) {
        double a1 = 2 * kPi * i / 41;
        double a2 = 2 * kPi * (i + 0.8) / 41;
        double r1 = (i % 2) ? r : r - 1.5;
        Solid(cx, cy, cx + r1 * std::cos(a1), cy + r1 * std::sin(a1), cx + r1 * std::cos(a2),
              cy + r1 * std::sin(a2), cx, cy);
    }

    SetColor(9);
    for (int i = 0; i < 3; ++i) {
        double x = 4 + i * 10.5;
        Solid(x, 0, x + 8.5, 0, x + 8.5, 3, x, 3);
    }
    // The original leaves the pen at the origin; the window pen is not recorded.
}

}  // namespace zel3
