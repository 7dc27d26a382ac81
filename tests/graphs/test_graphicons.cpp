// The painted icons of the graphs window: each one a picture of its own at
// every size, and a washed-out look when its button cannot be used.

#include "graphs/graphicons.h"
#include "common/testmain.h"

#include <QImage>
#include <QPixmap>
#include <QTest>

using namespace graphs;

namespace {

const GraphesIcon all[] = {GraphesIcon::Close, GraphesIcon::Print, GraphesIcon::Copy, GraphesIcon::Calculator};

QImage picture(GraphesIcon which, int size, QIcon::Mode mode = QIcon::Normal)
{
    return graphesIcon(which).pixmap(QSize(size, size), 1.0, mode).toImage().convertToFormat(QImage::Format_ARGB32);
}

// Share of the square that is painted, and the mean saturation of it.
double coverage(const QImage& image)
{
    int painted = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            painted += qAlpha(image.pixel(x, y)) > 128 ? 1 : 0;
    return double(painted) / (image.width() * image.height());
}

double saturation(const QImage& image)
{
    double sum = 0;
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) > 128) {
                sum += QColor::fromRgba(image.pixel(x, y)).hsvSaturationF();
                ++count;
            }
    return count ? sum / count : 0;
}

} // namespace

class TestGraphIcons : public QObject {
    Q_OBJECT
private slots:
    void paintedAtEverySize_data();
    void paintedAtEverySize();
    void eachIconIsItsOwn();
    void disabledLooksWashedOut();
};

void TestGraphIcons::paintedAtEverySize_data()
{
    QTest::addColumn<int>("size");
    QTest::addRow("32") << 32;
    QTest::addRow("64") << 64;
}

void TestGraphIcons::paintedAtEverySize()
{
    QFETCH(int, size);
    for (GraphesIcon which : all) {
        const QImage image = picture(which, size);
        QCOMPARE(image.size(), QSize(size, size));
        const double c = coverage(image);
        QVERIFY2(c > 0.2 && c < 0.9, qPrintable(QString::number(c)));
        // A margin all round: the corners stay clear.
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(image.pixel(size - 1, size - 1)), 0);
    }
}

void TestGraphIcons::eachIconIsItsOwn()
{
    for (size_t i = 0; i < std::size(all); ++i)
        for (size_t j = i + 1; j < std::size(all); ++j)
            QVERIFY(picture(all[i], 32) != picture(all[j], 32));
}

void TestGraphIcons::disabledLooksWashedOut()
{
    for (GraphesIcon which : {GraphesIcon::Close, GraphesIcon::Calculator}) {
        const QImage normal = picture(which, 32);
        const QImage disabled = picture(which, 32, QIcon::Disabled);
        QCOMPARE(coverage(disabled), coverage(normal));
        QVERIFY(saturation(disabled) < saturation(normal) * 0.6);
    }
}

TAVREL_TEST_MAIN(TestGraphIcons)
#include "test_graphicons.moc"
