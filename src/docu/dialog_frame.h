#pragma once
// Size and place of a dialog: every dialog of the program is scaled by "Input Window Scale %"
// and centred over the graphics window; its contents are scaled by the dialog content scale.

#include "util/platform.h"

namespace zel3 {

struct DialogRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
};

// The designed size scaled by scalePercent. With centre set, the dialog is centred over
// the graphics window, never left of or above it (20 pixels lower for the window's caption);
// otherwise left and top stay 0 and the dialog keeps its designed position.
DialogRect FrameDialog(int designedWidth, int designedHeight, int scalePercent,
                       const WindowFrame& graphicsWindow, bool centre);

// A font size scaled by the dialog content scale (percent); never below 1.
double ScaledFontSize(double size, int contentScalePercent);

}  // namespace zel3
