// The text screen, the report viewer and the about box of the desktop platform.

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>
#include <QtTest>
#include <fstream>
#include <functional>

#include "report/report_writer.h"
#include "shell/about_dialog.h"
#include "shell/program.h"
#include "shell/text_file_window.h"
#include "shell/text_screen_dialog.h"
#include "support/temp_folder.h"
#include "util/qt_platform.h"

using namespace zel3;

namespace {
// Runs check on the modal dialog the next exec() opens, then closes it.
void OnModal(std::function<void(QDialog&)> check) {
    QTimer::singleShot(0, [check] {
        auto* dlg = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(dlg);
        check(*dlg);
        dlg->accept();
    });
}
}  // namespace

class TextWindowsTest : public QObject {
    Q_OBJECT
  private slots:
    void textScreenShowsTheTitleAndAtMost21LinesInCourier() {
        QStringList lines;
        for (int i = 1; i <= 25; ++i) lines << QStringLiteral("Zeile %1").arg(i);
        TextScreenDialog dlg("ZEL3", "ZEL3 V2.7  Hilfe", lines);
        QCOMPARE(dlg.windowTitle(), QString("ZEL3"));
        const QStringList shown = dlg.text().split('\n');
        QCOMPARE(shown.size(), 22);
        QCOMPARE(shown.first(), QString("ZEL3 V2.7  Hilfe"));
        QCOMPARE(shown.last(), QString("Zeile 21"));
        auto* memo = dlg.findChild<QPlainTextEdit*>("Memo1");
        QVERIFY(memo->isReadOnly());
        QCOMPARE(memo->font().pixelSize(), 13);
        QCOMPARE(memo->font().family(), QString("Courier"));
        QCOMPARE(dlg.findChild<QPushButton*>("Button_ok")->text(), QString("OK"));
    }

    void reportViewerShowsTheFileInTheReportFont() {
        test::TempFolder dir;
        std::ofstream(dir / "outwin.txt") << "Zeile \xC3\xA4\r\n\fSeite 2\r\n";
        TextFileWindow w(QString::fromStdString(dir / "outwin.txt"),
                         ReportFont("Courier New", 12, 1), {});
        QVERIFY(w.fileFound());
        QCOMPARE(w.textField()->toPlainText(), QString::fromUtf8("Zeile ä\nSeite 2\n"));
        QVERIFY(w.textField()->isReadOnly());
        QCOMPARE(w.textField()->font().pointSize(), 12);
        QVERIFY(w.textField()->font().bold());
        QCOMPARE(w.size(), QSize(630, 460));
    }

    void missingFileIsNamedInTheWindow() {
        int prints = 0;
        TextFileActions actions;
        actions.print = [&](const QString&) { ++prints; };
        TextFileWindow w("/nowhere/outwin.txt", ReportFont("", 0, 0), actions);
        QVERIFY(!w.fileFound());
        QCOMPARE(w.textField()->toPlainText(), QString("/nowhere/outwin.txt not found !"));
        QAction* print = w.findChild<QAction*>("mi_dateiDrucken");
        QVERIFY(!print->isEnabled());
        print->trigger();
        QCOMPARE(prints, 0);
        // Size 0 in the settings means the default size of reports.
        QCOMPARE(w.textField()->font().pointSize(), 10);
    }

    void menusHandTheFileOnAndCopyTheText() {
        test::TempFolder dir;
        const QString path = QString::fromStdString(dir / "r.txt");
        std::ofstream(path.toStdString()) << "eins\nzwei\n";
        QStringList calls;
        TextFileActions actions;
        actions.openInEditor = [&](const QString& p) { calls << "editor " + p; };
        actions.print = [&](const QString& p) { calls << "print " + p; };
        TextFileWindow w(path, ReportFont("Courier New", 10, 0), actions);
        QCOMPARE(w.findChild<QAction*>("mi_dateiNotepad")->text(), QString("Export &Notepad"));
        QCOMPARE(w.findChild<QAction*>("mi_bearbeitenAlles")->text(),
                 QString::fromUtf8("Alles aus&wählen"));
        w.findChild<QAction*>("mi_dateiNotepad")->trigger();
        w.findChild<QAction*>("mi_dateiDrucken")->trigger();
        QCOMPARE(calls, (QStringList{"editor " + path, "print " + path}));

        QApplication::clipboard()->clear();
        w.findChild<QAction*>("mi_bearbeitenAlles")->trigger();
        w.findChild<QAction*>("mi_bearbeitenKopieren")->trigger();
        QCOMPARE(QApplication::clipboard()->text(), QString("eins\nzwei\n"));

        w.show();
        w.findChild<QAction*>("mi_dateiBeenden")->trigger();
        QVERIFY(!w.isVisible());
    }

