#include "shell/qt_table_windows.h"

#include <QApplication>
#include <QPointer>
#include <QProgressDialog>
#include <memory>

#include "docu/qt_dialog_frame.h"
#include "report/table_preview_window.h"
#include "shell/spreadsheet_commands.h"

namespace zel3 {

ResultsTableWindow MakeResultsTableWindow(Program& program, QWidget* owner) {
    ResultsTableWindow window;
    QPointer<QWidget> parent(owner);
    window.showTable = [&program, parent](const std::string& caption,
                                          std::vector<std::vector<std::string>>& rows,
                                          int selected) {
        PreviewTexts texts;
        texts.caption = caption;
        texts.fileMenu = program.language.General(kFile);
        texts.exitItem = program.language.General(kExit);
        texts.helpMenu = program.language.General(kHelp);
        auto exportRows = [&program](const std::vector<std::vector<std::string>>& table) {
            return OpenInSpreadsheet(program, table, "tabelle");
        };
        TForm_preview dialog(texts, rows, selected, program.platform().showHelp, exportRows,
                             parent.data());
        ApplyDialogFrame(dialog, parent.data(),
                         {program.settings.inputWindowScale, program.settings.dialogContentScale},
                         true, false);
        dialog.exec();
        return dialog.Picked();
    };
    auto progress = std::make_shared<std::unique_ptr<QProgressDialog>>();
    window.progress = [progress, parent](int done, int total) {
        std::unique_ptr<QProgressDialog>& dialog = *progress;
        if (done >= total) {
            dialog.reset();
            return true;
        }
        if (!dialog) {
            dialog = std::make_unique<QProgressDialog>(
                QStringLiteral("Projektdateien werden berechnet ..."), QStringLiteral("Abbrechen"),
                0, total, parent.data());
            dialog->setWindowTitle(QStringLiteral("Ergebnistabelle"));
            dialog->setWindowModality(Qt::WindowModal);
            dialog->setMinimumDuration(300);
        }
        dialog->setValue(done);
        QApplication::processEvents();
        return !dialog->wasCanceled();
    };
    return window;
}

}  // namespace zel3
