#include "shell/qt_application.h"

#include <QApplication>

#include "config/config_file.h"
#include "shell/batch_run.h"
#include "graphics/drawing_area_widget.h"
#include "shell/main_window.h"
#include "shell/program.h"
#include "shell/start_up.h"
#include "util/io_error.h"
#include "util/qt_platform.h"

namespace zel3 {

int RunApplication(int argc, char** argv, const std::vector<std::string>& params) {
    QApplication app(argc, argv);
    auto platform = std::make_unique<QtPlatform>();
    QtPlatform* qtPlatform = platform.get();
    Program program(std::move(platform));
    program.args = params;
    SetProgramFolders(program);
    QApplication::setApplicationName(QString::fromStdString(program.identity.ProductName));

    MainWindow window(program);
    qtPlatform->SetMainWindow(&window);
    qtPlatform->SetSettings(&program.settings);
    qtPlatform->SetDrawingArea(window.drawingArea());
    try {
        ReadConfiguration(program);
        program.ui.errorFlag = false;
        if (std::optional<int> code = StartUp(program, 8)) return *code;
    } catch (const IoError& e) {
        program.platform().MessageBox(BoxKind::Error, "", e.what());
    }
    program.ui.errorFlag = false;
    if (program.settings.languageNumber > 0) window.SwitchLanguage(program.settings.languageNumber);
    window.UpdateCaption();
    window.Refresh();
    window.show();
    return app.exec();
}

}  // namespace zel3
