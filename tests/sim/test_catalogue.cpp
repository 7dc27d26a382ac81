// The places and projectiles as the lists show them.

#include "sim/catalogue.h"
#include "common/testmain.h"

#include <QString>
#include <QTest>

class TestCatalogue : public QObject {
    Q_OBJECT
private slots:
    void places_data();
    void places();
    void projectiles_data();
    void projectiles();
};

void TestCatalogue::places_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("name");
    QTest::addColumn<float>("g");
    QTest::addColumn<QString>("photograph");
    QTest::addColumn<bool>("silent");
    QTest::newRow("Terre") << 0 << "Terre" << 9.8f << "terre.jpg" << false;
    QTest::newRow("Lune") << 1 << "Lune" << 1.62f << "lune.jpg" << true;
    QTest::newRow("Mars") << 2 << "Mars" << 3.71f << "mars.jpg" << false;
}

void TestCatalogue::places()
{
    QFETCH(int, index);
    QFETCH(QString, name);
    QFETCH(float, g);
    QFETCH(QString, photograph);
    QFETCH(bool, silent);
    QCOMPARE(QString::fromUtf8(sim::place(index).name), name);
    QCOMPARE(sim::place(index).gravity, g);
    QCOMPARE(QString::fromUtf8(sim::place(index).photograph), photograph);
    QCOMPARE(sim::isSilent(index), silent);
}

void TestCatalogue::projectiles_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("name");
    QTest::addColumn<float>("mass");
    QTest::addColumn<QString>("sound");
    QTest::addColumn<bool>("bounces");
    QTest::newRow("pomme") << 0 << "pomme (180 g)" << 0.18f << "pom.wav" << false;
    QTest::newRow("pierre") << 1 << "pierre (330 g)" << 0.33f << "bim.wav" << false;
    QTest::newRow("ballon") << 2 << "ballon (450 g)" << 0.45f << "bam.wav" << true;
    QTest::newRow("boule") << 3 << "boule de pétanque (800 g)" << 0.8f << "bam.wav" << false;
    QTest::newRow("rocher") << 4 << "rocher (1 830 kg)" << 1830.0f << "boum.wav" << false;
}

void TestCatalogue::projectiles()
{
    QFETCH(int, index);
    QFETCH(QString, name);
    QFETCH(float, mass);
    QFETCH(QString, sound);
    QFETCH(bool, bounces);
    QCOMPARE(QString::fromUtf8(sim::projectile(index).name), name);
    QCOMPARE(sim::projectile(index).mass, mass);
    QCOMPARE(QString::fromUtf8(sim::projectile(index).sound), sound);
    QCOMPARE(sim::bounces(index), bounces);
}

TAVREL_TEST_APPLESS_MAIN(TestCatalogue)
#include "test_catalogue.moc"
