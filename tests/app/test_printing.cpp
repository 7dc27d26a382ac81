// "&Imprimer" of the main window: the print dialog, the scene exactly as
// "Copier l'animation" gives it, the live graph as lines and text, the
// choices kept, the scene left as it was on screen while the dialog is open.

#include "windowfixture.h"

#include "common/testmain.h"

#include "common/pdfpages.h"
#include "ui/confimp.h"
#include "ui/printpage.h"

#include <QApplication>
#include <QCheckBox>
#include <QScreen>
#include <QScrollBar>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

namespace {

constexpr int screenDpi = 96;

template <typename Widget>
Widget* child(QDialog& dialog, const char* name)
{
    auto* widget = dialog.findChild<Widget*>(QString::fromLatin1(name));
    if (!widget)
        qFatal("no control %s", name);
    return widget;
}

// How far a printed picture is from the one on screen: the share of its
// pixels that differ by more than the compression of the PDF file accounts
// for. Each screen pixel is stored as a block of 4 x 4.
double farPixels(const QImage& printed, const QImage& expected)
{
    constexpr int block = 4;
    const QImage wanted = expected.convertToFormat(QImage::Format_RGB32);
    if (printed.size() != wanted.size() * block)
        return 1.0;
    qsizetype far = 0;
    for (int y = 0; y < wanted.height(); ++y)
        for (int x = 0; x < wanted.width(); ++x) {
            const QRgb a = printed.pixel(block * x + 1, block * y + 1);
            const QRgb b = wanted.pixel(x, y);
            if (qAbs(qRed(a) - qRed(b)) + qAbs(qGreen(a) - qGreen(b)) + qAbs(qBlue(a) - qBlue(b)) > 96)
                ++far;
        }
    return double(far) / (double(wanted.width()) * wanted.height());
}

// Where the printed picture lies on the page: the ink under the title band.
QRect printedPicture(const QImage& page, int belowRow)
{
    const QRect box = pdf::boundingBox(page.copy(0, belowRow, page.width(), page.height() - belowRow),
                                       [](QRgb pixel) { return qGray(pixel) < 250; });
    return box.translated(0, belowRow);
}

bool isBlackInk(QRgb pixel) { return qGray(pixel) < 90; }

bool isRedInk(QRgb pixel) { return qRed(pixel) > 200 && qGreen(pixel) < 90 && qBlue(pixel) < 90; }

} // namespace

class TestPrinting : public QObject {
    Q_OBJECT
private slots:
    void buttonsWork();
    void sceneAsCopied();
    void graphAsDrawn();
    void graphOnlyWhenChosen();
    void cancelledChoiceSaysNothing();
    void choicesKept();
    void sceneStaysWhileTheDialogIsOpen_data();
    void sceneStaysWhileTheDialogIsOpen();
};

void TestPrinting::buttonsWork()
{
    WindowFixture f;
    QVERIFY(f.w().ui().Command10->isEnabled());
    QVERIFY(f.w().ui().Command7->isEnabled());
    f.w().ui().Command10->click();
    QCOMPARE(f.dialogs.modalsShown(), (std::vector<QString>{"confimp"}));
}

void TestPrinting::sceneAsCopied()
{
    WindowFixture f;
    f.w().ui().Check1->setChecked(true);
    f.w().ui().Check8->setChecked(true);
    WindowFixture::activate(f.w().ui().command15);
    for (int tick = 0; tick < 30; ++tick)
        f.w().Timer1_Timer();
    WindowFixture::activate(f.w().ui().command16);
    const QImage copied = f.w().scenePicture();

    QTemporaryDir out;
    const QString file = out.filePath(QStringLiteral("scene.pdf"));
    f.dialogs.queuePrinter(file);
    f.dialogs.queueModal([](QDialog& confimp) {
        QVERIFY(child<QRadioButton>(confimp, "printScene")->isChecked());
        child<QLineEdit>(confimp, "pageTitle")->setText(QStringLiteral("Un ballon lancé à 77°"));
        child<QPushButton>(confimp, "print")->click();
    });
    f.w().ui().Command10->click();

    QCOMPARE(pdf::pageCount(file), 1);
    QVERIFY(pdf::pageText(file, 1).contains(QStringLiteral("Un ballon lancé à 77°")));
    const QImage page = pdf::pageImage(file, 1, screenDpi);
    QVERIFY2(!page.isNull(), "pdftoppm (poppler-utils) is needed");
    const QRect printed = printedPicture(page, 100);
    QVERIFY2(qAbs(printed.width() - copied.width()) <= 1 && qAbs(printed.height() - copied.height()) <= 1,
             qPrintable(QStringLiteral("%1×%2").arg(printed.width()).arg(printed.height())));
    // Same pixels: the picture stored in the file is the copied one, up to
    // the JPEG compression of the PDF; and the measure tells scenes apart.
    const std::vector<QImage> stored = pdf::embeddedImages(file);
    QCOMPARE(stored.size(), std::size_t(1));
    const double same = farPixels(stored[0], copied);
    QVERIFY2(same < 0.001, qPrintable(QString::number(same)));
    for (int tick = 0; tick < 10; ++tick)
        f.w().Timer1_Timer();
    const double other = farPixels(stored[0], f.w().scenePicture());
    QVERIFY2(other > 0.002, qPrintable(QString::number(other)));
}

