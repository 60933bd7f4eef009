// Saving over an existing file through the desktop's own save dialog: the user is asked once.
#include <QAbstractButton>
#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QTimer>
#include <QtTest>

#include "project/project_files.h"
#include "report/report_writer.h"
#include "shell/program.h"
#include "support/temp_folder.h"
#include "util/qt_platform.h"

using namespace zel3;

class SaveDialogTest : public QObject {
    Q_OBJECT

    // Plays the user while a command runs: picks file in the save dialog and answers every
    // question box with Yes, counting them.
    class User {
      public:
        explicit User(const std::string& file) {
            const QString name = QString::fromStdString(file);
            timer_.setInterval(20);
            QObject::connect(&timer_, &QTimer::timeout, [this, name] {
                QWidget* modal = QApplication::activeModalWidget();
                if (auto* box = qobject_cast<QMessageBox*>(modal)) {
                    ++questions;
                    box->button(QMessageBox::Yes)->click();
                } else if (auto* dialog = qobject_cast<QFileDialog*>(modal)) {
                    dialog->selectFile(name);
                    dialog->accept();
                }
            });
            timer_.start();
        }
        int questions = 0;

      private:
        QTimer timer_;
    };

    struct Fixture {
        Fixture() : program(std::make_unique<QtPlatform>()) {
            program.settings.folders.TempDir = temp.Dir();
            program.settings.folders.DataDir = temp.Dir();
            program.run.ProjectDir = temp / "";
            program.run.ProjectDir.pop_back();
        }
        test::TempFolder temp;
        Program program;
    };

  private slots:
    void saveAsOverAProjectAsksOnce() {
        Fixture f;
        const std::string file = f.temp / "alt.zl3";
        test::WriteBytes(file, "alt");
        User user(file);
        SaveProject(f.program, "");
        QCOMPARE(user.questions, 1);
        QVERIFY(!f.program.ui.errorFlag);
        QVERIFY(test::ReadBytes(file) != "alt");
    }

    void reportFileTargetAsksOnce() {
        Fixture f;
        const std::string file = f.temp / "bericht.txt";
        test::WriteBytes(file, "alt");
        User user(file);
        f.program.report.OpenReport(kTargetFile, "");
        QCOMPARE(user.questions, 1);
        QVERIFY(!f.program.ui.errorFlag);
    }
};

QTEST_MAIN(SaveDialogTest)
#include "save_dialog_qtest.moc"
