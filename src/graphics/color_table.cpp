#include "graphics/color_table.h"

namespace zel3 {

Rgb TableColor(int n) {
    static constexpr Rgb kTable[17] = {
        {0, 0, 0},   {0, 0, 128},     {0, 255, 0},     {0, 255, 255},   {255, 0, 0}, {128, 0, 128},
        {128, 0, 0}, {192, 192, 192}, {176, 176, 176}, {0, 0, 255},     {0, 255, 0}, {0, 255, 255},
        {255, 0, 0}, {255, 0, 255},   {255, 255, 0},   {255, 255, 255}, {0, 0, 0},
    };
    if (n < 1 || n > kMaxColorNumber) return {0, 0, 0};
    return kTable[n];
}

}  // namespace zel3