void TestPrinting::graphAsDrawn()
{
    WindowFixture f;
    f.w().ui().Check13[1]->click();
    WindowFixture::activate(f.w().ui().Command6);
    WindowFixture::activate(f.w().ui().command15);
    for (int tick = 0; tick < 40; ++tick)
        f.w().Timer1_Timer();
    const QImage screen = f.w().liveGraph().picture();

    QTemporaryDir out;
    const QString file = out.filePath(QStringLiteral("graph.pdf"));
    f.dialogs.queuePrinter(file);
    f.dialogs.queueModal([](QDialog& confimp) {
        QVERIFY(child<QRadioButton>(confimp, "printGraph")->isEnabled());
        child<QRadioButton>(confimp, "printGraph")->setChecked(true);
        child<QSpinBox>(confimp, "copies")->setValue(2);
        child<QPushButton>(confimp, "print")->click();
    });
    f.w().ui().Command10->click();
    // The clipboard keeps the screen picture.
    QCOMPARE(f.w().liveGraph().picture(), screen);

    // Lines and text, not a picture: the labels are read back as text.
    QCOMPARE(pdf::pageCount(file), 2);
    QCOMPARE(pdf::imageCount(file), 0);
    for (int number = 1; number <= 2; ++number) {
        const QString text = pdf::pageText(file, number);
        for (const char* label : {"Tavrel TS", "Une division correspond à", "correspond à", "y(t)"})
            QVERIFY2(text.contains(QString::fromUtf8(label)), qPrintable(text));
    }

    // At the screen's resolution: the screen's size, its black lines and
    // text, and the curve traced so far, no more.
    const QImage page = pdf::pageImage(file, 1, screenDpi);
    const QRect printed = printedPicture(page, 100);
    QVERIFY2(qAbs(printed.width() - screen.width()) <= 1 && qAbs(printed.height() - screen.height()) <= 1,
             qPrintable(QStringLiteral("%1×%2").arg(printed.width()).arg(printed.height())));
    const QPoint origin = printed.topLeft();
    const double black = pdf::foundNear(screen, page, origin, isBlackInk, isBlackInk).share();
    QVERIFY2(black > 0.95, qPrintable(QString::number(black)));
    const QImage plot = screen.copy(20, 20, 241, 181);
    const QImage printedPlot = page.copy(QRect(origin + QPoint(20, 20), plot.size()));
    const double curve = pdf::foundNear(plot, printedPlot, QPoint(), isRedInk, isRedInk).share();
    const double beyond = pdf::foundNear(printedPlot, plot, QPoint(), isRedInk, isRedInk).share();
    QVERIFY2(curve > 0.95 && beyond > 0.95, qPrintable(QStringLiteral("%1 %2").arg(curve).arg(beyond)));

    // At 600 dpi the value axis is one screen pixel wide, 6,25 printer
    // pixels, black up to its edge: the panel begins at the next pixel.
    constexpr int fineDpi = 600;
    const double scale = double(fineDpi) / screenDpi;
    const QRect around(QPointF((origin.x() + 10) * scale, (origin.y() + 60) * scale).toPoint(),
                       QSize(int(20 * scale), int(120 * scale)));
    const QImage fine = pdf::pageImage(file, 1, fineDpi, around);
    QCOMPARE(fine.size(), around.size());
    for (int y = 0; y < fine.height(); y += 25) {
        int left = 0;
        while (left < fine.width() && !isBlackInk(fine.pixel(left, y)))
            ++left;
        int right = left;
        while (right < fine.width() && isBlackInk(fine.pixel(right, y)))
            ++right;
        const QString row = QString::number(y);
        QVERIFY2(left > 2 && right < fine.width(), qPrintable(row));
        QVERIFY2(right - left >= 5 && right - left <= 7, qPrintable(row + u' ' + QString::number(right - left)));
        QVERIFY2(qGray(fine.pixel(left - 1, y)) > 220, qPrintable(row));
    }
}

