#pragma once
// The DXF writer: a minimal two-dimensional ASCII DXF through the CAD channel. It keeps no
// state; layer name and text style come from the CAD output state.

#include <string>

#include "cad/cad_channel.h"
#include "cad/cad_output_state.h"
#include "util/number_format.h"

namespace zel3 {

struct Settings;

class DxfWriter {
  public:
    DxfWriter(CadChannel& channel, const CadOutputState& state, const Settings& settings)
        : ch_(channel), state_(state), settings_(settings) {}

    void Header(double xmin, double ymin, double xmax, double ymax);
    void Tables(int layerScheme);
    void BeginBlocks();
    void Block(const std::string& name);
    void EndBlock();
    void EndSection();
    void BeginEntities();
    void Line(double x1, double y1, double x2, double y2);
    void Circle(double x, double y, double r);
    void Arc(double x, double y, double start, double end, double r);
    // text in code page 850; converted with CadText.
    void Text(const std::string& text, double x, double y);
    void Solid(double x1, double y1, double x2, double y2, double x3, double y3, double x4,
               double y4);
    void Insert(const std::string& name, double x, double y, double angle, double xs, double ys);
    void EndOfFile();

  private:
    std::string Num(double v) const;
    void Entity(const char* name);

    CadChannel& ch_;
    const CadOutputState& state_;
    const Settings& settings_;
};

// A full circle rather than an arc: equal angles, or 0 and 360 within 1e-5 either way round.
bool CadArcIsFullCircle(double start, double end);
// Fixed point with the given decimals, no exponent, "." separator.
std::string CadNumberText(double x, int decimals);
// The header's code page name for the CAD text mode: the texts are code page 850 bytes
// (umlauts spelled out or not) unless the mode converts them to Windows-1252.
std::string DxfCodePage(const TextOptions& text);

}  // namespace zel3
