// The RTF reader: any bytes give a document within the bounds of rtflimits.h
// (tables, pictures, their sizes and pixels) and no larger than the input can
// describe; bytes that are not RTF leave the document as it was. Time and
// memory are bounded by the fuzzer's -timeout and -rss_limit_mb.

#include "exercises/rtf/rtflimits.h"
#include "exercises/rtf/rtfreader.h"
#include "fuzz/fuzzcheck.h"

#include <QGuiApplication>
#include <QImage>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <QUrl>
#include <cstdint>

namespace {

void requireTablesWithinLimits(QTextFrame* frame)
{
    for (QTextFrame* child : frame->childFrames()) {
        if (const auto* table = qobject_cast<QTextTable*>(child)) {
            FUZZ_REQUIRE(table->rows() >= 1 && table->rows() <= rtf::limits::tableRows);
            FUZZ_REQUIRE(table->columns() >= 1 && table->columns() <= rtf::limits::tableColumns);
        }
        requireTablesWithinLimits(child);
    }
}

void requirePicturesWithinLimits(const QTextDocument& document)
{
    int pictures = 0;
    qint64 pixels = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment) {
            const QTextCharFormat format = fragment.fragment().charFormat();
            if (!format.isImageFormat())
                continue;
            pictures += fragment.fragment().length();
            const QTextImageFormat image = format.toImageFormat();
            FUZZ_REQUIRE(image.width() >= 1 && image.width() <= rtf::limits::pictureShownSide);
            FUZZ_REQUIRE(image.height() >= 1 && image.height() <= rtf::limits::pictureShownSide);
            const QImage stored = document.resource(QTextDocument::ImageResource, QUrl(image.name())).value<QImage>();
            FUZZ_REQUIRE(!stored.isNull());
            FUZZ_REQUIRE(qint64(stored.width()) * stored.height() <= rtf::limits::picturePixels);
            pixels += qint64(stored.width()) * stored.height() * fragment.fragment().length();
        }
    }
    FUZZ_REQUIRE(pictures <= rtf::limits::pictures);
    FUZZ_REQUIRE(pixels <= rtf::limits::documentPicturePixels);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication application(*argc, *argv);
    // The image decoders speak of the corrupt pictures they are given in
    // their own words ("Not a JPEG file", "libpng error"); a misuse of Qt's
    // text classes would come under the class's name ("QTextCursor::...").
    fuzzcheck::failOnQtWarnings(QStringLiteral("^(?!Q[A-Za-z]+::)"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray input = fuzzcheck::bytesOf(data, size);
    QTextDocument document(QStringLiteral("inchangé"));
    const bool read = rtf::read(input, document);
    FUZZ_REQUIRE(read == rtf::looksLikeRtf(input));
    if (!read) {
        FUZZ_REQUIRE(document.toPlainText() == QStringLiteral("inchangé"));
        return 0;
    }
    requireTablesWithinLimits(document.rootFrame());
    requirePicturesWithinLimits(document);
    // A row of cells is the most text a few bytes can make ("\row" adds as
    // many cells as the table has columns).
    FUZZ_REQUIRE(document.characterCount() <= qint64(rtf::limits::tableColumns) * (qint64(size) + 1) + 1);
    return 0;
}
