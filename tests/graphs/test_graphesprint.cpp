// "Imprimer" of the graphs window: the graph alone, centred on one page at
// its screen size, drawn as lines and text at the printer's resolution.

#include "graphs/graphes.h"

#include "common/pdfpages.h"
#include "ui/dialogservice.h"
#include "ui/printpage.h"
#include "common/testmain.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

using namespace graphs;

namespace {

// The curves, axes, grid and labels: every pixel that is not white paper.
bool isInk(QRgb pixel)
{
    return qRed(pixel) < 235 || qGreen(pixel) < 235 || qBlue(pixel) < 235;
}

bool isBlack(QRgb pixel)
{
    return qRed(pixel) < 90 && qGreen(pixel) < 90 && qBlue(pixel) < 90;
}

// Thin text comes out lighter where another renderer smooths it.
bool isDark(QRgb pixel)
{
    return qGray(pixel) < 160;
}

GraphesSetup energies()
{
    GraphesSetup setup;
    setup.situation.initialVelocityX = 6;
    setup.situation.initialVelocityY = 8;
    setup.situation.y0 = 2;
    setup.situation.checked[KindEc] = setup.situation.checked[KindEp] = setup.situation.checked[KindEm] = true;
    return setup;
}

double pointsFromMm(double mm)
{
    return mm / 25.4 * 72;
}

} // namespace

class TestGraphesPrint : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void pageHoldsTheGraph();
    void linesAndTextStayVectors();
    void cancelledChoicePrintsNothing();

private:
    QString printed(const QString& name);

    ScriptedDialogs m_dialogs;
    QTemporaryDir m_directory;
};

void TestGraphesPrint::init()
{
    m_dialogs = ScriptedDialogs();
    DialogService::install(&m_dialogs);
}

void TestGraphesPrint::cleanup()
{
    DialogService::install(nullptr);
}

QString TestGraphesPrint::printed(const QString& name)
{
    const QString path = m_directory.filePath(name);
    m_dialogs.queuePrinter(path);
    Graphes window(energies());
    window.ui().Image1[1]->click();
    return path;
}

// Rendered at the screen's resolution the page shows the screen picture,
// the same size, in the middle of the printable area.
void TestGraphesPrint::pageHoldsTheGraph()
{
    const QString file = printed(QStringLiteral("graphe.pdf"));
    QCOMPARE(m_dialogs.printerChoices(), 1);
    QVERIFY(m_dialogs.shown().empty());
    QCOMPARE(pdf::pageCount(file), 1);
    const double dpi = screenDotsPerInch();
    const QImage page = pdf::pageImage(file, 1, int(dpi));
    QVERIFY2(!page.isNull(), "pdftoppm (poppler-utils) is needed");

    const Graphes window(energies());
    const QImage screen = window.graphPicture();
    const QRect onScreen = pdf::boundingBox(screen, isInk);
    const QRect onPage = pdf::boundingBox(page, isInk);
    QVERIFY2(std::abs(onPage.width() - onScreen.width()) <= 2 && std::abs(onPage.height() - onScreen.height()) <= 2,
             qPrintable(QStringLiteral("%1x%2 against %3x%4")
                            .arg(onPage.width()).arg(onPage.height()).arg(onScreen.width()).arg(onScreen.height())));

    // The surface, white margins included, centred within the margins.
    const double margin = pointsFromMm(15) * dpi / 72;
    const QPoint origin = onPage.topLeft() - onScreen.topLeft();
    const double leftGap = origin.x() - margin;
    const double rightGap = page.width() - margin - (origin.x() + screen.width());
    const double topGap = origin.y() - margin;
    const double bottomGap = page.height() - margin - (origin.y() + screen.height());
    QVERIFY2(std::fabs(leftGap - rightGap) <= 3, qPrintable(QStringLiteral("%1 %2").arg(leftGap).arg(rightGap)));
    QVERIFY2(std::fabs(topGap - bottomGap) <= 3, qPrintable(QStringLiteral("%1 %2").arg(topGap).arg(bottomGap)));

    // The black lines of the screen (axes, arrow heads, text) are black on
    // paper, give or take a pixel.
    const pdf::FoundNear black = pdf::foundNear(screen, page, origin, isBlack, isDark);
    QVERIFY(black.onScreen > 1000);
    QVERIFY2(black.share() >= 0.95, qPrintable(QStringLiteral("%1 of %2").arg(black.onPage).arg(black.onScreen)));
    // The time axis runs along row 380 of the graph.
    for (int x = 30; x < 390; x += 20) {
        const QPoint p = origin + QPoint(x, 380);
        QVERIFY2(isDark(page.pixel(p)) || isDark(page.pixel(p + QPoint(0, 1))) || isDark(page.pixel(p - QPoint(0, 1))),
                 qPrintable(QString::number(x)));
    }
}

// No picture is pasted on the page: its labels are text, its lines lines.
void TestGraphesPrint::linesAndTextStayVectors()
{
    const QString file = printed(QStringLiteral("vecteurs.pdf"));
    QCOMPARE(pdf::imageCount(file), 0);
    const QString text = pdf::pageText(file, 1);
    QVERIFY2(text.contains(QStringLiteral("Une division correspond à")), qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("correspond à")));
    // At three times the screen's resolution the axis is three pixels wide.
    const QImage fine = pdf::pageImage(file, 1, int(3 * screenDotsPerInch()));
    const QRect axis = pdf::boundingBox(fine.copy(0, fine.height() / 2, fine.width(), 1), isBlack);
    QVERIFY(!axis.isEmpty());
    QVERIFY2(axis.width() >= 2 && axis.width() <= 4, qPrintable(QString::number(axis.width())));
}

void TestGraphesPrint::cancelledChoicePrintsNothing()
{
    const QStringList before = QDir(m_directory.path()).entryList(QDir::Files);
    m_dialogs.queuePrinter(std::nullopt);
    Graphes window(energies());
    window.ui().Image1[1]->click();
    QCOMPARE(m_dialogs.printerChoices(), 1);
    QVERIFY(m_dialogs.shown().empty());
    QCOMPARE(QDir(m_directory.path()).entryList(QDir::Files), before);
}

TAVREL_TEST_MAIN(TestGraphesPrint)
#include "test_graphesprint.moc"
