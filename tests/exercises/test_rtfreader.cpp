#include "exercises/rtf/rtfmissingpicture.h"
#include "exercises/rtf/rtfreader.h"
#include "exercises/rtfprobe.h"
#include "common/testmain.h"

#include <QBuffer>
#include <QFile>
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

// Each picture of the document in its order, with the size it is shown at:
// "WxH picture" for a picture of W by H pixels, or the frame that stands for it.
QStringList picturesIn(const QTextDocument& document)
{
    QStringList pictures;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            if (!it.fragment().charFormat().isImageFormat())
                continue;
            const QTextImageFormat format = it.fragment().charFormat().toImageFormat();
            const QImage stored = document.resource(QTextDocument::ImageResource, QUrl(format.name())).value<QImage>();
            const QSizeF shown(format.width(), format.height());
            QString what = QString("%1x%2 picture").arg(stored.width()).arg(stored.height());
            // A frame is drawn at the size it is shown.
            if (stored == rtf::missingPictureFrame(shown.toSize(), metafileWords))
                what = "WMF/EMF frame";
            else if (stored == rtf::missingPictureFrame(shown.toSize(), undecodedWords))
                what = "frame";
            pictures.append(QString("%1 %2x%3").arg(what).arg(shown.width()).arg(shown.height()));
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
    // Files in Word's way of writing pictures, which seed the fuzzer too.
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("pictures");

    QTest::addRow("statement with a PNG and a JPEG figure")
        << "word_figures_png_jpeg.rtf"
        << "Exercice : le tir du ballon\nFigure 1 : le ballon au départ\n#\nFigure 2 : la trajectoire photographiée\n#\n"
           "Quelle est la hauteur atteinte ?\n"
        << QStringList{"40x30 picture 160x120", "48x32 picture 200x150"};
    QTest::addRow("metafiles") << "word_metafile_only.rtf"
                               << "Schéma enregistré par Word 97 :\n#\nDessin en EMF :\n#\n#\n#\nFin.\n"
                               << QStringList{"WMF/EMF frame 200x150", "WMF/EMF frame 96x48", "WMF/EMF frame 96x48",
                                              "WMF/EMF frame 100x60"};
    QTest::addRow("shapes") << "word_floating_shape.rtf" << "#Le ballon est lancé depuis le sol.\n##Fin.\n"
                            << QStringList{"40x30 picture 160x120", "48x32 picture 200x150", "40x30 picture 80x60"};
    QTest::addRow("pictures that do not decode")
        << "word_undecodable_picture.rtf"
        << "Figure abîmée :\n#\nSans taille :\n#\nVide : #\nAncien format : #\nSans identifiant : #\nSuite.\n"
        << QStringList{"frame 160x120", "frame 192x96", "frame 120x60", "frame 64x32", "40x30 picture 100x75"};
}

void TestRtfReader::wordPictures()
{
    QFETCH(QString, file);
    QFETCH(QString, text);
    QFETCH(QStringList, pictures);
    // The image decoders complain of the broken pictures they are given.
    const testsupport::ToleratedMessages decoders(QRegularExpression(QStringLiteral("^(JPEG |libpng |Not a JPEG)")));
    QFile word(QStringLiteral(TAVREL_SOURCE_DIR "fuzz/corpus/rtf/") + file);
    QVERIFY(word.open(QIODevice::ReadOnly));
    QTextDocument read;
    QVERIFY(rtf::read(word.readAll(), read));
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
    pictures << "frame 100x75" << "8x6 picture 100x75";
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
