#include "scene/keptpaths.h"

#include "scene/scenegeometry.h"
#include "sim/catalogue.h"
#include "ui/numberformat.h"
#include "ui/picturesurface.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <algorithm>

namespace scene {

namespace {

// Light enough for the new throw's own trajectory to stand out over them.
const QColor pathColours[KeptPaths::capacity] = {QColor(0, 90, 210, 150), QColor(230, 110, 0, 150),
                                                 QColor(0, 150, 60, 150), QColor(160, 40, 170, 150),
                                                 QColor(0, 140, 150, 150)};

QFont labelFont()
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setPixelSize(10);
    return font;
}

} // namespace

QString keptPathLabel(const sim::InitialConditions& c)
{
    QString label = QStringLiteral("α = %1° ; v₀ = %2 m/s").arg(formatGeneral(c.alphaDegrees, true), formatGeneral(c.v0, true));
    if (c.placeIndex != sim::Terre)
        label += QStringLiteral(" ; ") + QString::fromUtf8(sim::place(c.placeIndex).name);
    return label;
}

bool KeptPaths::keep(const sim::Flight& flight)
{
    if (flight.samples().empty())
        return false;
    KeptPath path;
    for (const sim::Sample& s : flight.samples())
        path.points.emplace_back(sceneX(s.x), std::min(double(groundRow), pictureHalf + imageTopFor(s.y)));
    path.colour = pathColours[m_kept % capacity];
    path.slot = m_kept % capacity;
    path.label = keptPathLabel(flight.recordedConditions());
    ++m_kept;
    m_paths.push_back(std::move(path));
    if (int(m_paths.size()) <= capacity)
        return false;
    m_paths.pop_front();
    return true;
}

void KeptPaths::draw(PictureSurface& surface, const KeptPath& path)
{
    QPainter& painter = surface.painter();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(path.colour, 1));
    painter.drawPolyline(path.points.data(), int(path.points.size()));

    // The label stands at the end of the path, above the projectile resting
    // there, on a pale ground that keeps it readable over the photograph; one
    // row per slot, so that neighbouring throws do not overlap.
    const QFont font = labelFont();
    painter.setFont(font);
    const QFontMetricsF metrics(font);
    const double width = metrics.horizontalAdvance(path.label);
    const QPointF end = path.points.back();
    const double left = std::clamp(end.x() - width / 2, 2.0, sceneWidth - width - 2);
    const double top = std::min(end.y(), double(groundRow)) - 2 * pictureHalf - 14 - 14.0 * path.slot;
    const QRectF box(left - 2, top, width + 4, metrics.height() + 1);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(255, 255, 255, 200));
    painter.drawRoundedRect(box, 3, 3);
    painter.setPen(QColor(path.colour.red(), path.colour.green(), path.colour.blue()));
    painter.drawText(box, Qt::AlignCenter, path.label);
    painter.restore();
}

void KeptPaths::drawAll(PictureSurface& surface) const
{
    for (const KeptPath& path : m_paths)
        draw(surface, path);
}

} // namespace scene
