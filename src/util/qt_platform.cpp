#include "util/qt_platform.h"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QEventLoop>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QMainWindow>
#include <QMessageBox>
#include <QMimeDatabase>
#include <QProcess>
#include <QScreen>
#include <QStandardPaths>
#include <QStatusBar>
#include <QTimer>
#include <QUrl>

#include "cad/plot_converter_dialog.h"
#include "config/settings_dialog.h"
#include "contact/diagram_limits_dialog.h"
#include "contact/drawing_names_dialog.h"
#include "contact/geometry_dialog.h"
#include "contact/material_dialog.h"
#include "docu/list_choice_dialog.h"
#include "docu/qt_dialog_frame.h"
#include "docu/radio_choice_dialog.h"
#include "docu/text_input_dialog.h"
#include "docu/yes_no_dialog.h"
#include "graphics/animation_step_dialog.h"
#include "graphics/drawing_area_widget.h"
#include "report/message_description_dialog.h"
#include "util/command_line_words.h"
#include "util/file_dialog_filter.h"
#include "util/qt_text.h"

namespace zel3 {

void QtPlatform::MessageBox(BoxKind kind, const std::string& caption, const std::string& text) {
    QString title;
    QMessageBox::Icon icon = QMessageBox::Information;
    switch (kind) {
        case BoxKind::Error:
            title = QStringLiteral("Fehler : ");
            icon = QMessageBox::Critical;
            break;
        case BoxKind::Note:
            title = QStringLiteral("Meldung:");
            break;
        case BoxKind::Help:
            title = QStringLiteral("Hilfe");
            break;
        case BoxKind::Plain:
            title = Q(caption);
            icon = QMessageBox::NoIcon;
            break;
    }
    QMessageBox box(icon, title, Q(text), QMessageBox::Ok, mainWindow_);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}

YesNoCancel QtPlatform::Question(const std::string& caption, const std::string& text) {
    QMessageBox box(QMessageBox::Question, Q(caption), Q(text),
                    QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, mainWindow_);
    switch (box.exec()) {
        case QMessageBox::Yes:
            return YesNoCancel::Yes;
        case QMessageBox::No:
            return YesNoCancel::No;
        default:
            return YesNoCancel::Cancel;
    }
}

void QtPlatform::FrameDialog(QDialog& dialog, bool centre, bool fixedSize) const {
    DialogScales scales;
    if (settings_) {
        scales.inputWindowScale = settings_->inputWindowScale;
        scales.contentScale = settings_->dialogContentScale;
    }
    ApplyDialogFrame(dialog, mainWindow_, scales, centre, fixedSize);
}

void QtPlatform::DialogHelp(bool picture) {
    if (dialogHelp)
        dialogHelp(picture);
    else if (showHelp)
        showHelp(picture);
}

bool QtPlatform::TextDialog(const std::string& prompt, int maxLength, std::string& answer) {
    TextInputDialog dlg(
        Q(prompt), maxLength, Q(answer), [this](bool p) { DialogHelp(p); }, mainWindow_);
    FrameDialog(dlg, false, false);
    if (dlg.exec() != QDialog::Accepted) return false;
    answer = S(dlg.text());
    return true;
}

bool QtPlatform::YesNoDialog(const std::string& prompt, char& answer, bool& okPressed) {
    zel3::YesNoDialog dlg(
        Q(prompt), answer, [this](bool p) { DialogHelp(p); }, mainWindow_);
    FrameDialog(dlg, true, true);
    okPressed = false;
    if (dlg.exec() != QDialog::Accepted) return false;
    okPressed = dlg.okPressed();
    answer = dlg.answer();
    return true;
}

bool QtPlatform::RadioDialog(const std::string& prompt, const std::vector<std::string>& options,
                             int& selected) {
    QStringList items;
    for (const auto& o : options) items << Q(o);
    RadioChoiceDialog dlg(
        Q(prompt), items, selected, [this](bool p) { DialogHelp(p); }, mainWindow_);
    FrameDialog(dlg, true, true);
    if (dlg.exec() != QDialog::Accepted) return false;
    if (dlg.selected() > 0) selected = dlg.selected();
    return true;
}

bool QtPlatform::ListDialog(const std::string& prompt, const std::vector<std::string>& options,
                            int& selected) {
    QStringList items;
    for (const auto& o : options) items << Q(o);
    ListChoiceDialog dlg(
        Q(prompt), items, selected, [this](bool p) { DialogHelp(p); }, mainWindow_);
    FrameDialog(dlg, true, true);
    if (dlg.exec() != QDialog::Accepted) return false;
    if (dlg.selected() > 0) selected = dlg.selected();
    return true;
}

bool QtPlatform::MessageDescription(const std::string& message, std::string& cause,
                                    std::string& remedy, bool& changed,
                                    const DescriptionLabels& labels) {
    MessageDescriptionDialog dlg(
        Q(message), Q(cause), Q(remedy), [this](bool p) { DialogHelp(p); }, mainWindow_, labels);
    FrameDialog(dlg, true, false);
    changed = false;
    if (dlg.exec() != QDialog::Accepted) return false;
    changed = dlg.changed();
    cause = S(dlg.cause());
    remedy = S(dlg.remedy());
    return true;
}

bool QtPlatform::OpenFileDialog(const std::string& startDir, const std::string& pattern,
                                std::string& path) {
    const QString filter = Q(DesktopFileFilter(pattern));
    QString r = QFileDialog::getOpenFileName(mainWindow_, QString(), Q(startDir), filter);
    if (r.isEmpty()) return false;
    path = S(r);
    return true;
}

bool QtPlatform::SaveFileDialog(const std::string& startDir, const std::string& pattern,
                                const std::string& suggestedName, std::string& path) {
    const QString filter = Q(DesktopFileFilter(pattern));
    QString start = Q(startDir);
    if (!suggestedName.empty())
        start = start.isEmpty() ? Q(suggestedName) : start + "/" + Q(suggestedName);
    QString r = QFileDialog::getSaveFileName(mainWindow_, QString(), start, filter);
    overwriteConfirmed.clear();
    if (r.isEmpty()) return false;
    path = S(r);
    // The dialog has asked before returning an existing file.
    if (QFileInfo::exists(r)) overwriteConfirmed = path;
    return true;
}

bool QtPlatform::FolderDialog(const std::string& start, std::string& folder) {
    QFileDialog dlg(mainWindow_, QStringLiteral("Select Directory"), Q(start));
    dlg.setFileMode(QFileDialog::Directory);
    dlg.setOption(QFileDialog::ShowDirsOnly);
    dlg.setOption(QFileDialog::DontUseNativeDialog);
    dlg.setLabelText(QFileDialog::Accept, QStringLiteral("OK"));
    dlg.setLabelText(QFileDialog::Reject, QStringLiteral("Abbrechen"));
    if (dlg.exec() != QDialog::Accepted || dlg.selectedFiles().isEmpty()) return false;
    folder = S(dlg.selectedFiles().constFirst());
    return true;
}

bool QtPlatform::StartProgram(const std::string& commandLine) {
    std::vector<std::string> words = SplitCommandLine(commandLine);
    if (words.empty()) return false;
    QStringList arguments;
    for (size_t i = 1; i < words.size(); ++i) arguments << Q(words[i]);
    return QProcess::startDetached(Q(words[0]), arguments);
}

int QtPlatform::StartHidden(const std::string& commandLine) {
    std::vector<std::string> words = SplitCommandLine(commandLine);
    if (words.empty()) return 2;
    // QProcess tells no reasons; a program that is not there is named as such.
    QString program = Q(words[0]);
    if (program.contains(QLatin1Char('/'))) {
        const QFileInfo info(program);
        if (!info.exists()) return 2;
        if (!info.isFile() || !info.isExecutable()) return 5;
    } else {
        program = QStandardPaths::findExecutable(program);
        if (program.isEmpty()) return 2;
    }
    QStringList arguments;
    // A command file without "#!" line (the batch file of a long plot command) is run by
    // the shell, as execvp would.
    QFile file(program);
    if (file.open(QIODevice::ReadOnly)) {
        const QByteArray head = file.read(4);
        if (!head.startsWith("#!") && !head.startsWith("\177ELF")) {
            arguments << program;
            program = QStringLiteral("/bin/sh");
        }
    }
    QProcess process;
    process.setProgram(program);
    for (size_t i = 1; i < words.size(); ++i) arguments << Q(words[i]);
    process.setArguments(arguments);
    process.setStandardInputFile(QProcess::nullDevice());
    return process.startDetached() ? 33 : 31;
}

namespace {

// False when the desktop names no program for the file's type, so that the caller can say
// so; the opener itself only fails after it has been started. Without xdg-mime the opener
// decides.
bool DesktopOpensFile(const QString& path) {
    const QString type = QMimeDatabase().mimeTypeForFile(path).name();
    QProcess query;
    query.start(QStringLiteral("xdg-mime"),
                {QStringLiteral("query"), QStringLiteral("default"), type});
    if (!query.waitForFinished(3000) || query.exitStatus() != QProcess::NormalExit ||
        query.exitCode() != 0) {
        return true;
    }
    return !query.readAllStandardOutput().trimmed().isEmpty();
}

}  // namespace

bool QtPlatform::OpenUrl(const std::string& url) {
    const QUrl target = QUrl::fromUserInput(Q(url));
    if (target.isLocalFile() && !DesktopOpensFile(target.toLocalFile())) return false;
    return QDesktopServices::openUrl(target);
}

void QtPlatform::SetBusy(bool busy) {
    if (busy) {
        if (busyDepth_++ == 0) QApplication::setOverrideCursor(Qt::WaitCursor);
    } else if (busyDepth_ > 0 && --busyDepth_ == 0) {
        QApplication::restoreOverrideCursor();
    }
}

void QtPlatform::StatusText(const std::string& text) {
    if (auto* mw = qobject_cast<QMainWindow*>(mainWindow_.data()))
        mw->statusBar()->showMessage(Q(text));
}

void QtPlatform::Beep() {
    QApplication::beep();
}

ScreenInfo QtPlatform::Screen() const {
    ScreenInfo info;
    if (QScreen* s = QApplication::primaryScreen()) {
        info.width = s->geometry().width();
        info.height = s->geometry().height();
        info.dpiX = qRound(s->logicalDotsPerInchX());
        info.dpiY = qRound(s->logicalDotsPerInchY());
    }
    return info;
}

WindowFrame QtPlatform::GraphicsWindow() const {
    WindowFrame f;
    if (mainWindow_) {
        QRect outer = mainWindow_->frameGeometry();
        f.left = outer.left();
        f.top = outer.top();
        f.width = outer.width();
        f.height = outer.height();
        f.clientWidth = mainWindow_->width();
        f.clientHeight = mainWindow_->height();
    }
    return f;
}

void QtPlatform::ProcessEvents() {
    QApplication::processEvents();
}

void QtPlatform::SetClipboardText(const std::string& text) {
    QApplication::clipboard()->setText(Q(text));
}

}  // namespace zel3