void TestPrinting::graphOnlyWhenChosen()
{
    WindowFixture f;
    bool graphOffered = true;
    f.dialogs.queueModal([&](QDialog& confimp) {
        graphOffered = child<QRadioButton>(confimp, "printGraph")->isEnabled();
    });
    WindowFixture::activate(f.w().ui().Command10);
    QVERIFY(!graphOffered);
}

void TestPrinting::cancelledChoiceSaysNothing()
{
    WindowFixture f;
    f.dialogs.queuePrinter(std::nullopt);
    f.dialogs.queueModal([](QDialog& confimp) { child<QPushButton>(confimp, "print")->click(); });
    WindowFixture::activate(f.w().ui().Command10);
    QCOMPARE(f.dialogs.printerChoices(), 1);
    QVERIFY(f.dialogs.shown().empty());
}

void TestPrinting::choicesKept()
{
    WindowFixture f;
    f.dialogs.queueModal([](QDialog& confimp) {
        QCOMPARE(child<QLineEdit>(confimp, "pageTitle")->text(), QString("Tavrel TS"));
        child<QLineEdit>(confimp, "pageTitle")->setText(QStringLiteral("Chute sur Mars"));
        child<QSpinBox>(confimp, "copies")->setValue(3);
        child<QCheckBox>(confimp, "centreVertically")->setChecked(false);
    });
    QString title;
    int copies = 0;
    bool down = true;
    f.dialogs.queueModal([&](QDialog& confimp) {
        title = child<QLineEdit>(confimp, "pageTitle")->text();
        copies = child<QSpinBox>(confimp, "copies")->value();
        down = child<QCheckBox>(confimp, "centreVertically")->isChecked();
    });
    WindowFixture::activate(f.w().ui().Command10);
    WindowFixture::activate(f.w().ui().Command10);
    QCOMPARE(title, QString("Chute sur Mars"));
    QCOMPARE(copies, 3);
    QVERIFY(!down);
}

void TestPrinting::sceneStaysWhileTheDialogIsOpen_data()
{
    QTest::addColumn<bool>("inFlight");
    QTest::addColumn<int>("scrolled");
    QTest::newRow("paused in flight, with its trajectory") << true << 0;
    QTest::newRow("scrolled down to the ground") << false << 200;
}

// What the screen shows of the scene while the dialog stands beside the
// window: the scene as it was, not a blank one.
void TestPrinting::sceneStaysWhileTheDialogIsOpen()
{
    QFETCH(bool, inFlight);
    QFETCH(int, scrolled);
    WindowFixture f;
    FeuilleP& w = f.w();
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.ui().VScroll2->setValue(scrolled);
    if (inFlight) {
        w.ui().Check8->setChecked(true);
        WindowFixture::activate(w.ui().command15);
        for (int tick = 0; tick < 30; ++tick)
            w.Timer1_Timer();
        WindowFixture::activate(w.ui().command16);
    }
    QApplication::processEvents();
    QScreen* screen = w.screen();
    const QRect scene(w.ui().Frame3->mapToGlobal(QPoint(0, 0)), w.ui().Frame3->size());
    const auto onScreen = [&] {
        return screen->grabWindow(0, scene.x(), scene.y(), scene.width(), scene.height()).toImage();
    };
    const QImage before = onScreen();
    QImage during;
    f.dialogs.queueModal([&](QDialog& confimp) {
        confimp.move(w.geometry().right() + 50, w.geometry().top());
        confimp.show();
        QTest::qWait(100);
        during = onScreen();
        confimp.hide();
    });
    WindowFixture::activate(w.ui().Command10);
    QCOMPARE(during, before);
}

TAVREL_TEST_MAIN(TestPrinting)
#include "test_printing.moc"
