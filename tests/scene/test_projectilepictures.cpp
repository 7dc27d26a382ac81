// The projectile pictures installed beside the program: 32 x 32, the object
// centred and whole, with a clear margin on every side so that no edge of it
// is cut off by the picture's square.

#include "scene/projectilepicture.h"
#include "common/testmain.h"

#include <QImage>
#include <QTest>

namespace {

// The smallest rectangle holding every pixel that is not fully transparent.
QRect opaqueBounds(const QImage& image)
{
    QRect bounds;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qAlpha(image.pixel(x, y)) != 0)
                bounds |= QRect(x, y, 1, 1);
    return bounds;
}

} // namespace

class TestProjectilePictures : public QObject {
    Q_OBJECT
private slots:
    void marginAndCentre_data();
    void marginAndCentre();
};

void TestProjectilePictures::marginAndCentre_data()
{
    QTest::addColumn<QString>("file");
    QTest::newRow("pomme") << "projectile1.png";
    QTest::newRow("pierre") << "projectile2.png";
    QTest::newRow("ballon") << "projectile3.png";
    QTest::newRow("boule de pétanque") << "projectile4.png";
    QTest::newRow("rocher") << "projectile5.png";
}

void TestProjectilePictures::marginAndCentre()
{
    QFETCH(QString, file);
    const QImage picture(QStringLiteral(TAVREL_APP_DIR) + file);
    QVERIFY(!picture.isNull());
    QCOMPARE(picture.size(), QSize(scene::projectilePictureSide, scene::projectilePictureSide));
    QVERIFY(picture.hasAlphaChannel());
    const QRect bounds = opaqueBounds(picture.convertToFormat(QImage::Format_ARGB32));
    const QString where = QStringLiteral("object in columns %1 to %2, rows %3 to %4")
                              .arg(bounds.left()).arg(bounds.right()).arg(bounds.top()).arg(bounds.bottom());
    // Two clear rows or columns on each side: a pixel next to the edge
    // reads as touching it.
    QVERIFY2(bounds.left() >= 2 && bounds.top() >= 2, qPrintable(where));
    QVERIFY2(bounds.right() <= 29 && bounds.bottom() <= 29, qPrintable(where));
    // Still a projectile of its size, centred on the picture's centre, which
    // the program takes for the centre of inertia.
    QVERIFY2(bounds.width() >= 22 && bounds.height() >= 16, qPrintable(where));
    QVERIFY2(std::abs(bounds.left() + bounds.right() + 1 - 32) <= 2, qPrintable(where));
    QVERIFY2(std::abs(bounds.top() + bounds.bottom() + 1 - 32) <= 3, qPrintable(where));
}

TAVREL_TEST_MAIN(TestProjectilePictures)
#include "test_projectilepictures.moc"
