#include "exercises/rtf/rtfmissingpicture.h"
#include "exercises/rtf/rtfreader.h"
#include "exercises/rtfprobe.h"
#include "common/testmain.h"

#include <QBuffer>
#include <QImage>
#include <QTest>
#include <QTextTable>
#include <QUrl>

using namespace rtfprobe;

namespace {

// A document with the font and colour tables Word writes before the text.
QByteArray document(const QByteArray& body)
{
    return "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}"
           "{\\f1\\froman\\fprq2{\\*\\panose 02020603050405020304}Times New Roman;}"
           "{\\f2\\ftech\\fcharset2 Symbol;}{\\f3\\fnil\\fcharset204 Arial Cyr;}}\n"
           "{\\colortbl ;\\red255\\green0\\blue0;\\red0\\green128\\blue0;\\red255\\green255\\blue0;}\n"
           "{\\stylesheet{\\s0 Normal;}{\\s1 heading 1;}}{\\info{\\title Le titre}{\\author Prof}}\n"
           "\\viewkind4\\uc1\\pard\\f0\\fs20 "
        + body + "}";
}

QByteArray hexOf(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes.toHex();
}

QImage square(QColor colour)
{
    QImage image(8, 6, QImage::Format_RGB32);
    image.fill(colour);
    return image;
}

const QString metafileWords = QStringLiteral("Image non affichée (format WMF/EMF)");
const QString undecodedWords = QStringLiteral("Image non affichée");

// A picture group as Word writes it: crops, its own size in hundredths of a
// millimetre, the goal, the format, then its tag and identifier ahead of the data.
QByteArray wordPict(const QByteArray& format, const QByteArray& goal, const QByteArray& hex)
{
    return "{\\pict{\\*\\picprop\\shplid1025{\\sp{\\sn shapeType}{\\sv 75}}{\\sp{\\sn fLayoutInCell}{\\sv 1}}}"
           "\\picscalex100\\picscaley100\\piccropl0\\piccropr0\\piccropt0\\piccropb0\\picw2117\\pich1588"
        + goal + format + "\\bliptag-1093523460{\\*\\blipuid beed1b5fc0c1a2b3c4d5e6f7a8b9cadb}" + hex + "}";
}

// Word's inline picture: the picture for readers of shapes, then a metafile
// of it for the others.
QByteArray wordInline(const QByteArray& format, const QByteArray& goal, const QByteArray& hex)
{
    return "{\\*\\shppict" + wordPict(format, goal, hex) + "}{\\nonshppict{\\pict\\picscalex100\\picscaley100\\picw2117"
           "\\pich1588" + goal + "\\wmetafile8\\bliptag-1093523460\\blipupi96 0100090000035a00000004001000}}";
}

// Word's floating shape: its place and properties, one of them the value
// given, then its result for readers that know no shapes.
QByteArray wordShape(const QByteArray& property, const QByteArray& value)
{
    return "{\\shp{\\*\\shpinst\\shpleft0\\shptop0\\shpright1500\\shpbottom1125\\shpfhdr0\\shpbxcolumn\\shpbxignore"
           "\\shpbypara\\shpbyignore\\shpwr2\\shpwrk0\\shpfblwtxt0\\shpz0\\shplid1026{\\sp{\\sn shapeType}{\\sv 75}}"
           "{\\sp{\\sn " + property + "}{\\sv " + value + "}}{\\sp{\\sn pibName}{\\sv image1.png}}}"
           "{\\shprslt\\par\\pard\\ql{\\pict\\wmetafile8\\picwgoal1500\\pichgoal1125 0100}r\\'e9sultat\\par}}";
}

QString colourWord(QColor colour)
{
    if (colour.red() > 200 && colour.green() < 60 && colour.blue() < 60)
        return "red";
    if (colour.blue() > 200 && colour.red() < 60 && colour.green() < 60)
        return "blue";
    return colour.name();
}

// Each picture of the document as "what WxH" in its order: "red" or "blue"
// for a picture of that colour, or the frame that stands for it.
QStringList picturesIn(const QTextDocument& document)
{
    QStringList pictures;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (!it.fragment().charFormat().isImageFormat())
                continue;
            const QTextImageFormat format = it.fragment().charFormat().toImageFormat();
            const QImage stored = document.resource(QTextDocument::ImageResource, QUrl(format.name())).value<QImage>();
            QString what = colourWord(stored.pixelColor(stored.width() / 2, stored.height() / 2));
            if (stored == rtf::missingPictureFrame(stored.size(), metafileWords))
                what = "WMF/EMF frame";
            else if (stored == rtf::missingPictureFrame(stored.size(), undecodedWords))
                what = "frame";
            QString picture = QString("%1 %2x%3").arg(what).arg(format.width()).arg(format.height());
            // A frame is drawn at the size it is shown.
            if (what.endsWith("frame") && stored.size() != QSizeF(format.width(), format.height()).toSize())
                picture += QString(" drawn at %1x%2").arg(stored.width()).arg(stored.height());
            pictures.append(picture);
        }
    }
    return pictures;
}

