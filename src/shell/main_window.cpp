#include "shell/main_window.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeySequence>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>

#include "contact/diagrams.h"
#include "contact/standard_report.h"
#include "dbf/table_browser_window.h"
#include "docu/change_command.h"
#include "docu/documentation_commands.h"
#include "graphics/contact_sheet.h"
#include "graphics/drawing_area_widget.h"
#include "graphics/help_browser.h"
#include "graphics/help_picture_window.h"
#include "graphics/qt_picture_print.h"
#include "report/message_section.h"
#include "report/show_messages.h"
#include "shell/edit_commands.h"
#include "shell/file_commands.h"
#include "shell/help_commands.h"
#include "shell/material_picking.h"
#include "shell/menu_texts.h"
#include "shell/qt_table_windows.h"
#include "shell/recent_list.h"
#include "shell/result_view.h"
#include "shell/results_table_command.h"
#include "shell/settings_command.h"
#include "shell/spreadsheet_commands.h"
#include "shell/status_hint.h"
#include "shell/window_caption.h"
#include "util/io_error.h"

namespace zel3 {

namespace {
QString Q(const std::string& s) {
    return QString::fromUtf8(s.c_str());
}
}  // namespace

MainWindow::MainWindow(Program& program, QWidget* parent) : QMainWindow(parent), program_(program) {
    setObjectName(QStringLiteral("Thh"));
    area_ = new DrawingAreaWidget(program_.graphics, program_.settings, this);
    setCentralWidget(area_);
    hint_ = new QLabel(this);
    hint_->setObjectName(QStringLiteral("statusHint"));
    statusBar()->addWidget(hint_, 1);
    connect(area_, &DrawingAreaWidget::rendered, this, &MainWindow::UpdateStatusHint);
    buildMenus();
    UpdateCaption();
    // The table browser lives as long as the window and stays hidden until it is shown.
    auto* browser = new Tdbf4(program_, this);
    program_.tableBrowser = browser;
    connect(browser, &QObject::destroyed, browser, [p = &program_] { p->tableBrowser = nullptr; });
}

QAction* MainWindow::addItem(QMenu* menu, const QString& objectName, const QString& caption,
                             std::function<void()> handler) {
    QAction* a = menu->addAction(caption);
    a->setObjectName(objectName);
    connect(a, &QAction::triggered, this, std::move(handler));
    return a;
}

QMenu* MainWindow::addMenu(QMenu* parent, const QString& objectName, const QString& caption) {
    QMenu* m = parent ? parent->addMenu(caption) : menuBar()->addMenu(caption);
    m->setObjectName(objectName);
    m->menuAction()->setObjectName(objectName);
    return m;
}

void MainWindow::runView(const std::function<void(Program&)>& draw) {
    program_.ui.errorFlag = false;
    try {
        draw(program_);
    } catch (const IoError& e) {
        program_.platform().MessageBox(BoxKind::Error, "", e.what());
    }
    area_->RequestRender();
}

void MainWindow::runEdit(bool (*command)(Program&)) {
    const bool redraw = command(program_);
    UpdateCaption();
    if (redraw) Refresh();
}

// File commands: a writer's unexpected I/O error ends the command with its message.
void MainWindow::runFile(const std::function<void(const WindowUpdates&)>& command) {
    const WindowUpdates updates{[this] { UpdateCaption(); }, [this] { Refresh(); }};
    try {
        command(updates);
        program_.platform().StatusText("");  // "... wird eingelesen" is over
    } catch (const IoError& e) {
        program_.ui.errorFlag = true;
        program_.platform().MessageBox(BoxKind::Error, "", e.what());
        UpdateCaption();
    }
}

void MainWindow::closeEvent(QCloseEvent* event) {
    bool mayClose = false;
    try {
        mayClose = CloseSequence(program_);
    } catch (const IoError& e) {
        program_.platform().MessageBox(BoxKind::Error, "", e.what());
    }
    if (mayClose) {
        event->accept();
    } else {
        event->ignore();
    }
}

void MainWindow::buildMenus() {
    QMenu* file = addMenu(nullptr, "mi_file", "&File");
    addItem(file, "mi_fileNew", "&New", [this] {
        runFile([this](const WindowUpdates& u) { NewCase(program_, u); });
    })->setShortcut(QKeySequence(QStringLiteral("Ctrl+N")));
    addItem(file, "mi_fileOpen", "&Open...", [this] {
        runFile([this](const WindowUpdates& u) { OpenCase(program_, u); });
    })->setShortcut(QKeySequence(QStringLiteral("Ctrl+O")));
    addItem(file, "mi_fileTabelle", "&Tabelle (Open...)", [this] {
        runFile([this](const WindowUpdates& u) {
            ResultsTableCommand(program_, u, MakeResultsTableWindow(program_, this));
        });
    });
    addItem(file, "mi_fileSave", "&Save", [this] {
        runFile([this](const WindowUpdates& u) { SaveCase(program_, u); });
    })->setShortcut(QKeySequence(QStringLiteral("Ctrl+S")));
    addItem(file, "mi_fileSaveAs", "Save &As...",
            [this] { runFile([this](const WindowUpdates& u) { SaveCaseAs(program_, u); }); });
    file->addSeparator();
    addItem(file, "mi_filePrint", "&Print", [this] {
        runView([this](Program& p) { PrintShownPicture(p, this); });
    })->setShortcut(QKeySequence(QStringLiteral("Ctrl+P")));
    file->addSeparator();
    addItem(file, "mi_fileConfig", "Config", [this] { runEdit(CommandSettings); });
    file->addSeparator();
    for (int k = 1; k <= 4; ++k) {
        recent_[k] =
            addItem(file, QStringLiteral("mi_fileRecent%1").arg(k), QString::number(k), [this, k] {
                runFile([this, k](const WindowUpdates& u) { OpenRecentFile(program_, k, u); });
            });
    }
    recentSeparator_ = file->addSeparator();
    addItem(file, "mi_fileExit", "E&xit", [this] { close(); });

    QMenu* edit = addMenu(nullptr, "mi_edit", "Edit");
    addItem(edit, "mi_editQuick", "Quick",
            [this] { runFile([this](const WindowUpdates& u) { QuickCommand(program_, u); }); });
    edit->addSeparator();
    addItem(edit, "mi_editText", "Text", [this] { runEdit(CommandDrawingNames); });
    addItem(edit, "mi_editGeometrie", "Geometrie", [this] { runEdit(CommandGeometry); });
    addItem(edit, "mi_editWerkstoff", "werkstoff", [this] { runEdit(CommandMaterials); });
    addItem(edit, "mi_editLast", "last", [this] { runEdit(CommandLoad); });

    QMenu* view = addMenu(nullptr, "mi_view", "View");
    addItem(view, "mi_viewStandard", "Standard",
            [this] { runView([](Program& p) { WriteStandardReport(p); }); });
    view->addSeparator();
    addItem(view, "mi_viewTabelle", "Tabelle",
            [this] { runView([](Program& p) { ShowContactSheet(p, 3, 3); }); });
    view->addSeparator();
    addItem(view, "mi_viewW0", "w0 = f (F)",
            [this] { runView([](Program& p) { ShowDiagram(p, 1, 3); }); });
    addItem(view, "mi_viewR", "R = f (F)",
            [this] { runView([](Program& p) { ShowDiagram(p, 2, 3); }); });
    addItem(view, "mi_viewSigmaF", "Sigma = f (F)",
            [this] { runView([](Program& p) { ShowDiagram(p, 3, 3); }); });
    addItem(view, "mi_viewsigma", "Sigmay, z, tau = f (z)",
            [this] { runView([](Program& p) { ShowDiagram(p, 4, 3); }); });
    view->addSeparator();
    addItem(view, "mi_viewErrors", "Error Messages", [this] {
        runView(ShowMessagesReport);
    })->setEnabled(false);

    QMenu* cad = addMenu(nullptr, "mi_cad", "CAD");
    addItem(cad, "mi_cadAbmessungen", "Abmessungen",
            [this] { runView([](Program& p) { ShowContactSheet(p, 0, 0); }); });
    addItem(cad, "mi_cadDiagramme", "Diagramme",
            [this] { runView([](Program& p) { ShowDiagram(p, 0, 0); }); });

    QMenu* db = addMenu(nullptr, "mi_database", "Database");
    addItem(db, "mi_dbWerkstoff", "werkstoff", [this] { BrowseMaterialTable(program_, 2); });
    addItem(db, "mi_dbPstat", "p stat/dyn.", [this] { BrowseMaterialTable(program_, 3); });

    QMenu* docu = addMenu(nullptr, "mi_docu", "Documentation");
    addItem(docu, "mi_docuInfo", "Drawing Information", [this] { runView(CommandDrawingInfo); });
    docu->addSeparator();
    addItem(docu, "mi_docuShow", "Show Changes",
            [this] { runView([](Program& p) { CommandChange(p, kChangeShow); }); });
    addItem(docu, "mi_docuPrint", "Print Changes",
            [this] { runView([](Program& p) { CommandChange(p, kChangePrint); }); });
    addItem(docu, "mi_docuNew", "New Change",
            [this] { runView([](Program& p) { CommandChange(p, kChangeNew); }); });
    addItem(docu, "mi_docuModify", "Modify Changes",
            [this] { runView([](Program& p) { CommandChange(p, kChangeModify); }); });
    addItem(docu, "mi_docuDelete", "Delete Change",
            [this] { runView([](Program& p) { CommandChange(p, kChangeDelete); }); });
    docu->addSeparator();
    for (int i = 1; i <= 5; ++i) {
        addItem(docu, QStringLiteral("mi_docuDocument%1").arg(i),
                i == 5 ? QStringLiteral("Document &5") : QStringLiteral("Document %1").arg(i),
                [this, i] {
                    program_.ui.errorFlag = false;
                    CommandOpenDocument(program_, i);
                });
    }
    docu->addSeparator();
    addItem(docu, "mi_docuSetup", "Document Setup", [this] { runView(CommandDocumentSetup); });

    QMenu* ole = addMenu(nullptr, "mi_ole", "OLE");
    QAction* oleExport = addItem(ole, "mi_oleExport", "Export ZEL3 -> Excel", [this] {
        runFile([this](const WindowUpdates& u) {
            ExportProject(program_);
            u.updateCaption();
        });
    });
    QAction* oleImport =
        addItem(ole, "mi_oleImport", "Import Excel -> ZEL3", [this] { ImportProject(program_); });
    QAction* oleStart = addItem(ole, "mi_oleStart", "Start Excel", [this, oleExport, oleImport] {
        runFile([&](const WindowUpdates&) {
            if (!StartSpreadsheet(program_)) return;
            oleExport->setEnabled(true);
            oleImport->setEnabled(true);
        });
    });
    ole->insertAction(oleExport, oleStart);
    oleExport->setEnabled(false);
    oleImport->setEnabled(false);
    ole->addSeparator();
    addItem(ole, "mi_olePrintout", "Printout -> Excel",
            [this] { runFile([this](const WindowUpdates&) { ReportToSpreadsheet(program_); }); });

    QMenu* help = addMenu(nullptr, "mi_help", "Help");
    addItem(help, "mi_helpHilfebild", "&Hilfebild", [this] {
        runView([this](Program& p) {
            BrowseHelpPictures(p, MakeHelpPictureChooser(this, helpPicturePosition_));
        });
    });
    addItem(help, "mi_helpErrors", "Error Messages",
            [this] { runView([](Program& p) { ShowMessageWindow(p); }); });
    addItem(help, "mi_helpHistory", "&History", [this] { runView(ShowHistory); });
    addItem(help, "mi_helpDemo", "&Demo", [this] { runView(ShowDemo); });
    QMenu* lang = addMenu(help, "mi_helpLanguage", "Language");
    addItem(lang, "mi_langDeutsch", "&Deutsch", [this] { SwitchLanguage(1); });
    addItem(lang, "mi_langEnglish", "&English", [this] { SwitchLanguage(2); });
    addItem(lang, "mi_langRoman", "&Roman", [this] { SwitchLanguage(7); });
    addItem(lang, "mi_langKorea", "&Korea", [this] { SwitchLanguage(8); });
    help->addSeparator();
    addItem(help, "mi_helpWeb", "TRELLOX Homepage", [this] { runView(OpenMakerWebPage); });
    addItem(help, "mi_helpMail", "E-Mail", [this] { runView(MailToMaker); });
    help->addSeparator();
    addItem(help, "mi_helpAbout", "ZEL&3", [this] { runView(ShowAbout); });
}

void MainWindow::applyMenuTexts() {
    for (const auto& [name, caption] : ApplyMenuTexts(program_.language)) {
        if (auto* a = findChild<QAction*>(QString::fromStdString(name))) a->setText(Q(caption));
    }
}

void MainWindow::SwitchLanguage(int n) {
    program_.settings.languageNumber = n;
    program_.language.SetLanguage(n);
    qtTranslations_.Apply(n);
    applyMenuTexts();
    // The captions above replaced the "Error Messages" entry's count.
    UpdateMessageEntry();
    if (auto* browser = findChild<Tdbf4*>()) browser->ApplyMenuTexts();
    UpdateCaption();
}

void MainWindow::UpdateCaption() {
    const QString caption = Q(WindowCaption(program_.identity, program_.run.ProjectName));
    setWindowTitle(caption);
    QApplication::setApplicationDisplayName(QString());
    for (int k = 1; k <= 4; ++k) {
        const bool used = !program_.recentFiles[k].empty();
        recent_[k]->setVisible(used);
        if (used) recent_[k]->setText(Q(RecentFileCaption(program_.recentFiles, k)));
    }
    recentSeparator_->setVisible(!program_.recentFiles[1].empty());
    UpdateStatusHint();
}

void MainWindow::UpdateStatusHint() {
    auto caption = [this](const char* name) {
        const QAction* a = findChild<QAction*>(QString::fromLatin1(name));
        return CaptionWithoutMnemonic(a ? a->text().toStdString() : std::string());
    };
    StatusHintInput in;
    in.startScreen = program_.run.ProjectName.empty() && !program_.run.Modified;
    in.drawingShown = !program_.graphics.list.empty();
    in.language = program_.settings.languageNumber;
    in.fileMenu = caption("mi_file");
    in.newItem = caption("mi_fileNew");
    in.openItem = caption("mi_fileOpen");
    if (!program_.ProgramDataDir.empty()) in.examplesFolder = program_.ProgramDataDir + "examples";
    hint_->setText(Q(StatusHint(in)));
}

void MainWindow::SizeToDrawingArea() {
    const WorldMapping& m = program_.graphics.mapping;
    move(0, 0);
    resize(m.MaxX + 1,
           m.MaxY + 1 + menuBar()->sizeHint().height() + statusBar()->sizeHint().height());
}

void MainWindow::Refresh() {
    UpdateMessageEntry();
    try {
        DrawResultView(program_);
    } catch (const IoError& e) {
        program_.platform().MessageBox(BoxKind::Error, "", e.what());
    }
    area_->RequestRender();
}

void MainWindow::UpdateMessageEntry() {
    QAction* errors = findChild<QAction*>(QStringLiteral("mi_viewErrors"));
    const int count = program_.messages.MessageCount();
    QString base = Q(program_.language.General(kErrorMessages));
    errors->setText(base + QStringLiteral(" (%1)").arg(count));
    errors->setEnabled(count > 0);
}

}  // namespace zel3
