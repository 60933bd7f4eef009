#include "contact/material_dialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QVBoxLayout>

#include "util/codepage.h"
#include "util/number_text.h"
#include "util/units.h"

namespace zel3 {

namespace {
QString Q(const std::string& s) { return QString::fromUtf8(s.c_str()); }

// Wide enough for the longest text the field takes, in its own font: a picked material name
// must show whole, not scrolled.
void FitToLongestText(QLineEdit* edit, int characters) {
    QStyleOptionFrame option;
    option.initFrom(edit);
    option.lineWidth = edit->hasFrame()
                           ? edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, edit)
                           : 0;
    const QFontMetrics metrics(edit->font());
    const QMargins margins = edit->textMargins();
    // QLineEdit keeps a small horizontal margin of its own on each side of the text.
    constexpr int kInnerMargin = 2 * 2;
    const int text = metrics.horizontalAdvance(QString(characters, QLatin1Char('W'))) +
                     margins.left() + margins.right() + kInnerMargin;
    const QSize size = edit->style()->sizeFromContents(QStyle::CT_LineEdit, &option,
                                                       QSize(text, metrics.height()), edit);
    edit->setMinimumWidth(size.width());
}

// Shows a text from its first character on.
void SetTextFromStart(QLineEdit* edit, const QString& text) {
    edit->setText(text);
    edit->setCursorPosition(0);
}
}  // namespace

MaterialDialog::MaterialDialog(ContactCase& c, NumberFormat& number, const TextOptions& text,
                               std::function<bool(int)> pickMaterial,
                               std::function<void(bool)> help, const QString& title,
                               QWidget* parent)
    : QDialog(parent),
      case_(c),
      number_(number),
      text_(text),
      pickMaterial_(std::move(pickMaterial)),
      help_(std::move(help)) {
    setObjectName(QStringLiteral("TForm_zel3wst"));
    setWindowTitle(title);
    auto* layout = new QVBoxLayout(this);
    auto* bodies = new QHBoxLayout;
    bodies->addWidget(buildBody(0));
    bodies->addWidget(buildBody(1));
    layout->addLayout(bodies);

    auto* buttons = new QHBoxLayout;
    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("Button_ok"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(QStringLiteral("Abbrechen"), this);
    cancel->setObjectName(QStringLiteral("Button_cancel"));
    auto* helpText = new QPushButton(QStringLiteral("&Hilfetext"), this);
    helpText->setObjectName(QStringLiteral("Button_help"));
    auto* units = new QPushButton(QStringLiteral("MPa <--> psi"), this);
    units->setObjectName(QStringLiteral("Button_units"));
    for (QPushButton* b : {ok, cancel, helpText, units}) {
        b->setAutoDefault(b == ok);
        buttons->addWidget(b);
    }
    layout->addLayout(buttons);

    connect(ok, &QPushButton::clicked, this, [this] {
        Store();
        accept();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    connect(helpText, &QPushButton::clicked, this, [this] {
        if (help_) help_(false);
    });
    connect(units, &QPushButton::clicked, this, &MaterialDialog::SwitchUnits);
    Fill();
}

QWidget* MaterialDialog::buildBody(int index) {
    const QString n = QString::number(index + 1);
    auto* box = new QGroupBox(" " + QString::fromUtf8("Körper") + " " + n + " ", this);
    auto* grid = new QGridLayout(box);
    BodyFields& f = body_[index];
    struct Row {
        const char* name;
        QString label;
        QLineEdit** edit;
        int unit;  // index into units, -1 for none
    } rows[] = {
        {"Edit_name", QStringLiteral("Werkstoffnummer ") + n, &f.number, -1},
        {"Edit_matname", QStringLiteral("Werkstoff ") + n, &f.name, -1},
        {"Edit_e", QString::fromUtf8("Elastizitätsmodul E") + n, &f.E, 0},
        {"Edit_mue", QString::fromUtf8("Querkontraktionszahl µ") + n, &f.mue, -1},
        {"Edit_rm", QStringLiteral("Zugfestigkeit Rm") + n, &f.Rm, 1},
        {"Edit_re", QStringLiteral("Streckgrenze Re") + n, &f.Re, 2},
    };
    int r = 0;
    for (const Row& row : rows) {
        auto* edit = new QLineEdit(box);
        edit->setObjectName(QString::fromLatin1(row.name) + n);
        *row.edit = edit;
        grid->addWidget(new QLabel(row.label, box), r, 0);
        grid->addWidget(edit, r, 1);
        if (row.unit >= 0) {
            f.units[row.unit] = new QLabel(box);
            grid->addWidget(f.units[row.unit], r, 2);
        }
        ++r;
    }
    f.number->setMaxLength(static_cast<int>(kMaterialNumberLength));
    f.name->setMaxLength(static_cast<int>(kMaterialNameLength));
    FitToLongestText(f.number, static_cast<int>(kMaterialNumberLength));
    FitToLongestText(f.name, static_cast<int>(kMaterialNameLength));
    auto* db = new QPushButton(QStringLiteral("Datenbank..."), box);
    db->setObjectName(QStringLiteral("Button_db") + n);
    db->setAutoDefault(false);
    grid->addWidget(db, r, 1);
    connect(db, &QPushButton::clicked, this, [this, index] { PickFromDatabase(index + 1); });
    return box;
}

void MaterialDialog::fillBody(int i) {
    const ContactBody& b = case_.body[i];
    BodyFields& f = body_[i];
    SetTextFromStart(f.number, Q(OemToDisplay(text_, b.materialNumber)));
    SetTextFromStart(f.name, Q(OemToDisplay(text_, b.materialName)));
    f.E->setText(Q(FormatInUnit(number_, Quantity::Stress, b.E)));
    f.mue->setText(Q(FormatValue(number_, b.mue)));
    f.Rm->setText(Q(FormatInUnit(number_, Quantity::Stress, b.Rm)));
    f.Re->setText(Q(FormatInUnit(number_, Quantity::Stress, b.Re)));
    const QString unit = Q(UnitLabel(number_, Quantity::Stress));
    for (QLabel* l : f.units) l->setText(unit);
}

void MaterialDialog::storeBody(int i) {
    ContactBody& b = case_.body[i];
    BodyFields& f = body_[i];
    auto text = [](QLineEdit* e, std::size_t n) {
        std::string oem = DisplayToOem(e->text().toStdString());
        if (oem.size() > n) oem.resize(n);
        return oem;
    };
    auto stress = [&](QLineEdit* e) {
        return TypedToMetric(number_, Quantity::Stress, e->text().toStdString());
    };
    b.materialNumber = text(f.number, kMaterialNumberLength);
    b.materialName = text(f.name, kMaterialNameLength);
    b.E = stress(f.E);
    b.mue = TextToFloat(f.mue->text().toStdString());
    b.Rm = stress(f.Rm);
    b.Re = stress(f.Re);
}

void MaterialDialog::Fill() {
    fillBody(0);
    fillBody(1);
}

void MaterialDialog::Store() {
    storeBody(0);
    storeBody(1);
}

void MaterialDialog::SwitchUnits() {
    Store();
    number_.unitSystem = number_.unitSystem == 1 ? 0 : 1;
    Fill();
}

void MaterialDialog::PickFromDatabase(int body) {
    const int i = body - 1;
    std::string oem = DisplayToOem(body_[i].number->text().toStdString());
    if (oem.size() > kMaterialNumberLength) oem.resize(kMaterialNumberLength);
    case_.body[i].materialNumber = oem;
    if (!pickMaterial_ || !pickMaterial_(body)) return;
    fillBody(i);
}

}  // namespace zel3
