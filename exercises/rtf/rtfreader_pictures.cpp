// Pictures: {\pict\pngblip or \jpegblip, sizes, then the data in hex or
// after \bin}. A picture the reader cannot show (a metafile, a bitmap of old
// systems, data that does not decode) leaves a frame of its size that says
// so. Word's identifier of a picture, {\*\blipuid ...}, and its other starred
// groups are skipped, so that their hex is not taken for the data.

#include "exercises/rtf/rtfinterpreter.h"
#include "exercises/rtf/rtflimits.h"
#include "exercises/rtf/rtfmissingpicture.h"

#include <QBuffer>
#include <QImageReader>
#include <QTextDocument>
#include <QUrl>
#include <algorithm>
#include <utility>

namespace rtf {

namespace {

// A picture of no known size stands as a frame of two inches by one.
constexpr int unknownWidth = 192;
constexpr int unknownHeight = 96;

// The picture's own size in pixels from \picw and \pich: pixels for a
// bitmap, hundredths of a millimetre for a metafile.
QSize declaredSize(const Picture& picture)
{
    const auto side = [&picture](int declared, int unknown) {
        if (declared <= 0)
            return unknown;
        return picture.kind == Picture::Kind::Metafile ? int(qint64(declared) * 96 / 2540) : declared;
    };
    return {side(picture.width, unknownWidth), side(picture.height, unknownHeight)};
}

// The size shown: the goal in twips when given, else the picture's own size;
// then the scales in per cent.
QSizeF shownSize(const Picture& picture, QSize own)
{
    const auto side = [](int goal, int pixels, int scale) {
        const double base = goal > 0 ? goal / 15.0 : pixels;
        const double scaled = base * (scale > 0 ? std::min(scale, 10000) : 100) / 100.0;
        return std::clamp(scaled, 1.0, double(limits::pictureShownSide));
    };
    return {side(picture.goalWidth, own.width(), picture.scaleX),
            side(picture.goalHeight, own.height(), picture.scaleY)};
}

} // namespace

void Interpreter::startPicture(bool shown)
{
    enterDestination(Destination::Picture);
    m_picture = Picture{};
    m_picture.shown = shown;
}

void Interpreter::pictureWord(QByteArrayView word, int parameter, bool starred)
{
    if (word == "pngblip")
        m_picture.kind = Picture::Kind::Png;
    else if (word == "jpegblip")
        m_picture.kind = Picture::Kind::Jpeg;
    else if (word == "wmetafile" || word == "emfblip")
        m_picture.kind = Picture::Kind::Metafile;
    else if (word == "macpict" || word == "dibitmap" || word == "wbitmap" || word == "pmmetafile")
        m_picture.kind = Picture::Kind::Other;
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
    else if (starred)
        state().destination = Destination::Skip;
}

void Interpreter::pictureText(QByteArrayView bytes)
{
    if (m_picture.overflow || (m_picture.kind != Picture::Kind::Png && m_picture.kind != Picture::Kind::Jpeg))
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
    if (!picture.shown || m_pictureCount >= limits::pictures)
        return;
    const qint64 pixelsLeft = limits::documentPicturePixels - m_picturePixels;

    QSize own = declaredSize(picture);
    QImage image;
    if ((picture.kind == Picture::Kind::Png || picture.kind == Picture::Kind::Jpeg) && !picture.overflow
        && !picture.data.isEmpty()) {
        QBuffer buffer(&picture.data);
        buffer.open(QIODevice::ReadOnly);
        QImageReader reader(&buffer, picture.kind == Picture::Kind::Png ? "png" : "jpeg");
        const QSize size = reader.size();
        const qint64 pixels = qint64(size.width()) * size.height();
        if (size.isValid() && !size.isEmpty()) {
            own = size;
            if (pixels <= limits::picturePixels && pixels <= pixelsLeft)
                image = reader.read();
        }
    }
    const QSizeF shown = shownSize(picture, image.isNull() ? own : image.size());
    if (image.isNull()) {
        const QSize frame(qRound(shown.width()), qRound(shown.height()));
        if (qint64(frame.width()) * frame.height() > pixelsLeft)
            return;
        image = missingPictureFrame(frame, picture.kind == Picture::Kind::Metafile
                                               ? QStringLiteral("Image non affichée (format WMF/EMF)")
                                               : QStringLiteral("Image non affichée"));
    }
    m_picturePixels += qint64(image.width()) * image.height();

    const QString name = QStringLiteral("rtfimage:%1").arg(++m_pictureCount);
    m_document.addResource(QTextDocument::ImageResource, QUrl(name), image);
    QTextImageFormat format;
    format.setName(name);
    format.setWidth(shown.width());
    format.setHeight(shown.height());

    // The picture sits in the text like a character.
    enterContentContext();
    flush();
    m_cursor.insertImage(format);
}

} // namespace rtf
