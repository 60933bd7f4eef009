#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "docu/list_choice_dialog.h"
#include "docu/qt_dialog_frame.h"
#include "docu/radio_choice_dialog.h"
#include "docu/text_input_dialog.h"
#include "docu/yes_no_dialog.h"
#include "report/message_description_dialog.h"

using namespace zel3;

namespace {
QPushButton* Button(QDialog& d, const char* name) {
    return d.findChild<QPushButton*>(QString::fromLatin1(name));
}
const QStringList kThree{"eins", "zwei", "drei"};
}  // namespace

class GenericDialogsTest : public QObject {
    Q_OBJECT
  private slots:
    void textDialogRefusesCharactersBeyondItsMaximum() {
        TextInputDialog d("Name", 8, "", {});
        d.show();
        auto* edit = d.findChild<QLineEdit*>("EditEinText");
        QVERIFY(edit);
        QTest::keyClicks(edit, "123456789");
        QCOMPARE(edit->text(), QString("12345678"));
        QCOMPARE(d.windowTitle(), QString("Eingabe"));
        QCOMPARE(Button(d, "Button_cancel")->text(), QString("Abbrechen"));
        QCOMPARE(Button(d, "Button_help")->text(), QString("&Hilfetext"));
        QCOMPARE(Button(d, "Button_hilfebild")->text(), QString("Hilfe&bild"));
    }

    void textDialogEnterIsOkAndEscapeCancels() {
        TextInputDialog d("Name", 20, "M\u00fcller", {});
        d.show();
        auto* edit = d.findChild<QLineEdit*>("EditEinText");
        QTest::keyClick(edit, Qt::Key_Return);
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(d.text(), QString("M\u00fcller"));

        TextInputDialog e("Name", 20, "x", {});
        e.show();
        QTest::keyClick(e.findChild<QLineEdit*>("EditEinText"), Qt::Key_Escape);
        QCOMPARE(e.result(), int(QDialog::Rejected));
        QVERIFY(!e.isVisible());
    }

    void helpButtonsAskForTextOrPictureAndLeaveTheDialogOpen() {
        QList<bool> asked;
        TextInputDialog d("Name", 20, "", [&](bool picture) { asked << picture; });
        d.show();
        Button(d, "Button_help")->click();
        Button(d, "Button_hilfebild")->click();
        QCOMPARE(asked, (QList<bool>{false, true}));
        QVERIFY(d.isVisible());

        TextInputDialog noHelp("Name", 20, "", {});
        QVERIFY(!Button(noHelp, "Button_help")->isEnabled());
    }

    void yesNoPresetAndTheDifferenceBetweenOkAndEnter() {
        YesNoDialog n("Frage", 'n', {});
        QCOMPARE(n.answer(), 'N');
        YesNoDialog x("Frage", 'x', {});
        QCOMPARE(x.answer(), 'J');

        x.show();
        QTest::keyClick(x.findChild<QRadioButton*>(), Qt::Key_Return);
        QCOMPARE(x.result(), int(QDialog::Accepted));
        QVERIFY(!x.okPressed());

        n.show();
        Button(n, "Button_ok")->click();
        QCOMPARE(n.result(), int(QDialog::Accepted));
        QVERIFY(n.okPressed());

        YesNoDialog c("Frage", 'J', {});
        c.show();
        QTest::keyClick(&c, Qt::Key_Escape);
        QCOMPARE(c.result(), int(QDialog::Rejected));
    }

    void radioGroupGrowsBy25PixelsPerOption() {
        RadioChoiceDialog d("Wahl", kThree, 2, {});
        auto* group = d.findChild<QGroupBox*>("RadioGroup1");
        QVERIFY(group);
        QCOMPARE(group->height(), 100);
        QCOMPARE(group->maximumHeight(), 100);
        QCOMPARE(d.selected(), 2);
        QCOMPARE(d.windowTitle(), QString("Auswahl"));
    }

    void radioEnterTakesTheCheckedOption() {
        RadioChoiceDialog d("Wahl", kThree, 3, {});
        d.show();
        QTest::keyClick(d.findChild<QRadioButton*>("RadioButton3"), Qt::Key_Return);
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(d.selected(), 3);

        RadioChoiceDialog e("Wahl", kThree, 1, {});
        e.show();
        QTest::keyClick(&e, Qt::Key_Escape);
        QCOMPARE(e.result(), int(QDialog::Rejected));
    }

