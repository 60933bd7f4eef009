#pragma once
// The layer model of CAD output: names, colours, DXF line types and screen widths by layer.

#include <string>

namespace zel3 {

struct Settings;

// Layer numbers above 31 fold into 16..31; negative numbers count as 0.
int FoldCadLayer(int layer);
// "0" for 0, the configured names for 1..5, the decimal number for 6..31.
std::string CadLayerName(const Settings& s, int layer);
// CAD colour number: 1 for layer 0, the setting for 1..5 and 16..31; 0 for 6..15 (no colour).
int CadLayerColor(const Settings& s, int layer);
// "DASHDOT" for layer 1, "DASHED" for layer 2, "CONTINUOUS" for the rest.
const char* CadLayerLineType(int layer);
// Screen line style: 2 for layer 1, 3 for layer 2, otherwise 0.
int CadLayerScreenStyle(int layer);
// Screen pen width in pixels.
int CadLayerScreenWidth(const Settings& s, int layer);
// Layer number of a layer name read back from a block file.
int LayerFromName(const Settings& s, const std::string& name);

}  // namespace zel3
