// The panels' drawings, the help line that describes the control under the
// mouse, the colour swatches, and the pointer over the live graph.

#include "app/feuillep.h"

#include "app/scenepicture.h"
#include "graphs/choicepanel.h"
#include "scene/chronopanel.h"
#include "scene/helptexts.h"
#include "scene/parameterspanel.h"
#include "scene/scenegeometry.h"
#include "scene/vectorlegends.h"
#include "sim/catalogue.h"
#include "ui/appdir.h"
#include "ui/colourvalue.h"
#include "ui/dialogservice.h"
#include "ui/paintedpanel.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>

namespace {
// The live graph can be enlarged by a click left of its legend.
constexpr int enlargeZoneRight = 270;
}

void FeuilleP::installPanelPainters()
{
    m_ui.Picture3->setPainter([this](QPainter& painter) {
        paintParametersPanel(painter, ParametersPanelLayout::geometry(), m_swatches[scene::SwatchVelocity]);
    });
    m_ui.Picture1->setPainter([this](QPainter& painter) {
        scene::paintVectorsPanel(painter,
                                 scene::vectorsPanelGeometry(scene::vectorScaleFor(m_ui.VScroll1->value()),
                                                             scene::vectorScaleFor(m_ui.VScroll4->value()),
                                                             scene::weightScaleFor(m_ui.VScroll3->value())),
                                 m_flight.conditions().projectileIndex == sim::Rocher);
    });
    m_ui.Picture6->setPainter([this](QPainter& painter) {
        ChronoPanelGeometry geometry = ChronoPanelLayout::geometry();
        geometry.fieldFont = m_ui.chrono->font();
        paintChronoPanel(painter, geometry);
    });
    m_ui.Frame1->setPainter([this](QPainter& painter) { painter.drawImage(0, 0, m_graph.picture()); });
    m_ui.Picture5->setPainter(
        [](QPainter& painter) { graphs::paintGraphChoiceLabels(painter, graphs::choiceBoxes); });
}

void FeuilleP::showSwatch(int index)
{
    QLabel* swatch = m_ui.Label4[size_t(index)];
    QPalette palette = swatch->palette();
    palette.setColor(QPalette::Window, m_swatches[size_t(index)]);
    swatch->setPalette(palette);
}

void FeuilleP::setSwatchValue(int index, std::int32_t value)
{
    m_swatchValues[size_t(index)] = value;
    m_swatches[size_t(index)] = colourOfValue(value, scene::defaultSwatches()[size_t(index)]);
    showSwatch(index);
    if (index == scene::SwatchVelocity)
        m_ui.Picture3->update();
}

void FeuilleP::installHelpLine()
{
    setMouseTracking(true);
    installEventFilter(this);
    QList<QWidget*> described = {
        m_ui.Check1, m_ui.Check2, m_ui.Check3, m_ui.Frame2, m_ui.Check4, m_ui.Check8, m_ui.chrono, m_ui.Command1, m_ui.Command2, m_ui.Command4, m_ui.Command7, m_ui.Command8,
        m_ui.Command10, m_ui.Command11, m_ui.command12, m_ui.Command13, m_ui.command15, m_ui.command16, m_ui.command18, m_ui.Frame1, m_ui.Picture1, m_ui.Picture3,
        m_ui.Picture5, m_ui.Picture6, m_ui.btexo};
    described.append(QList<QWidget*>(m_ui.Label4.begin(), m_ui.Label4.end()));
    // A control keeps its own text: a move it ignores must not reach the panel
    // or the window behind it, whose text would replace its own.
    for (QWidget* control : described) {
        control->setMouseTracking(true);
        control->setAttribute(Qt::WA_NoMousePropagation);
        control->installEventFilter(this);
    }
    // Without its picture the magnifier pointer stays an arrow.
    const QPixmap loupe(applicationDirectory() + QStringLiteral("loupe.png"));
    if (!loupe.isNull())
        m_enlargeCursor = QCursor(loupe, 13, 13);
}

void FeuilleP::showHelpFor(QObject* control)
{
    HelpContext context;
    context.currentInfo = m_ui.info->text();
    context.cameraIdle = m_ui.command12->toolTip() == QStringLiteral("Chronophotographie");
    context.graphCanBeEnlarged = m_ui.Command5->isEnabled();
    context.noFlightToGraph = startsWithoutFlight();
    const QString text = helpTextFor(control->objectName(), context);
    if (!text.isNull() && text != m_ui.info->text())
        m_ui.info->setText(text);
}

void FeuilleP::Frame1_MouseMove(int x)
{
    const bool enlargeable = m_ui.Command5->isEnabled() && x < enlargeZoneRight;
    m_ui.Frame1->setCursor(enlargeable ? m_enlargeCursor : QCursor(Qt::ArrowCursor));
}

void FeuilleP::Label4_Click(int index)
{
    const std::optional<QColor> chosen = DialogService::current().chooseColour(this, m_swatches[size_t(index)]);
    if (!chosen)
        return;
    setSwatchValue(index, colourValue(*chosen));
    if (index == scene::SwatchFrame && m_ui.Check1->isChecked())
        repere();
    majaff();
}

bool FeuilleP::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Enter:
    case QEvent::MouseMove: {
        if (watched == m_ui.Label5)
            break;
        showHelpFor(watched);
        if (watched == m_ui.Frame1 && event->type() == QEvent::MouseMove)
            Frame1_MouseMove(int(static_cast<QMouseEvent*>(event)->position().x()));
        break;
    }
    case QEvent::MouseButtonRelease: {
        auto* swatch = std::find(m_ui.Label4.begin(), m_ui.Label4.end(), watched);
        if (swatch != m_ui.Label4.end()) {
            Label4_Click(int(swatch - m_ui.Label4.begin()));
            return true;
        }
        if (watched == m_ui.Label5) {
            command12_Click();
            return true;
        }
        if (watched == m_ui.Frame1 && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
            Frame1_Click();
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}
