#include "ui/picturesurface.h"

#include <QFontMetricsF>
#include <QPainter>
#include <cmath>
#include <cstring>
#include <utility>

PictureSurface::PictureSurface(int width, int height, QColor backColour, qreal devicePixelRatio)
    : m_width(width)
    , m_height(height)
    , m_background(QSize(width, height) * devicePixelRatio, QImage::Format_ARGB32_Premultiplied)
    , m_canvas(QSize(width, height) * devicePixelRatio, QImage::Format_ARGB32_Premultiplied)
    , m_backColour(backColour)
{
    m_background.setDevicePixelRatio(devicePixelRatio);
    m_canvas.setDevicePixelRatio(devicePixelRatio);
    m_background.fill(backColour);
    m_canvas.fill(backColour);
}

PictureSurface::~PictureSurface() { endPainting(); }

QPainter& PictureSurface::painter()
{
    if (m_gathering)
        m_drawn = QRegion(rect());
    return paint();
}

QPainter& PictureSurface::paint()
{
    ++m_changes;
    if (!m_painter) {
        m_painter = std::make_unique<QPainter>(m_target == Layer::Canvas ? &m_canvas : &m_background);
        m_painter->setRenderHint(QPainter::Antialiasing, false);
        m_painter->setRenderHint(QPainter::TextAntialiasing, true);
    }
    return *m_painter;
}

// The painter holds the canvas; it is ended before the canvas is copied or read.
void PictureSurface::endPainting() const
{
    if (m_painter) {
        m_painter->end();
        m_painter.reset();
    }
}

void PictureSurface::setBackgroundPicture(const QImage& picture)
{
    endPainting();
    m_background.fill(m_backColour);
    {
        QPainter p(&m_background);
        p.drawImage(0, 0, pictureAtRatio(picture, m_background.devicePixelRatio()));
    }
    m_canvas = m_background.copy();
    ++m_changes;
}

namespace {
// The device pixels an area in units covers.
QRect devicePixels(const QRect& area, qreal ratio, const QRect& image)
{
    return QRectF(QPointF(area.topLeft()) * ratio, QSizeF(area.size()) * ratio).toAlignedRect() & image;
}
} // namespace

void PictureSurface::clear()
{
    restore(rect());
}

void PictureSurface::restore(const QRegion& area)
{
    endPainting();
    ++m_changes;
    const qreal ratio = devicePixelRatio();
    const QRect device = m_canvas.rect();
    const qsizetype line = m_canvas.bytesPerLine();
    for (const QRect& part : area) {
        // Same size and format: rows of pixels copied, no reallocation.
        const QRect rows = devicePixels(part, ratio, device);
        if (rows.isEmpty())
            continue;
        const size_t offset = size_t(rows.left()) * sizeof(QRgb);
        const size_t bytes = size_t(rows.width()) * sizeof(QRgb);
        if (rows.width() == device.width()) {
            std::memcpy(m_canvas.scanLine(rows.top()), m_background.constScanLine(rows.top()),
                        size_t(line) * size_t(rows.height()));
            continue;
        }
        for (int y = rows.top(); y <= rows.bottom(); ++y)
            std::memcpy(m_canvas.scanLine(y) + offset, m_background.constScanLine(y) + offset, bytes);
    }
}

void PictureSurface::bake()
{
    endPainting();
    ++m_changes;
    std::memcpy(m_background.bits(), m_canvas.constBits(), size_t(m_canvas.sizeInBytes()));
}

void PictureSurface::drawOn(Layer layer)
{
    if (layer == m_target)
        return;
    endPainting();
    m_target = layer;
}

void PictureSurface::setMeasuring(bool measuring)
{
    m_measuring = measuring;
}

void PictureSurface::gatherDrawnArea()
{
    m_gathering = true;
    m_drawn = QRegion();
}

QRegion PictureSurface::takeDrawnArea()
{
    m_gathering = false;
    return std::exchange(m_drawn, QRegion()) & rect();
}

bool PictureSurface::reach(const QRectF& area, double margin)
{
    if (m_gathering)
        m_drawn += area.normalized().adjusted(-margin, -margin, margin, margin).toAlignedRect();
    return !m_measuring;
}

void PictureSurface::setLineWidth(int width) { m_lineWidth = width < 1 ? 1 : width; }
void PictureSurface::setDotted(bool dotted) { m_dotted = dotted; }

