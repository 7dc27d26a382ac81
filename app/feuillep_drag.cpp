// Moving the projectile with the mouse to set its initial position, and the
// coordinates of the point under the pointer.

#include "app/feuillep.h"

#include "app/scenepicture.h"
#include "scene/scenegeometry.h"
#include "ui/numberformat.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QTimer>
#include <QToolTip>
#include <functional>

namespace {

const QString fieldPattern = QStringLiteral("###0.00");
const QString tipPattern = QStringLiteral("##0.00");

// Hands a control's mouse events to the window; the handler says whether it
// used the event up.
class MouseRelay : public QObject {
public:
    using Handler = std::function<bool(QMouseEvent*)>;

    MouseRelay(QWidget* control, Handler handler)
        : QObject(control)
        , m_handler(std::move(handler))
    {
        control->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::MouseButtonRelease:
            return m_handler(static_cast<QMouseEvent*>(event));
        default:
            return false;
        }
    }

private:
    Handler m_handler;
};

} // namespace

void FeuilleP::installDragging()
{
    // The open hand tells the pupil that the projectile can be taken.
    m_ui.projectile->setCursor(Qt::OpenHandCursor);
    m_ui.projectile->setMouseTracking(true);
    // The shadow lets the pointer through to the scene and its coordinates.
    m_ui.ombre->setAttribute(Qt::WA_TransparentForMouseEvents);
    new MouseRelay(m_ui.projectile, [this](QMouseEvent* event) {
        switch (event->type()) {
        case QEvent::MouseMove:
            projectile_MouseMove(event->buttons(), event->position());
            // A move with no button goes on to the scene, whose tool-tip
            // follows the pointer over the projectile too.
            return event->buttons() != Qt::NoButton;
        case QEvent::MouseButtonRelease:
            if (event->buttons() == Qt::NoButton)
                endDrag();
            return true;
        default:
            projectile_MouseDown(event->buttons(), event->position());
            // The projectile keeps the press, so that the moves come back to it.
            return true;
        }
    });

    connect(m_ui.Picture2, &ScenePicture::mousePressed, this,
            [this](QMouseEvent* event) { Picture2_MouseDown(event->buttons(), event->position()); });
    connect(m_ui.Picture2, &ScenePicture::mouseMoved, this, [this](QMouseEvent* event) {
        if (m_paintedGrab)
            projectile_MouseMove(event->buttons(), event->position() - QPointF(m_ui.projectile->pos()));
        else
            Picture2_MouseMove(event->position());
    });
    connect(m_ui.Picture2, &ScenePicture::mouseReleased, this, [this](QMouseEvent* event) {
        if (event->buttons() == Qt::NoButton)
            endDrag();
    });
}

void FeuilleP::endDrag()
{
    m_drag = {};
    m_ui.projectile->setCursor(Qt::OpenHandCursor);
    if (m_paintedGrab)
        m_ui.Picture2->setCursor(Qt::CrossCursor);
    m_paintedGrab = false;
}

// The point pressed is the one that stays under the pointer; the drag
// itself begins with the first move.
void FeuilleP::projectile_MouseDown(Qt::MouseButtons button, QPointF at)
{
    if (button == Qt::LeftButton)
        scene::grabAt(m_drag, at.x(), at.y());
}

void FeuilleP::projectile_MouseMove(Qt::MouseButtons button, QPointF at)
{
    if (button == Qt::NoButton)
        endDrag();
    if (button != Qt::LeftButton)
        return;

    scene::SceneState& s = m_scene;
    m_ui.Timer1->stop();
    setProjectileImageVisible(true);
    setGraphButtonsEnabled(true);
    if (!s.sceneClean)
        retico();
    m_ui.Check1->setEnabled(true);
    // The run in progress is abandoned, recording included.
    m_flight.abandon();
    if (m_flight.chrono().chronoActive) {
        m_flight.chrono().stop();
        maj12();
    }

    if (!m_drag.dragActive) {
        QToolTip::hideText();
        m_ui.projectile->setCursor(Qt::ClosedHandCursor);
        if (m_paintedGrab)
            m_ui.Picture2->setCursor(Qt::ClosedHandCursor);
    }
    const scene::ImageCorner corner = scene::dragMove(m_drag, {s.imageLeft, s.imageTop}, at.x(), at.y());
    s.imageLeft = corner.left;
    s.imageTop = corner.top;
    placeProjectileImage();

    m_ui.Text1->setText(formatPattern(scene::xForImageLeft(s.imageLeft), fieldPattern));
    m_ui.Text2->setText(formatPattern(scene::yForImageTop(s.imageTop), fieldPattern));
    takeInitialConditions();
    showReadouts(m_flight.simTime(), m_flight.conditions().x0, m_flight.conditions().y0);
    plusbouton();
}

// A flying or paused projectile is painted on the scene, its image control
// hidden: a press on its picture takes it just the same, where it is seen.
void FeuilleP::Picture2_MouseDown(Qt::MouseButtons button, QPointF at)
{
    if (button != Qt::LeftButton)
        return;
    hidePointValues();
    const float side = 2 * scene::pictureHalf;
    const QRectF painted(m_scene.imageLeft, m_scene.imageTop, side, side);
    if (!m_ui.projectile->isHidden() || !painted.contains(at)) {
        // While no flight runs, a click elsewhere reads the last flight.
        if (!m_ui.Timer1->isActive())
            showValuesAt(at);
        return;
    }
    m_paintedGrab = true;
    const QPointF onPicture = at - QPointF(m_ui.projectile->pos());
    projectile_MouseDown(button, onPicture);
    projectile_MouseMove(button, onPicture);
}

void FeuilleP::Picture2_MouseMove(QPointF at)
{
    const QString help =
        QStringLiteral("Vous pouvez déplacer le projectile directement sur l'image pour modifier la position initiale");
    if (m_ui.info->text() != help)
        m_ui.info->setText(help);

    if (m_ui.Timer1->isActive()) {
        m_ui.Picture2->setCursor(Qt::ArrowCursor);
        m_ui.Picture2->setToolTip(QString());
        QToolTip::hideText();
        return;
    }
    m_ui.Picture2->setCursor(Qt::CrossCursor);
    const QString tip = QStringLiteral("x = ") + formatPattern(scene::xForSceneX(float(at.x())), tipPattern)
                        + QStringLiteral(" m ; y = ") + formatPattern(scene::yForSceneY(float(at.y())), tipPattern)
                        + QStringLiteral(" m.");
    m_ui.Picture2->setToolTip(tip);
    // A tip already shown moves with the pointer and reads the new point.
    if (QToolTip::isVisible())
        QToolTip::showText(m_ui.Picture2->mapToGlobal(at.toPoint()), tip, m_ui.Picture2);
}
