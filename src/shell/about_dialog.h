#pragma once
// The about box: caption "Info", four lines of text and "OK".

#include <QDialog>
#include <QStringList>

namespace zel3 {

class AboutDialog : public QDialog {
    Q_OBJECT
  public:
    static constexpr int kLines = 4;
    explicit AboutDialog(const QStringList& lines, QWidget* parent = nullptr);
};

}  // namespace zel3
