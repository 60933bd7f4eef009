// The File menu of the main window, driven through its actions with scripted answers.
#include <QAction>
#include <QtTest>

#include "project/project_files.h"
#include "shell/main_window.h"
#include "support/contact_cases.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"

using namespace zel3;
using zel3::test::DialogAnswer;
using zel3::test::ScriptedPlatform;

class FileMenuTest : public QObject {
    Q_OBJECT

    struct Fixture {
        Fixture() : platform(new ScriptedPlatform), program(std::unique_ptr<Platform>(platform)) {
            program.settings.folders.HomeDir = temp.Dir();
            program.settings.folders.TempDir = temp.Dir();
            program.run.ProjectDir = temp / "";
            program.run.ProjectDir.pop_back();
        }
        void Trigger(const char* name) {
            QAction* a = window->findChild<QAction*>(name);
            QVERIFY2(a, name);
            a->trigger();
        }
        std::string MakeProject(const std::string& name, double F) {
            const ContactCase keep = program.contactCase;
            program.contactCase = test::SphereOnSphere(20, 30, F);
            SaveProject(program, temp / (name + ".zl3"));
            program.contactCase = keep;
            return temp / (name + ".zl3");
        }

        test::TempFolder temp;
        ScriptedPlatform* platform;  // owned by program
        Program program;
        std::unique_ptr<MainWindow> window;
    };

  private slots:
    void openSetsCaptionAndRecentEntry() {
        Fixture f;
        f.window = std::make_unique<MainWindow>(f.program);
        const std::string file = f.MakeProject("kugel", 5000);
        f.platform->dialogAnswers = {DialogAnswer::Text(file)};
        f.Trigger("mi_fileOpen");
        QCOMPARE(f.window->windowTitle(), QString("kugel.zl3  -  ZEL3  Hertz'sche Pressung"));
        QAction* recent1 = f.window->findChild<QAction*>("mi_fileRecent1");
        QVERIFY(recent1->isVisible());
        QCOMPARE(recent1->text(), QString::fromStdString("&1 " + file));
        QVERIFY(f.window->findChild<QAction*>("mi_viewErrors") != nullptr);
        QVERIFY(!f.program.run.Modified);
        QVERIFY(!f.program.graphics.list.empty());  // the result view was drawn
    }

    void missingRecentFileDisappearsFromTheMenu() {
        Fixture f;
        f.program.recentFiles[1] = f.temp / "gone.zl3";
        f.window = std::make_unique<MainWindow>(f.program);
        QAction* recent1 = f.window->findChild<QAction*>("mi_fileRecent1");
        QVERIFY(recent1->isVisible());
        recent1->trigger();
        QVERIFY(!recent1->isVisible());
        QCOMPARE(QString::fromStdString(f.platform->Texts().back()),
                 QString::fromStdString("File " + (f.temp / "gone.zl3") + " not found !"));
    }

    void saveAsRenamesTheWindow() {
        Fixture f;
        f.window = std::make_unique<MainWindow>(f.program);
        f.program.run.Modified = true;
        f.platform->dialogAnswers = {DialogAnswer::Text(f.temp / "neu.zl3")};
        f.Trigger("mi_fileSaveAs");
        QVERIFY(test::Exists(f.temp / "neu.zl3"));
        QCOMPARE(f.window->windowTitle(), QString("neu.zl3  -  ZEL3  Hertz'sche Pressung"));
        QVERIFY(!f.program.run.Modified);
    }

    void exitWithCancelKeepsTheWindowOpen() {
        Fixture f;
        f.window = std::make_unique<MainWindow>(f.program);
        f.window->show();
        QVERIFY(QTest::qWaitForWindowExposed(f.window.get()));
        f.program.run.ProjectName = "case";
        f.program.run.Modified = true;
        f.platform->questionAnswers = {YesNoCancel::Cancel};
        f.Trigger("mi_fileExit");
        QVERIFY(f.window->isVisible());
        QCOMPARE(f.platform->questions.size(), size_t(1));

        f.platform->questionAnswers = {YesNoCancel::No};
        f.Trigger("mi_fileExit");
        QVERIFY(!f.window->isVisible());
        QVERIFY(test::Exists(f.temp / "zel3.cff"));
    }
};

QTEST_MAIN(FileMenuTest)
#include "file_menu_qtest.moc"
