// The documentation dialogs of the desktop platform: change entry, drawing information and
// linked documents set-up.

#include <QFileDialog>
#include <QFileInfo>

#include "docu/change_entry_dialog.h"
#include "docu/document_setup_dialog.h"
#include "docu/drawing_info_dialog.h"
#include "util/qt_platform.h"

namespace zel3 {

std::optional<bool> QtPlatform::ChangeDialog(ChangeForm& form) {
    ChangeEntryDialog dlg(
        form, [this](bool p) { DialogHelp(p); }, mainWindow_);
    FrameDialog(dlg, true, false);
    if (dlg.exec() != QDialog::Accepted) return false;
    dlg.Store(form);
    return true;
}

std::optional<bool> QtPlatform::DrawingInfoDialog(DrawingInfoForm& form) {
    zel3::DrawingInfoDialog dlg(
        form, [this](bool p) { DialogHelp(p); }, mainWindow_);
    FrameDialog(dlg, true, false);
    if (dlg.exec() != QDialog::Accepted) return false;
    dlg.Store(form);
    return true;
}

std::optional<bool> QtPlatform::DocumentSetupDialog(DocumentForm& form) {
    QWidget* owner = mainWindow_;
    FilePicker pick = [owner](const QString& start, const QString& filter) {
        const QFileInfo info(start);
        const QString dir = info.isDir() ? start : info.absolutePath();
        return QFileDialog::getOpenFileName(owner, QString(), start.isEmpty() ? QString() : dir,
                                            filter + " (" + filter + ")");
    };
    zel3::DocumentSetupDialog dlg(
        form, [this](bool p) { DialogHelp(p); }, pick, mainWindow_);
    FrameDialog(dlg, true, false);
    if (dlg.exec() != QDialog::Accepted) return false;
    dlg.Store(form);
    return true;
}

}  // namespace zel3
