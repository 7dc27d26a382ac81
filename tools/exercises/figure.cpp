#include "tools/exercises/figure.h"
#include "tools/exercises/throw.h"

#include <QFontInfo>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace content {

namespace {

// The figure fits the text box of the main window beside its scroll bar.
constexpr int imageWidth = 320;
constexpr int imageHeight = 180;
// Room for the names of the axes, the height and the range.
constexpr double marginLeft = 48, marginRight = 22, marginTop = 24, marginBottom = 36;
constexpr double supportWidth = 16;
constexpr double launchVectorLength = 46;

const QColor ink(0x20, 0x20, 0x20);
const QColor groundColour(0x6b, 0x5b, 0x3e);
const QColor vectorColour(0xc0, 0x00, 0x00);
const QColor trajectoryColours[] = {QColor(0x00, 0x30, 0x7a), QColor(0xb0, 0x60, 0x00), QColor(0x00, 0x7a, 0x30),
                                    QColor(0x7a, 0x20, 0x80), QColor(0x30, 0x70, 0x80)};

// DejaVu Sans is installed with the program's build tools: the same glyphs
// give the same pixels on every machine.
const QString fontFamily = QStringLiteral("DejaVu Sans");

QFont labelFont()
{
    QFont font(fontFamily);
    font.setPixelSize(12);
    font.setHintingPreference(QFont::PreferNoHinting);
    font.setStyleStrategy(QFont::NoSubpixelAntialias);
    return font;
}

// Metres to the figure's pixels, the same scale on both axes.
struct Mapping {
    double scale;
    double originX;
    double groundY;
    QPointF at(double x, double y) const { return {originX + scale * x, groundY - scale * y}; }
};

Mapping fit(const std::vector<Throw>& throws)
{
    double left = 0, right = 0, top = 0;
    for (const Throw& t : throws) {
        left = std::min(left, double(t.x0()));
        right = std::max({right, double(t.x0()), double(t.x(t.flightTime()))});
        top = std::max({top, double(t.y0()), t.topHeight()});
    }
    const double width = imageWidth - marginLeft - marginRight;
    const double height = imageHeight - marginTop - marginBottom;
    const double spanX = std::max(right - left, 1e-3);
    const double scale = std::min(width / spanX, height / std::max(top, 1e-3));
    // Narrow drawings, a fall for instance, stand in the middle.
    return {scale, marginLeft + (width - scale * spanX) / 2 - scale * left, imageHeight - marginBottom};
}

QRectF textBox(const QPainter& painter, const QString& text, QPointF centre)
{
    const QSizeF size = painter.fontMetrics().boundingRect(text).size() + QSizeF(2, 0);
    QRectF box(centre - QPointF(size.width() / 2, size.height() / 2), size);
    // Labels near an edge stay whole.
    box.moveLeft(std::clamp(box.left(), 1.0, imageWidth - box.width() - 1));
    box.moveTop(std::clamp(box.top(), 1.0, imageHeight - box.height() - 1));
    return box;
}

void label(QPainter& painter, const QString& text, QPointF centre, const QColor& colour = ink)
{
    painter.setPen(colour);
    painter.drawText(textBox(painter, text, centre), Qt::AlignCenter, text);
}

void arrowHead(QPainter& painter, QPointF tip, QPointF direction, const QColor& colour, double size = 8)
{
    const double length = std::hypot(direction.x(), direction.y());
    if (length == 0)
        return;
    const QPointF d = direction / length;
    const QPointF n(-d.y(), d.x());
    const QPointF back = tip - d * size;
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawPolygon(QPolygonF({tip, back + n * size * 0.4, back - n * size * 0.4}));
    painter.setBrush(Qt::NoBrush);
}

void dimension(QPainter& painter, QPointF from, QPointF to)
{
    painter.setPen(QPen(ink, 1));
    painter.drawLine(from, to);
    arrowHead(painter, from, from - to, ink, 6);
    arrowHead(painter, to, to - from, ink, 6);
}

void drawGround(QPainter& painter, const Mapping& map, const QRectF& originLabel)
{
    painter.setPen(QPen(groundColour, 1.5));
    painter.drawLine(QPointF(0, map.groundY), QPointF(imageWidth, map.groundY));
    painter.save();
    painter.setClipRegion(QRegion(0, 0, imageWidth, imageHeight) - originLabel.toAlignedRect());
    painter.setPen(QPen(groundColour, 1));
    for (double x = 4; x < imageWidth + 6; x += 7)
        painter.drawLine(QPointF(x, map.groundY + 1), QPointF(x - 6, map.groundY + 7));
    painter.restore();
}

void drawAxes(QPainter& painter, const Mapping& map, double leftEdge)
{
    const QPointF origin = map.at(0, 0);
    painter.setPen(QPen(ink, 1));
    const QPointF xEnd(imageWidth - 8, map.groundY);
    painter.drawLine(QPointF(leftEdge, map.groundY), xEnd);
    arrowHead(painter, xEnd, QPointF(1, 0), ink);
    const QPointF yEnd(origin.x(), 8);
    painter.setPen(QPen(ink, 1));
    painter.drawLine(origin, yEnd);
    arrowHead(painter, yEnd, QPointF(0, -1), ink);
    label(painter, QStringLiteral("x"), xEnd + QPointF(0, -10));
    label(painter, QStringLiteral("y"), yEnd + QPointF(-10, 2));
}

void drawTrajectory(QPainter& painter, const Mapping& map, const Throw& t, const QColor& colour)
{
    constexpr int steps = 80;
    const float flight = t.flightTime();
    QPainterPath path(map.at(t.x0(), t.y0()));
    for (int i = 1; i <= steps; ++i) {
        const float date = flight * float(i) / steps;
        path.lineTo(map.at(t.x(date), t.y(date)));
    }
    painter.setPen(QPen(colour, 1.5, Qt::DashLine));
    painter.drawPath(path);
}

void drawLaunch(QPainter& painter, QPointF start, double alphaDegrees)
{
    const double alpha = alphaDegrees * std::numbers::pi / 180;
    const QPointF direction(std::cos(alpha), -std::sin(alpha));
    if (alphaDegrees != 0) {
        painter.setPen(QPen(QColor(0x70, 0x70, 0x70), 1, Qt::DotLine));
        painter.drawLine(start, start + QPointF(36, 0));
        painter.setPen(QPen(ink, 1));
        constexpr double radius = 24;
        painter.drawArc(QRectF(start - QPointF(radius, radius), QSizeF(2 * radius, 2 * radius)), 0,
                        int(std::lround(alphaDegrees * 16)));
        const double half = alpha / 2;
        label(painter, QStringLiteral("α"), start + QPointF(std::cos(half), -std::sin(half)) * 33);
    }
    const QPointF tip = start + direction * launchVectorLength;
    painter.setPen(QPen(vectorColour, 2));
    painter.drawLine(start, tip - direction * 6);
    arrowHead(painter, tip, direction, vectorColour, 9);
    // Beside the tip, on the side away from the angle.
    const QPointF away(direction.y(), -direction.x());
    label(painter, QStringLiteral("v₀"), tip + away * 11 + direction * 4, vectorColour);
}

void drawHeight(QPainter& painter, const Mapping& map, const Throw& t, const Figure& figure)
{
    const QPointF start = map.at(t.x0(), t.y0());
    const double x = start.x() - (figure.support ? supportWidth : 0) - 10;
    painter.setPen(QPen(QColor(0x70, 0x70, 0x70), 1, Qt::DotLine));
    painter.drawLine(start, QPointF(x - 4, start.y()));
    dimension(painter, QPointF(x, start.y()), QPointF(x, map.groundY));
    const QRectF box = textBox(painter, figure.heightLabel, QPointF(0, (start.y() + map.groundY) / 2));
    label(painter, figure.heightLabel, QPointF(x - 4 - box.width() / 2, box.center().y()));
}

void drawRange(QPainter& painter, const Mapping& map, const Throw& t, const QString& text)
{
    const double y = map.groundY + 17;
    const QPointF from(map.at(t.x0(), 0).x(), y), to(map.at(t.x(t.flightTime()), 0).x(), y);
    painter.setPen(QPen(QColor(0x70, 0x70, 0x70), 1, Qt::DotLine));
    painter.drawLine(QPointF(to.x(), map.groundY), to + QPointF(0, 4));
    dimension(painter, from, to);
    label(painter, text, (from + to) / 2 + QPointF(0, 11));
}

void drawTop(QPainter& painter, const Mapping& map, const Throw& t, const QString& text)
{
    const QPointF top = map.at(t.x(t.topTime()), t.topHeight());
    const QPointF foot(top.x(), map.groundY);
    dimension(painter, top, foot);
    const QRectF box = textBox(painter, text, QPointF());
    label(painter, text, QPointF(top.x() + 5 + box.width() / 2, (top.y() + foot.y()) / 2));
}

} // namespace

