#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QtTest>

#include "config/config_file.h"
#include "config/settings_dialog.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"

using namespace zel3;

namespace {
template <class T>
T* Find(QWidget& w, const char* name) {
    T* c = w.findChild<T*>(QString::fromLatin1(name));
    if (!c) qFatal("no control %s", name);
    return c;
}
QLineEdit* Edit(QWidget& w, const char* name) {
    return Find<QLineEdit>(w, name);
}
void Click(QWidget& w, const char* name) {
    Find<QAbstractButton>(w, name)->click();
}

struct Fixture {
    test::ScriptedPlatform platform;
    Settings settings;
    UiState ui{platform, settings.number, settings.text};
    SettingsEnvironment env;
    std::vector<std::pair<int, int>> resized;
    int saves = 0;
    Fixture() {
        settings.MaxX = 799;
        settings.MaxY = 599;
        env.screen.width = 1600;
        env.screen.height = 1200;
        env.graphicsWindow = {0, 0, 810, 640, 800, 600};
        env.tempVariable = "/var/tmp";
        env.user = "meier";
        env.resizeDrawingArea = [this](int w, int h) { resized.emplace_back(w, h); };
        env.save = [this](const Settings& s) {
            ++saves;
            WriteConfiguration(s, "zel3", "2.7", ui);
        };
    }
};
}  // namespace

class SettingsDialogTest : public QObject {
    Q_OBJECT
  private slots:
    void okStoresTheControls() {
        Fixture f;
        SettingsDialog dlg(f.settings, f.ui, f.env);
        QCOMPARE(Edit(dlg, "Edit_x")->text(), QString("800"));
        QCOMPARE(Find<QLabel>(dlg, "Label_user")->text(), QString("User: meier"));
        Edit(dlg, "Edit_dircad")->setText("/data/cad");
        Click(dlg, "Button_dirtempenv");
        Edit(dlg, "Edit_zoomfaktor")->setText("0");
        Edit(dlg, "Edit_x")->setText("1025");
        Edit(dlg, "Edit_massfaktorconfig")->setText("0.005");
        Click(dlg, "Button_printscale");
        Edit(dlg, "Edit_printscaley")->setText("2,5");
        Click(dlg, "RadioGroup_orientation2");
        Click(dlg, "RadioGroup_punktkomma2");
        Click(dlg, "RadioGroup_ergebnisgrafik5");
        QVERIFY(Find<QRadioButton>(dlg, "RadioGroup_berechnungsverfahren1")->isChecked());
        QVERIFY(!Find<QWidget>(dlg, "RadioGroup_berechnungsverfahren")->toolTip().isEmpty());
        Click(dlg, "RadioGroup_berechnungsverfahren2");
        Find<QSpinBox>(dlg, "SpinEdit_dezimalstellen")->setValue(5);
        Find<QCheckBox>(dlg, "CheckBox_zeichdate")->setChecked(false);
        Find<QCheckBox>(dlg, "CheckBox_printborder")->setChecked(true);
        QVERIFY(!Find<QCheckBox>(dlg, "CheckBox_clipboard")->isChecked());
        Find<QCheckBox>(dlg, "CheckBox_clipboard")->setChecked(true);
        QVERIFY(Find<QCheckBox>(dlg, "CheckBox_umrandung")->isChecked());
        QVERIFY(!Find<QCheckBox>(dlg, "CheckBox_bilddateiausdruck")->isChecked());
        Find<QCheckBox>(dlg, "CheckBox_bilddateiausdruck")->setChecked(true);
        QCOMPARE(Find<QSpinBox>(dlg, "SpinEdit_bilddateidpi")->value(), 150);
        Find<QSpinBox>(dlg, "SpinEdit_bilddateidpi")->setValue(5000);  // held to 1200
        Click(dlg, "Button_layer4");  // row of layer 4 back to "4", 3, 2
        auto* layers = Find<QTableWidget>(dlg, "StringGrid_layer");
        layers->item(0, 0)->setText("Kontur");
        Click(dlg, "Button_thickness3");
        Click(dlg, "Button_ok");
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        const Settings& s = f.settings;
        QCOMPARE(s.folders.CadDir, std::string("/data/cad"));
        QCOMPARE(s.folders.TempDir, std::string("/var/tmp"));
        QCOMPARE(s.zoomFactor, 1.0);
        QCOMPARE(s.MaxX, 1024);
        QCOMPARE(s.dimensionSizeFactor, 1.0);
        QCOMPARE(s.screendumpScale, 1.0);
        QCOMPARE(s.printScaleVertical, 2.5);
        QCOMPARE(s.printerOrientation, 2);
        QCOMPARE(s.number.separator, 2);
        QCOMPARE(s.resultView, 4);
        QCOMPARE(s.calculationMethod, 1);
        QCOMPARE(s.number.decimals, 5);
        QVERIFY(s.suppressDate);
        QVERIFY(s.screendumpBorder);
        QVERIFY(s.reportToClipboard);
        QCOMPARE(s.layerName[5], std::string("Kontur"));
        QCOMPARE(s.layerColor[4], 3);
        QCOMPARE(s.layerThickness[4], 2);
        QCOMPARE(s.layerThickness[20], 3);
        QVERIFY(s.picturePrintLook);
        QCOMPARE(s.pictureDpi, 1200);
    }

