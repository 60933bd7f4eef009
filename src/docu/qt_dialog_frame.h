#pragma once
// Applies the dialog frame to a Qt dialog: the owner's font scaled by the content scale, the
// size scaled by "Input Window Scale %", and (with centre) the place over the graphics window.

#include <QDialog>

#include "util/platform.h"

namespace zel3 {

struct DialogScales {
    int inputWindowScale = 100;  // percent
    int contentScale = 100;      // percent
};

// owner may be null (no font to take, nothing to centre over). A fixed dialog cannot be
// resized afterwards.
void ApplyDialogFrame(QDialog& dialog, QWidget* owner, const DialogScales& scales, bool centre,
                      bool fixedSize);

}  // namespace zel3