QString textWithPicturesAsHashes(const QTextDocument& document)
{
    QString text = document.toPlainText();
    text.replace(QChar(QChar::ObjectReplacementCharacter), u'#');
    return text;
}

} // namespace

class TestRtfReader : public QObject {
    Q_OBJECT
private slots:
    void characterFormats_data();
    void characterFormats();
    void paragraphFormats_data();
    void paragraphFormats();
    void plainText_data();
    void plainText();
    void notRtf();
    void emptyParagraphsKeepTheirLines();
    void table();
    void tableCellsBeyondTheRowDefinition();
    void pictures_data();
    void pictures();
    void corruptPictureLeavesTheText();
    void wordPictures_data();
    void wordPictures();
    void picturesStopAtTheDocumentsPixels();
    void missingPictureFrame_data();
    void missingPictureFrame();
};

void TestRtfReader::characterFormats_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("probe");
    QTest::addColumn<QVariantMap>("expected");

    QTest::addRow("default run") << QByteArray("Texte simple.") << "simple"
                                 << QVariantMap{{"family", "Arial"}, {"size", 10.0}, {"bold", false}};
    QTest::addRow("bold toggled") << QByteArray("a \\b gras\\b0  b") << "gras" << QVariantMap{{"bold", true}};
    QTest::addRow("bold ends") << QByteArray("\\b gras\\b0  maigre") << "maigre" << QVariantMap{{"bold", false}};
    QTest::addRow("italic in group") << QByteArray("{\\i pench\\'e9} droit") << "pench" << QVariantMap{{"italic", true}};
    QTest::addRow("group restores") << QByteArray("{\\i pench\\'e9} droit") << "droit" << QVariantMap{{"italic", false}};
    QTest::addRow("underline") << QByteArray("{\\ul souligné}") << "soulign" << QVariantMap{{"underline", true}};
    QTest::addRow("double underline") << QByteArray("{\\uldb deux}") << "deux" << QVariantMap{{"underline", true}};
    QTest::addRow("ulnone") << QByteArray("\\ul a\\ulnone  rien") << "rien" << QVariantMap{{"underline", false}};
    QTest::addRow("strike") << QByteArray("{\\strike barré}") << "barr" << QVariantMap{{"strike", true}};
    QTest::addRow("size") << QByteArray("{\\fs36 grand}") << "grand" << QVariantMap{{"size", 18.0}};
    QTest::addRow("odd half points") << QByteArray("{\\fs21 moyen}") << "moyen" << QVariantMap{{"size", 10.5}};
    QTest::addRow("font") << QByteArray("{\\f1 romain}") << "romain" << QVariantMap{{"family", "Times New Roman"}};
    QTest::addRow("unknown font keeps the document's") << QByteArray("{\\f9 x}") << "x"
                                                       << QVariantMap{{"family", ""}};
    QTest::addRow("colour") << QByteArray("{\\cf1 rouge}") << "rouge" << QVariantMap{{"colour", "#ff0000"}};
    QTest::addRow("colour zero is automatic") << QByteArray("{\\cf0 auto}") << "auto" << QVariantMap{{"colour", ""}};
    QTest::addRow("colour out of the table") << QByteArray("{\\cf77 hors}") << "hors" << QVariantMap{{"colour", ""}};
    QTest::addRow("highlight") << QByteArray("{\\highlight3 jaune}") << "jaune"
                               << QVariantMap{{"highlight", "#ffff00"}};
    QTest::addRow("background cb") << QByteArray("{\\cb2 fond}") << "fond" << QVariantMap{{"highlight", "#008000"}};
    QTest::addRow("superscript") << QByteArray("m.s{\\super -1}") << "-1"
                                 << QVariantMap{{"script", int(QTextCharFormat::AlignSuperScript)}};
    QTest::addRow("subscript") << QByteArray("v{\\sub 0}") << "0"
                               << QVariantMap{{"script", int(QTextCharFormat::AlignSubScript)}};
    QTest::addRow("nosupersub") << QByteArray("\\super a\\nosupersub  b") << "b" << QVariantMap{{"script", 0}};
    QTest::addRow("up") << QByteArray("x{\\up6 2}") << "2"
                        << QVariantMap{{"script", int(QTextCharFormat::AlignSuperScript)}};
    QTest::addRow("small caps") << QByteArray("{\\scaps petites}") << "petites"
                                << QVariantMap{{"caps", int(QFont::SmallCaps)}};
    QTest::addRow("plain resets") << QByteArray("\\b\\i\\fs40 x\\plain  y") << "y"
                                  << QVariantMap{{"bold", false}, {"italic", false}, {"size", 12.0}};
    QTest::addRow("all together") << QByteArray("{\\f1\\fs28\\b\\i\\ul\\cf2 tout}") << "tout"
                                  << QVariantMap{{"family", "Times New Roman"}, {"size", 14.0}, {"bold", true},
                                                 {"italic", true}, {"underline", true}, {"colour", "#008000"}};
}

