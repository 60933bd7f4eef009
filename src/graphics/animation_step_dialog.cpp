#include "graphics/animation_step_dialog.h"

#include <QHBoxLayout>
#include <QPushButton>

namespace zel3 {

AnimationStepDialog::AnimationStepDialog(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint) {
    setObjectName(QStringLiteral("TForm_anistep"));
    setWindowTitle(QStringLiteral("Animation"));
    auto* row = new QHBoxLayout(this);
    auto* next = new QPushButton(QStringLiteral("+"), this);
    next->setObjectName(QStringLiteral("Button_nextstep"));
    next->setDefault(true);
    auto* end = new QPushButton(QStringLiteral("++"), this);
    end->setObjectName(QStringLiteral("Button_endstep"));
    end->setAutoDefault(false);
    row->addWidget(next);
    row->addWidget(end);
    connect(next, &QPushButton::clicked, this, &QDialog::accept);
    connect(end, &QPushButton::clicked, this, &QDialog::reject);  // Esc ends the stepping too
}

}  // namespace zel3
