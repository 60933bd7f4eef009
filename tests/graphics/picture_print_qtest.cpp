// File "Print": the printout dialog, the picture shown in a PDF with the printer mapping; the
// animation step dialog.

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>
#include <cstdio>
#include <memory>
#include <utility>
#include <vector>

#include "contact/hertz_solver.h"
#include "graphics/animation_step_dialog.h"
#include "graphics/contact_sheet.h"
#include "graphics/qt_picture_print.h"
#include "project/project_files.h"
#include "report/printout_dialog.h"
#include "shell/program.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"

using namespace zel3;

namespace {

std::string Run(const std::string& command) {
    std::string out;
    if (FILE* p = popen(command.c_str(), "r")) {
        char buf[512];
        size_t n;
        while ((n = fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
        pclose(p);
    }
    return out;
}

struct Drawing {
    Drawing() {
        auto p = std::make_unique<test::ScriptedPlatform>();
        platform = p.get();
        program = std::make_unique<Program>(std::move(p));
        GraphicsEngine& g = program->graphics;
        g.ApplySettings(ScreenInfo{});
        g.Header(0, 0, 160, 120);
        g.SetColor(1);
        g.Rectangle(10, 10, 150, 110);
        g.circle(80, 60, 30);
        g.SetTextStyle(0, 0, 5, 5);
        g.OutTextXY(20, 100, "Kugel gegen Ebene");
    }
    test::ScriptedPlatform* platform = nullptr;
    std::unique_ptr<Program> program;
};

// Runs answer on the printout dialog once it is shown modally.
void WhenPrintoutDialogShows(std::function<void(QDialog&)> answer) {
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [answer, poll] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog && dialog->objectName() == "TForm_printconf") {
            answer(*dialog);
            return;
        }
        QTimer::singleShot(10, *poll);
    };
    QTimer::singleShot(0, *poll);
}

void ClickOk(QDialog& d) {
    d.findChild<QPushButton*>("Button_ok")->click();
}

}  // namespace

