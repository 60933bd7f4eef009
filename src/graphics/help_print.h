#pragma once
// Sending a help picture raw to an HP-GL printer or plotter on a parallel port.

#include <string>

#include "util/ui_state.h"

namespace zel3 {

// The device of printer port 1..4: "/dev/lp0".."/dev/lp3".
std::string PrinterPortDevice(int port);

// Copies the picture file byte for byte to the device; with controlSequence a laser printer is
// reset into HP-GL/2 before and back to its own language after. A file or device that cannot
// be opened or written is reported and sets the error flag.
bool SendPictureToPort(UiState& ui, const std::string& picture, const std::string& device,
                       bool controlSequence);

}  // namespace zel3
