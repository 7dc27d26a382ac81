// Reading the values at a point: while no flight runs, a click on the last
// flight's trajectory or on one of its chronophotographs shows its date,
// position and velocity, from the model at that date.

#include "app/feuillep.h"

#include "app/scenepicture.h"
#include "scene/pointpick.h"
#include "scene/scenegeometry.h"
#include "ui/numberformat.h"

#include <QKeyEvent>
#include <QLabel>
#include <QScrollBar>

namespace {

const QString readoutPattern = QStringLiteral("#######0.00");

QString valuesText(const sim::Sample& s)
{
    const auto n = [](double value) { return formatPattern(value, readoutPattern); };
    return QStringLiteral("t = %1 s\nx = %2 m ; y = %3 m\nvx = %4 m/s ; vy = %5 m/s\nv = %6 m/s")
        .arg(n(s.t), n(s.x), n(s.y), n(s.vx), n(s.vy), n(sim::speed(s.vx, s.vy)));
}

} // namespace

bool FeuilleP::showValuesAt(QPointF at)
{
    hidePointValues();
    std::optional<sim::Sample> picked;
    const std::vector<sim::Sample> photographs = m_flight.photographs();
    if (const std::optional<size_t> photo = scene::photographAt(photographs, at))
        picked = photographs[*photo];
    else if (const std::optional<float> date = scene::trajectoryDateAt(m_flight.samples(), at))
        picked = m_flight.recordedAt(*date);
    if (!picked)
        return false;

    QLabel* box = m_ui.pointValues;
    box->setText(valuesText(*picked));
    box->adjustSize();
    // Beside the point, inside the part of the scene in view.
    const QRect visible(0, m_ui.VScroll2->value(), scene::sceneWidth, scene::viewportHeight);
    QPoint corner = at.toPoint() + QPoint(10, 10);
    if (corner.x() + box->width() > visible.right())
        corner.setX(at.toPoint().x() - 10 - box->width());
    if (corner.y() + box->height() > visible.bottom())
        corner.setY(at.toPoint().y() - 10 - box->height());
    corner.setX(std::max(corner.x(), 0));
    corner.setY(std::max(corner.y(), visible.top()));
    box->move(corner);
    box->show();
    box->raise();
    return true;
}

void FeuilleP::hidePointValues()
{
    m_ui.pointValues->hide();
}

void FeuilleP::keyPressEvent(QKeyEvent* event)
{
    if (event->key() == Qt::Key_Escape && !m_ui.pointValues->isHidden())
        hidePointValues();
    else
        QWidget::keyPressEvent(event);
}