    void reportViewerRemembersWhereItWasClosed() {
        test::TempFolder dir;
        std::ofstream(dir / "outwin.txt") << "Bericht\n";
        QtPlatform platform;
        QRect firstGeometry;
        OnModal([&](QDialog& d) {
            QCOMPARE(d.size(), QSize(630, 460));
            d.setGeometry(40, 50, 500, 300);
        });
        platform.ShowTextFile(dir / "outwin.txt");
        OnModal([&](QDialog& d) {
            firstGeometry = d.geometry();
            QCOMPARE(d.findChild<QPlainTextEdit*>("Memo1")->toPlainText(), QString("Bericht\n"));
        });
        platform.ShowTextFile(dir / "outwin.txt");
        QCOMPARE(firstGeometry, QRect(40, 50, 500, 300));
    }

    // With the clipboard setting on, the screen report goes there and no window waits.
    void screenReportGoesToTheClipboardWithoutAWindow() {
        test::TempFolder dir;
        auto* platform = new QtPlatform;
        Program program{std::unique_ptr<Platform>(platform)};
        platform->SetSettings(&program.settings);
        program.settings.folders.TempDir = dir.Dir();
        program.settings.reportToClipboard = true;
        QApplication::clipboard()->setText("vorher");
        bool windowShown = false;
        QObject waiting;  // ends the check below with this test
        QTimer::singleShot(0, &waiting, [&] {
            if (QWidget* w = QApplication::activeModalWidget()) {
                windowShown = true;
                w->close();
            }
        });
        ReportWriter& report = program.report;
        report.SetReportHeader("Titel", "", "", "", "", 0);
        report.OpenReport(kTargetScreen, "");
        report.CreateReportFile();
        report.PageHeader(1, 0);
        report.WriteRow("Druckkraft", "F", "N", "1000");
        report.EndPage();
        report.CloseReport();
        QCoreApplication::processEvents();
        QVERIFY(!windowShown);
        const QString copied = QApplication::clipboard()->text();
        QVERIFY2(copied.contains("Druckkraft"), qPrintable(copied));
        QVERIFY(!copied.contains('\f'));
    }

    void textScreenOfThePlatformCarriesTheProductName() {
        QtPlatform platform;
        platform.SetProductName("ZEL3");
        QString caption, text;
        OnModal([&](QDialog& d) {
            caption = d.windowTitle();
            text = d.findChild<QPlainTextEdit*>("Memo1")->toPlainText();
        });
        platform.ShowTextScreen("Titel", {"a", "b"});
        QCOMPARE(caption, QString("ZEL3"));
        QCOMPARE(text, QString("Titel\na\nb"));
    }

    void aboutBoxHasFourLabelsAndOk() {
        QtPlatform platform;
        QStringList labels;
        QString caption;
        OnModal([&](QDialog& d) {
            caption = d.windowTitle();
            for (int i = 1; i <= 4; ++i)
                labels << d.findChild<QLabel*>(QStringLiteral("Label%1").arg(i))->text();
            QCOMPARE(d.findChild<QPushButton*>("Button_ok")->text(), QString("OK"));
        });
        platform.AboutBox({"ZEL3 V2.7", "Titel", "Hersteller", "Mail"});
        QCOMPARE(caption, QString("Info"));
        QCOMPARE(labels, (QStringList{"ZEL3 V2.7", "Titel", "Hersteller", "Mail"}));
    }
};

QTEST_MAIN(TextWindowsTest)
#include "text_windows_qtest.moc"
