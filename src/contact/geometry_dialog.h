#pragma once
// The geometry dialog: body kinds and their lengths.

#include <QDialog>
#include <functional>

#include "contact/contact_case.h"
#include "util/number_format.h"

class QButtonGroup;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zel3 {

class GeometryDialog : public QDialog {
    Q_OBJECT
public:
    // help(picture) shows the help text or picture of the current help number.
    GeometryDialog(ContactCase& c, NumberFormat& number, std::function<void(bool)> help,
                   const QString& title, QWidget* parent = nullptr);

    // Kinds and all ten lengths into the case (disabled fields too).
    void Store();
    // Every field from the case in the current length unit.
    void Fill();
    // Enabling of the fields and of OK from the selected kinds.
    void UpdateEnabling();
    void SwitchUnits();

private:
    struct BodyFields {
        QButtonGroup* kind = nullptr;
        QLineEdit* dSphere = nullptr;
        QLineEdit* dCylinder = nullptr;
        QLineEdit* lCylinder = nullptr;
        QLineEdit* rx = nullptr;
        QLineEdit* ry = nullptr;
        QLabel* units[5] = {};
    };
    QWidget* buildBody(int index);

    ContactCase& case_;
    NumberFormat& number_;
    std::function<void(bool)> help_;
    BodyFields body_[2];
    QPushButton* ok_ = nullptr;
};

// False for the three kind combinations the solver does not take.
bool GeometryCombinationAllowed(BodyKind body1, BodyKind body2);

}  // namespace zel3
