#include "cad/cad_layers.h"

#include "config/settings.h"
#include "util/number_text.h"

namespace zel3 {

int FoldCadLayer(int layer) {
    if (layer < 0) return 0;
    if (layer > 31) return layer % 16 + 16;
    return layer;
}

std::string CadLayerName(const Settings& s, int layer) {
    layer = FoldCadLayer(layer);
    if (layer == 0) return "0";
    if (layer <= 5) return s.layerName[static_cast<size_t>(layer)];
    return std::to_string(layer);
}

int CadLayerColor(const Settings& s, int layer) {
    layer = FoldCadLayer(layer);
    if (layer == 0) return 1;
    if (layer <= 5 || layer >= 16) return s.layerColor[static_cast<size_t>(layer)];
    return 0;
}

const char* CadLayerLineType(int layer) {
    layer = FoldCadLayer(layer);
    if (layer == 1) return "DASHDOT";
    if (layer == 2) return "DASHED";
    return "CONTINUOUS";
}

int CadLayerScreenStyle(int layer) {
    layer = FoldCadLayer(layer);
    return layer == 1 ? 2 : layer == 2 ? 3 : 0;
}

int CadLayerScreenWidth(const Settings& s, int layer) {
    layer = FoldCadLayer(layer);
    int t = s.layerThickness[static_cast<size_t>(layer)];
    if (layer >= 1 && layer <= 5) return t;
    if (layer >= 16 && t >= 2 && t <= 50) return t;
    return 1;
}

int LayerFromName(const Settings& s, const std::string& name) {
    for (int n = 0; n <= 5; ++n)
        if (name == CadLayerName(s, n)) return n;
    return TextToInt(name);
}

}  // namespace zel3