void TestRtfReader::characterFormats()
{
    QFETCH(QByteArray, body);
    QFETCH(QString, probe);
    QFETCH(QVariantMap, expected);
    QTextDocument text;
    QVERIFY(rtf::read(document(body), text));
    const auto format = formatOf(text, probe);
    QVERIFY2(format, qPrintable(text.toPlainText()));
    const QString wrong = differences(describe(*format), expected);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
}

void TestRtfReader::paragraphFormats_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("probe");
    QTest::addColumn<QVariantMap>("expected");

    QTest::addRow("default") << QByteArray("Un.\\par") << "Un"
                             << QVariantMap{{"alignment", int(Qt::AlignLeft)}, {"left", 0.0}, {"after", 0.0}};
    QTest::addRow("centred") << QByteArray("\\qc Centre\\par") << "Centre"
                             << QVariantMap{{"alignment", int(Qt::AlignHCenter)}};
    QTest::addRow("right") << QByteArray("\\qr Droite\\par") << "Droite"
                           << QVariantMap{{"alignment", int(Qt::AlignRight)}};
    QTest::addRow("justified") << QByteArray("\\qj Justifié\\par") << "Justifi"
                               << QVariantMap{{"alignment", int(Qt::AlignJustify)}};
    QTest::addRow("pard resets") << QByteArray("\\qc\\li720 a\\par\\pard b\\par") << "b"
                                 << QVariantMap{{"alignment", int(Qt::AlignLeft)}, {"left", 0.0}};
    QTest::addRow("properties stay for the next paragraph") << QByteArray("\\qc a\\par b\\par") << "b"
                                                            << QVariantMap{{"alignment", int(Qt::AlignHCenter)}};
    QTest::addRow("indents") << QByteArray("\\li1440\\ri720\\fi-360 Retrait\\par") << "Retrait"
                             << QVariantMap{{"left", 96.0}, {"right", 48.0}, {"indent", -24.0}};
    QTest::addRow("spacing") << QByteArray("\\sb240\\sa120 Espacé\\par") << "Espac"
                             << QVariantMap{{"before", 16.0}, {"after", 8.0}};
    QTest::addRow("line spacing multiple") << QByteArray("\\sl360\\slmult1 Interligne\\par") << "Interligne"
                                           << QVariantMap{{"lineType", int(QTextBlockFormat::ProportionalHeight)},
                                                          {"line", 150.0}};
    QTest::addRow("exact line spacing") << QByteArray("\\sl-300 Exact\\par") << "Exact"
                                        << QVariantMap{{"lineType", int(QTextBlockFormat::FixedHeight)},
                                                       {"line", 20.0}};
    QTest::addRow("tabs") << QByteArray("\\tx720\\tqr\\tx2880 a\\tab b\\tab c\\par") << "a"
                          << QVariantMap{{"tabs", QVariantList{"48:0", "192:1"}}};
    QTest::addRow("format at the paragraph's end counts") << QByteArray("Fin\\qc\\par") << "Fin"
                                                          << QVariantMap{{"alignment", int(Qt::AlignHCenter)}};
    QTest::addRow("last paragraph without par") << QByteArray("\\qr dernier") << "dernier"
                                                << QVariantMap{{"alignment", int(Qt::AlignRight)}};
}

