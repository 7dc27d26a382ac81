#include "config/dialogs/waitingnotice.h"

namespace config {

WaitingNotice::WaitingNotice(QWidget* window) : QLabel(QStringLiteral("Patience: chargement du fichier"), window)
{
    setObjectName(QStringLiteral("waitingNotice"));
    setAlignment(Qt::AlignCenter);
    setFrameStyle(QFrame::Panel | QFrame::Raised);
    setLineWidth(2);
    setMargin(16);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::ToolTipBase);
    setForegroundRole(QPalette::ToolTipText);
    hide();
}

void WaitingNotice::showNow()
{
    adjustSize();
    if (const QWidget* window = parentWidget())
        move((window->width() - width()) / 2, (window->height() - height()) / 2);
    raise();
    show();
    repaint();
}

} // namespace config
