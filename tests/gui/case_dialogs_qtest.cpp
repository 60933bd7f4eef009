#include <QAbstractButton>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include <QLabel>
#include "contact/diagram_limits_dialog.h"
#include "contact/geometry_dialog.h"
#include "contact/material_dialog.h"

using namespace zel3;

namespace {
QLineEdit* Edit(QWidget& w, const char* name) {
    return w.findChild<QLineEdit*>(name);
}
void Click(QWidget& w, const char* name) {
    auto* b = w.findChild<QAbstractButton*>(name);
    QVERIFY2(b, name);
    b->click();
}
}  // namespace

class CaseDialogsTest : public QObject {
    Q_OBJECT
  private slots:
    void geometryEnablingFollowsTheKinds() {
        ContactCase c;
        NumberFormat nf;
        GeometryDialog dlg(c, nf, nullptr, "t");
        auto* ok = dlg.findChild<QPushButton*>("Button_ok");
        QVERIFY(ok->isEnabled());  // sphere with sphere
        QVERIFY(Edit(dlg, "Edit_dkugel1")->isEnabled());
        QVERIFY(!Edit(dlg, "Edit_rx1")->isEnabled());

        Click(dlg, "Radio_kind2_2");  // body 2 cylinder with body 1 sphere
        QVERIFY(!ok->isEnabled());
        QVERIFY(Edit(dlg, "Edit_dzyl2")->isEnabled());
        QVERIFY(Edit(dlg, "Edit_lzyl2")->isEnabled());
        Click(dlg, "Radio_kind1_3");  // special with cylinder stays allowed
        QVERIFY(ok->isEnabled());
        QVERIFY(Edit(dlg, "Edit_rx1")->isEnabled());
        Click(dlg, "Radio_kind1_2");  // cylinder with cylinder
        QVERIFY(ok->isEnabled());
        Click(dlg, "Radio_kind2_3");  // cylinder with special
        QVERIFY(!ok->isEnabled());
        Click(dlg, "Radio_kind2_4");  // cylinder on a plane
        QVERIFY(ok->isEnabled());
        for (const char* e : {"Edit_dkugel2", "Edit_dzyl2", "Edit_lzyl2", "Edit_rx2", "Edit_ry2"})
            QVERIFY(!Edit(dlg, e)->isEnabled());
        QVERIFY(!GeometryCombinationAllowed(BodyKind::Cylinder, BodyKind::Sphere));
    }

    void unitSwitchKeepsTheStoredLength() {
        ContactCase c;
        c.body[0].sphereDiameter = 25.4;
        NumberFormat nf;
        GeometryDialog dlg(c, nf, nullptr, "t");
        QCOMPARE(Edit(dlg, "Edit_dkugel1")->text(), QString("25.4"));
        Click(dlg, "Button_units");
        QCOMPARE(nf.unitSystem, 1);
        QCOMPARE(Edit(dlg, "Edit_dkugel1")->text(), QString("1.0000"));
        QCOMPARE(c.body[0].sphereDiameter, 25.4);
        Click(dlg, "Button_units");
        QCOMPARE(Edit(dlg, "Edit_dkugel1")->text(), QString("25.4"));
        QCOMPARE(c.body[0].sphereDiameter, 25.4);
    }

    void okStoresKindsAndEveryLength() {
        ContactCase c;
        NumberFormat nf;
        GeometryDialog dlg(c, nf, nullptr, "t");
        Click(dlg, "Radio_kind1_3");
        Edit(dlg, "Edit_rx1")->setText("12,5");
        Edit(dlg, "Edit_ry1")->setText("-30");
        Edit(dlg, "Edit_dkugel2")->setText("abc");  // not a number reads as 0
        Click(dlg, "Button_ok");
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(c.body[0].kind, BodyKind::Special);
        QCOMPARE(c.body[0].rx, 12.5);
        QCOMPARE(c.body[0].ry, -30.0);
        QCOMPARE(c.body[1].sphereDiameter, 0.0);
    }

