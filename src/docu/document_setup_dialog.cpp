#include "docu/document_setup_dialog.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "docu/qt_dialog_buttons.h"
#include "util/qt_text.h"

namespace zel3 {

DocumentSetupDialog::DocumentSetupDialog(const DocumentForm& form, const HelpRequest& help,
                                         FilePicker pick, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("TForm_docsetup"));
    setWindowTitle(QStringLiteral("Document Setup"));
    auto* layout = new QVBoxLayout(this);

    // Programs on Linux carry no extension, so their picker shows every file.
    auto addRow = [&](QGridLayout* grid, int row, const QString& caption, const QString& hint,
                      const std::string& value, const QString& filter, const QString& name) {
        auto* label = new QLabel(caption, this);
        label->setToolTip(hint);
        auto* edit = new QLineEdit(Q(value), this);
        edit->setObjectName(name);
        edit->setMinimumWidth(360);
        label->setBuddy(edit);
        auto* browse = new QPushButton(QStringLiteral("..."), this);
        browse->setObjectName(QStringLiteral("Button_") + name);
        browse->setAutoDefault(false);
        browse->setFixedWidth(32);
        connect(browse, &QPushButton::clicked, this, [edit, pick, filter] {
            if (!pick) return;
            const QString chosen = pick(edit->text(), filter);
            if (!chosen.isEmpty()) edit->setText(chosen);
        });
        grid->addWidget(label, row, 0);
        grid->addWidget(edit, row, 1);
        grid->addWidget(browse, row, 2);
        return edit;
    };
    for (int n = 0; n < kDocumentSlots; ++n) {
        auto* group = new QGroupBox(QStringLiteral(" Document %1 ").arg(n + 1), this);
        auto* grid = new QGridLayout(group);
        programs_[n] = addRow(grid, 0, QStringLiteral("Program %1").arg(n + 1), Q(form.programHint),
                              form.programs[n], QStringLiteral("*"),
                              QStringLiteral("Edit_program%1").arg(n + 1));
        files_[n] =
            addRow(grid, 1, QStringLiteral("File %1").arg(n + 1), Q(form.fileHint), form.files[n],
                   QStringLiteral("*.*"), QStringLiteral("Edit_file%1").arg(n + 1));
        layout->addWidget(group);
    }

    AddOkCancelHelpRow(*this, *layout, help, "&Hilfetext");
}

void DocumentSetupDialog::Store(DocumentForm& form) const {
    for (int n = 0; n < kDocumentSlots; ++n) {
        form.programs[n] = S(programs_[n]->text());
        form.files[n] = S(files_[n]->text());
    }
}

}  // namespace zel3
