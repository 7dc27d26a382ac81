// The table's headers, drawn with subscripts and exponents, and the table
// taken out of the program as text, HTML and CSV.

#include "graphs/enlargedgraph.h"
#include "graphs/graphlabels.h"
#include "graphs/tableexport.h"
#include "graphs/valuetable.h"
#include "common/testmain.h"

#include <QFontMetricsF>
#include <QImage>
#include <QPainter>
#include <QTest>

using namespace graphs;

namespace {

// Lands after 1.4286 s, a row every 0.08 s.
EnlargedGraph positionsFrom10m()
{
    GraphInputs in;
    in.initialVelocityX = 5;
    in.y0 = 10;
    in.checked[KindX] = in.checked[KindY] = true;
    return planEnlargedGraph(in);
}

// The columns of an image holding dark pixels in the given rows.
QList<int> inkedColumns(const QImage& image, int top, int bottom)
{
    QList<int> columns;
    for (int x = 0; x < image.width(); ++x)
        for (int y = top; y <= bottom; ++y)
            if (qGray(image.pixel(x, y)) < 128) {
                columns << x;
                break;
            }
    return columns;
}

int lowestInk(const QImage& image, int left, int right)
{
    for (int y = image.height() - 1; y >= 0; --y)
        for (int x = left; x <= right; ++x)
            if (qGray(image.pixel(x, y)) < 128)
                return y;
    return -1;
}

int highestInk(const QImage& image, int left, int right)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = left; x <= right; ++x)
            if (qGray(image.pixel(x, y)) < 128)
                return y;
    return -1;
}

} // namespace

class TestValueTable : public QObject {
    Q_OBJECT
private slots:
    void headers_data();
    void headers();
    void headerStrip();
    void subscriptAndExponent();
    void tabText();
    void html();
    void csv();
    void emptyTable();
};

void TestValueTable::headers_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("pieces");
    QTest::addColumn<QList<int>>("shifts");
    QTest::addRow("x") << int(KindX) << "x(m)" << QStringList{"x(m)"} << QList<int>{0};
    QTest::addRow("y") << int(KindY) << "y(m)" << QStringList{"y(m)"} << QList<int>{0};
    QTest::addRow("vx") << int(KindVx) << "vx(m · s-1)" << QStringList{"v", "x", "(m · s", "-1", ")"}
                        << QList<int>{0, -1, 0, 1, 0};
    QTest::addRow("vy") << int(KindVy) << "vy(m · s-1)" << QStringList{"v", "y", "(m · s", "-1", ")"}
                        << QList<int>{0, -1, 0, 1, 0};
    QTest::addRow("v") << int(KindV) << "v(m · s-1)" << QStringList{"v", "(m · s", "-1", ")"} << QList<int>{0, 0, 1, 0};
    QTest::addRow("Ec") << int(KindEc) << "Ec(J)" << QStringList{"E", "c", "(J)"} << QList<int>{0, -1, 0};
    QTest::addRow("Ep") << int(KindEp) << "Ep(J)" << QStringList{"E", "p", "(J)"} << QList<int>{0, -1, 0};
    QTest::addRow("Em") << int(KindEm) << "Em(J)" << QStringList{"E", "m", "(J)"} << QList<int>{0, -1, 0};
}

void TestValueTable::headers()
{
    QFETCH(int, kind);
    QFETCH(QString, text);
    QFETCH(QStringList, pieces);
    QFETCH(QList<int>, shifts);
    const ColumnHeader header = kindHeader(GraphKind(kind));
    QCOMPARE(header.text, text);
    QStringList drawn;
    QList<int> drawnShifts;
    for (const HeaderPiece& piece : header.pieces) {
        drawn << piece.text;
        drawnShifts << piece.shift;
    }
    QCOMPARE(drawn, pieces);
    QCOMPARE(drawnShifts, shifts);
    QCOMPARE(drawn.join(QString()), text);
    QCOMPARE(dateHeader().text, QStringLiteral("t(s)"));
}

// Each header centred over its column, black lines between the columns.
void TestValueTable::headerStrip()
{
    const int width = 80;
    QImage strip(3 * width, 22, QImage::Format_RGB32);
    strip.fill(Qt::white);
    {
        QPainter painter(&strip);
        paintTableHeaders(painter, tableHeaders({KindX, KindY}), width, 22);
    }
    QCOMPARE(strip.pixelColor(width, 2), QColor(0, 0, 0));
    QCOMPARE(strip.pixelColor(2 * width, 20), QColor(0, 0, 0));
    QCOMPARE(strip.pixelColor(0, 10), QColor(255, 255, 255));
    for (int c = 0; c < 3; ++c) {
        QList<int> ink = inkedColumns(strip.copy(c * width + 1, 0, width - 2, 22), 3, 19);
        QVERIFY(!ink.isEmpty());
        const double middle = (ink.first() + ink.last() + 1) / 2.0 + 1;
        QVERIFY2(std::fabs(middle - width / 2.0) <= 2, qPrintable(QString::number(middle)));
    }
}

