#include "shell/about_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace zel3 {

AboutDialog::AboutDialog(const QStringList& lines, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("AboutBox"));
    setWindowTitle(QStringLiteral("Info"));
    auto* layout = new QVBoxLayout(this);
    for (int i = 0; i < kLines; ++i) {
        auto* label = new QLabel(i < lines.size() ? lines[i] : QString(), this);
        label->setObjectName(QStringLiteral("Label%1").arg(i + 1));
        label->setAlignment(Qt::AlignCenter);
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        if (i == 0) {
            QFont f = label->font();
            f.setBold(true);
            f.setPointSizeF(f.pointSizeF() * 1.4);
            label->setFont(f);
        }
        layout->addWidget(label);
    }
    auto* row = new QHBoxLayout;
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Button_ok"));
    ok->setDefault(true);
    row->addStretch();
    row->addWidget(ok);
    row->addStretch();
    layout->addLayout(row);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    setMinimumWidth(320);
}

}  // namespace zel3
