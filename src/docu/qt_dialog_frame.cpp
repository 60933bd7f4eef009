#include "docu/qt_dialog_frame.h"

#include <algorithm>

#include "docu/dialog_frame.h"

namespace zel3 {

void ApplyDialogFrame(QDialog& dialog, QWidget* owner, const DialogScales& scales, bool centre,
                      bool fixedSize) {
    QFont font = owner ? owner->font() : dialog.font();
    if (font.pointSizeF() > 0)
        font.setPointSizeF(ScaledFontSize(font.pointSizeF(), scales.contentScale));
    else if (font.pixelSize() > 0)
        font.setPixelSize(qRound(ScaledFontSize(font.pixelSize(), scales.contentScale)));
    dialog.setFont(font);
    dialog.adjustSize();

    WindowFrame graphics;
    if (owner) {
        const QRect outer = owner->frameGeometry();
        graphics.left = outer.left();
        graphics.top = outer.top();
        graphics.width = outer.width();
        graphics.height = outer.height();
    }
    const QSize designed = dialog.size();
    DialogRect r = FrameDialog(designed.width(), designed.height(), scales.inputWindowScale,
                               graphics, centre && owner);
    // A scale below 100 % shrinks the frame, never below what the controls need: a clipped
    // option or button is worse than a dialog a little larger than asked for.
    const QSize needed = dialog.minimumSizeHint();
    if (r.width < needed.width() || r.height < needed.height()) {
        const DialogRect fitted =
            FrameDialog(std::max(r.width, needed.width()), std::max(r.height, needed.height()),
                        100, graphics, centre && owner);
        r = fitted;
    }
    if (fixedSize)
        dialog.setFixedSize(r.width, r.height);
    else
        dialog.resize(r.width, r.height);
    if (centre && owner) dialog.move(r.left, r.top);
}

}  // namespace zel3
