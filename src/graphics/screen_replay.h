#pragma once
// The replay of the display list onto the window's client area as it is now: the picture
// follows the window's size. The window replays into an image outside its paint event; a
// replay that pauses or steps an animation stops as soon as outdated() says a newer picture
// or view was asked for in the meantime.

#include <functional>

#include "graphics/graphics_engine.h"

namespace zel3 {

void PaintScreen(GraphicsEngine& g, Canvas& screen, int width, int height,
                 const std::function<bool()>& outdated = {});

}  // namespace zel3
