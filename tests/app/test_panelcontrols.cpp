// Controls of the panels as they are drawn: the three scale bars of the
// Vecteurs panel each show a thumb, the τ of the chronophotography interval
// is set in a face where it does not read as a T, and "ms" stands on the
// line of the number typed in the field.

#include "common/testmain.h"
#include "windowfixture.h"

#include "common/pixels.h"
#include "scene/chronopanel.h"

#include <QFontInfo>
#include <QScrollBar>

namespace {

const QColor thumb(150, 150, 145);

// The last row of dark pixels in the area, -1 when there is none.
int lastInkRow(const QImage& picture, const QRect& area)
{
    const QRect clipped = area & picture.rect();
    for (int y = clipped.bottom(); y >= clipped.top(); --y)
        for (int x = clipped.left(); x <= clipped.right(); ++x)
            if (qGray(picture.pixel(x, y)) < 128)
                return y;
    return -1;
}

// The first row of the thumb in the bar's picture.
int thumbTop(QScrollBar* bar)
{
    const QImage picture = bar->grab().toImage();
    for (int y = 0; y < picture.height(); ++y)
        if (testing::holdsColour(picture, thumb, QRect(0, y, picture.width(), 1)))
            return y;
    return -1;
}

} // namespace

class TestPanelControls : public QObject {
    Q_OBJECT
private slots:
    void scaleBarsShowAThumb_data();
    void scaleBarsShowAThumb();
    void tauInASerifItalic();
    void unitOnTheLineOfTheNumber();
};

void TestPanelControls::scaleBarsShowAThumb_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("velocity") << QStringLiteral("VScroll1");
    QTest::newRow("acceleration") << QStringLiteral("VScroll4");
    QTest::newRow("weight") << QStringLiteral("VScroll3");
}

// A thumb of at least 6 rows, which goes down as the value grows.
void TestPanelControls::scaleBarsShowAThumb()
{
    QFETCH(QString, name);
    WindowFixture f;
    auto* bar = f.w().findChild<QScrollBar*>(name);
    QVERIFY(bar);
    bar->setValue(bar->minimum());
    const QImage atTop = bar->grab().toImage();
    QVERIFY2(testing::countColour(atTop, thumb) >= 6 * 6, qPrintable(QString::number(testing::countColour(atTop, thumb))));
    const int top = thumbTop(bar);
    bar->setValue(bar->maximum());
    QVERIFY2(thumbTop(bar) > top, qPrintable(QStringLiteral("%1 then %2").arg(top).arg(thumbTop(bar))));
}

void TestPanelControls::tauInASerifItalic()
{
    const QFontInfo tau(tauFont());
    QVERIFY(tau.italic());
    QVERIFY2(!tau.family().contains(QStringLiteral("Sans")) && tau.family() != QStringLiteral("Arial"),
             qPrintable(tau.family()));
    QVERIFY(QFontMetrics(tauFont()).inFont(QChar(0x03C4)));
}

// Digits and the letters of "ms" all stand on the baseline: their last rows
// of ink are the same.
void TestPanelControls::unitOnTheLineOfTheNumber()
{
    WindowFixture f;
    FeuilleP& w = f.w();
    const QImage panel = w.ui().Picture6->grab().toImage();
    const QRect field = w.ui().chrono->geometry();
    const int number = lastInkRow(panel, field.adjusted(3, 3, -3, -3));
    const int unit = lastInkRow(panel, QRect(field.right() + 3, field.top() - 6, 24, field.height() + 12));
    QVERIFY(number > 0);
    QVERIFY2(std::abs(number - unit) <= 1, qPrintable(QStringLiteral("number on row %1, ms on row %2").arg(number).arg(unit)));
}

TAVREL_TEST_MAIN(TestPanelControls)
#include "test_panelcontrols.moc"
