#pragma once
// The drawing-name dialog: drawing names, drawing number and the three remark lines.

#include <QDialog>

#include "contact/contact_case.h"
#include "util/number_format.h"

class QFormLayout;
class QLineEdit;

namespace zel3 {

class DrawingNamesDialog : public QDialog {
    Q_OBJECT
public:
    DrawingNamesDialog(const ContactCase& c, const TextOptions& text, QWidget* parent = nullptr);
    // Stores the six texts, converted to code page 850 and cut to their lengths.
    void Store(ContactCase& c) const;

private:
    QLineEdit* addField(const char* objectName, const QString& label, int maxLength,
                        const std::string& oem);

    const TextOptions& text_;
    QFormLayout* form_ = nullptr;
    QLineEdit* name_ = nullptr;
    QLineEdit* name2_ = nullptr;
    QLineEdit* number_ = nullptr;
    QLineEdit* remark_[3] = {nullptr, nullptr, nullptr};
};

}  // namespace zel3