void TestRtfReader::paragraphFormats()
{
    QFETCH(QByteArray, body);
    QFETCH(QString, probe);
    QFETCH(QVariantMap, expected);
    QTextDocument text;
    QVERIFY(rtf::read(document(body), text));
    const QTextBlock block = blockWith(text, probe);
    QVERIFY2(block.isValid(), qPrintable(text.toPlainText()));
    const QString wrong = differences(describe(block.blockFormat()), expected);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong));
}

void TestRtfReader::plainText_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("expected");

    QTest::addRow("paragraphs") << QByteArray("un\\par deux\\par trois") << "un\ndeux\ntrois";
    QTest::addRow("line ends of the file are not text") << QByteArray("un\r\nmot") << "unmot";
    QTest::addRow("control word eats one space") << QByteArray("\\b  gras") << " gras";
    QTest::addRow("hex in the code page") << QByteArray("\\'e9t\\'e9 \\'80 \\'92") << "été € ’";
    QTest::addRow("hex upper case") << QByteArray("\\'C9cole") << "École";
    QTest::addRow("font code page") << QByteArray("{\\f3 \\'cf\\'f0\\'e8}") << "При";
    QTest::addRow("unicode with fallback") << QByteArray("\\u945?\\u946? fin") << "αβ fin";
    QTest::addRow("negative unicode") << QByteArray("\\u-3913?") << QString(QChar(0xF0B7));
    QTest::addRow("uc2 skips two") << QByteArray("{\\uc2\\u8364\\'80\\'80 euro}") << "€ euro";
    QTest::addRow("uc0 skips none") << QByteArray("\\uc0\\u233 x") << "éx";
    QTest::addRow("fallback hex skipped") << QByteArray("\\u8804\\'3c=") << "≤=";
    QTest::addRow("fallback ends with the group") << QByteArray("{\\uc3\\u916}apr") << "Δapr";
    QTest::addRow("surrogate pair") << QByteArray("\\u-10179?\\u-8704?") << QString::fromUtf8("😀");
    QTest::addRow("lone surrogate") << QByteArray("\\u-10179? x") << QString::fromUtf8("\uFFFD x");
    QTest::addRow("symbols") << QByteArray("\\{\\}\\\\\\~\\emdash\\endash\\bullet\\lquote\\rquote\\ldblquote\\rdblquote")
                             << QString::fromUtf8("{}\\\u00A0—–•‘’“”");
    QTest::addRow("tab and line") << QByteArray("a\\tab b\\line c") << QString::fromUtf8("a\tb\u2028c");
    QTest::addRow("symbol font is Greek") << QByteArray("{\\f2 a} = {\\f2 \\'b1}1") << QString::fromUtf8("α = ±1");
    QTest::addRow("symbol font private characters") << QByteArray("{\\f2\\u-3999?}") << QString::fromUtf8("α");
    QTest::addRow("starred unknown skipped") << QByteArray("a{\\*\\inconnu secret}b") << "ab";
    QTest::addRow("unknown word without star keeps text") << QByteArray("a{\\inconnu vu}b") << "avub";
    QTest::addRow("field shows its result")
        << QByteArray("{\\field{\\*\\fldinst HYPERLINK \"http://x\"}{\\fldrslt lien}}") << "lien";
    QTest::addRow("header and footnote skipped") << QByteArray("{\\header en-tête}{\\footnote note}texte") << "texte";
    QTest::addRow("hidden text") << QByteArray("a{\\v caché}b") << "ab";
    QTest::addRow("upr reads the unicode part") << QByteArray("{\\upr{ansi}{\\*\\ud{\\u233?t\\u233?}}}") << "été";
    QTest::addRow("nonshppict skipped") << QByteArray("{\\*\\shppict x}{\\nonshppict y}") << "x";
    QTest::addRow("object shows its result") << QByteArray("{\\object{\\*\\objdata 0102}{\\result vu}}") << "vu";
    QTest::addRow("newline symbol is a paragraph") << QByteArray("a\\\nb") << "a\nb";
    QTest::addRow("soft and hard hyphens") << QByteArray("a\\-b\\_c") << QString::fromUtf8("a\u00ADb\u2011c");
    QTest::addRow("stray closing brace goes on") << QByteArray("a}b") << "ab";
}