namespace zel3 {

bool QtPlatform::EditDrawingNames(ContactCase& c, const TextOptions& text) {
    DrawingNamesDialog dlg(c, text, mainWindow_);
    FrameDialog(dlg, true, false);
    if (dlg.exec() != QDialog::Accepted) return false;
    dlg.Store(c);
    return true;
}

}  // namespace zel3

namespace zel3 {

void QtPlatform::RequestRepaint() {
    if (auto* area = qobject_cast<DrawingAreaWidget*>(drawingArea_.data()))
        area->RequestRender();
    else if (drawingArea_)
        drawingArea_->update();
}

void QtPlatform::PauseMs(int ms) {
    auto* area = qobject_cast<DrawingAreaWidget*>(drawingArea_.data());
    if (!area) {
        Platform::PauseMs(ms);
        return;
    }
    if (ms <= 0) return;
    area->ShowReplayProgress();
    QEventLoop wait;
    QTimer::singleShot(ms, &wait, &QEventLoop::quit);
    QObject::connect(area, &DrawingAreaWidget::renderRequested, &wait, &QEventLoop::quit);
    wait.exec();
}

bool QtPlatform::AnimationStep() {
    // A replay asked for while the dialog waits does not step again.
    if (stepping_) return true;
    if (auto* area = qobject_cast<DrawingAreaWidget*>(drawingArea_.data()))
        area->ShowReplayProgress();
    stepping_ = true;
    AnimationStepDialog dlg(mainWindow_);
    const bool next = dlg.exec() == QDialog::Accepted;
    stepping_ = false;
    return next;
}

bool QtPlatform::EditPlotCommand(std::string& line, const std::string& tempDir) {
    std::function<void()> help;
    if (showHelp) help = [this] { showHelp(false); };
    TForm_confkavrot dlg(DefaultPlotConverterForm(tempDir), line, tempDir, help, mainWindow_);
    FrameDialog(dlg, true, true);
    if (dlg.exec() != QDialog::Accepted) return false;
    line = dlg.CommandLine();
    return true;
}

bool QtPlatform::DiagramLimitsDialog(const std::string& title, const std::string& xLabel,
                                     const std::string& yLabel, const AxisLimits& automatic,
                                     AxisLimits& entered) {
    const NumberFormat nf = settings_ ? settings_->number : NumberFormat{};
    std::function<void()> help;
    if (showHelp) help = [this] { showHelp(false); };
    // Before any limits were entered the dialog offers the automatic ones, not four zeros
    // that would collapse the diagram.
    const bool noneEntered =
        entered.xMin == 0 && entered.xMax == 0 && entered.yMin == 0 && entered.yMax == 0;
    TEinDiagramLimits dlg(title, xLabel, yLabel, automatic, noneEntered ? automatic : entered, nf,
                          help, mainWindow_);
    FrameDialog(dlg, true, true);
    if (dlg.exec() != QDialog::Accepted) return false;
    entered = dlg.Limits();
    return true;
}

bool QtPlatform::EditGeometry(ContactCase& c, NumberFormat& number) {
    GeometryDialog dlg(c, number, showHelp, Q(dialogTitle_), mainWindow_);
    FrameDialog(dlg, true, false);
    return dlg.exec() == QDialog::Accepted;
}

bool QtPlatform::EditMaterials(ContactCase& c, NumberFormat& number,
                               const std::function<bool(int body)>& pickMaterial) {
    TextOptions text;
    MaterialDialog dlg(c, number, settings_ ? settings_->text : text, pickMaterial, showHelp,
                       Q(dialogTitle_), mainWindow_);
    FrameDialog(dlg, true, false);
    return dlg.exec() == QDialog::Accepted;
}

}  // namespace zel3

namespace zel3 {

bool QtPlatform::EditSettings(Settings& settings, UiState& ui, const SettingsEnvironment& env) {
    SettingsDialog dlg(settings, ui, env, mainWindow_);
    FrameDialog(dlg, true, false);
    return dlg.exec() == QDialog::Accepted;
}

void QtPlatform::ResizeDrawingArea(int width, int height) {
    if (!mainWindow_ || !drawingArea_ || width <= 0 || height <= 0) return;
    const QSize extra = mainWindow_->size() - drawingArea_->size();
    mainWindow_->resize(width + extra.width(), height + extra.height());
}

}  // namespace zel3
