// The graph-choice panel: the group rule and where the labels are painted.

#include "graphs/choicepanel.h"
#include "common/testmain.h"

#include "common/pixels.h"

#include <QImage>
#include <QPainter>
#include <QTest>

using namespace graphs;

using Checked = std::array<bool, kindCount>;
Q_DECLARE_METATYPE(Checked)

namespace {

Checked boxes(std::initializer_list<int> indexes)
{
    Checked c{};
    for (int i : indexes)
        c[size_t(i)] = true;
    return c;
}

} // namespace

class TestChoicePanel : public QObject {
    Q_OBJECT
private slots:
    void groupRule_data();
    void groupRule();
    void labelsBesideBoxes();
};

void TestChoicePanel::groupRule_data()
{
    QTest::addColumn<Checked>("before");
    QTest::addColumn<int>("justChecked");
    QTest::addColumn<Checked>("after");
    QTest::addRow("y(t) over vx(t) and v(t)") << boxes({1, 2, 4}) << 1 << boxes({1});
    QTest::addRow("x(t) keeps y(t)") << boxes({0, 1}) << 0 << boxes({0, 1});
    QTest::addRow("vy(t) over positions and Ec(t)") << boxes({0, 1, 3, 5}) << 3 << boxes({3});
    QTest::addRow("v(t) keeps the velocities") << boxes({2, 3, 4}) << 4 << boxes({2, 3, 4});
    QTest::addRow("Em(t) over velocities, keeps Ec(t)") << boxes({2, 3, 4, 5, 7}) << 7 << boxes({5, 7});
    QTest::addRow("Ec(t) over x(t)") << boxes({0, 5}) << 5 << boxes({5});
    QTest::addRow("index out of range") << boxes({0, 3}) << 8 << boxes({0, 3});
}

void TestChoicePanel::groupRule()
{
    QFETCH(Checked, before);
    QFETCH(int, justChecked);
    QFETCH(Checked, after);
    applyGroupRule(before, justChecked);
    QCOMPARE(before, after);
}

// Boxes in one column; the boxes themselves are the window's, not painted here.
void TestChoicePanel::labelsBesideBoxes()
{
    std::array<QRect, kindCount> geometry;
    const int tops[kindCount] = {40, 60, 120, 140, 160, 220, 240, 260};
    for (int i = 0; i < kindCount; ++i)
        geometry[size_t(i)] = QRect(10, tops[i], 13, 13);

    QImage image(200, 300, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        paintGraphChoiceLabels(painter, geometry);
    }

    for (int i = 0; i < kindCount; ++i) {
        const int top = tops[i];
        QVERIFY2(testing::hasInk(image, QRect(30, top, 30, 13)), qPrintable(QString::number(i)));
        QVERIFY2(!testing::hasInk(image, QRect(0, top, 29, 13)), qPrintable(QString::number(i)));
    }
    // Titles above the first box of each group, from the box's left.
    for (int top : {40, 120, 220}) {
        QVERIFY(testing::hasInk(image, QRect(10, top - 24, 20, 12)));
        QVERIFY(!testing::hasInk(image, QRect(0, top - 24, 9, 12)));
    }
    QVERIFY(!testing::hasInk(image, QRect(0, 0, 200, 15)));
}

TAVREL_TEST_MAIN(TestChoicePanel)
#include "test_choicepanel.moc"
