#include <QAction>
#include <QMenuBar>
#include <QtTest>

#include "shell/main_window.h"
#include "util/qt_platform.h"

using namespace zel3;

class MainWindowTest : public QObject {
    Q_OBJECT
private slots:
    void hasTheMenusOfTheProgram() {
        Program program(std::make_unique<QtPlatform>());
        MainWindow w(program);
        QStringList titles;
        for (QAction* a : w.menuBar()->actions()) titles << a->text();
        QCOMPARE(titles, (QStringList{"&File", "&Edit", "&View", "&CAD", "&Database",
                                      "&Documentation", "&OLE", "&Help"}));
        QVERIFY(w.findChild<QAction*>("mi_fileOpen"));
        QCOMPARE(w.findChild<QAction*>("mi_fileOpen")->shortcut(), QKeySequence("Ctrl+O"));
        QCOMPARE(w.windowTitle(), QString("ZEL3  Hertz'sche Pressung"));
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_qtest.moc"
