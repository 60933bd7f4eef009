// Renders every shipped help picture through the interpreter and the display-list replay onto
// an image, saves it as PNG (help_pictures/ in the build folder) and checks that the drawing
// fills the sheet and uses the pen colours.

#include <QDir>
#include <QImage>
#include <QPainter>
#include <QtTest>

#include <fstream>
#include <set>

#include "graphics/help_index.h"
#include "graphics/help_text.h"
#include "graphics/qt_painter_canvas.h"
#include "shell/program.h"
#include "support/scripted_platform.h"

using namespace zel3;

class HelpPictureRenderTest : public QObject {
    Q_OBJECT
  private slots:
    void shippedPicturesDrawTheirSketch() {
        Program program(std::make_unique<test::ScriptedPlatform>());
        program.ProgramDataDir = ZEL3_SOURCE_DATA_DIR;
        program.settings.MaxX = 799;
        program.settings.MaxY = 599;
        program.graphics.ApplySettings(ScreenInfo{});

        std::vector<HelpPicture> pictures;
        QVERIFY(ReadHelpIndexFile(program.ui, HelpFolder(program) + "zel3.dbh", pictures));
        QVERIFY(pictures.size() >= 5);
        QDir().mkpath("help_pictures");
        for (const auto& p : pictures) {
            ShowHelpPicture(program, HelpFolder(program) + p.name + ".plt");
            QVERIFY2(!program.ui.errorFlag, p.name.c_str());
            QVERIFY2(program.graphics.list.size() > 20, p.name.c_str());

            QImage image(800, 600, QImage::Format_RGB32);
            image.fill(Qt::black);
            {
                QPainter painter(&image);
                QtPainterCanvas canvas(painter);
                program.graphics.FormPaint(canvas);
            }
            QVERIFY(image.save(QString("help_pictures/%1.png").arg(p.name.c_str())));

            int drawn = 0, left = 800, right = 0, top = 600, bottom = 0;
            std::set<QRgb> colours;
            for (int y = 0; y < 600; ++y) {
                for (int x = 0; x < 800; ++x) {
                    QRgb c = image.pixel(x, y);
                    if (qRed(c) + qGreen(c) + qBlue(c) == 0) continue;
                    ++drawn;
                    colours.insert(c);
                    left = std::min(left, x);
                    right = std::max(right, x);
                    top = std::min(top, y);
                    bottom = std::max(bottom, y);
                }
            }
            QVERIFY2(drawn > 5000, p.name.c_str());
            QVERIFY2(right - left > 600 && bottom - top > 450, p.name.c_str());
            QVERIFY2(colours.size() >= 3, p.name.c_str());
        }
    }
};

QTEST_MAIN(HelpPictureRenderTest)
#include "help_picture_render_qtest.moc"
