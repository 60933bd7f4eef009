#include "shell/qt_application.h"

#include <QApplication>

#include "shell/main_window.h"
#include "shell/program.h"
#include "shell/program_paths.h"
#include "util/qt_platform.h"

namespace zel3 {

int RunApplication(int argc, char** argv, const std::vector<std::string>& params) {
    QApplication app(argc, argv);
    auto platform = std::make_unique<QtPlatform>();
    QtPlatform* qtPlatform = platform.get();
    Program program(std::move(platform));
    program.args = params;
    program.ProgramDataDir = FindProgramDataDir(ExecutableDir());
    QApplication::setApplicationName(QString::fromStdString(program.identity.ProductName));

    MainWindow window(program);
    qtPlatform->SetMainWindow(&window);
    qtPlatform->SetSettings(&program.settings);
    window.show();
    return app.exec();
}

}  // namespace zel3
