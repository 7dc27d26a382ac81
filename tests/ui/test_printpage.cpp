#include "ui/dialogservice.h"
#include "ui/printpage.h"

#include "common/pdfpages.h"
#include "common/testmain.h"

#include <QFile>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrinter>
#include <QTemporaryDir>
#include <QTest>
#include <QTextCursor>
#include <QTextDocument>

namespace {

constexpr int renderDpi = 72; // one rendered pixel per PDF point
const QString pageTitle = QStringLiteral("Tir parabolique sur la Lune");

bool isRed(QRgb pixel) { return qRed(pixel) > 200 && qGreen(pixel) < 80 && qBlue(pixel) < 80; }
bool isDark(QRgb pixel) { return qRed(pixel) < 100 && qGreen(pixel) < 100 && qBlue(pixel) < 100; }

// A red block with a blue diagonal, drawn as vectors.
PrintedPicture redBlock(QSize size)
{
    return {size, [size](QPainter& painter) {
                painter.fillRect(QRect(QPoint(0, 0), size), QColor(255, 0, 0));
                painter.setPen(QPen(QColor(0, 0, 255), 1));
                painter.drawLine(0, 0, size.width(), size.height());
            }};
}

double pointsFromMm(double millimetres) { return millimetres / 25.4 * 72.0; }

} // namespace

class TestPrintPage : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void placement_data();
    void placement();

    void pictureAtScreenSize_data();
    void pictureAtScreenSize();
    void oversizedPictureScaledDown();
    void titleOnTopOfEveryCopy();
    void vectorPictureStaysVectors();
    void noTitleNoBand();
    void imageLinesKeepTheirColour();
    void textKeepsItsScreenSize();

    void documentFlowsOverPages();

    void cancelledChoicePrintsNothing();
    void chosenPrinterGetsTheCopies();
    void unwritableFileIsReported();
    void documentThroughTheChoice();
    void previewDrawsThePages();

private:
    QString pdfPath(const QString& name) const { return m_directory->filePath(name); }
    std::unique_ptr<QPrinter> pdfPrinter(const QString& name) const;

    std::unique_ptr<QTemporaryDir> m_directory;
    ScriptedDialogs m_dialogs;
};

void TestPrintPage::init()
{
    m_directory = std::make_unique<QTemporaryDir>();
    m_dialogs = ScriptedDialogs();
    DialogService::install(&m_dialogs);
}

void TestPrintPage::cleanup()
{
    DialogService::install(nullptr);
    m_directory.reset();
}

std::unique_ptr<QPrinter> TestPrintPage::pdfPrinter(const QString& name) const
{
    auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    printer->setOutputFormat(QPrinter::PdfFormat);
    printer->setOutputFileName(pdfPath(name));
    printer->setPageSize(QPageSize(QPageSize::A4));
    return printer;
}

void TestPrintPage::placement_data()
{
    QTest::addColumn<QSizeF>("picture");
    QTest::addColumn<bool>("horizontally");
    QTest::addColumn<bool>("vertically");
    QTest::addColumn<QRectF>("expected");
    // A 1000 × 1400 area under a title band of 100.
    QTest::addRow("centred both ways") << QSizeF(400, 300) << true << true << QRectF(300, 600, 400, 300);
    QTest::addRow("centred across only") << QSizeF(400, 300) << true << false << QRectF(300, 100, 400, 300);
    QTest::addRow("centred down only") << QSizeF(400, 300) << false << true << QRectF(0, 600, 400, 300);
    QTest::addRow("top left") << QSizeF(400, 300) << false << false << QRectF(0, 100, 400, 300);
    QTest::addRow("exactly the width") << QSizeF(1000, 300) << true << false << QRectF(0, 100, 1000, 300);
    QTest::addRow("too wide") << QSizeF(2000, 300) << true << true << QRectF(0, 675, 1000, 150);
    QTest::addRow("too tall") << QSizeF(400, 2600) << true << true << QRectF(400, 100, 200, 1300);
    QTest::addRow("too tall, left") << QSizeF(400, 2600) << false << true << QRectF(0, 100, 200, 1300);
}

void TestPrintPage::placement()
{
    QFETCH(QSizeF, picture);
    QFETCH(bool, horizontally);
    QFETCH(bool, vertically);
    QFETCH(QRectF, expected);
    PageOptions options;
    options.centreHorizontally = horizontally;
    options.centreVertically = vertically;
    const PagePlacement placement = placePicture(QSizeF(1000, 1400), 100, picture, options);
    QCOMPARE(placement.picture, expected);
    QCOMPARE(placement.title, QRectF(0, 0, 1000, 100));
}

