#pragma once
// The material dialog: material number, name and the elastic and strength values of both
// bodies, with a pick from the material database per body.

#include <QDialog>
#include <functional>

#include "contact/contact_case.h"
#include "util/number_format.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace zel3 {

class MaterialDialog : public QDialog {
    Q_OBJECT
public:
    MaterialDialog(ContactCase& c, NumberFormat& number, const TextOptions& text,
                   std::function<bool(int body)> pickMaterial, std::function<void(bool)> help,
                   const QString& title, QWidget* parent = nullptr);

    void Store();
    void Fill();
    void SwitchUnits();
    // "Datenbank..." of body 1 or 2.
    void PickFromDatabase(int body);

private:
    struct BodyFields {
        QLineEdit* number = nullptr;
        QLineEdit* name = nullptr;
        QLineEdit* E = nullptr;
        QLineEdit* mue = nullptr;
        QLineEdit* Rm = nullptr;
        QLineEdit* Re = nullptr;
        QLabel* units[3] = {};
    };
    QWidget* buildBody(int index);
    void storeBody(int index);
    void fillBody(int index);

    ContactCase& case_;
    NumberFormat& number_;
    const TextOptions& text_;
    std::function<bool(int)> pickMaterial_;
    std::function<void(bool)> help_;
    BodyFields body_[2];
};

}  // namespace zel3
