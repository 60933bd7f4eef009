#include "config/settings.h"

namespace zel3 {

Settings::Settings() {
    layerName[0] = "0";
    for (int i = 1; i <= 5; ++i) layerName[i] = std::to_string(i);
    for (int i = 6; i < 32; ++i) layerName[i] = std::to_string(i);
    layerColor.fill(1);
    layerColor[1] = 2;
    layerColor[2] = 2;
    layerColor[3] = 2;
    layerColor[4] = 3;
    layerColor[5] = 1;
    for (int i = 16; i < 32; ++i) layerColor[i] = i - 15;
    layerThickness.fill(1);
    layerThickness[4] = 2;
    layerThickness[5] = 3;
}

}  // namespace zel3
