#include "exercises/rtf/rtfmissingpicture.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

namespace rtf {

namespace {

constexpr int margin = 4;
// Pixel sizes of the words, from the size of the text around down to the
// smallest still read; a frame too small for those gets the words cut.
constexpr int largestWords = 13;
constexpr int smallestWords = 7;

QFont fontFitting(const QRect& room, const QString& words)
{
    QFont font;
    for (int pixels = largestWords; pixels >= smallestWords; --pixels) {
        font.setPixelSize(pixels);
        const QRect needed = QFontMetrics(font).boundingRect(room, Qt::AlignCenter | Qt::TextWordWrap, words);
        if (room.contains(needed))
            break;
    }
    return font;
}

} // namespace

QImage missingPictureFrame(QSize size, const QString& words)
{
    QImage frame(size, QImage::Format_RGB32);
    frame.fill(QColor(0xe4, 0xe4, 0xe4));
    QPainter painter(&frame);
    painter.setPen(QColor(0x90, 0x90, 0x90));
    painter.drawRect(frame.rect().adjusted(0, 0, -1, -1));
    const QRect room = frame.rect().adjusted(margin, margin, -margin, -margin);
    if (room.isValid()) {
        painter.setFont(fontFitting(room, words));
        painter.setPen(QColor(0x50, 0x50, 0x50));
        painter.drawText(room, Qt::AlignCenter | Qt::TextWordWrap, words);
    }
    painter.end();
    return frame;
}

} // namespace rtf