    void materialTextsAreCutAndStressesConverted() {
        ContactCase c;
        c.body[1].E = 200000;
        NumberFormat nf;
        TextOptions text;
        int picked = 0;
        MaterialDialog dlg(
            c, nf, text,
            [&](int body) {
                picked = body;
                c.body[body - 1].materialName = "100Cr6";
                c.body[body - 1].E = 212000;
                return true;
            },
            nullptr, "t");
        QCOMPARE(Edit(dlg, "Edit_e2")->text(), QString("200000"));
        Edit(dlg, "Edit_matname1")->setText(QString(20, 'W'));
        QCOMPARE(Edit(dlg, "Edit_matname1")->maxLength(), 18);
        Edit(dlg, "Edit_name2")->setText("1.3505");
        Click(dlg, "Button_db2");
        QCOMPARE(picked, 2);
        QCOMPARE(c.body[1].materialNumber, std::string("1.3505"));
        QCOMPARE(Edit(dlg, "Edit_matname2")->text(), QString("100Cr6"));
        QCOMPARE(Edit(dlg, "Edit_e2")->text(), QString("212000"));

        Click(dlg, "Button_units");
        QCOMPARE(nf.unitSystem, 1);
        Edit(dlg, "Edit_re1")->setText("100000");  // psi
        Click(dlg, "Button_ok");
        QVERIFY(std::abs(c.body[0].Re - 689.47923633) < 1e-6);
        QCOMPARE(c.body[0].materialName.size(), size_t(18));
    }

    // A name of the longest length, picked or stored, shows from its first character.
    void materialNamesShowWhole() {
        ContactCase c;
        c.body[0].materialName = "100Cr6 geh\x84rtet";  // code page 850
        NumberFormat nf;
        TextOptions text;
        MaterialDialog dlg(
            c, nf, text,
            [&](int body) {
                c.body[body - 1].materialName = std::string(18, 'W');
                c.body[body - 1].materialNumber = "WWWWWWWWW";
                return true;
            },
            nullptr, "t");
        dlg.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dlg));
        auto fitsWhole = [](QLineEdit* e) {
            const int room =
                e->contentsRect().width() - e->textMargins().left() - e->textMargins().right();
            return e->cursorPosition() == 0 && e->fontMetrics().horizontalAdvance(e->text()) < room;
        };
        QLineEdit* name = Edit(dlg, "Edit_matname1");
        QCOMPARE(name->text(), QString::fromUtf8("100Cr6 gehärtet"));
        QVERIFY(fitsWhole(name));
        Click(dlg, "Button_db2");
        QCOMPARE(Edit(dlg, "Edit_matname2")->text(), QString(18, 'W'));
        QVERIFY(fitsWhole(Edit(dlg, "Edit_matname2")));
        QVERIFY(fitsWhole(Edit(dlg, "Edit_name2")));
    }

    void limitsDialogShowsEnteredLimitsAndCalculatePutsBackTheAutomaticOnes() {
        AxisLimits automatic{0, -1.5, 5000, 1};
        AxisLimits entered{100, 0, 2000, 0.25};
        int helps = 0;
        TEinDiagramLimits dlg("Druckspannung pmax = f (F)", "F [N]", "pmax [MPa]", automatic,
                              entered, NumberFormat{}, [&] { ++helps; });
        QCOMPARE(dlg.windowTitle(), QString("Druckspannung pmax = f (F)"));
        QCOMPARE(dlg.findChild<QLabel*>("Label_x")->text(), QString("F [N]"));
        QCOMPARE(dlg.findChild<QLabel*>("Label_y")->text(), QString("pmax [MPa]"));
        auto* xMin = dlg.findChild<QLineEdit*>("Edit_xmin");
        auto* yMax = dlg.findChild<QLineEdit*>("Edit_ymax");
        QCOMPARE(xMin->text(), QString("100"));
        QCOMPARE(dlg.findChild<QLineEdit*>("Edit_xmax")->text(), QString("2000"));
        QCOMPARE(yMax->text(), QString("0.25"));
        QVERIFY(dlg.findChild<QPushButton*>("Button_ok")->isDefault());

        dlg.findChild<QPushButton*>("Button_calc")->click();
        QCOMPARE(xMin->text(), QString("0"));
        QCOMPARE(dlg.findChild<QLineEdit*>("Edit_ymin")->text(), QString("-1.5"));
        QCOMPARE(dlg.findChild<QLineEdit*>("Edit_xmax")->text(), QString("5000"));

        // Typed values with a decimal comma; text that is no number reads as 0.
        xMin->setText("12,5");
        yMax->setText("abc");
        const AxisLimits read = dlg.Limits();
        QCOMPARE(read.xMin, 12.5);
        QCOMPARE(read.xMax, 5000.0);
        QCOMPARE(read.yMin, -1.5);
        QCOMPARE(read.yMax, 0.0);
        dlg.findChild<QPushButton*>("Button_help")->click();
        QCOMPARE(helps, 1);
        QCOMPARE(dlg.findChild<QPushButton*>("Button_help")->text(), QString("&Hilfetext"));
    }
};

QTEST_MAIN(CaseDialogsTest)
#include "case_dialogs_qtest.moc"
