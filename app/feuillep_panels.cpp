// The help line that describes the control under the mouse, the colour
// swatches, and the pointer over the live graph.

#include "app/feuillep.h"

#include "app/scenepicture.h"
#include "scene/helptexts.h"
#include "ui/appdir.h"
#include "ui/dialogservice.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolButton>

namespace {
// The live graph can be enlarged by a click left of its legend.
constexpr int enlargeZoneRight = 270;
}

void FeuilleP::installHelpLine()
{
    setMouseTracking(true);
    installEventFilter(this);
    QList<QWidget*> described = {
        Check1, Check2, Check3, Frame2, Check4, Check8, chrono, Command1, Command2, Command4, Command7, Command8,
        Command10, Command11, command12, Command13, command15, command16, command18, Frame1, Picture1, Picture3,
        Picture5, Picture6, btexo};
    described.append(QList<QWidget*>(Label4.begin(), Label4.end()));
    // A control keeps its own text: a move it ignores must not reach the panel
    // or the window behind it, whose text would replace its own.
    for (QWidget* control : described) {
        control->setMouseTracking(true);
        control->setAttribute(Qt::WA_NoMousePropagation);
        control->installEventFilter(this);
    }
    m_enlargeCursor = QCursor(dataPixmap(QStringLiteral("loupe.png")), 13, 13);
}

void FeuilleP::showHelpFor(QObject* control)
{
    HelpContext context;
    context.currentInfo = info->text();
    context.cameraIdle = command12->toolTip() == QStringLiteral("Chronophotographie");
    context.graphCanBeEnlarged = Command3->isEnabled();
    const QString text = helpTextFor(control->objectName(), context);
    if (!text.isNull() && text != info->text())
        info->setText(text);
}

void FeuilleP::Frame1_MouseMove(int x)
{
    const bool enlargeable = Command3->isEnabled() && x < enlargeZoneRight;
    Frame1->setCursor(enlargeable ? m_enlargeCursor : QCursor(Qt::ArrowCursor));
}

void FeuilleP::Label4_Click(int index)
{
    const std::optional<QColor> chosen = DialogService::current().chooseColour(this, m_swatches[size_t(index)]);
    if (!chosen)
        return;
    m_swatches[size_t(index)] = *chosen;
    showSwatch(index);
    if (index == scene::SwatchFrame && Check1->isChecked())
        repere();
    Picture3->update();
    majaff();
}

bool FeuilleP::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::Enter:
    case QEvent::MouseMove: {
        if (watched == Label5)
            break;
        showHelpFor(watched);
        if (watched == Frame1 && event->type() == QEvent::MouseMove)
            Frame1_MouseMove(int(static_cast<QMouseEvent*>(event)->position().x()));
        break;
    }
    case QEvent::MouseButtonRelease: {
        auto* swatch = std::find(Label4.begin(), Label4.end(), watched);
        if (swatch != Label4.end()) {
            Label4_Click(int(swatch - Label4.begin()));
            return true;
        }
        if (watched == Label5) {
            command12_Click();
            return true;
        }
        break;
    }
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}
