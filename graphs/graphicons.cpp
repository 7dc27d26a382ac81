#include "graphs/graphicons.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace graphs {

namespace {

// Every picture is drawn on a 32-unit square, whatever its size in pixels.
constexpr int units = 32;

QLinearGradient shade(double top, double bottom, QColor light, QColor dark)
{
    QLinearGradient g(QPointF(0, top), QPointF(0, bottom));
    g.setColorAt(0, light);
    g.setColorAt(1, dark);
    return g;
}

// A red disc with a white cross.
void paintClose(QPainter& p)
{
    p.setPen(QPen(QColor(150, 25, 25), 1));
    p.setBrush(shade(4, 28, QColor(240, 95, 80), QColor(185, 30, 30)));
    p.drawEllipse(QRectF(4, 4, 24, 24));
    p.setPen(QPen(Qt::white, 3.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(11, 11), QPointF(21, 21));
    p.drawLine(QPointF(21, 11), QPointF(11, 21));
}

// A grey printer with a sheet coming out, a small curve drawn on it.
void paintPrint(QPainter& p)
{
    p.setPen(QPen(QColor(120, 120, 120), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(9.5, 3.5, 13, 9));
    p.setPen(QPen(QColor(60, 70, 90), 1));
    p.setBrush(shade(11, 23, QColor(175, 182, 195), QColor(105, 112, 128)));
    p.drawRoundedRect(QRectF(3.5, 11.5, 25, 12), 2.5, 2.5);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(70, 200, 90));
    p.drawEllipse(QRectF(23, 14, 3, 3));
    p.setPen(QPen(QColor(120, 120, 120), 1));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(8.5, 19.5, 15, 9));
    QPainterPath curve(QPointF(10.5, 27));
    curve.quadTo(QPointF(15, 16), QPointF(21.5, 26));
    p.setPen(QPen(QColor(0, 0, 255), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(curve);
}

// Two sheets, the front one carrying a graph.
void paintCopy(QPainter& p)
{
    auto sheet = [&p](double left, double top) {
        QPainterPath page;
        page.moveTo(left, top);
        page.lineTo(left + 11, top);
        page.lineTo(left + 16, top + 5);
        page.lineTo(left + 16, top + 20);
        page.lineTo(left, top + 20);
        page.closeSubpath();
        p.setPen(QPen(QColor(90, 105, 130), 1));
        p.setBrush(shade(top, top + 20, QColor(255, 255, 255), QColor(220, 228, 240)));
        p.drawPath(page);
        p.drawLine(QPointF(left + 11, top), QPointF(left + 11, top + 5));
        p.drawLine(QPointF(left + 11, top + 5), QPointF(left + 16, top + 5));
    };
    sheet(5.5, 3.5);
    sheet(11.5, 9.5);
    p.setPen(QPen(QColor(0, 0, 0), 1));
    p.drawLine(QPointF(14, 26), QPointF(25, 26));
    p.drawLine(QPointF(14, 26), QPointF(14, 15));
    QPainterPath curve(QPointF(14, 25));
    curve.quadTo(QPointF(18, 12), QPointF(24, 25));
    p.setPen(QPen(QColor(255, 0, 0), 1.2));
    p.setBrush(Qt::NoBrush);
    p.drawPath(curve);
}

// A pocket calculator: dark body, green display, three rows of keys.
void paintCalculator(QPainter& p)
{
    p.setPen(QPen(QColor(35, 40, 55), 1));
    p.setBrush(shade(2, 30, QColor(95, 105, 125), QColor(45, 52, 68)));
    p.drawRoundedRect(QRectF(6.5, 2.5, 19, 27), 2.5, 2.5);
    p.setPen(QPen(QColor(70, 90, 60), 1));
    p.setBrush(QColor(190, 215, 165));
    p.drawRect(QRectF(9.5, 5.5, 13, 6));
    p.setPen(Qt::NoPen);
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 3; ++column) {
            const bool equals = row == 3 && column == 2;
            p.setBrush(equals ? QColor(240, 140, 50) : QColor(225, 228, 235));
            p.drawRoundedRect(QRectF(9.5 + column * 4.6, 14 + row * 3.8, 3.4, 2.8), 0.6, 0.6);
        }
    }
}

QPixmap paintedPixmap(GraphesIcon which, int size, QIcon::Mode mode)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.scale(double(size) / units, double(size) / units);
    switch (which) {
    case GraphesIcon::Close: paintClose(p); break;
    case GraphesIcon::Print: paintPrint(p); break;
    case GraphesIcon::Copy: paintCopy(p); break;
    case GraphesIcon::Calculator: paintCalculator(p); break;
    }
    if (mode == QIcon::Disabled) {
        // Washed out, as a button that cannot be used yet.
        p.resetTransform();
        p.setCompositionMode(QPainter::CompositionMode_SourceAtop);
        p.fillRect(pixmap.rect(), QColor(235, 235, 235, 170));
    }
    return pixmap;
}

} // namespace

QIcon graphesIcon(GraphesIcon which)
{
    QIcon icon;
    for (int size : {32, 48, 64}) {
        icon.addPixmap(paintedPixmap(which, size, QIcon::Normal), QIcon::Normal);
        icon.addPixmap(paintedPixmap(which, size, QIcon::Disabled), QIcon::Disabled);
    }
    return icon;
}

} // namespace graphs