void PictureSurface::applyPen(QColor colour)
{
    QPen pen(colour);
    pen.setWidth(m_lineWidth);
    pen.setStyle(m_dotted ? Qt::DotLine : Qt::SolidLine);
    pen.setCapStyle(Qt::FlatCap);
    paint().setPen(pen);
    paint().setBrush(Qt::NoBrush);
}

void PictureSurface::line(double x1, double y1, double x2, double y2, QColor colour)
{
    if (!reach(QRectF(QPointF(x1, y1), QPointF(x2, y2)), lineMargin()))
        return;
    applyPen(colour);
    paint().drawLine(QPointF(float(x1), float(y1)), QPointF(float(x2), float(y2)));
}

void PictureSurface::rectangle(double x1, double y1, double x2, double y2, QColor colour)
{
    if (!reach(QRectF(QPointF(x1, y1), QPointF(x2, y2)), lineMargin()))
        return;
    applyPen(colour);
    paint().drawRect(QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized());
}

void PictureSurface::filledRectangle(double x1, double y1, double x2, double y2, QColor colour)
{
    if (!reach(QRectF(QPointF(x1, y1), QPointF(x2, y2)), 1))
        return;
    paint().fillRect(QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized(), colour);
}

void PictureSurface::circle(double cx, double cy, double radius, QColor colour)
{
    if (!reach(QRectF(cx - radius, cy - radius, 2 * radius, 2 * radius), lineMargin()))
        return;
    applyPen(colour);
    paint().drawEllipse(QPointF(cx, cy), radius, radius);
}

void PictureSurface::arc(double cx, double cy, double radius, double startRadians, double endRadians, QColor colour)
{
    const QRectF box(cx - radius, cy - radius, 2 * radius, 2 * radius);
    if (!reach(box, lineMargin()))
        return;
    applyPen(colour);
    const double sixteenthsPerRadian = 16.0 * 180.0 / M_PI;
    paint().drawArc(box, int(std::lround(startRadians * sixteenthsPerRadian)),
                    int(std::lround((endRadians - startRadians) * sixteenthsPerRadian)));
}

void PictureSurface::point(double x, double y, QColor colour)
{
    if (!reach(QRectF(x, y, 0, 0), lineMargin()))
        return;
    applyPen(colour);
    paint().drawPoint(QPointF(x, y));
}

void PictureSurface::text(double x, double y, const QString& text, const QFont& font, QColor colour)
{
    const QFontMetricsF metrics(font);
    const QPointF baseline(x, y + metrics.ascent());
    if (!reach(metrics.boundingRect(text).translated(baseline), 2))
        return;
    QPainter& p = paint();
    p.setFont(font);
    p.setPen(colour);
    p.drawText(baseline, text);
}

void PictureSurface::paintPicture(const QImage& picture, double left, double top)
{
    const QPointF at(std::round(left), std::round(top));
    if (!reach(QRectF(at, picture.deviceIndependentSize()), 1))
        return;
    paint().drawImage(at, picture);
}

void PictureSurface::paintLayer(const QImage& layer, const QRect& area)
{
    if (!reach(area, 0))
        return;
    // Whole device pixels, so that pieces of an area paste what the area would.
    const qreal ratio = layer.devicePixelRatio();
    const QRect pixels = devicePixels(area, ratio, layer.rect());
    paint().drawImage(QRectF(QPointF(pixels.topLeft()) / ratio, QSizeF(pixels.size()) / ratio), layer, QRectF(pixels));
}

double PictureSurface::textWidth(const QString& text, const QFont& font)
{
    return QFontMetricsF(font).horizontalAdvance(text);
}

double PictureSurface::textHeight(const QString&, const QFont& font)
{
    return QFontMetricsF(font).height();
}

void PictureSurface::paintLayer(const QImage& layer, const QRegion& area)
{
    for (const QRect& part : area)
        paintLayer(layer, part);
}

const QImage& PictureSurface::canvas() const
{
    endPainting();
    return m_canvas;
}

const QImage& PictureSurface::background() const
{
    endPainting();
    return m_background;
}

QImage pictureAtRatio(const QImage& picture, qreal devicePixelRatio)
{
    if (picture.isNull() || picture.devicePixelRatio() == devicePixelRatio)
        return picture;
    const QSizeF units = picture.deviceIndependentSize();
    QImage scaled =
        picture.scaled((units * devicePixelRatio).toSize(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    scaled.setDevicePixelRatio(devicePixelRatio);
    return scaled;
}
