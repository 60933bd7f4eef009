#include "contact/geometry_dialog.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "util/units.h"

namespace zel3 {

bool GeometryCombinationAllowed(BodyKind body1, BodyKind body2) {
    if (body1 == BodyKind::Cylinder && body2 == BodyKind::Sphere) return false;
    if (body1 == BodyKind::Cylinder && body2 == BodyKind::Special) return false;
    if (body1 == BodyKind::Sphere && body2 == BodyKind::Cylinder) return false;
    return true;
}

namespace {
QString Q(const std::string& s) { return QString::fromUtf8(s.c_str()); }
}  // namespace

GeometryDialog::GeometryDialog(ContactCase& c, NumberFormat& number,
                               std::function<void(bool)> help, const QString& title,
                               QWidget* parent)
    : QDialog(parent), case_(c), number_(number), help_(std::move(help)) {
    setObjectName(QStringLiteral("TForm_zel3abm"));
    setWindowTitle(title);
    auto* layout = new QVBoxLayout(this);
    auto* bodies = new QHBoxLayout;
    bodies->addWidget(buildBody(0));
    bodies->addWidget(buildBody(1));
    layout->addLayout(bodies);

    auto* buttons = new QHBoxLayout;
    ok_ = new QPushButton(QStringLiteral("OK"), this);
    ok_->setObjectName(QStringLiteral("Button_ok"));
    ok_->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Abbrechen"), this);
    cancel->setObjectName(QStringLiteral("Button_cancel"));
    auto* helpText = new QPushButton(QStringLiteral("&Hilfetext"), this);
    helpText->setObjectName(QStringLiteral("Button_help"));
    auto* helpPicture = new QPushButton(QStringLiteral("Hilfe&bild"), this);
    helpPicture->setObjectName(QStringLiteral("Button_hilfebild"));
    auto* units = new QPushButton(QStringLiteral("mm <--> inch"), this);
    units->setObjectName(QStringLiteral("Button_units"));
    for (QPushButton* b : {ok_, cancel, helpText, helpPicture, units}) {
        b->setAutoDefault(b == ok_);
        buttons->addWidget(b);
    }
    layout->addLayout(buttons);

    connect(ok_, &QPushButton::clicked, this, [this] {
        Store();
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(helpText, &QPushButton::clicked, this, [this] {
        if (help_) help_(false);
    });
    connect(helpPicture, &QPushButton::clicked, this, [this] {
        Store();
        if (help_) help_(true);
        Fill();
    });
    connect(units, &QPushButton::clicked, this, &GeometryDialog::SwitchUnits);

    Fill();
}

QWidget* GeometryDialog::buildBody(int index) {
    const QString n = QString::number(index + 1);
    auto* box = new QGroupBox(QString::fromUtf8("Körper") + " " + n, this);
    auto* grid = new QGridLayout(box);
    BodyFields& f = body_[index];
    f.kind = new QButtonGroup(this);
    QStringList kinds{"Kugel", "Zylinder", "Spezial"};
    if (index == 1) kinds << "Ebene";
    auto* kindRow = new QHBoxLayout;
    for (int i = 0; i < kinds.size(); ++i) {
        auto* rb = new QRadioButton(kinds[i], box);
        rb->setObjectName(QStringLiteral("Radio_kind%1_%2").arg(n).arg(i + 1));
        f.kind->addButton(rb, i);
        kindRow->addWidget(rb);
    }
    grid->addLayout(kindRow, 0, 0, 1, 3);
    connect(f.kind, &QButtonGroup::idClicked, this, [this](int) { UpdateEnabling(); });

    struct Row {
        const char* name;
        const char* label;
        QLineEdit** edit;
    } rows[] = {{"Edit_dkugel", "d =", &f.dSphere},
                {"Edit_dzyl", "d =", &f.dCylinder},
                {"Edit_lzyl", "L =", &f.lCylinder},
                {"Edit_rx", "rx =", &f.rx},
                {"Edit_ry", "ry =", &f.ry}};
    int r = 1;
    for (const Row& row : rows) {
        auto* edit = new QLineEdit(box);
        edit->setObjectName(QString::fromLatin1(row.name) + n);
        *row.edit = edit;
        grid->addWidget(new QLabel(QString::fromLatin1(row.label), box), r, 0);
        grid->addWidget(edit, r, 1);
        f.units[r - 1] = new QLabel(box);
        grid->addWidget(f.units[r - 1], r, 2);
        ++r;
    }
    return box;
}

void GeometryDialog::Fill() {
    const QString unit = Q(UnitLabel(number_, Quantity::Length));
    for (int i = 0; i < 2; ++i) {
        const ContactBody& b = case_.body[i];
        BodyFields& f = body_[i];
        if (QAbstractButton* rb = f.kind->button(static_cast<int>(b.kind) - 1)) rb->setChecked(true);
        auto show = [&](QLineEdit* e, double v) { e->setText(Q(FormatInUnit(number_, Quantity::Length, v))); };
        show(f.dSphere, b.sphereDiameter);
        show(f.dCylinder, b.cylinderDiameter);
        show(f.lCylinder, b.cylinderLength);
        show(f.rx, b.rx);
        show(f.ry, b.ry);
        for (QLabel* l : f.units) l->setText(unit);
    }
    UpdateEnabling();
}

void GeometryDialog::Store() {
    for (int i = 0; i < 2; ++i) {
        ContactBody& b = case_.body[i];
        BodyFields& f = body_[i];
        if (f.kind->checkedId() >= 0) b.kind = static_cast<BodyKind>(f.kind->checkedId() + 1);
        auto read = [&](QLineEdit* e) {
            return TypedToMetric(number_, Quantity::Length, e->text().toStdString());
        };
        b.sphereDiameter = read(f.dSphere);
        b.cylinderDiameter = read(f.dCylinder);
        b.cylinderLength = read(f.lCylinder);
        b.rx = read(f.rx);
        b.ry = read(f.ry);
    }
}

void GeometryDialog::UpdateEnabling() {
    BodyKind kinds[2];
    for (int i = 0; i < 2; ++i) {
        BodyFields& f = body_[i];
        kinds[i] = static_cast<BodyKind>(f.kind->checkedId() + 1);
        f.dSphere->setEnabled(kinds[i] == BodyKind::Sphere);
        f.dCylinder->setEnabled(kinds[i] == BodyKind::Cylinder);
        f.lCylinder->setEnabled(kinds[i] == BodyKind::Cylinder);
        f.rx->setEnabled(kinds[i] == BodyKind::Special);
        f.ry->setEnabled(kinds[i] == BodyKind::Special);
    }
    ok_->setEnabled(GeometryCombinationAllowed(kinds[0], kinds[1]));
}

void GeometryDialog::SwitchUnits() {
    Store();
    number_.unitSystem = number_.unitSystem == 1 ? 0 : 1;
    Fill();
}

}  // namespace zel3
