// Broken and hostile RTF: every input ends quickly, without a crash, with
// what could be read.

#include "exercises/rtf/rtfreader.h"
#include "common/testmain.h"
#include "common/timebound.h"

#include <QBuffer>
#include <QElapsedTimer>
#include <QImage>
#include <QRandomGenerator>
#include <QTest>
#include <QTextDocument>
#include <QtEndian>

namespace {

QByteArray repeated(const QByteArray& piece, int count)
{
    QByteArray out;
    out.reserve(piece.size() * count);
    for (int i = 0; i < count; ++i)
        out += piece;
    return out;
}

QByteArray wrapped(const QByteArray& body)
{
    return "{\\rtf1\\ansi " + body + "}";
}

QByteArray pngHex()
{
    QImage image(4, 4, QImage::Format_RGB32);
    image.fill(Qt::blue);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "png");
    return bytes.toHex();
}

// A PNG whose header claims a picture of width by height pixels.
QByteArray hugePngHex(quint32 width, quint32 height)
{
    QByteArray png = QByteArray::fromHex(pngHex());
    qToBigEndian(width, png.data() + 16);
    qToBigEndian(height, png.data() + 20);
    return png.toHex();
}

QByteArray randomBytes(int size)
{
    QRandomGenerator generator(20261208);
    QByteArray out(size, '\0');
    const QByteArray alphabet = "{}\\'*abcdefuc0123456789- ;\r\n\x80\xe9\xff";
    for (char& c : out)
        c = alphabet[int(generator.bounded(alphabet.size()))];
    return out;
}

} // namespace

class TestRtfHostile : public QObject {
    Q_OBJECT
private slots:
    void endsQuickly_data();
    void endsQuickly();
};

