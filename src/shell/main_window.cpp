#include "shell/main_window.h"

#include <QAction>
#include <QKeySequence>
#include <QMenuBar>
#include <QWidget>

namespace zel3 {

MainWindow::MainWindow(Program& program, QWidget* parent)
    : QMainWindow(parent), program_(program) {
    setObjectName(QStringLiteral("Thh"));
    setWindowTitle(QString::fromStdString(program_.identity.ProgramTitle));
    auto* area = new QWidget(this);
    area->setObjectName(QStringLiteral("drawingArea"));
    area->setAutoFillBackground(true);
    setCentralWidget(area);
    buildMenus();
    resize(800, 600);
}

QAction* MainWindow::addItem(QMenu* menu, const QString& objectName, const QString& caption) {
    QAction* a = menu->addAction(caption);
    a->setObjectName(objectName);
    connect(a, &QAction::triggered, this, &MainWindow::notAvailableYet);
    return a;
}

void MainWindow::notAvailableYet() {
    auto* a = qobject_cast<QAction*>(sender());
    QString what = a ? a->text().remove('&') : QString();
    program_.platform().MessageBox(BoxKind::Note, "",
                                   (what + QStringLiteral(": noch nicht verfügbar")).toStdString());
}

void MainWindow::buildMenus() {
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    addItem(file, "mi_fileNew", "&New")->setShortcut(QKeySequence(QStringLiteral("Ctrl+N")));
    addItem(file, "mi_fileOpen", "&Open...")->setShortcut(QKeySequence(QStringLiteral("Ctrl+O")));
    addItem(file, "mi_fileTabelle", "&Tabelle (Open...)");
    addItem(file, "mi_fileSave", "&Save")->setShortcut(QKeySequence(QStringLiteral("Ctrl+S")));
    addItem(file, "mi_fileSaveAs", "Save &As...");
    file->addSeparator();
    addItem(file, "mi_filePrint", "&Print")->setShortcut(QKeySequence(QStringLiteral("Ctrl+P")));
    file->addSeparator();
    addItem(file, "mi_fileConfig", "Config");
    file->addSeparator();
    QAction* exit = file->addAction(QStringLiteral("E&xit"));
    exit->setObjectName(QStringLiteral("mi_fileExit"));
    connect(exit, &QAction::triggered, this, &QWidget::close);

    QMenu* edit = menuBar()->addMenu(QStringLiteral("&Edit"));
    addItem(edit, "mi_editQuick", "Quick");
    edit->addSeparator();
    addItem(edit, "mi_editText", "Text");
    addItem(edit, "mi_editGeometrie", "Geometrie");
    addItem(edit, "mi_editWerkstoff", "werkstoff");
    addItem(edit, "mi_editLast", "last");

    QMenu* view = menuBar()->addMenu(QStringLiteral("&View"));
    addItem(view, "mi_viewStandard", "Standard");
    view->addSeparator();
    addItem(view, "mi_viewTabelle", "Tabelle");
    view->addSeparator();
    addItem(view, "mi_viewW0", "w0 = f (F)");
    addItem(view, "mi_viewR", "R = f (F)");
    addItem(view, "mi_viewSigmaF", "Sigma = f (F)");
    addItem(view, "mi_viewsigma", "Sigmay, z, tau = f (z)");
    view->addSeparator();
    addItem(view, "mi_viewErrors", "Error Messages")->setEnabled(false);

    QMenu* cad = menuBar()->addMenu(QStringLiteral("&CAD"));
    addItem(cad, "mi_cadAbmessungen", "Abmessungen");
    addItem(cad, "mi_cadDiagramme", "Diagramme");

    QMenu* db = menuBar()->addMenu(QStringLiteral("&Database"));
    addItem(db, "mi_dbWerkstoff", "werkstoff");
    addItem(db, "mi_dbPstat", "p stat/dyn.");

    QMenu* docu = menuBar()->addMenu(QStringLiteral("&Documentation"));
    addItem(docu, "mi_docuInfo", "Drawing Information");
    docu->addSeparator();
    addItem(docu, "mi_docuShow", "Show Changes");
    addItem(docu, "mi_docuPrint", "Print Changes");
    addItem(docu, "mi_docuNew", "New Change");
    addItem(docu, "mi_docuModify", "Modify Changes");
    addItem(docu, "mi_docuDelete", "Delete Change");
    docu->addSeparator();
    for (int i = 1; i <= 5; ++i) {
        addItem(docu, QStringLiteral("mi_docuDocument%1").arg(i),
                i == 5 ? QStringLiteral("Document &5") : QStringLiteral("Document %1").arg(i));
    }
    docu->addSeparator();
    addItem(docu, "mi_docuSetup", "Document Setup");

    QMenu* ole = menuBar()->addMenu(QStringLiteral("&OLE"));
    addItem(ole, "mi_oleStart", "Start Excel");
    addItem(ole, "mi_oleExport", "Export ZEL3 -> Excel")->setEnabled(false);
    addItem(ole, "mi_oleImport", "Import Excel -> ZEL3")->setEnabled(false);
    ole->addSeparator();
    addItem(ole, "mi_olePrintout", "Printout -> Excel");

    QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
    addItem(help, "mi_helpHilfebild", "&Hilfebild");
    addItem(help, "mi_helpErrors", "Error Messages");
    addItem(help, "mi_helpHistory", "&History");
    QMenu* lang = help->addMenu(QStringLiteral("&Sprache"));
    addItem(lang, "mi_langDeutsch", "&Deutsch");
    addItem(lang, "mi_langEnglish", "&English");
    addItem(lang, "mi_langRoman", "&Roman");
    addItem(lang, "mi_langKorea", "&Korea");
    help->addSeparator();
    addItem(help, "mi_helpAbout", "ZEL&3");
}

}  // namespace zel3