    void listNeedsAChosenLineForOk() {
        ListChoiceDialog d("Wahl", kThree, 0, {});
        auto* list = d.findChild<QListWidget*>("ListBox1");
        QVERIFY(list);
        QVERIFY(!Button(d, "Button_ok")->isEnabled());
        list->setCurrentRow(1);
        QVERIFY(Button(d, "Button_ok")->isEnabled());
        QCOMPARE(d.selected(), 2);
    }

    void listEnterAndDoubleClickChooseEscapeCancels() {
        ListChoiceDialog d("Wahl", kThree, 2, {});
        d.show();
        auto* list = d.findChild<QListWidget*>("ListBox1");
        QTest::keyClick(list, Qt::Key_Down);
        QTest::keyClick(list, Qt::Key_Return);
        QCOMPARE(d.result(), int(QDialog::Accepted));
        QCOMPARE(d.selected(), 3);

        ListChoiceDialog e("Wahl", kThree, 1, {});
        e.show();
        auto* l = e.findChild<QListWidget*>("ListBox1");
        const QRect r = l->visualItemRect(l->item(1));
        QTest::mouseClick(l->viewport(), Qt::LeftButton, {}, r.center());
        QTest::mouseDClick(l->viewport(), Qt::LeftButton, {}, r.center());
        QCOMPARE(e.result(), int(QDialog::Accepted));
        QCOMPARE(e.selected(), 2);

        ListChoiceDialog f("Wahl", kThree, 1, {});
        f.show();
        QTest::keyClick(f.findChild<QListWidget*>("ListBox1"), Qt::Key_Escape);
        QCOMPARE(f.result(), int(QDialog::Rejected));
    }

    void frameScalesAndCentresOverTheOwner() {
        QWidget owner;
        owner.setGeometry(100, 100, 1000, 800);
        QFont font = owner.font();
        font.setPointSizeF(10);
        owner.setFont(font);
        RadioChoiceDialog d("Wahl", kThree, 1, {});
        d.adjustSize();
        const QSize designed = d.size();
        ApplyDialogFrame(d, &owner, DialogScales{150, 120}, true, true);
        QCOMPARE(d.font().pointSizeF(), 12.0);
        QVERIFY(d.width() >= designed.width() * 3 / 2 - 2);
        QCOMPARE(d.minimumSize(), d.maximumSize());
        const QRect outer = owner.frameGeometry();
        QCOMPARE(d.x(), outer.left() + qMax((outer.width() - d.width()) / 2, 0));
    }

    void descriptionWindowMarksOnlyUserEdits() {
        MessageDescriptionDialog d("Fatal  : E = 0 !", "Ursache", "Abhilfe", {});
        QCOMPARE(d.windowTitle(), QString("Fehlermeldung"));
        QVERIFY(!d.changed());
        QCOMPARE(Button(d, "Button_help")->text(), QString("&Hilfe"));
        d.show();
        QTest::keyClicks(d.findChild<QPlainTextEdit*>("Memo_abhilfe"), "!");
        QVERIFY(d.changed());
        QCOMPARE(d.remedy(), QString("!Abhilfe"));
        QCOMPARE(d.cause(), QString("Ursache"));
    }

    void radioDialogIsWideEnoughForItsLongestOption() {
        QWidget owner;
        owner.resize(1000, 800);
        QFont big = owner.font();
        big.setPointSizeF(big.pointSizeF() * 1.3);
        owner.setFont(big);
        RadioChoiceDialog d("CAD-Code",
                            {"DXF", "IGES", "Kontrollausgabe auf Bildschirm",
                             "Ausgabe auf Laserprinter/Plotter mit KAVROT", "TXT"},
                            4, {});
        // Even a frame scaled below 100 % leaves room for every option.
        for (int scale : {102, 92, 60}) {
            ApplyDialogFrame(d, &owner, {scale, 100}, true, true);
            d.show();
            auto* longest = d.findChild<QRadioButton*>("RadioButton4");
            QVERIFY2(longest->width() >= longest->sizeHint().width(),
                     qPrintable(QString::number(scale)));
        }
    }
};

QTEST_MAIN(GenericDialogsTest)
#include "generic_dialogs_qtest.moc"
