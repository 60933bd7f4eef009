#include "shell/qt_picture_batch.h"

#include <fontconfig/fontconfig.h>

#include <QGuiApplication>
#include <QScopeGuard>
#include <memory>
#include <system_error>
#include <thread>

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

// Fontconfig reads its whole configuration when the first text is measured, which took about
// a fifth of a picture job. It starts on a second thread at once, while Qt starts and the
// project is loaded and calculated; painting waits for it.
class FontconfigStart {
  public:
    FontconfigStart() {
        try {
            thread_ = std::thread([] { FcInit(); });
        } catch (const std::system_error&) {
            // No thread: the first text starts fontconfig, as without this.
        }
    }
    ~FontconfigStart() { Wait(); }
    FontconfigStart(const FontconfigStart&) = delete;
    FontconfigStart& operator=(const FontconfigStart&) = delete;

    void Wait() {
        if (thread_.joinable()) thread_.join();
    }

  private:
    std::thread thread_;
};

}  // namespace

int RunPictureBatch(int argc, char** argv, const std::vector<std::string>& params,
                    std::optional<CalculationMethod> method) {
    qtDefaultMessages = qInstallMessageHandler(WithoutRuntimeFolderNotice);
    // A picture is painted into memory and never shown: no display is needed, and a display
    // that is named but cannot be reached must not end the job. QT_QPA_PLATFORM still decides.
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    FontconfigStart fonts;
    QGuiApplication app(argc, argv);
    const auto beforeQtEnds = qScopeGuard([&fonts] { fonts.Wait(); });
    Program program(std::make_unique<BatchPlatform>());
    program.args = params;
    program.methodOverride = method;
    InstallPictureFiles(program);
    program.writePicture = [&fonts, write = std::move(program.writePicture)](
                               int kind, const std::string& path) {
        fonts.Wait();
        write(kind, path);
    };
    return RunBatch(program);
}

}  // namespace zel3
