// The help picture browser's window: choosing lines, stepping, and the action buttons.

#include <QComboBox>
#include <QPushButton>
#include <QToolButton>
#include <QtTest>

#include "graphics/help_picture_window.h"

using namespace zel3;

namespace {

std::vector<std::string> Lines() {
    return {"kugel   : Kugel gegen Kugel", "rolle   : Rolle auf Ebene",
            "rille   : Kugel in Rille",    "-----  Erweitern  -----",
            "-----  Löschen  -----",       "-----  Ändern  ------",
            "-----  Einfügen ------",      "-----  HP-GL/2 drucken/plotten  ------"};
}

}  // namespace

class HelpPictureWindowTest : public QObject {
    Q_OBJECT
  private slots:
    void choosingALineShowsItsPictureOrRunsItsAction() {
        TForm_hilfebild w("ZEL3 Hilfebilder", Lines(), 2);
        QCOMPARE(w.windowTitle(), QString("ZEL3 Hilfebilder"));
        auto* list = w.findChild<QComboBox*>("ComboBox_hilfebild");
        QCOMPARE(list->count(), 8);
        QCOMPARE(list->currentIndex(), 1);
        QCOMPARE(list->itemText(4), QString::fromUtf8("-----  Löschen  -----"));

        emit list->activated(1);  // the current line: nothing happens
        QCOMPARE(w.result(), 0);
        emit list->activated(2);
        QCOMPARE(w.result(), int(QDialog::Accepted));
        QCOMPARE(int(w.Request().action), int(HelpBrowserAction::Show));
        QCOMPARE(w.Request().line, 3);

        TForm_hilfebild w2("t", Lines(), 1);
        emit w2.findChild<QComboBox*>("ComboBox_hilfebild")->activated(7);
        QCOMPARE(int(w2.Request().action), int(HelpBrowserAction::Print));
    }

    void spinButtonStepsOneLineNotBeyondTheList() {
        TForm_hilfebild first("t", Lines(), 1);
        first.findChild<QToolButton*>("SpinButton_up")->click();
        QCOMPARE(first.result(), 0);  // already at the top
        first.findChild<QToolButton*>("SpinButton_down")->click();
        QCOMPARE(first.Request().line, 2);

        TForm_hilfebild last("t", Lines(), 8);
        last.findChild<QToolButton*>("SpinButton_down")->click();
        QCOMPARE(last.result(), 0);
        last.findChild<QToolButton*>("SpinButton_up")->click();
        QCOMPARE(int(last.Request().action), int(HelpBrowserAction::Insert));
    }

    void buttonsAskForTheirActionOnTheCurrentLine() {
        const std::pair<const char*, HelpBrowserAction> buttons[] = {
            {"Button_neu", HelpBrowserAction::Append},
            {"Button_aendern", HelpBrowserAction::Change},
            {"Button_einfuegen", HelpBrowserAction::Insert},
            {"Button_loeschen", HelpBrowserAction::Delete},
            {"Button_help", HelpBrowserAction::Help}};
        for (const auto& [name, action] : buttons) {
            TForm_hilfebild w("t", Lines(), 3);
            w.findChild<QPushButton*>(name)->click();
            QCOMPARE(w.result(), int(QDialog::Accepted));
            QCOMPARE(int(w.Request().action), int(action));
            QCOMPARE(w.Request().line, 3);
        }
        TForm_hilfebild w("t", Lines(), 3);
        w.show();
        QVERIFY(w.findChild<QPushButton*>("Button_ok")->isDefault());
        w.findChild<QPushButton*>("Button_ok")->click();
        QCOMPARE(w.result(), int(QDialog::Rejected));
        QCOMPARE(int(w.Request().action), int(HelpBrowserAction::Close));
    }
};

QTEST_MAIN(HelpPictureWindowTest)
#include "help_picture_window_qtest.moc"
