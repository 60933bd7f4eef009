// A language switch reaches every window: the main menu with its message count, the table
// browser's menus, Qt's own dialogs and the description window of a finding.

#include <QAction>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

#include "dbf/table_browser_window.h"
#include "report/message_description_dialog.h"
#include "shell/main_window.h"
#include "util/qt_platform.h"

using namespace zel3;

namespace {
QString YesButtonText() {
    QMessageBox box;
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    return box.button(QMessageBox::Yes)->text();
}
QString CancelButtonText() {
    QDialogButtonBox box(QDialogButtonBox::Cancel);
    return box.button(QDialogButtonBox::Cancel)->text();
}
}  // namespace

class LanguageSwitchTest : public QObject {
    Q_OBJECT
  private slots:
    void messageCountStaysAfterTheSwitch() {
        Program program(std::make_unique<QtPlatform>());
        MainWindow w(program);
        program.messages.AddMessage("Fehler : pmax > pzul !");
        program.messages.AddMessage("Fehler : pmax > pHstat 1");
        w.Refresh();
        QAction* errors = w.findChild<QAction*>("mi_viewErrors");
        w.SwitchLanguage(2);
        QCOMPARE(errors->text(), QString("&Error messages (2)"));
        QVERIFY(errors->isEnabled());
        w.SwitchLanguage(1);
        QCOMPARE(errors->text(), QString("&Fehlermeldungen (2)"));
    }

    void tableBrowserMenusFollowTheSwitch() {
        Program program(std::make_unique<QtPlatform>());
        MainWindow w(program);
        auto* browser = w.findChild<Tdbf4*>();
        QVERIFY(browser);
        auto menu = [&](const char* name) { return browser->findChild<QMenu*>(name)->title(); };
        auto item = [&](const char* name) { return browser->findChild<QAction*>(name)->text(); };
        QCOMPARE(menu("mi_dbfFile"), QString("&Datei"));
        w.SwitchLanguage(2);
        QCOMPARE(menu("mi_dbfFile"), QString("&File"));
        QCOMPARE(menu("mi_dbfEdit"), QString("&Edit"));
        QCOMPARE(menu("mi_dbfView"), QString("&View"));
        QCOMPARE(menu("mi_dbfHelp"), QString("&Help"));
        QCOMPARE(item("mi_dbfPrint"), QString("&Print..."));
        QCOMPARE(item("mi_dbfExit"), QString("E&xit"));
        w.SwitchLanguage(8);
        QCOMPARE(menu("mi_dbfFile"), QString::fromUtf8("파일(&F)"));
        w.SwitchLanguage(1);
        QCOMPARE(item("mi_dbfExit"), QString("&Beenden"));
    }

    void qtDialogsSpeakTheChosenLanguage() {
        Program program(std::make_unique<QtPlatform>());
        MainWindow w(program);
        w.SwitchLanguage(1);
        QCOMPARE(YesButtonText(), QString("&Ja"));
        QCOMPARE(CancelButtonText(), QString("Abbrechen"));
        w.SwitchLanguage(8);
        QVERIFY2(CancelButtonText() != QString("Cancel"), qPrintable(CancelButtonText()));
        // Romanian: Qt has no catalogue, so its own English texts come back.
        w.SwitchLanguage(7);
        QCOMPARE(CancelButtonText(), QString("Cancel"));
        w.ApplyQtTranslations(0);  // the built-in captions: German like the program's dialogs
        QCOMPARE(CancelButtonText(), QString("Abbrechen"));
    }

    void descriptionWindowShowsTheLabelsItIsGiven() {
        DescriptionLabels labels{"Error message", "Cause", "Remedy", "&Help"};
        MessageDescriptionDialog dlg("Fatal  : E = 0 !", "E fehlt", "E eingeben", {}, nullptr,
                                     labels);
        QCOMPARE(dlg.windowTitle(), QString("Error message"));
        QCOMPARE(dlg.findChild<QLabel*>("Label_message")->text(), QString("Error message"));
        QCOMPARE(dlg.findChild<QLabel*>("Label_ursache")->text(), QString("Cause"));
        QCOMPARE(dlg.findChild<QLabel*>("Label_abhilfe")->text(), QString("Remedy"));
        QCOMPARE(dlg.findChild<QPushButton*>("Button_help")->text(), QString("&Help"));
    }
};

QTEST_MAIN(LanguageSwitchTest)
#include "language_switch_qtest.moc"
