// The drawing area of the main window: background colour, replays outside the paint event,
// the picture following the window, wheel zoom and the status line's hint.
#include <QLabel>
#include <QStatusBar>
#include <QWheelEvent>
#include <QtTest>

#include "graphics/drawing_area_widget.h"
#include "graphics/screen_mapping.h"
#include "shell/main_window.h"
#include "util/qt_platform.h"

using namespace zel3;

namespace {

// Remembers whether a pause or an animation step of a replay came while the drawing area was
// inside its paint event.
class WatchingPlatform : public QtPlatform {
  public:
    QWidget* area = nullptr;
    int pauses = 0;
    int steps = 0;
    bool duringPaint = false;
    void PauseMs(int ms) override {
        ++pauses;
        duringPaint = duringPaint || (area && area->paintingActive());
        QtPlatform::PauseMs(ms);
    }
    bool AnimationStep() override {
        ++steps;
        duringPaint = duringPaint || (area && area->paintingActive());
        return true;
    }
};

struct Window {
    explicit Window(int background = 0) {
        auto p = std::make_unique<WatchingPlatform>();
        platform = p.get();
        program = std::make_unique<Program>(std::move(p));
        program->settings.MaxX = 319;
        program->settings.MaxY = 239;
        program->settings.backgroundColor = background;
        program->graphics.ApplySettings(ScreenInfo{});
        window = std::make_unique<MainWindow>(*program);
        platform->SetMainWindow(window.get());
        platform->SetDrawingArea(window->drawingArea());
        platform->area = window->drawingArea();
        window->SizeToDrawingArea();
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get())) qWarning("window not exposed");
    }
    DrawingAreaWidget& area() { return *window->drawingArea(); }
    GraphicsEngine& g() { return program->graphics; }
    // The window's pixel at a world point.
    QRgb At(double x, double y) {
        const ScreenMapping s(g().mapping, area().width(), area().height());
        return area().grab().toImage().pixel(s.px(x), s.py(y));
    }

    WatchingPlatform* platform = nullptr;
    std::unique_ptr<Program> program;
    std::unique_ptr<MainWindow> window;
};

}  // namespace

class DrawingAreaTest : public QObject {
    Q_OBJECT
  private slots:
    void backgroundAndErasingInTheConfiguredColour() {
        Window w(0x804020);  // stored with red in the low byte
        const QRgb background = qRgb(0x20, 0x40, 0x80);
        w.g().Clear();
        w.g().Header(0, 0, 100, 75);
        w.g().SetColor(14);
        w.g().line(10, 20, 90, 20);
        w.g().SetColor(0);  // drawn over in colour 0: erased
        w.g().line(10, 20, 90, 20);
        w.g().SetColor(14);
        w.g().line(10, 50, 90, 50);
        w.area().RenderNow();
        QCOMPARE(w.area().grab().toImage().pixel(0, 0), background);
        QCOMPARE(w.At(50, 20), background);
        QCOMPARE(w.At(50, 50), qRgb(255, 255, 0));
        QCOMPARE(w.At(50, 35), background);
    }

    void replaysNeverRunInsideAPaint() {
        Window w;
        w.g().Header(0, 0, 100, 75);
        w.g().line(0, 0, 100, 75);
        w.g().SleepMs(1);
        w.g().SetColor(0);
        w.g().SetColor(4);
        w.g().line(0, 75, 100, 0);
        w.g().animationMode = true;
        int warnings = 0;
        static int* seen = nullptr;
        seen = &warnings;
        const QtMessageHandler previous =
            qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString& text) {
                if (text.contains("Recursive repaint") && seen) ++*seen;
            });
        w.platform->RequestRepaint();
        w.area().repaint();  // a paint shows the last image; it does not replay
        QCOMPARE(w.platform->pauses, 0);
        QTRY_VERIFY(w.platform->pauses > 0 && w.platform->steps > 0);
        // The finished picture is shown: the red line after the pause and the step as well.
        auto hasRed = [&w] {
            const QImage img = w.area().grab().toImage();
            for (int y = 0; y < img.height(); ++y)
                if (img.pixel(img.width() / 4, y) == qRgb(255, 0, 0)) return true;
            return false;
        };
        QTRY_VERIFY(hasRed());
        w.area().repaint();
        QTest::qWait(20);
        qInstallMessageHandler(previous);
        seen = nullptr;
        QVERIFY(!w.platform->duringPaint);
        QCOMPARE(warnings, 0);
        // Zooming and drawing leave no wait cursor behind.
        w.g().processKey(107);
        w.g().ClearViewPort();
        w.area().RenderNow();
        QCOMPARE(QApplication::overrideCursor(), nullptr);
    }

    void pictureFollowsTheWindow() {
        Window w;
        w.g().Header(0, 0, 100, 100);
        w.g().SetColor(14);
        w.g().circle(50, 50, 45);
        w.area().RenderNow();
        w.window->resize(w.window->width() + 300, w.window->height());
        QTRY_COMPARE(w.area().Frame().size(), w.area().size());
        const QImage img = w.area().grab().toImage();
        // Round and centred: the circle meets the middle column and the middle row at the same
        // distance from the centre.
        const int cx = (img.width() - 1) / 2, cy = (img.height() - 1) / 2;
        int up = 0, right = 0;
        while (up < cy && img.pixel(cx, cy - up) != qRgb(255, 255, 0)) ++up;
        while (right < cx && img.pixel(cx + right, cy) != qRgb(255, 255, 0)) ++right;
        QVERIFY(up > 50);
        QVERIFY2(std::abs(up - right) <= 2, qPrintable(QString("%1 %2").arg(up).arg(right)));
    }

    void wheelZoomsAboutTheCursor() {
        Window w;
        w.g().Header(0, 0, 100, 75);
        w.g().line(0, 0, 100, 75);
        w.area().RenderNow();
        const QPointF at(250, 60);
        const ScreenMapping before(w.g().mapping, w.area().width(), w.area().height());
        const double x = before.WorldX(at.x()), y = before.WorldY(at.y());
        QWheelEvent wheel(at, w.area().mapToGlobal(at), QPoint(), QPoint(0, 120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&w.area(), &wheel);
        const ScreenMapping after(w.g().mapping, w.area().width(), w.area().height());
        QVERIFY(after.ScaleX() > before.ScaleX() * 1.1);
        QVERIFY(std::abs(after.px(x) - at.x()) <= 2);
        QVERIFY(std::abs(after.py(y) - at.y()) <= 2);
    }

    void statusHintFollowsThePicture() {
        Window w;
        auto* hint = w.window->findChild<QLabel*>("statusHint");
        QVERIFY(hint);
        w.g().Clear();
        w.program->run.ProjectName = "kugel";
        w.window->UpdateStatusHint();
        QCOMPARE(hint->text(), QString());
        w.g().Header(0, 0, 100, 75);
        w.g().line(0, 0, 1, 1);
        w.g().ClearViewPort();
        QTRY_VERIFY(hint->text().contains("mouse wheel"));
        w.window->SwitchLanguage(1);
        QVERIFY(hint->text().contains("Mausrad"));
        // A passing message covers the hint only while it lasts.
        w.platform->StatusText("Ausdruck erfolgt");
        QCOMPARE(w.window->statusBar()->currentMessage(), QString("Ausdruck erfolgt"));
        w.platform->StatusText("");
        QVERIFY(hint->isVisible());
    }
};

QTEST_MAIN(DrawingAreaTest)
#include "drawing_area_qtest.moc"
