#include "scene/windowpainting.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <cmath>

namespace scene {

QColor gradientColour(int row)
{
    const int r = int(std::nearbyint(255.0 - 55.0 * row / 600.0));
    const int b = int(std::nearbyint(255.0 - 75.0 * row / 600.0));
    return QColor(r, r, b);
}

void paintMainWindow(QPainter& painter, const QRect& textPanel, int fieldTop, int sceneBottom)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (int i = 0; i <= 600; ++i) {
        painter.setPen(gradientColour(i));
        painter.drawLine(0, i, 800, i);
    }

    const QColor darkGrey(128, 128, 128);
    painter.fillRect(QRect(QPoint(textPanel.left() + 3, fieldTop + 3),
                           QPoint(textPanel.left() + textPanel.width() + 3, textPanel.top() + textPanel.height() + 3)),
                     darkGrey);

    QFont title("Arial");
    title.setPointSize(14);
    title.setBold(true);
    painter.setFont(title);
    const int ascent = QFontMetrics(title).ascent();
    painter.setPen(darkGrey);
    painter.drawText(52, sceneBottom + 5 + ascent, QStringLiteral("Animation :"));
    painter.setPen(QColor(0, 0, 255));
    painter.drawText(50, sceneBottom + 3 + ascent, QStringLiteral("Animation :"));
    painter.restore();
}

} // namespace scene
