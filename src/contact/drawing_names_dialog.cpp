#include "contact/drawing_names_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "util/codepage.h"

namespace zel3 {

namespace {
QString Q(const std::string& utf8) { return QString::fromUtf8(utf8.c_str()); }

std::string StoredText(const QLineEdit* edit, std::size_t maxLength) {
    std::string oem = DisplayToOem(edit->text().toStdString());
    if (oem.size() > maxLength) oem.resize(maxLength);
    return oem;
}
}  // namespace

DrawingNamesDialog::DrawingNamesDialog(const ContactCase& c, const TextOptions& text,
                                       QWidget* parent)
    : QDialog(parent), text_(text) {
    setObjectName(QStringLiteral("Tform_uni4"));
    setWindowTitle(QStringLiteral("Zeichnung"));
    auto* layout = new QVBoxLayout(this);
    form_ = new QFormLayout;
    layout->addLayout(form_);

    name_ = addField("Edit_zeichname", QStringLiteral("Zeichnungsname"), kDrawingNameLength,
                     c.drawingName);
    name2_ = addField("Edit_zeichname2", QStringLiteral("Zeichnungsname 2"), kDrawingName2Length,
                      c.drawingName2);
    number_ = addField("Edit_zeichnr", QStringLiteral("Zeichnungsnummer"), kDrawingNumberLength,
                       c.drawingNumber);
    for (int i = 0; i < 3; ++i) {
        remark_[i] = addField(i == 0 ? "Edit_bemerk1" : i == 1 ? "Edit_bemerk2" : "Edit_bemerk3",
                              QStringLiteral("Zeile %1").arg(i + 1), kRemarkLength, c.remarks[i]);
    }

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* ok = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("Button_ok"));
    ok->setDefault(true);
    QPushButton* cancel =
        buttons->addButton(QStringLiteral("Abbrechen"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("Button_cancel"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    setMinimumWidth(520);
}

QLineEdit* DrawingNamesDialog::addField(const char* objectName, const QString& label,
                                        int maxLength, const std::string& oem) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::fromLatin1(objectName));
    edit->setMaxLength(maxLength);
    edit->setText(Q(OemToDisplay(text_, oem)));
    form_->addRow(label, edit);
    return edit;
}

void DrawingNamesDialog::Store(ContactCase& c) const {
    c.drawingName = StoredText(name_, kDrawingNameLength);
    c.drawingName2 = StoredText(name2_, kDrawingName2Length);
    c.drawingNumber = StoredText(number_, kDrawingNumberLength);
    for (int i = 0; i < 3; ++i) c.remarks[i] = StoredText(remark_[i], kRemarkLength);
}

}  // namespace zel3
