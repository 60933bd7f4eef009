// The display list replayed through QPainter onto an image: fills, arc direction, text.

#include <QImage>
#include <QPainter>
#include <QtTest>

#include "graphics/graphics_engine.h"
#include "graphics/qt_painter_canvas.h"
#include "shell/program.h"
#include "util/batch_platform.h"

using namespace zel3;

namespace {

// Replays the program's list onto a 640 x 480 white image.
QImage Render(Program& program) {
    QImage img(640, 480, QImage::Format_RGB32);
    img.fill(Qt::white);
    QPainter p(&img);
    QtPainterCanvas canvas(p);
    program.graphics.FormPaint(canvas);
    return img;
}

std::unique_ptr<Program> MakeProgram() {
    auto program = std::make_unique<Program>(std::make_unique<BatchPlatform>());
    program->settings.MaxX = 639;
    program->settings.MaxY = 479;
    program->graphics.ApplySettings(ScreenInfo{});
    // World units are pixels, y upward.
    program->graphics.SetWindow(false, false, 0, 0, 1, 1, 0, 0, 639, 479);
    return program;
}

int DarkPixels(const QImage& img, const QRect& r) {
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (qGray(img.pixel(x, y)) < 128) ++n;
    return n;
}

}  // namespace

class QtPainterCanvasTest : public QObject {
    Q_OBJECT
  private slots:
    void solidIsFilledInItsColour() {
        auto program = MakeProgram();
        program->graphics.SetColor(4);
        program->graphics.Solid(100, 100, 200, 100, 200, 200, 100, 200);
        const QImage img = Render(*program);
        QCOMPARE(QColor(img.pixel(150, 479 - 150)), QColor(255, 0, 0));
        QCOMPARE(QColor(img.pixel(50, 50)), QColor(Qt::white));
    }

    void arcRunsCounterClockwise() {
        auto program = MakeProgram();
        program->graphics.SetColor(16);
        program->graphics.SetLineWidth(3);
        // Upper half of a circle about (320, 240): drawn above the centre only.
        program->graphics.Arc(320, 240, 0, 180, 100);
        const QImage img = Render(*program);
        const int above = DarkPixels(img, QRect(200, 479 - 360, 240, 110));
        const int below = DarkPixels(img, QRect(200, 479 - 230, 240, 110));
        QVERIFY2(above > 100, qPrintable(QString::number(above)));
        QCOMPARE(below, 0);
    }

    void textAppearsAboveItsReferencePoint() {
        auto program = MakeProgram();
        program->graphics.SetColor(16);
        program->graphics.SetTextStyle(2, 0, 12, 8);
        program->graphics.OutTextXY(100, 100, "HHHH");
        const QImage img = Render(*program);
        const int above = DarkPixels(img, QRect(100, 479 - 125, 80, 25));
        const int below = DarkPixels(img, QRect(100, 479 - 95, 80, 20));
        QVERIFY2(above > 20, qPrintable(QString::number(above)));
        QCOMPARE(below, 0);
    }
};

QTEST_MAIN(QtPainterCanvasTest)
#include "qt_painter_canvas_qtest.moc"
