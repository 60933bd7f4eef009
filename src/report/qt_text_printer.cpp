// Printing a report on the system printer: the text in a fixed font, a new sheet at every
// form feed and whenever a sheet is full.

#include <QFile>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <QStringList>

#include "util/qt_platform.h"

namespace zel3 {

bool QtPlatform::PrintTextFile(const std::string& path, const std::string& title,
                               const std::string& font, int pointSize) {
    QFile file(QString::fromStdString(path));
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QString text = QString::fromUtf8(file.readAll());

    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(QString::fromStdString(title));
    QPrintDialog dialog(&printer, MainWindow());
    if (dialog.exec() != QDialog::Accepted) return true;  // the user chose not to print

    QPainter painter;
    if (!painter.begin(&printer)) return false;
    QFont f(QString::fromStdString(font.empty() ? std::string("Courier New") : font),
            pointSize > 0 ? pointSize : 10);
    f.setStyleHint(QFont::TypeWriter);
    painter.setFont(f);
    const QFontMetrics metrics(painter.font());
    const QRect page = painter.viewport();
    const int lineHeight = metrics.lineSpacing();
    int y = metrics.ascent();
    bool pageHasText = false;
    auto newPage = [&] {
        printer.newPage();
        y = metrics.ascent();
        pageHasText = false;
    };
    for (QString line : text.split(QLatin1Char('\n'))) {
        bool formFeed = false;
        while (line.startsWith(QLatin1Char('\f'))) {
            if (pageHasText) newPage();
            line.remove(0, 1);
            formFeed = true;
        }
        if (formFeed && line.isEmpty()) continue;
        if (y > page.height()) newPage();
        painter.drawText(0, y, line);
        y += lineHeight;
        pageHasText = true;
    }
    return painter.end();
}

}  // namespace zel3