void TestPrintPage::pictureAtScreenSize_data()
{
    QTest::addColumn<bool>("horizontally");
    QTest::addColumn<bool>("vertically");
    QTest::addRow("centred") << true << true;
    QTest::addRow("left, top") << false << false;
    QTest::addRow("left, centred down") << false << true;
    QTest::addRow("centred across, top") << true << false;
}

void TestPrintPage::pictureAtScreenSize()
{
    QFETCH(bool, horizontally);
    QFETCH(bool, vertically);
    const auto printer = pdfPrinter(QStringLiteral("picture.pdf"));
    PageOptions options{QString(), 1, horizontally, vertically};
    QVERIFY(printPicture(*printer, redBlock(QSize(240, 120)), options));

    const QString file = pdfPath(QStringLiteral("picture.pdf"));
    QCOMPARE(pdf::pageCount(file), 1);
    const QSizeF page = pdf::pageSizePoints(file);
    QVERIFY(qAbs(page.width() - 595.3) < 1 && qAbs(page.height() - 841.9) < 1);
    const QImage image = pdf::pageImage(file, 1, renderDpi);
    QVERIFY2(!image.isNull(), "pdftoppm (poppler-utils) is needed");
    const QRect red = pdf::boundingBox(image, isRed);

    // 240 × 120 screen pixels at 96 per inch: 2.5 × 1.25 inches.
    const double scale = renderDpi / screenDotsPerInch();
    QVERIFY2(qAbs(red.width() - 240 * scale) <= 2, qPrintable(QString::number(red.width())));
    QVERIFY2(qAbs(red.height() - 120 * scale) <= 2, qPrintable(QString::number(red.height())));

    const double margin = pointsFromMm(15);
    const double leftGap = red.left() - margin;
    const double rightGap = page.width() - margin - (red.right() + 1);
    const double topGap = red.top() - margin;
    const double bottomGap = page.height() - margin - (red.bottom() + 1);
    if (horizontally)
        QVERIFY2(qAbs(leftGap - rightGap) <= 2, qPrintable(QStringLiteral("%1 %2").arg(leftGap).arg(rightGap)));
    else
        QVERIFY2(qAbs(leftGap) <= 1.5, qPrintable(QString::number(leftGap)));
    if (vertically)
        QVERIFY2(qAbs(topGap - bottomGap) <= 2, qPrintable(QStringLiteral("%1 %2").arg(topGap).arg(bottomGap)));
    else
        QVERIFY2(qAbs(topGap) <= 1.5, qPrintable(QString::number(topGap)));
}

void TestPrintPage::oversizedPictureScaledDown()
{
    const auto printer = pdfPrinter(QStringLiteral("wide.pdf"));
    QVERIFY(printPicture(*printer, redBlock(QSize(2000, 400)), PageOptions{pageTitle, 1, true, false}));
    const QString file = pdfPath(QStringLiteral("wide.pdf"));
    const QRect red = pdf::boundingBox(pdf::pageImage(file, 1, renderDpi), isRed);
    const double width = pdf::pageSizePoints(file).width() - 2 * pointsFromMm(15);
    QVERIFY2(qAbs(red.width() - width) <= 2, qPrintable(QString::number(red.width())));
    QVERIFY2(qAbs(red.height() - width / 5) <= 2, qPrintable(QString::number(red.height())));
}

void TestPrintPage::titleOnTopOfEveryCopy()
{
    const auto printer = pdfPrinter(QStringLiteral("copies.pdf"));
    QVERIFY(printPicture(*printer, redBlock(QSize(300, 200)), PageOptions{pageTitle, 3, true, false}));
    const QString file = pdfPath(QStringLiteral("copies.pdf"));
    QCOMPARE(pdf::pageCount(file), 3);
    for (int page = 1; page <= 3; ++page) {
        QVERIFY2(pdf::pageText(file, page).contains(pageTitle), qPrintable(pdf::pageText(file, page)));
        const QImage image = pdf::pageImage(file, page, renderDpi);
        const QRect red = pdf::boundingBox(image, isRed);
        // The title is the dark ink above the picture, centred on the page.
        const QRect title = pdf::boundingBox(image.copy(0, 0, image.width(), red.top()), isDark);
        QVERIFY(!title.isEmpty());
        QVERIFY(qAbs(title.center().x() - image.width() / 2.0) <= 3);
        QVERIFY(qAbs(title.top() - pointsFromMm(15)) <= 6);
        QVERIFY(red.top() > title.bottom());
        QVERIFY(red.top() - title.bottom() < pointsFromMm(15));
    }
}

