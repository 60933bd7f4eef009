#include "shell/qt_application.h"

#include <QApplication>
#include <QIcon>
#include <QMenuBar>

#include "config/config_file.h"
#include "config/recent_files.h"
#include "graphics/drawing_area_widget.h"
#include "graphics/qt_picture_file.h"
#include "shell/batch_run.h"
#include "shell/main_window.h"
#include "shell/material_picking.h"
#include "shell/program.h"
#include "shell/start_up.h"
#include "util/batch_platform.h"
#include "util/io_error.h"
#include "util/qt_platform.h"

namespace zel3 {

std::optional<int> StartMainWindow(Program& program, MainWindow& window) {
    InstallMaterialPicking(program);
    try {
        ReadConfiguration(program);
        program.ui.errorFlag = false;
        ReadRecentFiles(program);
        program.ui.errorFlag = false;
        window.UpdateCaption();
        program.graphics.ApplySettings(program.platform().Screen());
        if (std::optional<int> code = StartUp(program, 8)) return code;
    } catch (const IoError& e) {
        program.platform().MessageBox(BoxKind::Error, "", e.what());
    }
    program.ui.errorFlag = false;
    program.platform().StatusText("");
    window.SizeToDrawingArea();
    if (program.settings.languageNumber > 0)
        window.SwitchLanguage(program.settings.languageNumber);
    else
        window.ApplyQtTranslations(0);
    window.UpdateCaption();
    // Start-up has drawn what belongs on the screen: the logo, or the sheet of a project
    // from the command line.
    window.UpdateMessageEntry();
    return std::nullopt;
}

int RunApplication(int argc, char** argv, const std::vector<std::string>& params,
                   std::optional<CalculationMethod> method) {
    QApplication app(argc, argv);
    auto platform = std::make_unique<QtPlatform>();
    QtPlatform* qtPlatform = platform.get();
    Program program(std::move(platform));
    program.args = params;
    program.methodOverride = method;
    InstallPictureFiles(program);
    SetProgramFolders(program);
    QApplication::setApplicationName(QString::fromStdString(program.identity.ProductName));
    // The installed desktop entry and icon carry the program's short name.
    QGuiApplication::setDesktopFileName(QString::fromStdString(program.identity.ShortName));
    QApplication::setWindowIcon(
        QIcon::fromTheme(QString::fromStdString(program.identity.ShortName)));
    qtPlatform->SetProductName(program.identity.ProductName);

    MainWindow window(program);
    qtPlatform->SetMainWindow(&window);
    qtPlatform->SetSettings(&program.settings);
    qtPlatform->SetDrawingArea(window.drawingArea());
    if (std::optional<int> code = StartMainWindow(program, window)) return *code;
    window.show();
    return app.exec();
}

}  // namespace zel3
