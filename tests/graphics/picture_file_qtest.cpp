// Pictures as SVG, PDF and PNG: read back by independent programs (rsvg-convert, poppler) and
// compared with the screen picture painted through the same replay.

#include <QImage>
#include <QPainter>
#include <QtTest>
#include <algorithm>
#include <cstdio>
#include <memory>
#include <set>

#include "cad/cad_output_state.h"
#include "contact/hertz_solver.h"
#include "graphics/contact_sheet.h"
#include "graphics/qt_picture_file.h"
#include "graphics/qt_png_encoder.h"
#include "project/project_files.h"
#include "shell/program.h"
#include "support/scripted_platform.h"
#include "support/temp_folder.h"

using namespace zel3;

namespace {

std::string Run(const std::string& command) {
    std::string out;
    if (FILE* p = popen(command.c_str(), "r")) {
        char buf[4096];
        size_t n;
        while ((n = fread(buf, 1, sizeof buf, p)) > 0) out.append(buf, n);
        pclose(p);
    }
    return out;
}

bool HasProgram(const char* name) {
    return !Run(std::string("command -v ") + name).empty();
}

// Pen colours of every line the screen replay draws.
class PenColours : public Canvas {
  public:
    std::set<QRgb> lines;
    void SetPen(const Rgb& c, PenStyle, int) override { pen_ = qRgb(c.r, c.g, c.b); }
    void SetBrush(const Rgb&, bool) override {}
    void Line(int, int, int, int) override { lines.insert(pen_); }
    void Ellipse(int, int, int, int) override {}
    void Arc(int, int, int, int, PixelPoint, PixelPoint) override {}
    void Polygon(const std::array<PixelPoint, 4>&) override {}
    void Text(int, int, const std::string&, const FontSpec&, const Rgb&) override {}

