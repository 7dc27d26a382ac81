// The centre-of-inertia marks: each drawing shows every mark as the marks
// drawn one after the other would, the newest taking the current colours,
// and its cost does not grow with the number of marks.

#include "scene/marks.h"
#include "ui/picturesurface.h"
#include "common/testmain.h"

#include <QElapsedTimer>
#include <QTest>
#include <algorithm>
#include <vector>

using namespace scene;

namespace {

const QColor sceneGrey(224, 224, 224);

// The marks drawn one by one, every one at every redraw: the reference the
// layered drawing must match pixel for pixel.
void drawEveryMark(PictureSurface& surface, const std::vector<Mark>& marks)
{
    surface.setLineWidth(2);
    for (const Mark& m : marks) {
        if (m.projected) {
            surface.line(27, m.y, 33, m.y, m.axisColour);
            surface.line(30, m.y - 3, 30, m.y + 3, m.axisColour);
            surface.line(m.x - 3, 436, m.x + 3, 436, m.axisColour);
            surface.line(m.x, 433, m.x, 439, m.axisColour);
        }
        surface.line(m.x - 3, m.y, m.x + 3, m.y, m.colour);
        surface.line(m.x, m.y - 3, m.x, m.y + 3, m.colour);
    }
    surface.setLineWidth(1);
}

// Marks along a parabola over the whole scene, crossing each other, in
// colours and projections that change from one to the next.
std::vector<Mark> flightOfMarks(int count)
{
    std::vector<Mark> marks;
    for (int i = 0; i < count; ++i) {
        const double t = double(i) / std::max(1, count - 1);
        const QColor colour = QColor::fromHsv((i * 37) % 360, 255, 255);
        const QColor axis = QColor::fromHsv((i * 53 + 120) % 360, 200, 230);
        marks.push_back(markAt(float(10 * t), 11 * 4 * t * (1 - t), axis, colour, i % 3 != 0));
    }
    return marks;
}

double medianMicroseconds(MarkList& list, PictureSurface& surface, int calls)
{
    std::vector<double> times;
    for (int i = 0; i < calls; ++i) {
        surface.clear();
        QElapsedTimer timer;
        timer.start();
        list.lespoints(surface, Qt::blue, Qt::red, true);
        times.push_back(double(timer.nsecsElapsed()) / 1000);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace

class TestMarks : public QObject {
    Q_OBJECT
private slots:
    void sameAsEveryMarkInTurn_data();
    void sameAsEveryMarkInTurn();
    void costIndependentOfTheCount();
    void erasingForgetsTheOlderMarks();
};

void TestMarks::sameAsEveryMarkInTurn_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("drawEvery");
    QTest::newRow("one mark") << 1 << 1;
    QTest::newRow("two marks") << 2 << 1;
    QTest::newRow("300 marks, drawn at each") << 300 << 1;
    QTest::newRow("300 marks, drawn every 7") << 300 << 7;
}

// The marks are recorded one by one and drawn in between, as the animation
// does; at the end the picture is that of drawing every mark in turn, and
// the newest took the current colours and projection setting.
void TestMarks::sameAsEveryMarkInTurn()
{
    QFETCH(int, count);
    QFETCH(int, drawEvery);
    std::vector<Mark> marks = flightOfMarks(count);
    PictureSurface layered(409, 800, sceneGrey);
    MarkList list;
    for (int i = 0; i < count; ++i) {
        list.add(marks[size_t(i)]);
        if (i % drawEvery == 0) {
            layered.clear();
            list.lespoints(layered, marks[size_t(i)].axisColour, marks[size_t(i)].colour, marks[size_t(i)].projected);
        }
    }
    const QColor axisNow(10, 20, 30);
    const QColor crossNow(200, 100, 0);
    layered.clear();
    list.lespoints(layered, axisNow, crossNow, true);
    marks.back().axisColour = axisNow;
    marks.back().colour = crossNow;
    marks.back().projected = true;

    PictureSurface reference(409, 800, sceneGrey);
    drawEveryMark(reference, marks);
    QCOMPARE(layered.canvas(), reference.canvas());
    QCOMPARE(layered.lineWidth(), 1);
}

// The newest mark changes at each drawing; the older ones are not drawn
// again. Drawing 20 000 marks costs what drawing 50 does, where drawing them
// all in turn cost 400 times more.
void TestMarks::costIndependentOfTheCount()
{
    PictureSurface surface(409, 800, sceneGrey);
    MarkList few;
    for (const Mark& m : flightOfMarks(50))
        few.add(m);
    MarkList many;
    for (const Mark& m : flightOfMarks(20000))
        many.add(m);
    // The first drawing puts the older marks on their layer.
    few.lespoints(surface, Qt::blue, Qt::red, true);
    many.lespoints(surface, Qt::blue, Qt::red, true);

    double fewCost = 0;
    double manyCost = 0;
    for (int round = 0; round < 3; ++round) {
        fewCost += medianMicroseconds(few, surface, 15);
        manyCost += medianMicroseconds(many, surface, 15);
    }
    QVERIFY2(manyCost < 3 * fewCost + 300,
             qPrintable(QStringLiteral("50 marks: %1 us, 20 000 marks: %2 us").arg(fewCost / 3).arg(manyCost / 3)));
}

void TestMarks::erasingForgetsTheOlderMarks()
{
    PictureSurface surface(409, 800, sceneGrey);
    MarkList list;
    for (const Mark& m : flightOfMarks(20))
        list.add(m);
    list.lespoints(surface, Qt::blue, Qt::red, true);
    list.clear();
    QVERIFY(list.empty());
    const Mark alone = markAt(5, 5, Qt::blue, Qt::red, false);
    list.add(alone);
    surface.clear();
    list.lespoints(surface, Qt::blue, Qt::red, false);

    PictureSurface reference(409, 800, sceneGrey);
    drawEveryMark(reference, {alone});
    QCOMPARE(surface.canvas(), reference.canvas());
}

TAVREL_TEST_MAIN(TestMarks)
#include "test_marks.moc"
