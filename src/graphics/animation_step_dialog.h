#pragma once
// The animation step dialog (TForm_anistep): "+" goes on to the next step of the replay,
// "++" ends the stepping so the rest of the picture is drawn at once.

#include <QDialog>

namespace zel3 {

class AnimationStepDialog : public QDialog {
    Q_OBJECT
  public:
    explicit AnimationStepDialog(QWidget* parent = nullptr);
};

}  // namespace zel3
