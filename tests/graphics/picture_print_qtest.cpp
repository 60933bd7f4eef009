// File "Print": the picture shown goes into a PDF with the printer mapping; the animation step
// dialog.

#include <QPrinter>
#include <QPushButton>
#include <QtTest>
#include <cstdio>
#include <memory>

#include "graphics/animation_step_dialog.h"
#include "graphics/qt_picture_print.h"
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
        QVERIFY(PrintPictureOn(*d.program, printer));
        QVERIFY(test::ReadBytes(dir / "bild.pdf").size() > 1000);
        const std::string info = Run("pdfinfo '" + dir / "bild.pdf" + "'");
        const size_t pages = info.find("Pages:");
        QVERIFY2(pages != std::string::npos, info.c_str());
        QCOMPARE(info.substr(info.find_first_not_of(' ', pages + 6), 2), std::string("1\n"));
        const std::string text = Run("pdftotext '" + dir / "bild.pdf" + "' -");
        QVERIFY2(text.find("Kugel gegen Ebene") != std::string::npos, text.c_str());
        QCOMPARE(d.program->graphics.print.colorMode, 1);  // monochrome unless set to colour
    }

    void withoutAPrinterThePdfNameIsAsked() {
        if (PrinterAvailable()) QSKIP("a printer is set up here");
        Drawing d;
        test::TempFolder dir;
        d.program->run.ProjectName = "kugel";
        d.program->run.ProjectDir = dir.Dir();
        d.platform->dialogAnswers.push_back(test::DialogAnswer::Text(dir / "ausdruck"));
        PrintShownPicture(*d.program);
        QVERIFY(!d.program->ui.errorFlag);
        QCOMPARE(d.platform->requests.back().kind, std::string("save"));
        QCOMPARE(d.platform->requests.back().preset, dir.Dir() + "|*.pdf|kugel.pdf");
        QVERIFY(test::ReadBytes(dir / "ausdruck.pdf").size() > 1000);

        // Cancelling the file dialog prints nothing.
        PrintShownPicture(*d.program);
        QVERIFY(d.program->ui.errorFlag);
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