void TestRtfReader::plainText()
{
    QFETCH(QByteArray, body);
    QFETCH(QString, expected);
    QTextDocument text;
    QVERIFY(rtf::read(document(body), text));
    QString raw = text.toRawText();
    raw.replace(QChar::ParagraphSeparator, u'\n');
    QCOMPARE(raw, expected);
}

void TestRtfReader::notRtf()
{
    QTextDocument text;
    text.setPlainText("avant");
    QVERIFY(!rtf::read("Bonjour, ceci n'est pas du RTF", text));
    QVERIFY(!rtf::read("", text));
    QCOMPARE(text.toPlainText(), QString("avant"));
    QVERIFY(rtf::looksLikeRtf("\r\n  {\\rtf1 x}"));
}

void TestRtfReader::emptyParagraphsKeepTheirLines()
{
    QTextDocument text;
    QVERIFY(rtf::read(document("a\\par\\fs40\\par b"), text));
    QCOMPARE(text.blockCount(), 3);
    QCOMPARE(text.findBlockByNumber(1).charFormat().fontPointSize(), 20.0);
}

void TestRtfReader::table()
{
    QTextDocument text;
    const QByteArray rows = "Avant\\par"
                            "\\trowd\\trgaph108\\clbrdrt\\brdrs\\cellx1440\\cellx4320"
                            "\\pard\\intbl t (s)\\cell x (m)\\cell\\row"
                            "\\trowd\\trgaph108\\clbrdrt\\brdrs\\cellx1440\\cellx4320"
                            "\\pard\\intbl 0,5\\cell {\\b 3,2}\\cell\\row"
                            "\\pard Apr\\'e8s\\par";
    QVERIFY(rtf::read(document(rows), text));
    QTextTable* table = nullptr;
    for (QTextFrame* frame : text.rootFrame()->childFrames())
        table = table ? table : qobject_cast<QTextTable*>(frame);
    QVERIFY(table);
    QCOMPARE(table->rows(), 2);
    QCOMPARE(table->columns(), 2);
    const auto cell = [table](int row, int column) {
        QTextCursor cursor = table->cellAt(row, column).firstCursorPosition();
        cursor.setPosition(table->cellAt(row, column).lastCursorPosition().position(), QTextCursor::KeepAnchor);
        return cursor.selectedText();
    };
    QCOMPARE(cell(0, 0), QString("t (s)"));
    QCOMPARE(cell(0, 1), QString("x (m)"));
    QCOMPARE(cell(1, 0), QString("0,5"));
    QCOMPARE(cell(1, 1), QString("3,2"));
    QVERIFY(formatOf(text, "3,2")->fontWeight() >= QFont::Bold);
    const QList<QTextLength> widths = table->format().columnWidthConstraints();
    QCOMPARE(widths.size(), 2);
    QCOMPARE(widths[0].rawValue(), 96.0);
    QCOMPARE(widths[1].rawValue(), 192.0);
    QCOMPARE(table->format().border(), 1.0);
    // The text before stays on its own line, the text after follows the table.
    QCOMPARE(text.begin().text(), QString("Avant"));
    QVERIFY(blockWith(text, "Apr").isValid());
    QVERIFY(!QTextCursor(blockWith(text, "Apr")).currentTable());
}

