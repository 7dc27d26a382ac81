#include "ui/picturesurface.h"

#include <QFontMetricsF>
#include <QPainter>
#include <cmath>
#include <cstring>

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
    if (!m_painter) {
        m_painter = std::make_unique<QPainter>(&m_canvas);
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
}

void PictureSurface::clear()
{
    endPainting();
    // Same size and format: a plain copy of the pixels, no reallocation.
    std::memcpy(m_canvas.bits(), m_background.constBits(), size_t(m_background.sizeInBytes()));
}

void PictureSurface::bake()
{
    endPainting();
    std::memcpy(m_background.bits(), m_canvas.constBits(), size_t(m_canvas.sizeInBytes()));
}

void PictureSurface::setLineWidth(int width) { m_lineWidth = width < 1 ? 1 : width; }
void PictureSurface::setDotted(bool dotted) { m_dotted = dotted; }

void PictureSurface::applyPen(QColor colour)
{
    QPen pen(colour);
    pen.setWidth(m_lineWidth);
    pen.setStyle(m_dotted ? Qt::DotLine : Qt::SolidLine);
    pen.setCapStyle(Qt::FlatCap);
    painter().setPen(pen);
    painter().setBrush(Qt::NoBrush);
}

void PictureSurface::line(double x1, double y1, double x2, double y2, QColor colour)
{
    applyPen(colour);
    painter().drawLine(QPointF(float(x1), float(y1)), QPointF(float(x2), float(y2)));
}

void PictureSurface::rectangle(double x1, double y1, double x2, double y2, QColor colour)
{
    applyPen(colour);
    painter().drawRect(QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized());
}

void PictureSurface::filledRectangle(double x1, double y1, double x2, double y2, QColor colour)
{
    painter().fillRect(QRectF(QPointF(x1, y1), QPointF(x2, y2)).normalized(), colour);
}

void PictureSurface::circle(double cx, double cy, double radius, QColor colour)
{
    applyPen(colour);
    painter().drawEllipse(QPointF(cx, cy), radius, radius);
}

void PictureSurface::arc(double cx, double cy, double radius, double startRadians, double endRadians, QColor colour)
{
    applyPen(colour);
    const QRectF box(cx - radius, cy - radius, 2 * radius, 2 * radius);
    const double sixteenthsPerRadian = 16.0 * 180.0 / M_PI;
    painter().drawArc(box, int(std::lround(startRadians * sixteenthsPerRadian)),
                      int(std::lround((endRadians - startRadians) * sixteenthsPerRadian)));
}

void PictureSurface::point(double x, double y, QColor colour)
{
    applyPen(colour);
    painter().drawPoint(QPointF(x, y));
}

void PictureSurface::text(double x, double y, const QString& text, const QFont& font, QColor colour)
{
    QPainter& p = painter();
    p.setFont(font);
    p.setPen(colour);
    const QFontMetricsF metrics(font);
    p.drawText(QPointF(x, y + metrics.ascent()), text);
}

void PictureSurface::paintPicture(const QImage& picture, double left, double top)
{
    painter().drawImage(QPointF(std::round(left), std::round(top)), picture);
}

void PictureSurface::paintLayer(const QImage& layer, const QRect& area)
{
    const qreal ratio = layer.devicePixelRatio();
    painter().drawImage(QRectF(area), layer, QRectF(QPointF(area.topLeft()) * ratio, QSizeF(area.size()) * ratio));
}

double PictureSurface::textWidth(const QString& text, const QFont& font)
{
    return QFontMetricsF(font).horizontalAdvance(text);
}

double PictureSurface::textHeight(const QString&, const QFont& font)
{
    return QFontMetricsF(font).height();
}

const QImage& PictureSurface::canvas() const
{
    endPainting();
    return m_canvas;
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
