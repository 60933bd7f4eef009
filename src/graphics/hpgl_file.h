#pragma once
// Plays an HP-GL picture file into the drawing calls of a sink.

#include <cstddef>
#include <string>

#include "graphics/hpgl_interpreter.h"
#include "util/ui_state.h"

namespace zel3 {

// Pictures are small plotter files; anything larger is refused rather than read.
constexpr std::size_t kMaxHpglFileBytes = 16u * 1024 * 1024;

// A file that cannot be read shows its name (blanks removed) + " nicht gefunden !", sets the
// error flag and returns false. After a picture was played the error flag is clear.
bool PlayHpglFile(const std::string& path, HpglState& state, HpglSink& sink, UiState& ui);

}  // namespace zel3