class PicturePrintTest : public QObject {
    Q_OBJECT
  private slots:
    void pictureGoesIntoAPdfWithItsText() {
        Drawing d;
        test::TempFolder dir;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(dir / "bild.pdf"));
        QVERIFY(PrintPictureOn(*d.program, printer, false));
        QVERIFY(test::ReadBytes(dir / "bild.pdf").size() > 1000);
        const std::string info = Run("pdfinfo '" + dir / "bild.pdf" + "'");
        const size_t pages = info.find("Pages:");
        QVERIFY2(pages != std::string::npos, info.c_str());
        QCOMPARE(info.substr(info.find_first_not_of(' ', pages + 6), 2), std::string("1\n"));
        const std::string text = Run("pdftotext '" + dir / "bild.pdf" + "' -");
        QVERIFY2(text.find("Kugel gegen Ebene") != std::string::npos, text.c_str());
        QCOMPARE(d.program->graphics.print.colorMode, 1);  // monochrome unless set to colour
    }

    // The upright lines of the form sheet's margin note stand side by side on the printout, as
    // a PDF reader finds them: each no wider than the distance to the next allows.
    void marginNoteLinesDoNotOverlapOnThePage() {
        Drawing d;
        Program& p = *d.program;
        p.settings.MaxX = 639;
        p.settings.MaxY = 479;
        p.graphics.ApplySettings(ScreenInfo{});
        p.ProgramDataDir = ZEL3_SOURCE_DATA_DIR "/";
        p.run.ProjectDir = ZEL3_SOURCE_DATA_DIR "/examples/";
        LoadProject(p, "kugel_kugel");
        QVERIFY(!p.ui.errorFlag);
        CalculateCase(p.contactCase, p.messages);
        ShowContactSheet(p, 3, 3);
        test::TempFolder dir;
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(QString::fromStdString(dir / "blatt.pdf"));
        QVERIFY(PrintPictureOn(p, printer, true));
        const std::string boxes = Run("pdftotext -bbox '" + dir / "blatt.pdf" + "' -");
        // The first word of each of the five lines, left to right.
        std::vector<std::pair<double, double>> across;
        for (const char* word :
             {"Copying", "communication", "authority.", "damages.", "registration"}) {
            const size_t at = boxes.find(std::string(">") + word + "<");
            QVERIFY2(at != std::string::npos, word);
            const size_t open = boxes.rfind("<word", at);
            double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
            QCOMPARE(std::sscanf(boxes.c_str() + open,
                                 "<word xMin=\"%lf\" yMin=\"%lf\" xMax=\"%lf\" yMax=\"%lf\"", &x1,
                                 &y1, &x2, &y2),
                     4);
            QVERIFY2(y2 - y1 > x2 - x1, word);  // upright
            across.emplace_back(x1, x2);
        }
        // A reader's box spans the font's ascent and descent, a little more than the glyphs;
        // lines of the right size stay well within one and a half line distances.
        for (size_t i = 1; i < across.size(); ++i) {
            const double pitch = across[i].first - across[i - 1].first;
            const double size = across[i - 1].second - across[i - 1].first;
            QVERIFY2(
                pitch > 0 && size < 1.5 * pitch,
                qPrintable(
                    QString("line %1: %2 pt wide, the next %3 pt on").arg(i).arg(size).arg(pitch)));
        }
    }

    void withoutAPrinterThePdfNameIsAsked() {
        if (PrinterAvailable()) QSKIP("a printer is set up here");
        Drawing d;
        test::TempFolder dir;
        d.program->run.ProjectName = "kugel";
        d.program->run.ProjectDir = dir.Dir();
        d.platform->dialogAnswers.push_back(test::DialogAnswer::Text(dir / "ausdruck"));
        WhenPrintoutDialogShows(ClickOk);
        PrintShownPicture(*d.program, nullptr);
        QVERIFY(!d.program->ui.errorFlag);
        QCOMPARE(d.platform->requests.back().kind, std::string("save"));
        QCOMPARE(d.platform->requests.back().preset, dir.Dir() + "|*.pdf|kugel.pdf");
        QVERIFY(test::ReadBytes(dir / "ausdruck.pdf").size() > 1000);

        // A project opened by its file name suggests the name without the extension.
        d.program->run.ProjectName = dir / "kugel.zl3";
        d.platform->dialogAnswers.push_back(test::DialogAnswer::Text(dir / "b.pdf"));
        WhenPrintoutDialogShows(ClickOk);
        PrintShownPicture(*d.program, nullptr);
        QCOMPARE(d.platform->requests.back().preset, dir.Dir() + "|*.pdf|kugel.pdf");

        // Cancelling the file dialog prints nothing.
        WhenPrintoutDialogShows(ClickOk);
        PrintShownPicture(*d.program, nullptr);
        QVERIFY(d.program->ui.errorFlag);
    }

    void dialogValuesBecomeThePrintParameters() {
        Drawing d;
        d.program->settings.screendumpScale = 2.5;
        d.program->settings.printerOrientation = 1;
        d.program->cadKind = 3;
        const size_t asked = d.platform->requests.size();
        bool checked = false;
        WhenPrintoutDialogShows([&](QDialog& dlg) {
            auto* scaleX = dlg.findChild<QLineEdit*>("Edit_scalex");
            QCOMPARE(scaleX->text(), QString("2.5"));
            QVERIFY(dlg.findChild<QRadioButton*>()->isChecked());  // "Hochformat"
            QVERIFY(!dlg.findChild<QLabel*>("Label_printer")->text().isEmpty());
            scaleX->setText("0,75");
            dlg.findChild<QLineEdit*>("Edit_xorigin")->setText("12");
            dlg.findChild<QCheckBox*>("CheckBox_border")->setChecked(true);
            checked = true;
            dlg.findChild<QPushButton*>("Button_cancel")->click();
        });
        PrintShownPicture(*d.program, nullptr);
        QVERIFY(checked);
        QVERIFY(d.program->ui.errorFlag);
        QCOMPARE(d.platform->requests.size(), asked);  // cancelled: no file asked, nothing printed
        QCOMPARE(d.program->graphics.print.scaleX, 1.0);

        if (PrinterAvailable()) return;
        test::TempFolder dir;
        d.platform->dialogAnswers.push_back(test::DialogAnswer::Text(dir / "a.pdf"));
        WhenPrintoutDialogShows([](QDialog& dlg) {
            dlg.findChild<QLineEdit*>("Edit_scalex")->setText("0,75");
            dlg.findChild<QLineEdit*>("Edit_xorigin")->setText("12");
            dlg.findChild<QCheckBox*>("CheckBox_border")->setChecked(true);
            ClickOk(dlg);
        });
        PrintShownPicture(*d.program, nullptr);
        QVERIFY(!d.program->ui.errorFlag);
        QCOMPARE(d.program->graphics.print.scaleX, 0.75);
        QCOMPARE(d.program->graphics.print.originX, 12);
        QVERIFY(d.program->graphics.print.border);
    }

    void setUpButtonsLoadAndStoreTheDialogValues() {
        PrintoutForm stored;
        int helps = 0;
        PrintoutActions actions;
        actions.storeSetup = [&](const PrintoutForm& f) { stored = f; };
        actions.loadSetup = [](PrintoutForm& f) {
            f.scaleY = "3";
            f.orientation = 1;
            f.fit = true;
            return true;
        };
        actions.showHelp = [&] { ++helps; };
        PrintoutForm start;
        start.scaleX = "1";
        start.scaleY = "1";
        start.originX = start.originY = "0";
        PrintoutDialog dlg(start, "Laser", actions);
        QCOMPARE(dlg.windowTitle(), QString("Ausdruck"));
        QCOMPARE(dlg.findChild<QLabel*>("Label_printer")->text(), QString("Laser"));
        QVERIFY(dlg.findChild<QPushButton*>("Button_ok")->isDefault());
        QVERIFY(!dlg.findChild<QPushButton*>("Button_printer")->isEnabled());
        dlg.findChild<QLineEdit*>("Edit_yorigin")->setText("-4");
        dlg.findChild<QPushButton*>("Button_uebernehmen")->click();
        QCOMPARE(stored.originY, std::string("-4"));
        dlg.findChild<QPushButton*>("Button_datenbank")->click();
        const PrintoutForm f = dlg.Form();
        QCOMPARE(f.scaleY, std::string("3"));
        QCOMPARE(f.orientation, 1);
        QVERIFY(f.fit);
        dlg.findChild<QPushButton*>("Button_help")->click();
        QCOMPARE(helps, 1);
    }

    void pdfNamesGetTheirExtension() {
        QCOMPARE(PdfFileName("/a/b"), std::string("/a/b.pdf"));
        QCOMPARE(PdfFileName("/a.d/b"), std::string("/a.d/b.pdf"));
        QCOMPARE(PdfFileName("/a/b.PDF"), std::string("/a/b.PDF"));
    }

    void animationStepDialogGoesOnOrEnds() {
        AnimationStepDialog dlg;
        QCOMPARE(dlg.windowTitle(), QString("Animation"));
        auto* next = dlg.findChild<QPushButton*>("Button_nextstep");
        auto* end = dlg.findChild<QPushButton*>("Button_endstep");
        QCOMPARE(next->text(), QString("+"));
        QCOMPARE(end->text(), QString("++"));
        QVERIFY(next->isDefault());
        QVERIFY(!(dlg.windowFlags() & Qt::WindowCloseButtonHint));
        next->click();
        QCOMPARE(dlg.result(), int(QDialog::Accepted));
        end->click();
        QCOMPARE(dlg.result(), int(QDialog::Rejected));
    }
};

QTEST_MAIN(PicturePrintTest)
#include "picture_print_qtest.moc"
