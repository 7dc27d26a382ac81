#include "ui/colourvalue.h"
#include "common/testmain.h"

#include <QGuiApplication>
#include <QPalette>
#include <QTest>

class TestColourValue : public QObject {
    Q_OBJECT
private slots:
    void values_data();
    void values();
    void negativeValues_data();
    void negativeValues();
};

void TestColourValue::values_data()
{
    QTest::addColumn<QColor>("colour");
    QTest::addColumn<int>("value");
    QTest::addRow("black") << QColor(0, 0, 0) << 0;
    QTest::addRow("red") << QColor(255, 0, 0) << 255;
    QTest::addRow("green") << QColor(0, 255, 0) << 65280;
    QTest::addRow("blue") << QColor(0, 0, 255) << 16711680;
    QTest::addRow("white") << QColor(255, 255, 255) << 16777215;
    QTest::addRow("each channel") << QColor(1, 2, 3) << 1 + 2 * 256 + 3 * 65536;
    QTest::addRow("pink mark") << QColor(251, 66, 145) << 9519867;
}

void TestColourValue::values()
{
    QFETCH(QColor, colour);
    QFETCH(int, value);
    QCOMPARE(colourValue(colour), value);
    QCOMPARE(colourOfValue(value, Qt::magenta), colour);
}

void TestColourValue::negativeValues_data()
{
    QTest::addColumn<int>("value");
    QTest::addColumn<QColor>("drawn");
    const QPalette palette = QGuiApplication::palette();
    const QColor fallback(12, 34, 56);
    QTest::addRow("window background") << int(0x80000005) << palette.color(QPalette::Base);
    QTest::addRow("window text") << int(0x80000008) << palette.color(QPalette::Text);
    QTest::addRow("button face") << int(0x8000000F) << palette.color(QPalette::Button);
    QTest::addRow("tool-tip background") << int(0x80000018) << palette.color(QPalette::ToolTipBase);
    QTest::addRow("beyond the roles") << int(0x80000019) << fallback;
    QTest::addRow("minus one") << -1 << fallback;
    QTest::addRow("lowest") << int(0x80000000) << palette.color(QPalette::Button);
}

void TestColourValue::negativeValues()
{
    QFETCH(int, value);
    QFETCH(QColor, drawn);
    QCOMPARE(colourOfValue(value, QColor(12, 34, 56)), drawn);
}

TAVREL_TEST_MAIN(TestColourValue)
#include "test_colourvalue.moc"
