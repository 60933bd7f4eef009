#include "shell/qt_picture_batch.h"

#include <QGuiApplication>
#include <memory>

#include "graphics/qt_picture_file.h"
#include "shell/batch_run.h"
#include "shell/program.h"
#include "util/batch_platform.h"

namespace zel3 {

namespace {

QtMessageHandler qtDefaultMessages = nullptr;

// Batch jobs run from scripts and services, where no session runtime folder is the rule; Qt's
// notice about it is no news to the person reading the job's output.
void WithoutRuntimeFolderNotice(QtMsgType type, const QMessageLogContext& context,
                                const QString& message) {
    if (type == QtWarningMsg && message.startsWith(u"QStandardPaths: XDG_RUNTIME_DIR not set"))
        return;
    qtDefaultMessages(type, context, message);
}

}  // namespace

int RunPictureBatch(int argc, char** argv, const std::vector<std::string>& params,
                    std::optional<CalculationMethod> method) {
    qtDefaultMessages = qInstallMessageHandler(WithoutRuntimeFolderNotice);
    QGuiApplication app(argc, argv);
    Program program(std::make_unique<BatchPlatform>());
    program.args = params;
    program.methodOverride = method;
    InstallPictureFiles(program);
    return RunBatch(program);
}

}  // namespace zel3
