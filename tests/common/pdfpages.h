#pragma once
// Reads back what a test printed into a PDF file, with the poppler tools
// (pdfinfo, pdftotext, pdftoppm, pdfimages from poppler-utils).

#include <QDir>
#include <QImage>
#include <QPoint>
#include <QProcess>
#include <QRect>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <functional>
#include <vector>

namespace pdf {

// The standard output of a poppler tool; empty when it failed or is missing.
inline QString run(const QString& tool, const QStringList& arguments)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return QString();
    return QString::fromUtf8(process.readAllStandardOutput());
}

inline int pageCount(const QString& file)
{
    for (const QString& line : run(QStringLiteral("pdfinfo"), {file}).split(QLatin1Char('\n')))
        if (line.startsWith(QLatin1String("Pages:")))
            return line.mid(6).trimmed().toInt();
    return 0;
}

// The size of the first page in points (1/72 inch).
inline QSizeF pageSizePoints(const QString& file)
{
    for (const QString& line : run(QStringLiteral("pdfinfo"), {file}).split(QLatin1Char('\n')))
        if (line.startsWith(QLatin1String("Page size:"))) {
            const QStringList words = line.mid(10).simplified().split(QLatin1Char(' '));
            if (words.size() >= 3)
                return QSizeF(words[0].toDouble(), words[2].toDouble());
        }
    return QSizeF();
}

// The text of page `page` (from 1).
inline QString pageText(const QString& file, int page)
{
    const QString number = QString::number(page);
    return run(QStringLiteral("pdftotext"), {QStringLiteral("-f"), number, QStringLiteral("-l"), number,
                                            QStringLiteral("-layout"), file, QStringLiteral("-")});
}

// The number of raster pictures embedded in the file.
inline int imageCount(const QString& file)
{
    const QStringList lines = run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), file})
                                  .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    return lines.size() < 2 ? 0 : int(lines.size()) - 2; // two header lines
}

// The pictures embedded in the file, as they are stored in it.
inline std::vector<QImage> embeddedImages(const QString& file)
{
    QTemporaryDir scratch;
    QProcess process;
    process.start(QStringLiteral("pdfimages"), {QStringLiteral("-png"), file, scratch.filePath(QStringLiteral("image"))});
    std::vector<QImage> images;
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return images;
    const QDir folder(scratch.path());
    for (const QString& name : folder.entryList({QStringLiteral("image-*.png")}, QDir::Files, QDir::Name))
        images.push_back(QImage(folder.filePath(name)).convertToFormat(QImage::Format_RGB32));
    return images;
}

// Page `page` (from 1) rendered at `dotsPerInch`; only the pixels of `crop`
// when one is given, which keeps a page at a fine resolution small.
inline QImage pageImage(const QString& file, int page, int dotsPerInch, const QRect& crop = QRect())
{
    QTemporaryDir scratch;
    const QString prefix = scratch.filePath(QStringLiteral("page"));
    const QString number = QString::number(page);
    QStringList arguments{QStringLiteral("-r"), QString::number(dotsPerInch), QStringLiteral("-f"), number,
                          QStringLiteral("-l"), number, QStringLiteral("-png"), QStringLiteral("-singlefile")};
    if (crop.isValid())
        arguments << QStringLiteral("-x") << QString::number(crop.x()) << QStringLiteral("-y")
                  << QString::number(crop.y()) << QStringLiteral("-W") << QString::number(crop.width())
                  << QStringLiteral("-H") << QString::number(crop.height());
    QProcess process;
    process.start(QStringLiteral("pdftoppm"), arguments << file << prefix);
    if (!process.waitForFinished(60000) || process.exitCode() != 0)
        return QImage();
    return QImage(prefix + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
}

// The smallest rectangle holding every pixel that `matches`.
inline QRect boundingBox(const QImage& image, const std::function<bool(QRgb)>& matches)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (matches(row[x]))
                box |= QRect(x, y, 1, 1);
    }
    return box;
}

// How much of a screen picture a page rendered at the screen's resolution
// shows: of the screen's pixels that `onScreen` picks, how many have one that
// `onPage` picks within a pixel at the same place of the page, where the
// screen's (0, 0) lies at `origin`.
struct FoundNear {
    int onScreen = 0;
    int onPage = 0;

    double share() const { return onScreen == 0 ? 0.0 : double(onPage) / onScreen; }
};

inline FoundNear foundNear(const QImage& screen, const QImage& page, QPoint origin,
                           const std::function<bool(QRgb)>& onScreen, const std::function<bool(QRgb)>& onPage)
{
    FoundNear found;
    for (int y = 0; y < screen.height(); ++y)
        for (int x = 0; x < screen.width(); ++x) {
            if (!onScreen(screen.pixel(x, y)))
                continue;
            ++found.onScreen;
            bool near = false;
            for (int dy = -1; dy <= 1 && !near; ++dy)
                for (int dx = -1; dx <= 1 && !near; ++dx) {
                    const QPoint p = origin + QPoint(x + dx, y + dy);
                    near = page.valid(p) && onPage(page.pixel(p));
                }
            found.onPage += near ? 1 : 0;
        }
    return found;
}

} // namespace pdf