void TestRtfHostile::endsQuickly_data()
{
    QTest::addColumn<QByteArray>("input");
    // Text that must survive; empty when nothing in particular can.
    QTest::addColumn<QString>("kept");

    QTest::addRow("100 000 unclosed braces") << "{\\rtf1 avant" + repeated("{", 100000) + "dedans" << "avant";
    QTest::addRow("deep balanced nesting") << wrapped("a" + repeated("{", 20000) + "x" + repeated("}", 20000) + "b")
                                           << "ab";
    QTest::addRow("just too deep, then text") << wrapped(repeated("{", 250) + "x" + repeated("}", 250) + "suite")
                                              << "suite";
    QTest::addRow("10 000-letter control word") << wrapped("a\\" + repeated("x", 10000) + " b") << "ab";
    QTest::addRow("50-digit parameter") << wrapped("\\fs" + repeated("9", 50) + " grand") << "grand";
    QTest::addRow("most negative parameter") << wrapped("\\f-2147483648 \\li-99999999999 x") << "x";
    QTest::addRow("bin beyond the end") << wrapped("a\\bin2147483647 abc") << "a";
    QTest::addRow("bin negative") << wrapped("a\\bin-5 b") << "ab";
    QTest::addRow("bin in text is skipped") << wrapped("a{\\bin3 xyz}b") << "ab";
    QTest::addRow("uc overrun") << wrapped("{\\uc2147483647\\u233 abc} def") << "é def";
    QTest::addRow("uc beyond the file") << wrapped("\\uc9\\u233") << "é";
    QTest::addRow("truncated hex") << QByteArray("{\\rtf1 caf\\'4") << "caf";
    QTest::addRow("hex at the very end") << QByteArray("{\\rtf1 caf\\'") << "caf";
    QTest::addRow("bad hex digits") << wrapped("a\\'zzb") << "azzb";
    QTest::addRow("backslash at the end") << QByteArray("{\\rtf1 fin\\") << "fin";
    QTest::addRow("huge unicode") << wrapped("\\u99999999?x\\u-99999999?y") << QString::fromUtf8("\uFFFDx");
    QTest::addRow("10 000 lone surrogates") << wrapped(repeated("\\u-10179?", 10000) + "z") << "z";
    // A picture that does not decode leaves a frame in its place.
    const QString framed = QString::fromUtf8("a\uFFFCb");
    QTest::addRow("corrupt picture") << wrapped("a{\\pict\\pngblip 89504e470d0a1a0a00000000deadbeef}b") << framed;
    QTest::addRow("odd hex in picture") << wrapped("a{\\pict\\jpegblip ffd8f}b") << framed;
    QTest::addRow("picture claiming 100 000 × 100 000") << wrapped("a{\\pict\\pngblip " + hugePngHex(100000, 100000) + "}b")
                                                        << framed;
    QTest::addRow("picture with huge goal size") << wrapped("a{\\pict\\pngblip\\picwgoal2147483647\\picscalex99999 " + pngHex()
                                                        + "}b")
                                                 << "b";
    QTest::addRow("bin picture beyond the end") << wrapped("a{\\pict\\pngblip\\bin2147483647 ") << "a";
    QTest::addRow("2 000 metafiles of the largest size")
        << wrapped(repeated("{\\pict\\wmetafile8\\picwgoal99999\\pichgoal99999}", 2000) + "fin") << "fin";
    QTest::addRow("shapes nested deep") << wrapped(repeated("{\\shp{\\*\\shpinst{\\sp{\\sn pib}{\\sv ", 60) + "{\\pict}"
                                                   + repeated("}}}}", 60) + "fin")
                                        << "fin";
    QTest::addRow("1 200 pictures") << wrapped(repeated("{\\pict\\pngblip " + pngHex() + "}", 1200) + "fin") << "fin";
    QTest::addRow("5 000 fonts") << wrapped("{\\fonttbl" + repeated("{\\f1 Arial;}", 1) + [] {
        QByteArray fonts;
        for (int i = 0; i < 5000; ++i)
            fonts += "{\\f" + QByteArray::number(i) + "\\fcharset" + QByteArray::number(i % 256) + " F;}";
        return fonts;
    }() + "}texte")
                                 << "texte";
    QTest::addRow("5 000 colours") << wrapped("{\\colortbl;" + repeated("\\red1\\green2\\blue3;", 5000) + "}\\cf4999 c")
                                   << "c";
    QTest::addRow("endless font name") << wrapped("{\\fonttbl{\\f0 " + repeated("A", 100000) + ";}}\\f0 t") << "t";
    QTest::addRow("truncated in the font table") << QByteArray("{\\rtf1{\\fonttbl{\\f0 Ari") << "";
    QTest::addRow("1 000 code pages") << wrapped([] {
        QByteArray pages;
        for (int i = 0; i < 1000; ++i)
            pages += "\\ansicpg" + QByteArray::number(i * 37) + " \\'e9";
        return pages;
    }()) << "";
    QTest::addRow("10 000 cell boundaries") << wrapped("\\trowd" + repeated("\\cellx100", 10000) + "\\intbl a\\cell\\row b")
                                            << "b";
    QTest::addRow("5 000 rows") << wrapped(repeated("\\trowd\\cellx1000\\cellx2000\\pard\\intbl a\\cell b\\cell\\row", 5000)
                                       + "\\pard fin")
                                << "fin";
    QTest::addRow("10 000 cells without a table") << wrapped(repeated("x\\cell ", 10000)) << "x";
    QTest::addRow("rows without a table") << wrapped(repeated("\\row ", 10000) + "r") << "r";
    QTest::addRow("stars everywhere") << wrapped(repeated("{\\*\\*\\*}", 10000) + "s") << "s";
    QTest::addRow("only the header") << QByteArray("{\\rtf") << "";
    QTest::addRow("random bytes") << "{\\rtf1 " + randomBytes(300000) << "";
    QTest::addRow("zero bytes") << wrapped(repeated(QByteArray("a\0", 2), 10000)) << "aaaa";
    QTest::addRow("100 000 paragraphs") << wrapped(repeated("\\par ", 100000) + "bas") << "bas";
    QTest::addRow("200 000 format changes") << wrapped(repeated("{\\b a}{\\i b}", 100000)) << "abab";
    QTest::addRow("100 000 closing braces") << QByteArray("{\\rtf1 a") + repeated("}", 100000) + "b" << "ab";
    QTest::addRow("huge and negative sizes") << wrapped("{\\fs0 a}{\\fs-10 b}{\\fs99999 c}\\sl-2147483647\\sb-5 d") << "abcd";
    QTest::addRow("10 000 tab stops") << wrapped(repeated("\\tx720", 10000) + "t\\par") << "t";
    QTest::addRow("upr without ud") << wrapped("{\\upr{ansi}}apres") << "apres";
    QTest::addRow("object without result") << wrapped("{\\object{\\*\\objdata 00}}apres") << "apres";
}

void TestRtfHostile::endsQuickly()
{
    QFETCH(QByteArray, input);
    QFETCH(QString, kept);
    // The image decoders complain of the corrupt pictures they are given.
    const testsupport::ToleratedMessages decoders(QRegularExpression(QStringLiteral("^(JPEG |libpng )")));
    QTextDocument document;
    QElapsedTimer clock;
    clock.start();
    QVERIFY(rtf::read(input, document));
    const qint64 elapsed = clock.elapsed();
    // A real document of this size reads in a few milliseconds; the bound is
    // generous for a loaded test machine but excludes anything quadratic.
    QVERIFY2(elapsed < testsupport::timeBound(3000), qPrintable(QString("%1 ms").arg(elapsed)));
    QVERIFY2(document.toPlainText().contains(kept), qPrintable(document.toPlainText().left(200)));
}

TAVREL_TEST_MAIN(TestRtfHostile)
#include "test_rtfhostile.moc"
