#include "report/printout_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "config/settings_dialog.h"
#include "docu/qt_dialog_buttons.h"
#include "util/qt_text.h"

namespace zel3 {

namespace {
QString U(const char* s) {
    return QString::fromUtf8(s);
}
QPushButton* Button(QWidget* parent, const QString& text, const char* name) {
    auto* b = new QPushButton(text, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
}
}  // namespace

PrintoutDialog::PrintoutDialog(const PrintoutForm& form, const std::string& printerName,
                               PrintoutActions actions, QWidget* parent)
    : QDialog(parent), actions_(std::move(actions)) {
    setObjectName(U("TForm_printconf"));
    setWindowTitle(U("Ausdruck"));
    auto* layout = new QVBoxLayout(this);
    auto* fields = new QGridLayout;
    auto edit = [this](const char* name) {
        auto* e = new QLineEdit(this);
        e->setObjectName(QString::fromLatin1(name));
        return e;
    };
    scaleX_ = edit("Edit_scalex");
    scaleY_ = edit("Edit_scaley");
    originX_ = edit("Edit_xorigin");
    originY_ = edit("Edit_yorigin");
    const char* labels[] = {"Maßstab x", "Maßstab y", "Ursprung x", "Ursprung y"};
    QLineEdit* edits[] = {scaleX_, scaleY_, originX_, originY_};
    for (int i = 0; i < 4; ++i) {
        auto* l = new QLabel(U(labels[i]), this);
        l->setBuddy(edits[i]);
        fields->addWidget(l, i % 2, (i / 2) * 2);
        fields->addWidget(edits[i], i % 2, (i / 2) * 2 + 1);
    }
    layout->addLayout(fields);
    auto* checks = new QHBoxLayout;
    border_ = new QCheckBox(U("Umrandung"), this);
    border_->setObjectName(U("CheckBox_border"));
    fit_ = new QCheckBox(U("anpassen"), this);
    fit_->setObjectName(U("CheckBox_fit"));
    checks->addWidget(border_);
    checks->addWidget(fit_);
    checks->addStretch(1);
    layout->addLayout(checks);
    auto* radios = new QHBoxLayout;
    shading_ = new RadioGroupBox(U("RadioGroup_mono"), U("Schattierung"),
                                 {U("Monochrom"), U("Color / Graustufen")}, this);
    orientation_ = new RadioGroupBox(U("RadioGroup_orientation"), U("Ausdruck"),
                                     {U("Hochformat"), U("Querformat")}, this);
    radios->addWidget(shading_);
    radios->addWidget(orientation_);
    layout->addLayout(radios);

    auto* printerRow = new QHBoxLayout;
    printer_ = new QLabel(this);
    printer_->setObjectName(U("Label_printer"));
    printer_->setFrameShape(QFrame::StyledPanel);
    auto* choose = Button(this, U("Drucker..."), "Button_printer");
    choose->setEnabled(static_cast<bool>(actions_.choosePrinter));
    printerRow->addWidget(printer_, 1);
    printerRow->addWidget(choose);
    layout->addLayout(printerRow);

    auto* dbRow = new QHBoxLayout;
    auto* load = Button(this, U("Datenbank"), "Button_datenbank");
    auto* store = Button(this, U("Ü&bernehmen Datenbank"), "Button_uebernehmen");
    load->setEnabled(static_cast<bool>(actions_.loadSetup));
    store->setEnabled(static_cast<bool>(actions_.storeSetup));
    dbRow->addWidget(load);
    dbRow->addWidget(store);
    dbRow->addStretch(1);
    layout->addLayout(dbRow);

    AddOkCancelHelpRow(*this, *layout, [this](bool) {
        if (actions_.showHelp) actions_.showHelp();
    });
    findChild<QPushButton*>(QStringLiteral("Button_help"))
        ->setEnabled(static_cast<bool>(actions_.showHelp));

    connect(load, &QPushButton::clicked, this, [this] {
        PrintoutForm f = Form();
        if (actions_.loadSetup && actions_.loadSetup(f)) Fill(f);
    });
    connect(store, &QPushButton::clicked, this, [this] {
        if (actions_.storeSetup) actions_.storeSetup(Form());
    });
    connect(choose, &QPushButton::clicked, this, [this] {
        std::string name;
        bool landscape = false;
        if (!actions_.choosePrinter || !actions_.choosePrinter(name, landscape)) return;
        showPrinter(name);
        orientation_->setIndex(landscape ? 1 : 0);
    });

    Fill(form);
    showPrinter(printerName);
}

void PrintoutDialog::showPrinter(const std::string& name) {
    printer_->setText(Q(name).left(40));
}

void PrintoutDialog::Fill(const PrintoutForm& f) {
    scaleX_->setText(Q(f.scaleX));
    scaleY_->setText(Q(f.scaleY));
    originX_->setText(Q(f.originX));
    originY_->setText(Q(f.originY));
    border_->setChecked(f.border);
    fit_->setChecked(f.fit);
    shading_->setIndex(f.shading);
    orientation_->setIndex(f.orientation);
}

PrintoutForm PrintoutDialog::Form() const {
    PrintoutForm f;
    f.scaleX = scaleX_->text().toUtf8().toStdString();
    f.scaleY = scaleY_->text().toUtf8().toStdString();
    f.originX = originX_->text().toUtf8().toStdString();
    f.originY = originY_->text().toUtf8().toStdString();
    f.border = border_->isChecked();
    f.fit = fit_->isChecked();
    f.shading = shading_->index();
    f.orientation = orientation_->index();
    return f;
}

}  // namespace zel3