  private:
    QRgb pen_ = 0;
};

constexpr int kNavy = 0x402010;  // stored as the settings keep it: red in the low byte

// The form sheet of the sphere example on a dark blue drawing area of 1000 x 700 pixels.
struct FormSheet {
    FormSheet() {
        program = std::make_unique<Program>(std::make_unique<test::ScriptedPlatform>());
        Settings& s = program->settings;
        s.backgroundColor = kNavy;
        s.MaxX = 999;
        s.MaxY = 699;
        s.folders.TempDir = temp.Dir();
        program->graphics.ApplySettings(ScreenInfo{});
        LoadProject(*program, std::string(ZEL3_SOURCE_DATA_DIR) + "/examples/kugel_kugel.zl3");
        program->ui.errorFlag = false;
        program->run.ProjectName = "kugel_kugel";
        CalculateCase(program->contactCase, program->messages);
        ShowContactSheet(*program, kCadScreen, 3);
    }
    test::TempFolder temp;
    std::unique_ptr<Program> program;
};

// Share of pixels whose colours differ by more than 60 in a channel, after both images were
// reduced to a quarter: a line drawn one pixel aside or a font's other hinting stays below
// it, a missing or misplaced line or text does not.
double DifferentShare(const QImage& a, const QImage& b) {
    const QSize small = a.size() / 4;
    const QImage x = a.scaled(small, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                         .convertToFormat(QImage::Format_RGB32);
    const QImage y = b.scaled(small, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                         .convertToFormat(QImage::Format_RGB32);
    long differing = 0;
    for (int r = 0; r < small.height(); ++r)
        for (int c = 0; c < small.width(); ++c) {
            const QRgb p = x.pixel(c, r), q = y.pixel(c, r);
            if (std::abs(qRed(p) - qRed(q)) > 60 || std::abs(qGreen(p) - qGreen(q)) > 60 ||
                std::abs(qBlue(p) - qBlue(q)) > 60)
                ++differing;
        }
    return static_cast<double>(differing) / (small.width() * small.height());
}

// Share of pixels that are not the colour given.
double ShareNot(const QImage& image, QRgb colour) {
    long other = 0;
    for (int r = 0; r < image.height(); ++r)
        for (int c = 0; c < image.width(); ++c)
            if ((image.pixel(c, r) & 0xFFFFFF) != (colour & 0xFFFFFF)) ++other;
    return static_cast<double>(other) / (image.width() * image.height());
}

}  // namespace

class PictureFileTest : public QObject {
    Q_OBJECT
  private slots:
    void svgRenderedElsewhereLooksLikeTheScreen() {
        if (!HasProgram("rsvg-convert")) QSKIP("rsvg-convert (librsvg2-bin) is missing");
        FormSheet sheet;
        Program& p = *sheet.program;
        WritePictureFile(p, kCadSvg, sheet.temp / "blatt.svg");
        const std::string svg = test::ReadBytes(sheet.temp / "blatt.svg");
        // Vector output: lines and texts, no embedded image.
        QVERIFY(svg.find("<text") != std::string::npos || svg.find("<tspan") != std::string::npos);
        QVERIFY(svg.find("Max. Druckspannung") != std::string::npos);
        QVERIFY(svg.find("<image") == std::string::npos);
        QVERIFY(svg.find("width=\"297") != std::string::npos ||
                svg.find("width=\"296") != std::string::npos);

        const QImage screen = PictureImage(p);
        QCOMPARE(screen.size(), QSize(1754, 1240));
        QVERIFY2(ShareNot(screen, qRgb(0x10, 0x20, 0x40)) > 0.01, "the sheet is drawn");
        Run("rsvg-convert -w 1754 -h 1240 -o '" + sheet.temp / "rsvg.png" + "' '" +
            sheet.temp / "blatt.svg" + "'");
        QImage rendered(QString::fromStdString(sheet.temp / "rsvg.png"));
        QVERIFY(!rendered.isNull());
        const double share = DifferentShare(screen, rendered);
        QVERIFY2(share < 0.005, QByteArray::number(share));

        // The comparison sees a picture that lacks part of the drawing.
        QImage damaged = screen.copy();
        QPainter(&damaged).fillRect(0, 400, 1754, 400, QColor(0x10, 0x20, 0x40));
        const double damagedShare = DifferentShare(damaged, rendered);
        QVERIFY2(damagedShare > 0.005, QByteArray::number(damagedShare));
    }

    void pdfHoldsTheSheetsTextsAsTextAndNoImage() {
        if (!HasProgram("pdftotext")) QSKIP("pdftotext (poppler-utils) is missing");
        FormSheet sheet;
        WritePictureFile(*sheet.program, kCadPdf, sheet.temp / "blatt.pdf");
        const std::string pdf = sheet.temp / "blatt.pdf";
        const std::string text = Run("pdftotext '" + pdf + "' -");
        for (const char* expected : {"p max", "Max. Druckspannung", "kugel_kugel"})
            QVERIFY2(text.find(expected) != std::string::npos,
                     (std::string(expected) + "\n" + text).c_str());
        const std::string info = Run("pdfinfo '" + pdf + "'");
        QVERIFY2(info.find("841.89 x 595.276 pts (A4)") != std::string::npos ||
                     info.find("842 x 595 pts (A4)") != std::string::npos,
                 info.c_str());
        // pdfimages lists a heading of two lines, then one line per embedded image.
        const std::string images = Run("pdfimages -list '" + pdf + "'");
        QVERIFY2(std::count(images.begin(), images.end(), '\n') == 2, images.c_str());
    }

    void pngHasItsSizeTheBackgroundAndTheLineColours() {
        FormSheet sheet;
        Program& p = *sheet.program;
        p.settings.pictureDpi = 75;
        WritePictureFile(p, kCadPng, sheet.temp / "blatt.png");
        QImage png(QString::fromStdString(sheet.temp / "blatt.png"));
        QCOMPARE(png.size(), QSize(877, 620));  // A4 landscape at 75 dpi
        QCOMPARE(qRound(png.dotsPerMeterX() * 0.0254), 75);
        // The corners show the background.
        QCOMPARE(png.pixel(0, 0) & 0xFFFFFF, qRgb(0x10, 0x20, 0x40) & 0xFFFFFF);
        QCOMPARE(png.pixel(876, 619) & 0xFFFFFF, qRgb(0x10, 0x20, 0x40) & 0xFFFFFF);
        p.settings.pictureDpi = 150;
        WritePictureFile(p, kCadPng, sheet.temp / "blatt.png");
        png.load(QString::fromStdString(sheet.temp / "blatt.png"));
        QCOMPARE(png.size(), QSize(1754, 1240));

        PenColours pens;
        p.graphics.FormPaint(pens);
        QVERIFY(pens.lines.size() >= 2);
        std::set<QRgb> found;
        for (int r = 0; r < png.height(); ++r)
            for (int c = 0; c < png.width(); ++c) found.insert(png.pixel(c, r) | 0xFF000000);
        for (QRgb colour : pens.lines)
            QVERIFY2(found.count(colour | 0xFF000000), QByteArray::number(colour, 16));
    }

    void pngHoldsThePaintedPixelsExactly() {
        FormSheet sheet;
        Program& p = *sheet.program;
        p.settings.pictureDpi = 75;
        const QImage painted = PictureImage(p);
        WritePictureFile(p, kCadPng, sheet.temp / "blatt.png");
        const QImage read(QString::fromStdString(sheet.temp / "blatt.png"));
        QCOMPARE(read.convertToFormat(QImage::Format_RGB32), painted);

        // Other formats and every width up to a few groups of pixels: each channel lands in
        // its place, rows that end inside a group included.
        for (int width = 1; width <= 13; ++width) {
            QImage odd(width, 5, QImage::Format_ARGB32);
            for (int r = 0; r < odd.height(); ++r)
                for (int c = 0; c < odd.width(); ++c)
                    odd.setPixel(c, r, qRgb(c * 19, r * 50 + c, 255 - c * r));
            QImage back;
            QVERIFY(back.loadFromData(EncodePng(odd), "PNG"));
            QCOMPARE(back.convertToFormat(QImage::Format_RGB32),
                     odd.convertToFormat(QImage::Format_RGB32));
        }
        QVERIFY(EncodePng(QImage()).isEmpty());
    }

    // pngcheck decodes the stream itself: chunk CRCs, zlib stream, filter types, sizes.
    void pngPassesAnIndependentChecker() {
        if (!HasProgram("pngcheck")) QSKIP("pngcheck is missing");
        FormSheet sheet;
        const std::string path = sheet.temp / "blatt.png";
        WritePictureFile(*sheet.program, kCadPng, path);
        const std::string out = Run("pngcheck -v '" + path + "' 2>&1; echo exit=$?");
        QVERIFY2(out.find("No errors detected") != std::string::npos, out.c_str());
        QVERIFY2(out.find("exit=0") != std::string::npos, out.c_str());
        QVERIFY2(out.find("5906x5906 pixels/meter") != std::string::npos, out.c_str());
    }

    // Noise does not compress: the output outgrows its first buffer and is split over several
    // IDAT chunks, and still reads back pixel for pixel.
    void pngOfNoiseSpansSeveralChunks() {
        QImage noise(1100, 700, QImage::Format_RGB32);
        quint32 state = 12345;
        for (int r = 0; r < noise.height(); ++r) {
            auto* row = reinterpret_cast<QRgb*>(noise.scanLine(r));
            for (int c = 0; c < noise.width(); ++c) {
                state = state * 1664525u + 1013904223u;
                row[c] = 0xFF000000u | (state >> 8);
            }
        }
        const QByteArray png = EncodePng(noise);
        QVERIFY(png.size() > 2 * 1024 * 1024);
        QVERIFY(png.count("IDAT") >= 2);
        QImage back;
        QVERIFY(back.loadFromData(png, "PNG"));
        QCOMPARE(back.convertToFormat(QImage::Format_RGB32), noise);
        if (!HasProgram("pngcheck")) return;
        test::TempFolder temp;
        const std::string path = temp / "rauschen.png";
        if (FILE* f = std::fopen(path.c_str(), "wb")) {
            std::fwrite(png.constData(), 1, static_cast<size_t>(png.size()), f);
            std::fclose(f);
        }
        const std::string out = Run("pngcheck '" + path + "' 2>&1");
        QVERIFY2(out.find("OK:") == 0, out.c_str());
    }

    void printoutLookIsBlackOnWhite() {
        FormSheet sheet;
        Program& p = *sheet.program;
        p.settings.picturePrintLook = true;
        p.graphics.print.colorMode = 2;
        const QImage image = PictureImage(p);
        QCOMPARE(image.pixel(0, 0) & 0xFFFFFF, 0xFFFFFFu);
        long dark = 0;
        for (int r = 0; r < image.height(); ++r)
            for (int c = 0; c < image.width(); ++c) {
                const QRgb px = image.pixel(c, r);
                QVERIFY2(qRed(px) == qGreen(px) && qGreen(px) == qBlue(px), "grey only");
                if (qRed(px) < 64) ++dark;
            }
        QVERIFY(dark > 1000);
        QCOMPARE(p.graphics.print.colorMode, 2);  // the print settings are left alone
    }

    void helpPictureIsSavedUnderTheNameChosen() {
        FormSheet sheet;
        auto& platform = static_cast<test::ScriptedPlatform&>(sheet.program->platform());
        platform.dialogAnswers.push_back(test::DialogAnswer::Text(sheet.temp / "hilfe"));
        SavePictureAs(*sheet.program);
        QVERIFY(test::ReadBytes(sheet.temp / "hilfe.svg").find("<svg") != std::string::npos);
        platform.dialogAnswers.push_back(test::DialogAnswer::Text(sheet.temp / "hilfe.png"));
        SavePictureAs(*sheet.program);
        QCOMPARE(test::ReadBytes(sheet.temp / "hilfe.png").substr(1, 3), std::string("PNG"));
        // Cancelled: nothing is written, nothing is said.
        SavePictureAs(*sheet.program);
        QVERIFY(platform.messages.empty());
    }
};

QTEST_MAIN(PictureFileTest)
#include "picture_file_qtest.moc"
