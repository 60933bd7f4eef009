#pragma once
// The HP-GL/2 encoded polyline (PE): coordinates packed as base-64 (8-bit mode) or base-32
// (7-bit mode) digit strings, relative to the current point unless flagged absolute.

#include "graphics/hpgl_interpreter.h"
#include "graphics/hpgl_reader.h"

namespace zel3 {

class HpglEncodedPolyline {
  public:
    HpglEncodedPolyline(HpglReader& reader, HpglState& state, HpglSink& sink)
        : r_(reader), s_(state), sink_(sink) {}

    // Reads up to and including the closing ";" (or the end of the input).
    void Run();

  private:
    // Decodes one number whose first character is first; false when the instruction or the
    // input ended before the number was complete.
    bool Decode(int first, double& units);

    HpglReader& r_;
    HpglState& s_;
    HpglSink& sink_;
    bool sevenBit_ = false;
};

}  // namespace zel3
