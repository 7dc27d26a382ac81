// Pictures: {\pict\pngblip or \jpegblip, sizes, then the data in hex or
// after \bin}. Other formats (metafiles, bitmaps of old systems) are left
// out; a picture whose data does not decode is left out too.

#include "exercises/rtf/rtfinterpreter.h"
#include "exercises/rtf/rtflimits.h"

#include <QBuffer>
#include <QImageReader>
#include <QTextDocument>
#include <QUrl>
#include <algorithm>
#include <utility>

namespace rtf {

void Interpreter::pictureWord(QByteArrayView word, int parameter)
{
    if (word == "pngblip")
        m_picture.kind = Picture::Kind::Png;
    else if (word == "jpegblip")
        m_picture.kind = Picture::Kind::Jpeg;
    else if (word == "wmetafile" || word == "emfblip" || word == "macpict" || word == "dibitmap" || word == "wbitmap"
             || word == "pmmetafile")
        m_picture.kind = Picture::Kind::Unsupported;
    else if (word == "picw")
        m_picture.width = parameter;
    else if (word == "pich")
        m_picture.height = parameter;
    else if (word == "picwgoal")
        m_picture.goalWidth = parameter;
    else if (word == "pichgoal")
        m_picture.goalHeight = parameter;
    else if (word == "picscalex")
        m_picture.scaleX = parameter;
    else if (word == "picscaley")
        m_picture.scaleY = parameter;
}

void Interpreter::pictureText(QByteArrayView bytes)
{
    if (m_picture.overflow || m_picture.kind == Picture::Kind::Unsupported)
        return;
    for (const char c : bytes) {
        int nibble;
        if (c >= '0' && c <= '9')
            nibble = c - '0';
        else if (c >= 'a' && c <= 'f')
            nibble = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            nibble = c - 'A' + 10;
        else
            continue;
        if (m_picture.pendingNibble < 0) {
            m_picture.pendingNibble = nibble;
            continue;
        }
        if (m_picture.data.size() >= limits::binaryBytes) {
            m_picture.overflow = true;
            return;
        }
        m_picture.data.append(char(m_picture.pendingNibble * 16 + nibble));
        m_picture.pendingNibble = -1;
    }
}

void Interpreter::insertPicture()
{
    Picture picture = std::exchange(m_picture, Picture{});
    // Only a picture of the text flow is shown.
    const bool inText = m_groups.size() > 1 && m_groups[m_groups.size() - 2].destination == Destination::Text;
    if (!inText || picture.kind == Picture::Kind::Unsupported || picture.overflow || picture.data.isEmpty()
        || m_pictureCount >= limits::pictures)
        return;
    QBuffer buffer(&picture.data);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, picture.kind == Picture::Kind::Png ? "png" : "jpeg");
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty() || qint64(size.width()) * size.height() > limits::picturePixels)
        return;
    const QImage image = reader.read();
    if (image.isNull())
        return;

    // The size shown: the goal in twips when given, else the pixels; then the
    // scales in per cent.
    const auto shown = [](int goal, int pixels, int scale) {
        const double base = goal > 0 ? goal / 15.0 : pixels;
        const double scaled = base * (scale > 0 ? std::min(scale, 10000) : 100) / 100.0;
        return std::clamp(scaled, 1.0, double(limits::pictureShownSide));
    };
    const QString name = QStringLiteral("rtfimage:%1").arg(++m_pictureCount);
    m_document.addResource(QTextDocument::ImageResource, QUrl(name), image);
    QTextImageFormat format;
    format.setName(name);
    format.setWidth(shown(picture.goalWidth, image.width(), picture.scaleX));
    format.setHeight(shown(picture.goalHeight, image.height(), picture.scaleY));

    // The picture sits in the text like a character.
    enterContentContext();
    flush();
    m_cursor.insertImage(format);
}

} // namespace rtf
