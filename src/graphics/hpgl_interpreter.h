#pragma once
// The HP-GL interpreter of help pictures: pen moves, circles, arcs, labels and HP-GL/2 encoded
// polylines become drawing calls in millimetres (one plotter unit is 0.025 mm). Instructions
// it does not know are skipped with their parameters.

#include <string_view>

#include "graphics/hpgl_sink.h"

namespace zel3 {

constexpr double kHpglUnit = 0.025;  // millimetres per plotter unit
constexpr double kHpglNoPoint = -999.0;

// The plotter state. Size, direction, character set and pen carry over from one picture to
// the next; the current point and the pen position start afresh with every file.
struct HpglState {
    double x = kHpglNoPoint;  // current point, mm
    double y = kHpglNoPoint;
    bool penDown = false;
    int pen = 1;
    double charWidth = 5.0;  // cm
    double charHeight = 5.0;
    double run = 1.0;  // label direction
    double rise = 0.0;
    int charSet = 1;
};

// Window colour of a plotter pen: pens 1..7 take the bright colours, others their own number.
int HpglPenColor(int pen);

// Interprets one picture held in memory. Starts with the current point at (-999, -999) and
// the pen up.
void PlayHpgl(std::string_view data, HpglState& state, HpglSink& sink);

}  // namespace zel3
