#include "contact/diagram_limits_dialog.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "docu/qt_dialog_buttons.h"
#include "util/number_text.h"
#include "util/qt_text.h"

namespace zel3 {

TEinDiagramLimits::TEinDiagramLimits(const std::string& title, const std::string& xLabel,
                                     const std::string& yLabel, const AxisLimits& automatic,
                                     const AxisLimits& entered, const NumberFormat& nf,
                                     std::function<void()> help, QWidget* parent)
    : QDialog(parent), nf_(nf) {
    setObjectName(QStringLiteral("TEinDiagramLimits"));
    setWindowTitle(Q(title));
    auto* layout = new QVBoxLayout(this);
    auto* grid = new QGridLayout;
    auto edit = [this](const char* name) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QString::fromLatin1(name));
        e->setMinimumWidth(fontMetrics().horizontalAdvance(QLatin1Char('0')) * 14);
        e->setAlignment(Qt::AlignRight);
        return e;
    };
    xMin_ = edit("Edit_xmin");
    xMax_ = edit("Edit_xmax");
    yMin_ = edit("Edit_ymin");
    yMax_ = edit("Edit_ymax");
    grid->addWidget(new QLabel(QStringLiteral("min"), this), 0, 1, Qt::AlignCenter);
    grid->addWidget(new QLabel(QStringLiteral("max"), this), 0, 2, Qt::AlignCenter);
    auto* xLabelWidget = new QLabel(Q(xLabel), this);
    xLabelWidget->setObjectName(QStringLiteral("Label_x"));
    xLabelWidget->setBuddy(xMin_);
    auto* yLabelWidget = new QLabel(Q(yLabel), this);
    yLabelWidget->setObjectName(QStringLiteral("Label_y"));
    yLabelWidget->setBuddy(yMin_);
    grid->addWidget(xLabelWidget, 1, 0);
    grid->addWidget(xMin_, 1, 1);
    grid->addWidget(xMax_, 1, 2);
    grid->addWidget(yLabelWidget, 2, 0);
    grid->addWidget(yMin_, 2, 1);
    grid->addWidget(yMax_, 2, 2);
    layout->addLayout(grid);

    auto* calculate = new QPushButton(QStringLiteral("Calculate"), this);
    calculate->setObjectName(QStringLiteral("Button_calc"));
    calculate->setAutoDefault(false);
    auto* calcRow = new QHBoxLayout;
    calcRow->addStretch();
    calcRow->addWidget(calculate);
    layout->addLayout(calcRow);
    connect(calculate, &QPushButton::clicked, this, [this, automatic] { Show(automatic); });

    HelpRequest helpText;
    if (help) helpText = [help](bool) { help(); };
    AddOkCancelHelpRow(*this, *layout, helpText, "&Hilfetext");

    // Tab order: the x row, then the y row, then the buttons.
    setTabOrder(xMin_, xMax_);
    setTabOrder(xMax_, yMin_);
    setTabOrder(yMin_, yMax_);
    setTabOrder(yMax_, calculate);
    Show(entered);
    xMin_->setFocus();
}

void TEinDiagramLimits::Show(const AxisLimits& limits) {
    xMin_->setText(Q(FormatValue(nf_, limits.xMin)));
    xMax_->setText(Q(FormatValue(nf_, limits.xMax)));
    yMin_->setText(Q(FormatValue(nf_, limits.yMin)));
    yMax_->setText(Q(FormatValue(nf_, limits.yMax)));
}

AxisLimits TEinDiagramLimits::Limits() const {
    auto read = [](const QLineEdit* e) { return TextToFloat(e->text().trimmed().toStdString()); };
    AxisLimits l;
    l.xMin = read(xMin_);
    l.xMax = read(xMax_);
    l.yMin = read(yMin_);
    l.yMax = read(yMax_);
    return l;
}

}  // namespace zel3
