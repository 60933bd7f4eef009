// The plot converter's settings form: the command line follows every control.

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QtTest>

#include "cad/plot_converter_dialog.h"
#include "config/settings_dialog.h"
#include "util/qt_platform.h"

using namespace zel3;

namespace {

void Choose(QWidget& dlg, const char* group, int index) {
    auto* box = dlg.findChild<RadioGroupBox*>(group);
    box->group()->button(index)->click();
}

const std::string kStored = "/opt/kavrot/wkavrot /tmp/kavrot /CPS /TCourier /M2";

// Plays the user on the form the platform opens: act on it, then press OK.
void WhenTheFormOpens(std::function<void(QDialog&)> act) {
    QTimer::singleShot(0, [act] {
        auto* form = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        QVERIFY(form && form->objectName() == "TForm_confkavrot");
        act(*form);
        form->findChild<QPushButton*>("Button_ok")->click();
    });
}

}  // namespace

class PlotConverterTest : public QObject {
    Q_OBJECT
  private slots:
    void commandLineFollowsTheControls() {
        int helps = 0;
        TForm_confkavrot dlg(DefaultPlotConverterForm("/tmp/zel3"), kStored, "/tmp/zel3",
                             [&] { ++helps; });
        QCOMPARE(dlg.windowTitle(), QString("KAVROT"));
        auto* line = dlg.findChild<QLabel*>("Label_commandline");
        QCOMPARE(line->text(), QString::fromStdString(kStored));
        auto* font = dlg.findChild<QComboBox*>("ComboBox_psfont");
        QVERIFY(!font->isEnabled());

        Choose(dlg, "RadioGroup_outcode", 1);  // Postscript
        QVERIFY(font->isEnabled());
        font->setCurrentIndex(4);        // Helvetica
        Choose(dlg, "RadioGroup_d", 0);  // seriell
        dlg.findChild<QLineEdit*>("Edit_com")->setText("2");
        dlg.findChild<QLineEdit*>("Edit_scale")->setText("0.5");
        dlg.findChild<QLineEdit*>("Edit_xnull")->setText("10");
        dlg.findChild<QCheckBox*>("CheckBox_rotate")->setChecked(true);
        QCOMPARE(line->text(), QString("c:\\kavrot\\wkavrot /tmp/zel3/kavrot /CPS /D1 /P2 /M0.5 "
                                       "/X10 /R /THelvetica"));
        QCOMPARE(dlg.CommandLine(), line->text().toStdString());

        // Fitting to the sheet replaces the scale; a file interface names the output file.
        dlg.findChild<QCheckBox*>("CheckBox_scale")->setChecked(true);
        QVERIFY(!dlg.findChild<QLineEdit*>("Edit_scale")->isEnabled());
        Choose(dlg, "RadioGroup_d", 2);
        QVERIFY(!dlg.findChild<QLineEdit*>("Edit_com")->isEnabled());
        QVERIFY(line->text().contains(" /D3 /F/tmp/zel3/kavrot /M* "));

        // "<" puts the temporary folder back.
        dlg.findChild<QLineEdit*>("Edit_outdir")->setText("/elsewhere");
        dlg.findChild<QPushButton*>("Button_tempdir")->click();
        QCOMPARE(dlg.findChild<QLineEdit*>("Edit_outdir")->text(), QString("/tmp/zel3"));

        dlg.findChild<QPushButton*>("Button_help")->click();
        QCOMPARE(helps, 1);
        QVERIFY(dlg.findChild<QPushButton*>("Button_ok")->isDefault());
    }

    void otherFontIsTypedByTheUser() {
        TForm_confkavrot dlg(DefaultPlotConverterForm("/t"), kStored, "/t", {});
        Choose(dlg, "RadioGroup_outcode", 1);
        auto* font = dlg.findChild<QComboBox*>("ComboBox_psfont");
        QCOMPARE(font->itemText(font->count() - 1), QString("andere Schriften"));
        font->setCurrentIndex(font->count() - 1);
        emit font->activated(font->count() - 1);
        QCOMPARE(font->currentText(), QString());
        font->setEditText("Futura");
        QVERIFY(dlg.CommandLine().find(" /TFutura") != std::string::npos);
        QVERIFY(!dlg.findChild<QPushButton*>("Button_help")->isEnabled());
    }

    // The form starts from its defaults, not from the line: only a change rebuilds the line.
    void okWithoutChangesKeepsTheLineItWasOpenedWith() {
        TForm_confkavrot dlg(DefaultPlotConverterForm("/t"), kStored, "/t", {});
        Choose(dlg, "RadioGroup_outcode", 0);  // the format already chosen: no change
        dlg.findChild<QPushButton*>("Button_tempdir")->click();  // the folder it already has
        dlg.findChild<QPushButton*>("Button_ok")->click();
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        QCOMPARE(dlg.CommandLine(), kStored);

        TForm_confkavrot changed(DefaultPlotConverterForm("/t"), kStored, "/t", {});
        changed.findChild<QCheckBox*>("CheckBox_rotate")->setChecked(true);
        QCOMPARE(changed.CommandLine(), std::string("c:\\kavrot\\wkavrot /t/kavrot /CHPL /R"));
        QCOMPARE(changed.findChild<QLabel*>("Label_commandline")->text(),
                 QString::fromStdString(changed.CommandLine()));
    }

    void platformReturnsTheLineOfTheRealForm() {
        QtPlatform platform;
        std::string line = kStored;
        WhenTheFormOpens([](QDialog&) {});
        QVERIFY(platform.EditPlotCommand(line, "/t"));
        QCOMPARE(line, kStored);

        WhenTheFormOpens(
            [](QDialog& form) { form.findChild<QLineEdit*>("Edit_scale")->setText("2.5"); });
        QVERIFY(platform.EditPlotCommand(line, "/t"));
        QCOMPARE(line, std::string("c:\\kavrot\\wkavrot /t/kavrot /CHPL /M2.5"));

        QTimer::singleShot(0, [] {
            auto* form = QApplication::activeModalWidget();
            QVERIFY(form);
            form->findChild<QLineEdit*>("Edit_scale")->setText("7");
            form->findChild<QPushButton*>("Button_cancel")->click();
        });
        std::string kept = kStored;
        QVERIFY(!platform.EditPlotCommand(kept, "/t"));
        QCOMPARE(kept, kStored);
    }
};

QTEST_MAIN(PlotConverterTest)
#include "plot_converter_qtest.moc"
