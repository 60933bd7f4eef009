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
        QCOMPARE(titles, (QStringList{"&File", "Edit", "View", "CAD", "Database", "Documentation",
                                      "OLE", "Help"}));
        QVERIFY(w.findChild<QAction*>("mi_fileOpen"));
        QCOMPARE(w.findChild<QAction*>("mi_fileOpen")->shortcut(), QKeySequence("Ctrl+O"));
        QCOMPARE(w.windowTitle(), QString("ZEL3  Hertz'sche Pressung"));
    }

    void languageSwitchToKoreanAndBack() {
        Program program(std::make_unique<QtPlatform>());
        MainWindow w(program);
        auto text = [&](const char* name) { return w.findChild<QAction*>(name)->text(); };
        w.SwitchLanguage(8);
        QCOMPARE(text("mi_file"), QString::fromUtf8("파일(&F)"));
        QCOMPARE(text("mi_editLast"), QString::fromUtf8("하중(&A)"));
        QCOMPARE(program.settings.languageNumber, 8);
        w.SwitchLanguage(1);
        QCOMPARE(text("mi_file"), QString("&Datei"));
        QCOMPARE(text("mi_fileOpen"), QString::fromUtf8("Ö&ffnen..."));
        QCOMPARE(text("mi_helpLanguage"), QString::fromUtf8("Menü &Sprache"));
    }

    void recentFilesShowOnlyUsedEntries() {
        Program program(std::make_unique<QtPlatform>());
        program.recentFiles[1] = "/home/user/case.zl3";
        MainWindow w(program);
        QVERIFY(w.findChild<QAction*>("mi_fileRecent1")->isVisible());
        QCOMPARE(w.findChild<QAction*>("mi_fileRecent1")->text(), QString("&1 /home/user/case.zl3"));
        QVERIFY(!w.findChild<QAction*>("mi_fileRecent2")->isVisible());
    }

    void errorMessagesEntryCarriesTheCount() {
        Program program(std::make_unique<QtPlatform>());
        MainWindow w(program);
        program.messages.AddMessage("Fehler : pmax > pzul !");
        program.messages.AddMessage("Fehler : pmax > pHstat 1");
        program.messages.AddMessage("Fehler : pmax > pHdyn1");
        w.Refresh();
        QAction* a = w.findChild<QAction*>("mi_viewErrors");
        QCOMPARE(a->text(), QString("&Fehlermeldungen (3)"));
        QVERIFY(a->isEnabled());
        program.messages.ClearMessages();
        w.Refresh();
        QVERIFY(!a->isEnabled());
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_qtest.moc"