    void cancelChangesNothing() {
        Fixture f;
        const std::string before = ConfigurationText(f.settings, "zel3", "2.7");
        SettingsDialog dlg(f.settings, f.ui, f.env);
        Edit(dlg, "Edit_zoomfaktor")->setText("3");
        Click(dlg, "RadioGroup_hilfegrad3");
        Find<QTableWidget>(dlg, "StringGrid_color")->item(2, 1)->setText("9");
        Click(dlg, "Button_cancel");
        QCOMPARE(dlg.result(), int(QDialog::Rejected));
        QCOMPARE(ConfigurationText(f.settings, "zel3", "2.7"), before);
        QCOMPARE(f.saves, 0);
    }

    // "&Speichern" stores and writes, the dialog stays open; "Abbrechen" afterwards keeps it.
    void saveWritesTheFileAndStaysOpen() {
        test::TempFolder home;
        Fixture f;
        f.settings.folders.HomeDir = home.Dir();
        SettingsDialog dlg(f.settings, f.ui, f.env);
        dlg.show();
        Find<QSpinBox>(dlg, "SpinEdit_linesperpage")->setValue(70);
        Click(dlg, "RadioGroup_date2");
        Click(dlg, "Button_save");
        QVERIFY(dlg.isVisible());
        QCOMPARE(f.saves, 1);
        QCOMPARE(f.settings.linesPerPage, 70);
        Click(dlg, "Button_cancel");
        QCOMPARE(f.settings.linesPerPage, 70);

        Settings read;
        read.folders.HomeDir = home.Dir();
        test::ScriptedPlatform p;
        UiState ui(p, read.number, read.text);
        ReadConfiguration(read, "zel3", "", ui);
        QVERIFY(!ui.errorFlag);
        QCOMPARE(read.linesPerPage, 70);
        QCOMPARE(read.number.dateCode, 2);
        QCOMPARE(read.MaxX, 799);
    }

    void leavingTheSizeFieldResizesTheWindow() {
        Fixture f;
        SettingsDialog dlg(f.settings, f.ui, f.env);
        Edit(dlg, "Edit_y")->setText("401");
        emit Edit(dlg, "Edit_y")->editingFinished();
        QVERIFY(!f.resized.empty());
        QCOMPARE(f.resized.back(), std::make_pair(800, 401));
        Edit(dlg, "Edit_x")->setText("0");  // the screen less the frame
        emit Edit(dlg, "Edit_x")->editingFinished();
        QCOMPARE(f.resized.back().first, 1600 - 10 + 1);
        QCOMPARE(Edit(dlg, "Edit_x")->maxLength(), 4);
    }

    void importRefillsTheControls() {
        test::TempFolder dir;
        Settings other;
        other.linesPerPage = 50;
        other.cadTextStyle = "ROMANS";
        {
            std::ofstream out(dir / "werk.cfg", std::ios::binary);
            out << ConfigurationText(other, "werk", "2.7");
        }
        Fixture f;
        f.settings.folders.HomeDir = "/nowhere/";
        f.platform.dialogAnswers.push_back(test::DialogAnswer::Text(dir / "werk.cfg"));
        SettingsDialog dlg(f.settings, f.ui, f.env);
        Click(dlg, "Button_import");
        QCOMPARE(Find<QSpinBox>(dlg, "SpinEdit_linesperpage")->value(), 50);
        QCOMPARE(Edit(dlg, "Edit_cadfont")->text(), QString("ROMANS"));
        QCOMPARE(f.settings.linesPerPage, 66);  // not yet stored
        Click(dlg, "Button_ok");
        QCOMPARE(f.settings.linesPerPage, 50);
        QCOMPARE(f.settings.folders.HomeDir, std::string("/nowhere/"));
        QVERIFY(
            QString::fromStdString(f.platform.requests.front().preset).endsWith("|*.cfg|*.cfg"));
    }

    void plotCommandLines() {
        Fixture f;
        f.settings.kavrotCount = 2;
        f.settings.kavrotCommand[2] = "zweite";
        f.platform.dialogAnswers.push_back(test::DialogAnswer::Text("c:\\kavrot\\wkavrot x /CPS"));
        bool formShown = false;
        f.env.editPlotCommand = [&formShown](std::string& line) {
            formShown = true;
            line += " /R";
            return true;
        };
        SettingsDialog dlg(f.settings, f.ui, f.env);
        auto* list = Find<QListWidget>(dlg, "ListBox_kavrot");
        QCOMPARE(list->count(), 5);
        QCOMPARE(list->item(1)->text(), QString("zweite"));
        list->setCurrentRow(0);
        Click(dlg, "Button_editkavrotcommandline");
        QCOMPARE(f.platform.requests.back().prompt, std::string("KAVROT Command Line"));
        QCOMPARE(f.platform.requests.back().maxLength, 80);
        list->setCurrentRow(3);
        list->item(3)->setText("vierte");
        Click(dlg, "Button_confkavrot");
        QVERIFY(formShown);
        Click(dlg, "Button_ok");
        QCOMPARE(f.settings.kavrotCommand[1], std::string("c:\\kavrot\\wkavrot x /CPS"));
        QCOMPARE(f.settings.kavrotCommand[4], std::string("vierte /R"));
        QCOMPARE(f.settings.kavrotCount, 4);
    }

    void everyPageHasItsHelp() {
        Fixture f;
        std::vector<int> topics;
        f.env.showHelp = [&topics](int t) { topics.push_back(t); };
        SettingsDialog dlg(f.settings, f.ui, f.env);
        for (int topic : {1940, 1935, 1930, 1910, 1920, 1555, 1605}) {
            const QString name = QStringLiteral("Button_help_%1").arg(topic);
            auto* b = dlg.findChild<QPushButton*>(name);
            QVERIFY2(b, qPrintable(name));
            b->click();
            QCOMPARE(topics.back(), topic);
        }
    }
};

QTEST_MAIN(SettingsDialogTest)
#include "settings_dialog_qtest.moc"