void TestPrintPage::vectorPictureStaysVectors()
{
    // Lines and text drawn by the routine reach the PDF as vectors, so they
    // stay sharp however far the page is enlarged; a photograph in it stays
    // one picture.
    const auto vectors = pdfPrinter(QStringLiteral("vectors.pdf"));
    QVERIFY(printPicture(*vectors, redBlock(QSize(300, 200)), PageOptions{pageTitle, 1, true, true}));
    QCOMPARE(pdf::imageCount(pdfPath(QStringLiteral("vectors.pdf"))), 0);

    QImage photograph(300, 200, QImage::Format_RGB32);
    photograph.fill(QColor(255, 0, 0));
    const auto raster = pdfPrinter(QStringLiteral("raster.pdf"));
    const PrintedPicture picture{photograph.size(), [&photograph](QPainter& painter) {
                                     painter.drawImage(0, 0, photograph);
                                     painter.drawLine(0, 0, 300, 200);
                                 }};
    QVERIFY(printPicture(*raster, picture, PageOptions{pageTitle, 1, true, true}));
    QCOMPARE(pdf::imageCount(pdfPath(QStringLiteral("raster.pdf"))), 1);
    // Drawn at its screen size, not at one printer pixel per screen pixel.
    const QRect red = pdf::boundingBox(pdf::pageImage(pdfPath(QStringLiteral("raster.pdf")), 1, renderDpi), isRed);
    QVERIFY(qAbs(red.width() - 300 * renderDpi / screenDotsPerInch()) <= 2);
}

void TestPrintPage::noTitleNoBand()
{
    const auto printer = pdfPrinter(QStringLiteral("untitled.pdf"));
    QCOMPARE(titleBandHeight(QString(), *printer), 0.0);
    QVERIFY(titleBandHeight(pageTitle, *printer) > 0.0);
    QVERIFY(printPicture(*printer, redBlock(QSize(100, 100)), PageOptions{QString(), 1, false, false}));
    const QImage image = pdf::pageImage(pdfPath(QStringLiteral("untitled.pdf")), 1, renderDpi);
    QVERIFY(pdf::boundingBox(image, isDark).isEmpty());
}

void TestPrintPage::imageLinesKeepTheirColour()
{
    // A copy of the screen with a one-pixel red line, as a trajectory or a
    // curve is: the file keeps the line red, and the picture at its screen size.
    QImage screen(200, 100, QImage::Format_RGB32);
    screen.fill(Qt::white);
    for (int x = 0; x < 200; ++x)
        screen.setPixel(x, 50, qRgb(255, 0, 0));
    const PrintedPicture picture = printedImage(screen);
    QCOMPARE(picture.screenSize, QSize(200, 100));
    const auto printer = pdfPrinter(QStringLiteral("line.pdf"));
    QVERIFY(printPicture(*printer, picture, PageOptions{pageTitle, 1, true, true}));

    const std::vector<QImage> stored = pdf::embeddedImages(pdfPath(QStringLiteral("line.pdf")));
    QCOMPARE(stored.size(), std::size_t(1));
    const QImage& image = stored[0];
    const double block = double(image.width()) / screen.width();
    int red = 0;
    for (int x = 0; x < screen.width(); ++x)
        red += isRed(image.pixel(int((x + 0.5) * block), int(50.5 * block))) ? 1 : 0;
    QCOMPARE(red, screen.width());
    const QRect onPage = pdf::boundingBox(pdf::pageImage(pdfPath(QStringLiteral("line.pdf")), 1, renderDpi), isRed);
    QVERIFY(qAbs(onPage.width() - 200 * renderDpi / screenDotsPerInch()) <= 2);
}

void TestPrintPage::textKeepsItsScreenSize()
{
    // Drawing routines give their fonts in points, as on screen; on the page
    // the text must measure what it measures on screen, not the points again
    // at the printer's resolution.
    const QString label = QStringLiteral("Une division correspond à 0,2 s");
    QFont font(QStringLiteral("Arial"), 8);
    const PrintedPicture picture{QSize(300, 40), [&](QPainter& painter) {
                                     painter.fillRect(0, 0, 300, 40, Qt::white);
                                     painter.setFont(font);
                                     painter.setPen(Qt::black);
                                     painter.drawText(10, 20, label);
                                 }};
    const auto printer = pdfPrinter(QStringLiteral("text.pdf"));
    QVERIFY(printPicture(*printer, picture, PageOptions{QString(), 1, false, false}));
    const QRect ink = pdf::boundingBox(pdf::pageImage(pdfPath(QStringLiteral("text.pdf")), 1, renderDpi), isDark);
    const double onScreen = QFontMetricsF(font).horizontalAdvance(label) * renderDpi / screenDotsPerInch();
    QVERIFY2(qAbs(ink.width() - onScreen) < 0.15 * onScreen,
             qPrintable(QStringLiteral("%1 against %2").arg(ink.width()).arg(onScreen)));
}

