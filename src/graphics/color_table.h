#pragma once
// The 16 colours of the graphics window; number 0 is the background colour.

#include "graphics/canvas.h"

namespace zel3 {

constexpr int kMaxColorNumber = 16;

// Colour n of the table for 1 <= n <= 16; black for anything else.
Rgb TableColor(int n);

}  // namespace zel3
