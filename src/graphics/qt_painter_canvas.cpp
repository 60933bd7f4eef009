#include "graphics/qt_painter_canvas.h"

#include <QFont>
#include <QFontMetrics>
#include <QPolygon>

#include <algorithm>
#include <cmath>

namespace zel3 {

namespace {
QColor ToQ(const Rgb& c) {
    return QColor(c.r, c.g, c.b);
}

// Angle of a pixel point seen from the box centre, counter-clockwise on screen, in degrees.
double ScreenAngle(const QRectF& box, PixelPoint p) {
    const QPointF c = box.center();
    double a = std::atan2(-(p.y - c.y()) * box.width(), (p.x - c.x()) * box.height());
    return a * 180.0 / M_PI;
}
}  // namespace

void QtPainterCanvas::SetPen(const Rgb& color, PenStyle style, int width) {
    QPen pen(ToQ(color));
    pen.setWidth(width);
    switch (style) {
        case PenStyle::Dotted:
            pen.setStyle(Qt::DotLine);
            break;
        case PenStyle::DashDot:
            pen.setStyle(Qt::DashDotLine);
            break;
        case PenStyle::Dashed:
            pen.setStyle(Qt::DashLine);
            break;
        default:
            pen.setStyle(Qt::SolidLine);
    }
    p_.setPen(pen);
}

void QtPainterCanvas::SetBrush(const Rgb& color, bool solid) {
    p_.setBrush(solid ? QBrush(ToQ(color)) : QBrush(Qt::NoBrush));
}

void QtPainterCanvas::Line(int x1, int y1, int x2, int y2) {
    p_.drawLine(x1, y1, x2, y2);
}

void QtPainterCanvas::Ellipse(int left, int top, int right, int bottom) {
    p_.drawEllipse(QRect(QPoint(left, top), QPoint(right, bottom)));
}

void QtPainterCanvas::Arc(int left, int top, int right, int bottom, PixelPoint start,
                          PixelPoint end) {
    const QRectF box(QPointF(left, top), QPointF(right, bottom));
    if (box.width() <= 0 || box.height() <= 0) return;
    double a1 = ScreenAngle(box, start);
    double a2 = ScreenAngle(box, end);
    double span = a2 - a1;
    if (span <= 0) span += 360;
    p_.drawArc(box, static_cast<int>(std::lround(a1 * 16)),
               static_cast<int>(std::lround(span * 16)));
}

void QtPainterCanvas::Polygon(const std::array<PixelPoint, 4>& points) {
    QPolygon poly;
    for (const auto& pt : points) poly << QPoint(pt.x, pt.y);
    p_.drawPolygon(poly);
}

void QtPainterCanvas::Text(int x, int y, const std::string& utf8, const FontSpec& font,
                           const Rgb& color) {
    if (font.height <= 0) return;
    p_.save();
    QFont f(QString::fromStdString(font.face));
    f.setPixelSize(font.height);
    f.setWeight(font.weight >= 700 ? QFont::Bold : QFont::Normal);
    f.setItalic(font.italic);
    f.setUnderline(font.underline);
    f.setStrikeOut(font.strikeOut);
    const QString text = QString::fromUtf8(utf8.data(), static_cast<int>(utf8.size()));
    int stretch = 0;
    if (font.width > 0) {
        // The requested character width, relative to the font's own average width.
        const QFontMetrics fm(f);
        const int natural = fm.averageCharWidth();
        if (natural > 0) stretch = std::clamp(100 * font.width / natural, 1, 4000);
    }
    if (textWidth_ == TextWidth::Stretch && stretch > 0) f.setStretch(stretch);
    p_.setFont(f);
    p_.setPen(ToQ(color));
    p_.setBackgroundMode(Qt::TransparentMode);
    p_.translate(x, y);
    p_.rotate(-font.escapement / 10.0);
    if (textWidth_ == TextWidth::Scale && stretch > 0) p_.scale(stretch / 100.0, 1.0);
    p_.drawText(QPoint(0, QFontMetrics(f).ascent()), text);
    p_.restore();
}

}  // namespace zel3