// Against the same text drawn flat, the subscript x of vx lies 3 units
// lower and the exponent -1 3 units higher; the rest has not moved.
void TestValueTable::subscriptAndExponent()
{
    const int width = 120;
    const int height = 30;
    QImage strip(2 * width, height, QImage::Format_RGB32);
    QImage flat = strip;
    strip.fill(Qt::white);
    flat.fill(Qt::white);
    const QFontMetricsF metrics(tableFont());
    const ColumnHeader vx = kindHeader(KindVx);
    const double left = width + (width - metrics.horizontalAdvance(vx.text)) / 2;
    {
        QPainter painter(&strip);
        paintTableHeaders(painter, tableHeaders({KindVx}), width, height);
        QPainter flatPainter(&flat);
        drawTextTopLeft(flatPainter, left, (height - metrics.height()) / 2, vx.text, tableFont(), QColor(0, 0, 0));
    }
    const auto span = [&](const QString& before, const QString& piece) {
        const int from = int(std::ceil(left + metrics.horizontalAdvance(before)));
        return std::pair{from, int(left + metrics.horizontalAdvance(before + piece)) - 1};
    };
    const auto [vFrom, vTo] = span(QString(), QStringLiteral("v"));
    const auto [xFrom, xTo] = span(QStringLiteral("v"), QStringLiteral("x"));
    const auto [eFrom, eTo] = span(QStringLiteral("vx(m · s"), QStringLiteral("-1"));
    QCOMPARE(lowestInk(strip, vFrom, vTo), lowestInk(flat, vFrom, vTo));
    QCOMPARE(lowestInk(strip, xFrom, xTo), lowestInk(flat, xFrom, xTo) + headerShift);
    QCOMPARE(highestInk(strip, eFrom, eTo), highestInk(flat, eFrom, eTo) - headerShift);
}

void TestValueTable::tabText()
{
    const QString text = tableAsTabText(positionsFrom10m());
    QVERIFY(text.startsWith(QStringLiteral("t(s)\tx(m)\ty(m)\n0,00\t0,00\t10,00\n0,08\t0,40\t9,97\n0,16\t0,80\t9,87\n")));
    QVERIFY(text.endsWith(QStringLiteral("\n1,36\t6,80\t0,94\n")));
    QCOMPARE(text.count(u'\n'), 19);
}

void TestValueTable::html()
{
    GraphInputs in;
    in.initialVelocityX = 5;
    in.y0 = 10;
    in.checked[KindVx] = in.checked[KindV] = true;
    const QString html = tableAsHtml(planEnlargedGraph(in));
    QVERIFY(html.startsWith(QStringLiteral("<table")));
    QVERIFY(html.contains(QStringLiteral("<th>t(s)</th><th>v<sub>x</sub>(m · s<sup>-1</sup>)</th>"
                                         "<th>v(m · s<sup>-1</sup>)</th></tr>")));
    QVERIFY(html.contains(QStringLiteral("<tr><td align=\"right\">0,00</td><td align=\"right\">5,00</td>"
                                         "<td align=\"right\">5,00</td></tr>")));
    QCOMPARE(html.count(QStringLiteral("<tr>")), 19);
}

void TestValueTable::csv()
{
    const QByteArray bytes = tableAsCsv(positionsFrom10m());
    QVERIFY(bytes.startsWith("\xEF\xBB\xBFt(s);x(m);y(m)\r\n0,00;0,00;10,00\r\n0,08;0,40;9,97\r\n"));
    QVERIFY(bytes.endsWith("\r\n1,36;6,80;0,94\r\n"));
    QCOMPARE(bytes.count("\r\n"), 19);
    QCOMPARE(bytes.count('\n'), 19);
}

void TestValueTable::emptyTable()
{
    const EnlargedGraph nothing = planEnlargedGraph(GraphInputs{});
    QVERIFY(tableAsTabText(nothing).isEmpty());
    QVERIFY(tableAsHtml(nothing).isEmpty());
}

TAVREL_TEST_MAIN(TestValueTable)
#include "test_valuetable.moc"