void TestPrintPage::documentFlowsOverPages()
{
    QTextDocument document;
    QTextCursor cursor(&document);
    for (int line = 1; line <= 150; ++line) {
        if (line > 1)
            cursor.insertBlock();
        cursor.insertText(QStringLiteral("Ligne numéro %1 de l'énoncé").arg(line));
    }
    const auto printer = pdfPrinter(QStringLiteral("text.pdf"));
    QVERIFY(printDocument(*printer, document, PageOptions{pageTitle, 2, true, true}));

    const QString file = pdfPath(QStringLiteral("text.pdf"));
    const int pages = pdf::pageCount(file);
    QVERIFY2(pages >= 4 && pages % 2 == 0, qPrintable(QString::number(pages)));
    const int perCopy = pages / 2;
    QString all;
    for (int page = 1; page <= perCopy; ++page) {
        const QString text = pdf::pageText(file, page);
        QVERIFY(text.contains(pageTitle));
        all += text;
    }
    // Every line once per copy, none lost between pages.
    for (int line = 1; line <= 150; ++line)
        QCOMPARE(all.count(QStringLiteral("Ligne numéro %1 de").arg(line)), 1);
    QVERIFY(pdf::pageText(file, 1).contains(QStringLiteral("Ligne numéro 1 de")));
    QVERIFY(pdf::pageText(file, perCopy + 1).contains(QStringLiteral("Ligne numéro 1 de")));
    QVERIFY(pdf::pageText(file, pages).contains(QStringLiteral("Ligne numéro 150 de")));
}

void TestPrintPage::cancelledChoicePrintsNothing()
{
    const auto printer = pdfPrinter(QStringLiteral("cancelled.pdf"));
    m_dialogs.queuePrinter(std::nullopt);
    choosePrinterAndPrint(nullptr, *printer, redBlock(QSize(100, 100)), PageOptions{pageTitle, 1, true, true});
    QCOMPARE(m_dialogs.printerChoices(), 1);
    QVERIFY(!QFile::exists(pdfPath(QStringLiteral("cancelled.pdf"))));
    QVERIFY(m_dialogs.shown().empty());
}

void TestPrintPage::chosenPrinterGetsTheCopies()
{
    QPrinter printer(QPrinter::HighResolution);
    m_dialogs.queuePrinter(pdfPath(QStringLiteral("chosen.pdf")));
    choosePrinterAndPrint(nullptr, printer, redBlock(QSize(100, 100)), PageOptions{pageTitle, 2, true, true});
    QCOMPARE(m_dialogs.printerChoices(), 1);
    QCOMPARE(pdf::pageCount(pdfPath(QStringLiteral("chosen.pdf"))), 2);
    QVERIFY(m_dialogs.shown().empty());
}

void TestPrintPage::unwritableFileIsReported()
{
    QPrinter printer(QPrinter::HighResolution);
    m_dialogs.queuePrinter(pdfPath(QStringLiteral("no/such/folder/page.pdf")));
    QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
    choosePrinterAndPrint(nullptr, printer, redBlock(QSize(100, 100)), PageOptions{pageTitle, 1, true, true});
    QCOMPARE(m_dialogs.shown().size(), std::size_t(1));
    QCOMPARE(m_dialogs.shown()[0].icon, DialogService::Icon::Critical);
    QCOMPARE(m_dialogs.shown()[0].text, printFailedText());
}

void TestPrintPage::documentThroughTheChoice()
{
    QTextDocument document;
    document.setHtml(QStringLiteral("<p>Un ballon est lancé depuis le sol.</p>"));
    QPrinter printer(QPrinter::HighResolution);
    m_dialogs.queuePrinter(std::nullopt);
    choosePrinterAndPrint(nullptr, printer, document, PageOptions{pageTitle, 1, true, true});
    m_dialogs.queuePrinter(pdfPath(QStringLiteral("exercise.pdf")));
    choosePrinterAndPrint(nullptr, printer, document, PageOptions{pageTitle, 1, true, true});
    QCOMPARE(m_dialogs.printerChoices(), 2);
    QCOMPARE(pdf::pageCount(pdfPath(QStringLiteral("exercise.pdf"))), 1);
    QVERIFY(pdf::pageText(pdfPath(QStringLiteral("exercise.pdf")), 1).contains(QStringLiteral("ballon est lancé")));
}

void TestPrintPage::previewDrawsThePages()
{
    QPrinter printer(QPrinter::HighResolution);
    m_dialogs.setPreviewFile(pdfPath(QStringLiteral("preview.pdf")));
    m_dialogs.previewPrint(nullptr, printer, [](QPrinter& target) {
        printPicture(target, redBlock(QSize(100, 100)), PageOptions{pageTitle, 2, true, true});
    });
    QCOMPARE(m_dialogs.previews(), 1);
    QCOMPARE(pdf::pageCount(pdfPath(QStringLiteral("preview.pdf"))), 2);
}

TAVREL_TEST_MAIN(TestPrintPage)
#include "test_printpage.moc"
