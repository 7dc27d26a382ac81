#pragma once
// A picture surface with two layers, the way the scene and the graphs draw:
// a persistent background (photograph plus everything baked into it) and the
// canvas shown on screen. clear() copies the background onto the canvas,
// restore() only an area of it, bake() copies the canvas into the background.
// Both images hold devicePixelRatio device pixels per unit, so that the
// drawing, in units, stays sharp on a zoomed screen.
//
// The surface can gather the area its drawing covers, so that a redraw can
// repaint only that; while it measures, the drawing paints nothing.

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPointF>
#include <QRect>
#include <QRegion>
#include <QString>
#include <cstdint>
#include <memory>

class QPainter;

class PictureSurface {
public:
    PictureSurface(int width, int height, QColor backColour, qreal devicePixelRatio = 1);
    ~PictureSurface();
    PictureSurface(const PictureSurface&) = delete;
    PictureSurface& operator=(const PictureSurface&) = delete;

    // In units; the images are devicePixelRatio() times larger.
    int width() const { return m_width; }
    int height() const { return m_height; }
    qreal devicePixelRatio() const { return m_canvas.devicePixelRatio(); }

    // Replaces the persistent layer: the back colour with the picture over it
    // at (0, 0). The canvas shows it at once.
    void setBackgroundPicture(const QImage& picture);
    QColor backColour() const { return m_backColour; }

    QRect rect() const { return QRect(0, 0, m_width, m_height); }

    void clear();
    // The background's pixels of the area (in units) copied onto the canvas.
    void restore(const QRegion& area);
    void bake();

    // What stays (a trajectory's segment, a photograph) may be drawn on the
    // background itself, where clear() and restore() find it.
    enum class Layer { Canvas, Background };
    void drawOn(Layer layer);

    // From gatherDrawnArea() on, takeDrawnArea() answers the area drawn (or
    // measured), in units, with room for the line width; the painter()
    // handed out counts as the whole surface.
    void gatherDrawnArea();
    QRegion takeDrawnArea();
    void setMeasuring(bool measuring);
    // Counts every change of either layer: equal counts, the same pixels.
    std::uint64_t changeCount() const { return m_changes; }

    void setLineWidth(int width);
    int lineWidth() const { return m_lineWidth; }
    void setDotted(bool dotted);
    bool dotted() const { return m_dotted; }

    void line(double x1, double y1, double x2, double y2, QColor colour);
    void rectangle(double x1, double y1, double x2, double y2, QColor colour);
    void filledRectangle(double x1, double y1, double x2, double y2, QColor colour);
    void circle(double cx, double cy, double radius, QColor colour);
    // Arc counter-clockwise from startRadians to endRadians, 0 pointing right.
    void arc(double cx, double cy, double radius, double startRadians, double endRadians, QColor colour);
    void point(double x, double y, QColor colour);
    // Text whose top-left corner is at (x, y).
    void text(double x, double y, const QString& text, const QFont& font, QColor colour);
    // A picture made for the surface's ratio (pictureAtRatio) is copied pixel for pixel.
    void paintPicture(const QImage& picture, double left, double top);
    // The area of a layer of the surface's size, painted over the canvas at
    // the same place, its transparent pixels letting the canvas show.
    void paintLayer(const QImage& layer, const QRect& area);
    void paintLayer(const QImage& layer, const QRegion& area);

    static double textWidth(const QString& text, const QFont& font);
    static double textHeight(const QString& text, const QFont& font);

    // The painter on the canvas, for drawings shared with other paint devices
    // (the graph labels are drawn by one routine on screen and on paper).
    QPainter& painter();

    const QImage& canvas() const;
    const QImage& background() const;

private:
    void endPainting() const;
    QPainter& paint();
    // Adds the area, grown by the margin, to the drawn area; false while
    // measuring, when nothing is to be painted.
    bool reach(const QRectF& area, double margin);
    double lineMargin() const { return m_lineWidth + 1; }
    void applyPen(QColor colour);

    int m_width;
    int m_height;
    QImage m_background;
    mutable QImage m_canvas;
    mutable std::unique_ptr<QPainter> m_painter;
    QColor m_backColour;
    int m_lineWidth = 1;
    bool m_dotted = false;
    Layer m_target = Layer::Canvas;
    bool m_measuring = false;
    bool m_gathering = false;
    QRegion m_drawn;
    std::uint64_t m_changes = 0;
};

// A picture whose pixels are one unit each, smoothly scaled to the device
// pixels of a surface or a control of that ratio (a photograph, a projectile).
QImage pictureAtRatio(const QImage& picture, qreal devicePixelRatio);