void TestRtfReader::tableCellsBeyondTheRowDefinition()
{
    QTextDocument text;
    QVERIFY(rtf::read(document("\\trowd\\cellx1000\\pard\\intbl a\\cell b\\cell c\\cell\\row"), text));
    QTextTable* table = qobject_cast<QTextTable*>(text.rootFrame()->childFrames().value(0));
    QVERIFY(table);
    QCOMPARE(table->rows(), 1);
    QCOMPARE(table->columns(), 3);
}

void TestRtfReader::pictures_data()
{
    QTest::addColumn<QByteArray>("kind");
    QTest::addColumn<QByteArray>("format");
    QTest::addColumn<QByteArray>("sizes");
    QTest::addColumn<QSizeF>("shown");
    QTest::addRow("png, natural size") << QByteArray("\\pngblip") << QByteArray("png") << QByteArray("\\picw8\\pich6")
                                       << QSizeF(8, 6);
    QTest::addRow("png, goal in twips") << QByteArray("\\pngblip") << QByteArray("png")
                                        << QByteArray("\\picw8\\pich6\\picwgoal1440\\pichgoal720") << QSizeF(96, 48);
    QTest::addRow("jpeg, scaled") << QByteArray("\\jpegblip") << QByteArray("jpeg")
                                  << QByteArray("\\picwgoal300\\pichgoal150\\picscalex200\\picscaley50")
                                  << QSizeF(40, 5);
}

void TestRtfReader::pictures()
{
    QFETCH(QByteArray, kind);
    QFETCH(QByteArray, format);
    QFETCH(QByteArray, sizes);
    QFETCH(QSizeF, shown);
    QTextDocument text;
    const QByteArray body = "Voir {\\*\\shppict{\\pict" + kind + sizes + "\n" + hexOf(square(Qt::red), format.constData())
        + "}}{\\nonshppict{\\pict\\wmetafile8 0102}} ici";
    QVERIFY(rtf::read(document(body), text));
    QCOMPARE(text.toPlainText(), QString("Voir ") + QChar(QChar::ObjectReplacementCharacter) + " ici");
    const auto image = formatOf(text, QString(QChar(QChar::ObjectReplacementCharacter)));
    QVERIFY(image && image->isImageFormat());
    const QTextImageFormat picture = image->toImageFormat();
    QCOMPARE(QSizeF(picture.width(), picture.height()), shown);
    const QImage stored = text.resource(QTextDocument::ImageResource, QUrl(picture.name())).value<QImage>();
    QCOMPARE(stored.size(), QSize(8, 6));
    const QColor pixel = stored.pixelColor(4, 3);
    QVERIFY2(pixel.red() > 240 && pixel.green() < 20, qPrintable(pixel.name()));
}

