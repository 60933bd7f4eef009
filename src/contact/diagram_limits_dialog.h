#pragma once
// The limits dialog of a diagram: the ends of both axes as the user wants them, or the
// automatic ones the "Calculate" button puts back.

#include <QDialog>
#include <functional>

#include "util/number_format.h"
#include "util/platform.h"

class QLineEdit;

namespace zel3 {

class TEinDiagramLimits : public QDialog {
    Q_OBJECT
  public:
    // Texts are UTF-8. The edits start with entered; help shows the help text.
    TEinDiagramLimits(const std::string& title, const std::string& xLabel,
                      const std::string& yLabel, const AxisLimits& automatic,
                      const AxisLimits& entered, const NumberFormat& nf, std::function<void()> help,
                      QWidget* parent = nullptr);

    // The four edits read as numbers (text that is no number reads as 0).
    AxisLimits Limits() const;

  private:
    void Show(const AxisLimits& limits);

    const NumberFormat nf_;
    QLineEdit *xMin_, *xMax_, *yMin_, *yMax_;
};

}  // namespace zel3
