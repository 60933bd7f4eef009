#include "docu/dialog_frame.h"

#include <algorithm>

namespace zel3 {

namespace {
// A percentage out of all reason (a damaged configuration) must not make a dialog vanish
// or cover the desktop many times over.
int SanePercent(int percent) {
    return percent <= 0 ? 100 : std::clamp(percent, 10, 1000);
}
}  // namespace

DialogRect FrameDialog(int designedWidth, int designedHeight, int scalePercent,
                       const WindowFrame& graphicsWindow, bool centre) {
    const int scale = SanePercent(scalePercent);
    DialogRect r;
    r.width = designedWidth * scale / 100;
    r.height = designedHeight * scale / 100;
    if (centre) {
        r.left = graphicsWindow.left + std::max((graphicsWindow.width - r.width) / 2, 0);
        r.top = graphicsWindow.top + std::max((graphicsWindow.height - r.height) / 2, 0) + 20;
    }
    return r;
}

double ScaledFontSize(double size, int contentScalePercent) {
    return std::max(1.0, size * SanePercent(contentScalePercent) / 100.0);
}

}  // namespace zel3