void TestRtfReader::corruptPictureLeavesTheText()
{
    QTextDocument text;
    QVERIFY(rtf::read(document("a{\\pict\\pngblip 89504e470d0a1a0a0000ffff}b"), text));
    QCOMPARE(textWithPicturesAsHashes(text), QString("a#b"));
    QCOMPARE(picturesIn(text), QStringList{"frame 192x96"});
}

void TestRtfReader::wordPictures_data()
{
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("pictures");

    const QByteArray png = hexOf(square(Qt::blue), "png");
    const QByteArray jpeg = hexOf(square(Qt::red), "jpeg");
    const QByteArray goal = "\\picwgoal1500\\pichgoal1125";
    const QByteArray brokenPng = "89504e470d0a1a0a0000ffff";

    QTest::addRow("statement with a JPEG and a PNG figure")
        << "{\\b Exercice}\\par Figure 1 : " + wordInline("\\jpegblip", "\\picwgoal900\\pichgoal600", jpeg)
               + "\\par Figure 2 : " + wordInline("\\pngblip", goal, png) + "\\par Fin."
        << "Exercice\nFigure 1 : #\nFigure 2 : #\nFin." << QStringList{"red 60x40", "blue 100x75"};
    QTest::addRow("picture without identifier")
        << "a{\\*\\shppict{\\pict\\pngblip\\bliptag7" + goal + " " + png + "}}b" << "a#b"
        << QStringList{"blue 100x75"};
    QTest::addRow("picture without shppict") << "a" + wordPict("\\jpegblip", goal, jpeg) + "b" << "a#b"
                                             << QStringList{"red 100x75"};
    QTest::addRow("unknown starred group after the data")
        << "a{\\pict\\pngblip" + goal + " " + png + "{\\*\\inconnu 0a0b0c}}b" << "a#b" << QStringList{"blue 100x75"};
    QTest::addRow("metafile only") << QByteArray("a{\\pict\\wmetafile8\\picw2646\\pich1588\\picwgoal1500\\pichgoal900 0100090000}b")
                                   << "a#b" << QStringList{"WMF/EMF frame 100x60"};
    QTest::addRow("metafile sized in hundredths of a millimetre")
        << QByteArray("{\\pict\\wmetafile8\\picw2540\\pich1270 0100}") << "#" << QStringList{"WMF/EMF frame 96x48"};
    QTest::addRow("metafile scaled")
        << QByteArray("{\\pict\\wmetafile8\\picwgoal1500\\pichgoal900\\picscalex50 0100}") << "#"
        << QStringList{"WMF/EMF frame 50x60"};
    QTest::addRow("enhanced metafile for shapes, metafile for the others")
        << "a" + wordInline("\\emfblip", goal, "01000000") + "b" << "a#b" << QStringList{"WMF/EMF frame 100x75"};
    QTest::addRow("undecodable picture of a known size") << "a" + wordPict("\\pngblip", goal, brokenPng) + "b" << "a#b"
                                                         << QStringList{"frame 100x75"};
    QTest::addRow("picture without data") << QByteArray("{\\pict\\jpegblip\\picw120\\pich60}") << "#"
                                          << QStringList{"frame 120x60"};
    QTest::addRow("bitmap of old systems") << QByteArray("{\\pict\\dibitmap0\\picw64\\pich32 28000000}") << "#"
                                           << QStringList{"frame 64x32"};
    QTest::addRow("floating picture") << "Avant\\par " + wordShape("pib", wordPict("\\pngblip", goal, png)) + "Apr\\'e8s"
                                      << "Avant\n#Après" << QStringList{"blue 100x75"};
    QTest::addRow("shape filled with a picture") << "a" + wordShape("fillBlip", wordPict("\\pngblip", goal, png)) + "b"
                                                 << "ab" << QStringList{};
    QTest::addRow("text box") << QByteArray("a{\\shp{\\*\\shpinst{\\sp{\\sn shapeType}{\\sv 202}}"
                                            "{\\shptxt \\pard bo\\'eete\\par}}{\\shprslt{\\*\\do\\dobxcolumn}"
                                            "\\pard bo\\'eete\\par}}b")
                              << "ab" << QStringList{};
    QTest::addRow("group of shapes")
        << "a{\\shpgrp{\\*\\shpinst{\\sp{\\sn groupLeft}{\\sv 0}}" + wordShape("pib", wordPict("\\pngblip", goal, png))
               + wordShape("pib", wordPict("\\jpegblip", goal, jpeg)) + "}{\\shprslt r\\'e9sultat}}b"
        << "a##b" << QStringList{"blue 100x75", "red 100x75"};
}

