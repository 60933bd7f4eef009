// The text windows of the desktop platform: the text screen, the report viewer and the
// about box.

#include <QDesktopServices>
#include <QUrl>

#include "shell/about_dialog.h"
#include "shell/text_file_window.h"
#include "shell/text_screen_dialog.h"
#include "util/qt_platform.h"
#include "util/qt_text.h"

namespace zel3 {

void QtPlatform::ShowTextScreen(const std::string& title, const std::vector<std::string>& lines) {
    QStringList list;
    for (const auto& l : lines) list << Q(l);
    TextScreenDialog dlg(Q(productName_), Q(title), list, mainWindow_);
    dlg.exec();
}

void QtPlatform::ShowTextFile(const std::string& path) {
    TextFileActions actions;
    actions.openInEditor = [](const QString& file) {
        QDesktopServices::openUrl(QUrl::fromLocalFile(file));
    };
    actions.print = [this](const QString& file) {
        const std::string font = settings_ ? settings_->textFontPrintout : std::string();
        const int size = settings_ ? settings_->textSizePrintout : 10;
        if (!PrintTextFile(file.toStdString(), productName_, font, size)) {
            MessageBox(BoxKind::Error, "", file.toStdString() + " nicht gedruckt");
        }
    };
    const QFont font = settings_
                           ? ReportFont(Q(settings_->textFontPrintout), settings_->textSizePrintout,
                                        settings_->textStylePrintout)
                           : ReportFont(QString(), 10, 0);
    TextFileWindow dlg(Q(path), font, actions, mainWindow_);
    if (textFileGeometry_) dlg.setGeometry(*textFileGeometry_);
    dlg.exec();
    textFileGeometry_ = dlg.geometry();
}

void QtPlatform::AboutBox(const std::vector<std::string>& lines) {
    QStringList list;
    for (const auto& l : lines) list << Q(l);
    AboutDialog dlg(list, mainWindow_);
    FrameDialog(dlg, true, true);
    dlg.exec();
}

}  // namespace zel3