QImage drawFigure(const Figure& figure)
{
    if (figure.throws.empty() || QFontInfo(labelFont()).family() != fontFamily)
        return {};
    std::vector<Throw> throws;
    for (const FigureThrow& t : figure.throws)
        throws.emplace_back(t.situation);
    const Throw& first = throws.front();
    const Mapping map = fit(throws);

    QImage image(imageWidth, imageHeight, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setFont(labelFont());

    const QPointF origin = map.at(0, 0);
    const QRectF originLabel = textBox(painter, QStringLiteral("O"), origin + QPointF(-9, 11));
    drawGround(painter, map, originLabel);
    const QPointF start = map.at(first.x0(), first.y0());
    const bool raised = first.y0() > 0;
    if (figure.support && raised) {
        painter.setPen(QPen(groundColour, 1));
        painter.setBrush(QColor(0xd8, 0xd0, 0xc0));
        painter.drawRect(QRectF(start.x() - supportWidth, start.y(), supportWidth, map.groundY - start.y()));
        painter.setBrush(Qt::NoBrush);
    }
    drawAxes(painter, map, std::min(origin.x(), start.x()) - (figure.support ? supportWidth : 0) - 14);
    label(painter, QStringLiteral("O"), originLabel.center());

    for (std::size_t i = 0; i < throws.size(); ++i) {
        const QColor& colour = trajectoryColours[i % std::size(trajectoryColours)];
        drawTrajectory(painter, map, throws[i], colour);
        const FigureThrow& shown = figure.throws[i];
        if (!shown.label.isEmpty()) {
            const float date = throws[i].flightTime() * float(shown.labelAt);
            label(painter, shown.label, map.at(throws[i].x(date), throws[i].y(date)) + shown.labelOffset, colour);
        }
    }
    if (figure.markInterval > 0) {
        painter.setPen(Qt::NoPen);
        painter.setBrush(trajectoryColours[0]);
        for (int k = 1; float(k) * figure.markInterval <= first.flightTime(); ++k) {
            const float date = float(k) * figure.markInterval;
            painter.drawEllipse(map.at(first.x(date), first.y(date)), 2.5, 2.5);
        }
        painter.setBrush(Qt::NoBrush);
    }
    if (raised)
        drawHeight(painter, map, first, figure);
    if (!figure.range.isEmpty())
        drawRange(painter, map, first, figure.range);
    if (!figure.top.isEmpty())
        drawTop(painter, map, first, figure.top);

    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    painter.drawEllipse(start, 3.5, 3.5);
    painter.setBrush(Qt::NoBrush);
    if (figure.launch && first.v0() > 0)
        drawLaunch(painter, start, std::atan2(double(first.vy0()), double(first.vx())) * 180 / std::numbers::pi);
    return image;
}

} // namespace content