void TestRtfReader::wordPictures()
{
    QFETCH(QByteArray, body);
    QFETCH(QString, text);
    QFETCH(QStringList, pictures);
    // The image decoders complain of the broken pictures they are given.
    const testsupport::ToleratedMessages decoders(QRegularExpression(QStringLiteral("^(JPEG |libpng )")));
    QTextDocument read;
    QVERIFY(rtf::read(document(body), read));
    QCOMPARE(textWithPicturesAsHashes(read), text);
    QCOMPARE(picturesIn(read), pictures);
}

void TestRtfReader::picturesStopAtTheDocumentsPixels()
{
    // Six frames of the largest size leave room for less than seven: the
    // seventh is left out, a picture too large for what is left stands as a
    // small frame, and a small picture still fits.
    QByteArray body;
    for (int i = 0; i < 7; ++i)
        body += "{\\pict\\wmetafile8\\picwgoal60000\\pichgoal60000 0100}";
    QImage large(2100, 2000, QImage::Format_RGB32);
    large.fill(Qt::red);
    const QByteArray goal = "\\picwgoal1500\\pichgoal1125 ";
    body += "{\\pict\\pngblip" + goal + hexOf(large, "png") + "}{\\pict\\pngblip" + goal + hexOf(square(Qt::blue), "png")
        + "}fin";
    QTextDocument read;
    QVERIFY(rtf::read(document(body), read));
    QCOMPARE(textWithPicturesAsHashes(read), QString("########fin"));
    QStringList pictures(6, "WMF/EMF frame 4000x4000");
    pictures << "frame 100x75" << "blue 100x75";
    QCOMPARE(picturesIn(read), pictures);
}

void TestRtfReader::missingPictureFrame_data()
{
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("words");
    QTest::addColumn<bool>("wordsShown");
    QTest::addRow("metafile") << QSize(100, 60) << metafileWords << true;
    QTest::addRow("undecoded") << QSize(192, 96) << undecodedWords << true;
    QTest::addRow("a strip") << QSize(300, 24) << undecodedWords << true;
    QTest::addRow("too small for words") << QSize(8, 8) << metafileWords << false;
    QTest::addRow("one pixel") << QSize(1, 1) << metafileWords << false;
}

void TestRtfReader::missingPictureFrame()
{
    QFETCH(QSize, size);
    QFETCH(QString, words);
    QFETCH(bool, wordsShown);
    const QImage frame = rtf::missingPictureFrame(size, words);
    QCOMPARE(frame.size(), size);
    // Grey, darker than the page.
    const QColor corner = frame.pixelColor(0, 0);
    QVERIFY2(corner.red() == corner.green() && corner.red() == corner.blue() && corner.red() > 96 && corner.red() < 240,
             qPrintable(corner.name()));
    int darkInside = 0;
    for (int y = 1; y < size.height() - 1; ++y)
        for (int x = 1; x < size.width() - 1; ++x)
            darkInside += frame.pixelColor(x, y).red() < corner.red() - 16 ? 1 : 0;
    QCOMPARE(darkInside > 0, wordsShown);
}

TAVREL_TEST_MAIN(TestRtfReader)
#include "test_rtfreader.moc"
