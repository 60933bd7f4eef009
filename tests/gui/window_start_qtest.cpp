// The main window's start: recent files from the last session, the window sized to the
// drawing area, the logo or the command line's project, and the recent files written at close.
#include <QAction>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QtTest>

#include "config/recent_files.h"
#include "graphics/drawing_area_widget.h"
#include "shell/main_window.h"
#include "shell/qt_application.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"

using namespace zel3;
using zel3::test::ScriptedPlatform;

class WindowStartTest : public QObject {
    Q_OBJECT

    struct Fixture {
        Fixture() : platform(new ScriptedPlatform), program(std::unique_ptr<Platform>(platform)) {
            Folders& f = program.settings.folders;
            f.HomeDir = temp.Dir();
            program.ProgramDataDir = ZEL3_SOURCE_DATA_DIR;
            platform->screen = {1024, 768, 96, 96};
        }
        // Every folder the start-up checks is the test's own.
        void StartIn(const std::string& folder) {
            Folders& f = program.settings.folders;
            f.StartDir = f.DataDir = f.TempDir = f.CadDir = f.EdiDir = folder;
        }
        test::TempFolder temp;
        ScriptedPlatform* platform;  // owned by program
        Program program;
    };

  private slots:
    void recentFilesOfTheLastSessionAreListed() {
        Fixture f;
        bool flag = false;
        const std::array<std::string, 5> last{"", "/p/eins.zl3", "/p/zwei.zl3", "", ""};
        WriteRecentFiles(f.temp / "zel3.cff", "zel3", "/p", last, flag);
        MainWindow w(f.program);
        f.StartIn(f.temp.Dir());
        QCOMPARE(StartMainWindow(f.program, w), std::optional<int>());
        QCOMPARE(w.findChild<QAction*>("mi_fileRecent1")->text(), QString("&1 /p/eins.zl3"));
        QCOMPARE(w.findChild<QAction*>("mi_fileRecent2")->text(), QString("&2 /p/zwei.zl3"));
        QVERIFY(!w.findChild<QAction*>("mi_fileRecent3")->isVisible());
    }

    void windowIsSizedToTheDrawingArea() {
        Fixture f;
        MainWindow w(f.program);
        f.StartIn(f.temp.Dir());
        QCOMPARE(StartMainWindow(f.program, w), std::optional<int>());
        // Without a configuration the drawing area is the screen less the window frame.
        QCOMPARE(f.program.graphics.mapping.MaxX, 1024 - 9);
        QCOMPARE(f.program.graphics.mapping.MaxY, 768 - 91);
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QCOMPARE(w.drawingArea()->width(), 1024 - 9 + 1);
        QCOMPARE(w.drawingArea()->height(), 768 - 91 + 1);
        QVERIFY(!f.program.graphics.list.empty());  // the logo
        QCOMPARE(w.windowTitle(), QString("ZEL3  Hertz'sche Pressung"));
        QVERIFY(!f.program.run.Modified);
    }

    // The status line sits below the drawing area, not over its bottom rows, and on a start
    // without a project it says where to begin.
    void statusLineLeavesTheDrawingAreaWhole() {
        Fixture f;
        MainWindow w(f.program);
        w.statusBar()->showMessage(QStringLiteral("Datei wird eingelesen"));
        f.StartIn(f.temp.Dir());
        QCOMPARE(StartMainWindow(f.program, w), std::optional<int>());
        w.statusBar()->clearMessage();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QVERIFY(w.statusBar()->isVisible());
        QCOMPARE(w.drawingArea()->size(), QSize(1024 - 9 + 1, 768 - 91 + 1));
        auto* hint = w.findChild<QLabel*>("statusHint");
        QVERIFY(hint);
        QVERIFY2(hint->text().contains(QString::fromUtf8("File \u2192 New")),
                 qPrintable(hint->text()));
        QVERIFY(hint->text().contains("examples"));
    }

    void commandLineProjectIsShownCalculated() {
        Fixture f;
        f.program.args = {std::string(ZEL3_SOURCE_DATA_DIR) + "/examples/kugel_kugel.zl3"};
        MainWindow w(f.program);
        f.StartIn(f.temp.Dir());
        QCOMPARE(StartMainWindow(f.program, w), std::optional<int>());
        QVERIFY(f.program.run.StartedWithFile);
        QVERIFY(f.program.contactCase.result.pmax > 0);
        QVERIFY(w.windowTitle().startsWith(QString::fromStdString(f.program.args[0])));
    }

    void refusedNameEndsTheProgram() {
        Fixture f;
        f.program.args = {"ohnepunkt"};
        MainWindow w(f.program);
        f.StartIn(f.temp.Dir());
        QCOMPARE(StartMainWindow(f.program, w), std::optional<int>(0));
    }
};

QTEST_MAIN(WindowStartTest)
#include "window_start_qtest.moc"
