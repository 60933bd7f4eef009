// The change dialog, the drawing information dialog and the documents set-up on screen.

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

#include "docu/change_entry_dialog.h"
#include "docu/document_setup_dialog.h"
#include "docu/drawing_info_dialog.h"

using namespace zel3;

class DocuDialogsTest : public QObject {
    Q_OBJECT
  private slots:
    void changeDialogShowsTheEntryAndDatesItToday() {
        ChangeForm form;
        form.number = 3;
        form.designation = "Radius";
        form.date = "01.01.2026";
        form.editor = "HU";
        form.description = "zwei\nZeilen";
        form.today = "08.12.2026";
        int helps = 0;
        ChangeEntryDialog dlg(form, [&](bool) { ++helps; });
        QCOMPARE(dlg.windowTitle(), QString::fromUtf8("Änderung 3"));
        auto* date = dlg.findChild<QLineEdit*>("Edit_datum");
        QCOMPARE(date->text(), QString("01.01.2026"));
        auto* today = dlg.findChild<QPushButton*>("Button_datum");
        QCOMPARE(today->text(), QString("<08.12.2026"));
        today->click();
        QCOMPARE(date->text(), QString("08.12.2026"));
        QCOMPARE(dlg.findChild<QLineEdit*>("Edit_bearbeiter")->maxLength(), 5);
        dlg.findChild<QLineEdit*>("Edit_aenderung")->setText("Kraft");
        dlg.findChild<QPushButton*>("Button_help")->click();
        QCOMPARE(helps, 1);
        ChangeForm out;
        dlg.Store(out);
        QCOMPARE(QString::fromStdString(out.designation), QString("Kraft"));
        QCOMPARE(QString::fromStdString(out.date), QString("08.12.2026"));
        QCOMPARE(QString::fromStdString(out.description), QString("zwei\nZeilen"));
        dlg.findChild<QPushButton*>("Button_cancel")->click();
        QCOMPARE(dlg.result(), int(QDialog::Rejected));
    }

    void drawingInfoDialogHasBothGridsAndTodayButtons() {
        DrawingInfoForm form;
        form.rowCaptions = {"Bearb.", "Gepr.", "Norm", "Frei"};
        form.dates = {"01.12.2026", "", "", ""};
        form.names = {"Huber", "", "", ""};
        form.placements[0] = {"10", "20", "3.5", "0", "Kugel"};
        form.replaces = "ZL-1";
        form.today = "08.12.2026";
        DrawingInfoDialog dlg(form, {});
        QCOMPARE(dlg.windowTitle(), QString("Zeichnungsinfo"));
        auto* grid1 = dlg.findChild<QTableWidget*>("StringGrid1");
        QCOMPARE(grid1->verticalHeaderItem(3)->text(), QString("Frei"));
        QCOMPARE(grid1->horizontalHeaderItem(0)->text(), QString("Datum"));
        auto* button = dlg.findChild<QPushButton*>("Button_heute2");
        QCOMPARE(button->text(), QString("< 08.12.2026"));
        button->click();
        QCOMPARE(grid1->item(1, 0)->text(), QString("08.12.2026"));
        auto* grid2 = dlg.findChild<QTableWidget*>("StringGrid2");
        QCOMPARE(grid2->rowCount(), 8);
        QCOMPARE(grid2->horizontalHeaderItem(3)->text(), QString("phi"));
        QCOMPARE(grid2->item(0, 4)->text(), QString("Kugel"));
        grid2->item(1, 4)->setText("Rolle");
        QCOMPARE(dlg.findChild<QLineEdit*>("Edit_ersatzfuer")->text(), QString("ZL-1"));
        QVERIFY(!dlg.findChild<QPushButton*>("Button_help")->isEnabled());  // no help here
        DrawingInfoForm out;
        dlg.Store(out);
        QCOMPARE(QString::fromStdString(out.dates[1]), QString("08.12.2026"));
        QCOMPARE(QString::fromStdString(out.names[0]), QString("Huber"));
        QCOMPARE(QString::fromStdString(out.placements[1][4]), QString("Rolle"));
        QCOMPARE(QString::fromStdString(out.replaces), QString("ZL-1"));
    }

    void documentSetupHasFiveGroupsAndPicksFiles() {
        DocumentForm form;
        for (auto& p : form.programs) p = "xdg-open";
        form.programHint = "Programm";
        form.fileHint = "Datei";
        QStringList picks;
        DocumentSetupDialog dlg(form, {}, [&](const QString& start, const QString& filter) {
            picks << start + "|" + filter;
            return QString("/tmp/neu.txt");
        });
        QCOMPARE(dlg.windowTitle(), QString("Document Setup"));
        const QList<QGroupBox*> groups = dlg.findChildren<QGroupBox*>();
        QCOMPARE(groups.size(), 5);
        QCOMPARE(groups[0]->title(), QString(" Document 1 "));
        QCOMPARE(dlg.findChild<QLineEdit*>("Edit_program3")->text(), QString("xdg-open"));
        dlg.findChild<QPushButton*>("Button_Edit_file2")->click();
        dlg.findChild<QPushButton*>("Button_Edit_program1")->click();
        QCOMPARE(picks, (QStringList{"|*.*", "xdg-open|*"}));
        QCOMPARE(dlg.findChild<QLineEdit*>("Edit_file2")->text(), QString("/tmp/neu.txt"));
        QCOMPARE(dlg.findChild<QPushButton*>("Button_help")->text(), QString("&Hilfetext"));
        bool hinted = false;
        for (QLabel* l : dlg.findChildren<QLabel*>())
            if (l->text() == "Program 1") hinted = l->toolTip() == "Programm";
        QVERIFY(hinted);
        DocumentForm out;
        dlg.Store(out);
        QCOMPARE(QString::fromStdString(out.files[1]), QString("/tmp/neu.txt"));
        QCOMPARE(QString::fromStdString(out.programs[0]), QString("/tmp/neu.txt"));
    }
};

QTEST_MAIN(DocuDialogsTest)
#include "docu_dialogs_qtest.moc"
