#include "docu/radio_choice_dialog.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace zel3 {

namespace {
// Option texts are shown as they are, "&" included.
QString Literal(QString t) {
    return t.replace(QLatin1Char('&'), QStringLiteral("&&"));
}
}  // namespace

RadioChoiceDialog::RadioChoiceDialog(const QString& prompt, const QStringList& options,
                                     int selected, const HelpRequest& help, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("Tin_radiodialog"));
    setWindowTitle(QStringLiteral("Auswahl"));
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(prompt, this);
    label->setObjectName(QStringLiteral("Label_prompt"));
    label->setWordWrap(true);
    label->setMinimumSize(300, 39);
    layout->addWidget(label);

    const int n = static_cast<int>(qMin<qsizetype>(options.size(), kMaxOptions));
    auto* box = new QGroupBox(this);
    box->setObjectName(QStringLiteral("RadioGroup1"));
    box->setFixedHeight(25 * n + 25);
    auto* boxLayout = new QVBoxLayout(box);
    boxLayout->setSpacing(0);
    group_ = new QButtonGroup(this);
    for (int i = 0; i < n; ++i) {
        auto* b = new QRadioButton(Literal(options[i]), box);
        b->setObjectName(QStringLiteral("RadioButton%1").arg(i + 1));
        group_->addButton(b, i + 1);
        boxLayout->addWidget(b);
    }
    layout->addWidget(box);
    if (QAbstractButton* preset = group_->button(selected)) {
        preset->setChecked(true);
        preset->setFocus();
    }

    DialogButtons buttons = AddDialogButtons(*this, *layout, help);
    connect(buttons.ok, &QPushButton::clicked, this, &QDialog::accept);
    for (QPushButton* b : {buttons.cancel, buttons.helpText, buttons.helpPicture})
        b->setAutoDefault(false);
}

int RadioChoiceDialog::selected() const {
    return qMax(0, group_->checkedId());
}

}  // namespace zel3
