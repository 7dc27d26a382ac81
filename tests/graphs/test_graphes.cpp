// The graphs window driven directly: what it takes from its opener, the
// rule of its boxes, its graph surface, the table, the pointer, the icons
// and the table's context menu.

#include "graphs/graphes.h"

#include "graphs/enlargedpainting.h"
#include "ui/dialogservice.h"
#include "ui/paintedpanel.h"
#include "common/testmain.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <memory>

using namespace graphs;

namespace {

const QColor white(255, 255, 255);
const QColor highlight(255, 255, 200);
const QColor black(0, 0, 0);
const QColor lightGrey(192, 192, 192);

GraphesSetup setupOf(float vx, float vy, double y0, std::initializer_list<GraphKind> kinds)
{
    GraphesSetup setup;
    setup.situation.initialVelocityX = vx;
    setup.situation.initialVelocityY = vy;
    setup.situation.y0 = y0;
    for (GraphKind kind : kinds)
        setup.situation.checked[size_t(kind)] = true;
    return setup;
}

// Lands after 1.4286 s: 1.6 s on the time axis, 18 table rows.
GraphesSetup horizontalLaunch(std::initializer_list<GraphKind> kinds)
{
    return setupOf(15, 0, 10, kinds);
}

std::array<bool, kindCount> boxes(const Graphes& window)
{
    std::array<bool, kindCount> checked{};
    for (int i = 0; i < kindCount; ++i)
        checked[size_t(i)] = window.ui().Check1[size_t(i)]->isChecked();
    return checked;
}

std::array<bool, kindCount> only(std::initializer_list<GraphKind> kinds)
{
    std::array<bool, kindCount> checked{};
    for (GraphKind kind : kinds)
        checked[size_t(kind)] = true;
    return checked;
}

QColor cellColour(const Graphes& window, int row, int column)
{
    return window.ui().MSFlexGrid1->item(row, column)->background().color();
}

// The cells that are not white.
QList<QPoint> litCells(const Graphes& window)
{
    QList<QPoint> lit;
    const QTableWidget* grid = window.ui().MSFlexGrid1;
    for (int r = 0; r < grid->rowCount(); ++r)
        for (int c = 0; c < grid->columnCount(); ++c)
            if (cellColour(window, r, c) != white)
                lit << QPoint(c, r);
    return lit;
}

bool inkIn(const QImage& image, const QRect& area)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(image.pixel(x, y)) < 128)
                return true;
    return false;
}

// A pixel of a smoothed curve: its own colour clearly dominates.
bool curveNear(const QImage& image, double x, double y, QColor colour)
{
    for (int dy = -1; dy <= 1; ++dy) {
        for (int dx = -1; dx <= 1; ++dx) {
            const QColor p = image.pixelColor(int(std::lround(x)) + dx, int(std::lround(y)) + dy);
            const int own = colour == QColor(0, 0, 255) ? p.blue() : p.red();
            const int other = colour == QColor(0, 0, 255) ? p.red() : p.blue();
            if (own - other > 100)
                return true;
        }
    }
    return false;
}

} // namespace

class TestGraphes : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void takesTheOpenersLook();
    void startsFromTheLiveGraphChoice_data();
    void startsFromTheLiveGraphChoice();
    void nothingCheckedDrawsNothing();
    void uncheckingTheOnlyBoxRechecksIt();
    void checkingAnotherGroupUnchecksTheFirst();
    void severalKindsOfOneGroup();
    void upwardVelocityCentresTheAxis();
    void surfacePixels();
    void markersOnTheCurves();
    void table();
    void tableSelectionGoesBack();
    void readoutAtTheOrigin();
    void readoutHidden_data();
    void readoutHidden();
    void readoutPlacement();
    void highlightingMoves();
    void leavingClearsHighlighting();
    void pointerEventsReachTheGraph();
    void redrawClearsHighlighting();
    void iconsFromTheRightEdge();
    void fermerCloses();
    void copierPutsTheGraphOnTheClipboard();
    void calculatrice();
    void copierTableau();
    void enregistrerTableau();
    void enregistrerTableauCancelled();
    void enregistrerTableauAddsTheExtension();
    void enregistrerTableauAsksBeforeReplacing();
    void enregistrerTableauFails();
    void iconsByKeyboard_data();
    void iconsByKeyboard();
    void tableByKeyboard();

private:
    ScriptedDialogs m_dialogs;
    QTemporaryDir m_directory;
};

void TestGraphes::init()
{
    m_dialogs = ScriptedDialogs();
    DialogService::install(&m_dialogs);
}

void TestGraphes::cleanup()
{
    DialogService::install(nullptr);
}

void TestGraphes::takesTheOpenersLook()
{
    GraphesSetup setup = horizontalLaunch({KindX});
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::red);
    setup.icon = QIcon(pixmap);
    setup.geometry = QRect(40, 30, 820, 610);
    Graphes window(setup);
    QCOMPARE(window.objectName(), QStringLiteral("graphes"));
    QCOMPARE(window.windowTitle(), QStringLiteral("Graphes"));
    QVERIFY(!window.windowIcon().isNull());
    QCOMPARE(window.geometry(), setup.geometry);
    QVERIFY(window.isModal());
    QCOMPARE(window.highlightedRow(), -1);
    QVERIFY(!window.ui().Label1->isVisible());
}

void TestGraphes::startsFromTheLiveGraphChoice_data()
{
    QTest::addColumn<QList<int>>("kinds");
    QTest::addRow("positions") << QList<int>{KindX, KindY};
    QTest::addRow("velocities") << QList<int>{KindVx, KindV};
    QTest::addRow("energies") << QList<int>{KindEc, KindEp, KindEm};
}

void TestGraphes::startsFromTheLiveGraphChoice()
{
    QFETCH(QList<int>, kinds);
    GraphesSetup setup = horizontalLaunch({});
    std::array<bool, kindCount> expected{};
    for (int kind : kinds)
        expected[size_t(kind)] = setup.situation.checked[size_t(kind)] = true;
    const Graphes window(setup);
    QCOMPARE(boxes(window), expected);
    QCOMPARE(window.graph().inputs.checked, expected);
    QCOMPARE(window.graph().columnCount(), int(kinds.size()) + 1);
}

// With no kind checked on the live graph the window opens blank until a box
// is checked.
void TestGraphes::nothingCheckedDrawsNothing()
{
    Graphes window(horizontalLaunch({}));
    QVERIFY(!window.graph().drawn());
    QVERIFY(!window.ui().MSFlexGrid1->isVisibleTo(&window));
    QImage blank(window.graphPicture().size(), QImage::Format_RGB32);
    blank.fill(white);
    QCOMPARE(window.graphPicture(), blank);
    // The surface on screen tells what to do; the copy stays blank.
    const QImage hinted = window.ui().Picture1->grab().toImage();
    QVERIFY(inkIn(hinted, QRect(hinted.width() / 4, hinted.height() / 2 - 10, hinted.width() / 2, 20)));
    window.ui().Check1[KindY]->click();
    QVERIFY(window.graph().drawn());
    QCOMPARE(window.ui().MSFlexGrid1->rowCount(), 18);
    QVERIFY(window.ui().MSFlexGrid1->isVisibleTo(&window));
    QCOMPARE(window.ui().Picture1->grab().toImage().convertToFormat(QImage::Format_RGB32),
             window.graphPicture().convertToFormat(QImage::Format_RGB32));
}

void TestGraphes::uncheckingTheOnlyBoxRechecksIt()
{
    Graphes window(horizontalLaunch({KindY}));
    const QImage before = window.graphPicture();
    window.ui().Check1[KindY]->click();
    QCOMPARE(boxes(window), only({KindY}));
    QCOMPARE(window.graphPicture(), before);
    QCOMPARE(window.ui().MSFlexGrid1->rowCount(), 18);
}

void TestGraphes::checkingAnotherGroupUnchecksTheFirst()
{
    Graphes window(setupOf(3, 9, 0, {KindVy}));
    QCOMPARE(window.timeAxisRow(), 200);
    window.ui().Check1[KindX]->click();
    QCOMPARE(boxes(window), only({KindX}));
    QCOMPARE(window.timeAxisRow(), 380);
    // The graph is that of x(t) alone, its unit " m".
    const Graphes fresh(setupOf(3, 9, 0, {KindX}));
    QCOMPARE(window.graphPicture(), fresh.graphPicture());
    QCOMPARE(window.ui().MSFlexGrid1->columnCount(), 2);
}

void TestGraphes::severalKindsOfOneGroup()
{
    Graphes window(horizontalLaunch({KindVx}));
    window.ui().Check1[KindV]->click();
    window.ui().Check1[KindVy]->click();
    QCOMPARE(boxes(window), only({KindVx, KindVy, KindV}));
    QCOMPARE(window.ui().MSFlexGrid1->columnCount(), 4);
    window.ui().Check1[KindEp]->click();
    QCOMPARE(boxes(window), only({KindEp}));
    QCOMPARE(window.ui().MSFlexGrid1->columnCount(), 2);
}

// vy(t) of a throw up crosses zero: axis at 200, grid both ways, time label
// from y = 210 instead of 330.
void TestGraphes::upwardVelocityCentresTheAxis()
{
    const Graphes window(setupOf(3, 9, 0, {KindVy}));
    QCOMPARE(window.timeAxisRow(), 200);
    const QImage picture = window.graphPicture();
    QCOMPARE(picture.pixelColor(300, 200), black);
    QCOMPARE(picture.pixelColor(397, 200), black);
    QVERIFY(picture.pixelColor(300, 380) != black);
    // vy from 9 to -9 m/s on 18 units: 20 units a division, grid up and down.
    QCOMPARE(picture.pixelColor(300, 180), lightGrey);
    QCOMPARE(picture.pixelColor(300, 220), lightGrey);
    QCOMPARE(picture.pixelColor(300, 380), lightGrey);
    QVERIFY(inkIn(picture, QRect(400, 210, 60, 12)));
    QVERIFY(!inkIn(picture, QRect(402, 196, 70, 12)));
    QVERIFY(!inkIn(picture, QRect(400, 330, 70, 40)));
}

// x(t) = 15 t from 10 m: 1.6 s in divisions of 45 units, 25 m in divisions
// of 72 units.
void TestGraphes::surfacePixels()
{
    const Graphes window(horizontalLaunch({KindX}));
    const QImage picture = window.graphPicture();
    QCOMPARE(picture.size(), QSize(enlargedWidth, enlargedHeight));
    QCOMPARE(picture.pixelColor(5, 200), white);
    // Value axis and its arrow head, time axis and its arrow head.
    QCOMPARE(picture.pixelColor(20, 100), black);
    QCOMPARE(picture.pixelColor(20, 6), black);
    QCOMPARE(picture.pixelColor(22, 9), black);
    QCOMPARE(picture.pixelColor(18, 9), black);
    QCOMPARE(picture.pixelColor(300, 380), black);
    QCOMPARE(picture.pixelColor(396, 378), black);
    QCOMPARE(picture.pixelColor(396, 382), black);
    // The grid, and nothing of it past the plotting area.
    QCOMPARE(picture.pixelColor(65, 100), lightGrey);
    QCOMPARE(picture.pixelColor(380, 100), lightGrey);
    QCOMPARE(picture.pixelColor(300, 308), lightGrey);
    QCOMPARE(picture.pixelColor(300, 20), lightGrey);
    QCOMPARE(picture.pixelColor(390, 308), white);
    QCOMPARE(picture.pixelColor(66, 100), white);
    // At 0.7 s, x = 10.5 m.
    QVERIFY(curveNear(picture, 20 + 360 * 0.7 / 1.6, 380 - 360 * 10.5 / 25, QColor(0, 0, 255)));
    QVERIFY(!curveNear(picture, 20 + 360 * 0.7 / 1.6, 300, QColor(0, 0, 255)));
    // Value-scale label at the top, time-scale label from y = 330, legend.
    QVERIFY(inkIn(picture, QRect(30, 4, 150, 12)));
    QVERIFY(inkIn(picture, QRect(400, 330, 70, 40)));
    QVERIFY(curveNear(picture, 403, 60, QColor(0, 0, 255)));
}

// A cross of 5 by 5 units on each curve at each date of the table.
void TestGraphes::markersOnTheCurves()
{
    const Graphes window(horizontalLaunch({KindX, KindY}));
    const QImage picture = window.graphPicture();
    const EnlargedGraph& graph = window.graph();
    for (int r = 1; r < graph.rowCount(); r += 4) {
        const auto& m = graph.markerPositions[size_t(r)];
        QCOMPARE(picture.pixelColor(m[0] - 2, m[2]), QColor(255, 0, 0));
        QCOMPARE(picture.pixelColor(m[0] + 2, m[2]), QColor(255, 0, 0));
        QCOMPARE(picture.pixelColor(m[0], m[2] - 2), QColor(255, 0, 0));
        QCOMPARE(picture.pixelColor(m[0], m[2] + 2), QColor(255, 0, 0));
        QCOMPARE(picture.pixelColor(m[0] - 2, m[1]), QColor(0, 0, 255));
    }
}

void TestGraphes::table()
{
    Graphes window(horizontalLaunch({KindEc, KindEp, KindEm}));
    window.show();
    const QTableWidget* grid = window.ui().MSFlexGrid1;
    QCOMPARE(grid->rowCount(), 18);
    QCOMPARE(grid->columnCount(), 4);
    QCOMPARE(grid->item(0, 0)->text(), QStringLiteral("0,00  "));
    QCOMPARE(grid->item(17, 0)->text(), QStringLiteral("1,36  "));
    // Ec = 0.5 * 0.45 * 15^2 at launch, the mass in single precision just
    // under 0.45; Ep = 0.45 * 9.8 * 10.
    QCOMPARE(grid->item(0, 1)->text(), QStringLiteral("50,62  "));
    QCOMPARE(grid->item(0, 2)->text(), QStringLiteral("44,10  "));
    QCOMPARE(grid->item(0, 3)->text(), QStringLiteral("94,72  "));
    for (int c = 0; c < 4; ++c) {
        QCOMPARE(grid->columnWidth(c), grid->columnWidth(0));
        QCOMPARE(grid->item(5, c)->textAlignment(), int(Qt::AlignRight | Qt::AlignVCenter));
    }
    // Every row shows, the table centred left of the graph under its headers.
    QVERIFY(grid->viewport()->height() >= 18 * grid->rowHeight(0) - 1);
    QVERIFY(grid->viewport()->width() >= 4 * grid->columnWidth(0) - 1);
    const int left = window.ui().Picture1->x();
    QVERIFY(std::abs(grid->x() - (left - grid->width()) / 2) <= 1);
    QCOMPARE(window.ui().Picture2->x(), grid->x());
    QCOMPARE(window.ui().Picture2->width(), grid->width());
    QVERIFY(window.ui().Picture2->geometry().bottom() >= grid->y() - 1);
    QVERIFY(grid->x() + grid->width() < left);
}

void TestGraphes::tableSelectionGoesBack()
{
    Graphes window(horizontalLaunch({KindX, KindY}));
    QTableWidget* grid = window.ui().MSFlexGrid1;
    grid->setCurrentCell(5, 2);
    QCOMPARE(grid->currentRow(), 0);
    QCOMPARE(grid->currentColumn(), 0);
    QVERIFY(grid->selectedItems().isEmpty());
}

void TestGraphes::readoutAtTheOrigin()
{
    Graphes window(horizontalLaunch({KindX}));
    window.show();
    window.Picture1_MouseMove(20, window.timeAxisRow());
    QVERIFY(window.ui().Label1->isVisible());
    QVERIFY(window.ui().Label2->isVisible());
    QCOMPARE(window.ui().Label1->text(), QStringLiteral("0,00"));
    QCOMPARE(window.ui().Label2->text(), QStringLiteral("0,00"));
    QCOMPARE(window.ui().Picture1->cursor().shape(), Qt::CrossCursor);
    window.Picture1_MouseMove(380, 20);
    QCOMPARE(window.ui().Label1->text(), QStringLiteral("1,60"));
    QCOMPARE(window.ui().Label2->text(), QStringLiteral("25,00"));
}

void TestGraphes::readoutHidden_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addRow("x = 19") << 19 << 200;
    QTest::addRow("y = 381") << 200 << 381;
    QTest::addRow("elsewhere in the window") << 0 << 0;
}

void TestGraphes::readoutHidden()
{
    QFETCH(int, x);
    QFETCH(int, y);
    Graphes window(horizontalLaunch({KindX}));
    window.show();
    window.Picture1_MouseMove(200, 200);
    QVERIFY(window.ui().Label1->isVisible());
    window.Picture1_MouseMove(x, y);
    QVERIFY(!window.ui().Label1->isVisible());
    QVERIFY(!window.ui().Label2->isVisible());
    QCOMPARE(window.ui().Picture1->cursor().shape(), Qt::ArrowCursor);
}

// The time under the time axis, centred on the pointer; the value left of
// the value axis, centred on the pointer's height.
void TestGraphes::readoutPlacement()
{
    Graphes window(setupOf(3, 9, 0, {KindVy}));
    window.show();
    window.Picture1_MouseMove(200, 100);
    const QPoint origin = window.ui().Picture1->pos();
    const QRect time = window.ui().Label1->geometry().translated(-origin);
    const QRect value = window.ui().Label2->geometry().translated(-origin);
    QCOMPARE(time.top(), 204);
    QVERIFY(std::abs(time.center().x() - 200) <= 1);
    QCOMPARE(value.right() + 1, 16);
    QVERIFY(std::abs(value.center().y() - 100) <= 1);
    QCOMPARE(window.ui().Label1->text(), QStringLiteral("1,00"));
    QCOMPARE(window.ui().Label2->text(), QStringLiteral("5,00"));
}

void TestGraphes::highlightingMoves()
{
    Graphes window(setupOf(5, 0, 10, {KindX, KindY}));
    window.show();
    const auto& m = window.graph().markerPositions;
    window.Picture1_MouseMove(m[3][0], m[3][2]);
    QCOMPARE(window.highlightedRow(), 3);
    QCOMPARE(litCells(window), (QList<QPoint>{{0, 3}, {2, 3}}));
    QCOMPARE(cellColour(window, 3, 2), highlight);
    window.Picture1_MouseMove(m[7][0] + 1, m[7][1] - 2);
    QCOMPARE(window.highlightedRow(), 7);
    QCOMPARE(litCells(window), (QList<QPoint>{{0, 7}, {1, 7}}));
    // From one marker to the other of the same date.
    window.Picture1_MouseMove(m[7][0], m[7][2]);
    QCOMPARE(window.highlightedRow(), 7);
    QCOMPARE(litCells(window), (QList<QPoint>{{0, 7}, {2, 7}}));
}

void TestGraphes::leavingClearsHighlighting()
{
    Graphes window(horizontalLaunch({KindX, KindY}));
    window.show();
    const auto& m = window.graph().markerPositions;
    window.Picture1_MouseMove(m[4][0], m[4][1]);
    QCOMPARE(litCells(window).size(), 2);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(window.ui().Picture1, &leave);
    QVERIFY(litCells(window).isEmpty());
    QCOMPARE(window.highlightedRow(), -1);
    QVERIFY(!window.ui().Label1->isVisible());
}

// A real move over the graph highlights and stays highlighted: the window
// must not take it for a move elsewhere.
void TestGraphes::pointerEventsReachTheGraph()
{
    Graphes window(horizontalLaunch({KindX, KindY}));
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    const auto& m = window.graph().markerPositions;
    const QPoint marker(m[6][0], m[6][2]);
    QMouseEvent move(QEvent::MouseMove, QPointF(marker), window.ui().Picture1->mapToGlobal(QPointF(marker)),
                     Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(window.ui().Picture1, &move);
    QCOMPARE(window.highlightedRow(), 6);
    QVERIFY(window.ui().Label1->isVisible());
    QMouseEvent away(QEvent::MouseMove, QPointF(5, 5), window.mapToGlobal(QPointF(5, 5)), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(&window, &away);
    QCOMPARE(window.highlightedRow(), -1);
    QVERIFY(!window.ui().Label1->isVisible());
}

void TestGraphes::redrawClearsHighlighting()
{
    Graphes window(horizontalLaunch({KindX, KindY}));
    const auto& m = window.graph().markerPositions;
    window.Picture1_MouseMove(m[2][0], m[2][1]);
    QCOMPARE(window.highlightedRow(), 2);
    window.ui().Check1[KindX]->click();
    QCOMPARE(window.highlightedRow(), -1);
    QVERIFY(litCells(window).isEmpty());
}

void TestGraphes::iconsFromTheRightEdge()
{
    Graphes window(horizontalLaunch({KindX}));
    window.show();
    window.resize(900, 640);
    const int w = window.ui().Picture3->width();
    QCOMPARE(w, 900);
    const char* hints[] = {"Fermer", "Imprimer", "Copier", "Calculatrice"};
    for (int index = 1; index <= 4; ++index) {
        const QToolButton* button = window.ui().Image1[size_t(index - 1)];
        QCOMPARE(button->objectName(), QStringLiteral("Image1_%1").arg(index));
        QCOMPARE(button->x(), w - 10 - 40 * index);
        QCOMPARE(button->toolTip(), QString::fromUtf8(hints[index - 1]));
        QCOMPARE(button->cursor().shape(), window.ui().Image1[0]->cursor().shape());
        QVERIFY(!button->icon().isNull());
    }
    // The graph keeps to the right, under the top panel.
    QCOMPARE(window.ui().Picture1->geometry().right(), 900 - 13);
    QVERIFY(window.ui().Picture1->y() >= window.ui().Picture3->height());
}

void TestGraphes::fermerCloses()
{
    Graphes window(horizontalLaunch({KindX}));
    window.show();
    QVERIFY(window.isVisible());
    window.ui().Image1[0]->click();
    QVERIFY(!window.isVisible());
}

void TestGraphes::copierPutsTheGraphOnTheClipboard()
{
    Graphes window(horizontalLaunch({KindX, KindY}));
    QApplication::clipboard()->setText(QStringLiteral("avant"));
    window.ui().Image1[2]->click();
    const QImage copied = QApplication::clipboard()->image();
    QCOMPARE(copied.size(), QSize(enlargedWidth, enlargedHeight));
    QCOMPARE(copied.convertToFormat(QImage::Format_RGB32), window.graphPicture());
    QVERIFY(QApplication::clipboard()->text().isEmpty());
}

void TestGraphes::calculatrice()
{
    {
        const Graphes window(horizontalLaunch({KindX}));
        QVERIFY(!window.ui().Image1[3]->isEnabled());
    }
    GraphesSetup setup = horizontalLaunch({KindX});
    QWidget* parentSeen = nullptr;
    setup.openCalculator = [&parentSeen](QWidget* parent) { parentSeen = parent; };
    Graphes window(setup);
    QVERIFY(window.ui().Image1[3]->isEnabled());
    window.ui().Image1[3]->click();
    QCOMPARE(parentSeen, &window);
}

void TestGraphes::copierTableau()
{
    Graphes window(horizontalLaunch({KindX, KindY}));
    QVERIFY(window.ui().menutableau->actions().contains(window.ui().copierTableau));
    QCOMPARE(window.ui().copierTableau->text(), QStringLiteral("Copier le tableau"));
    window.ui().copierTableau->trigger();
    const QMimeData* data = QApplication::clipboard()->mimeData();
    const QStringList lines = data->text().split(u'\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 19);
    QCOMPARE(lines[0], QStringLiteral("t(s)\tx(m)\ty(m)"));
    QCOMPARE(lines[1], QStringLiteral("0,00\t0,00\t10,00"));
    QCOMPARE(lines[18], QStringLiteral("1,36\t20,40\t0,94"));
    QVERIFY(data->html().contains(QStringLiteral("<td align=\"right\">20,40</td>")));
}

void TestGraphes::enregistrerTableau()
{
    Graphes window(horizontalLaunch({KindVx, KindVy}));
    QCOMPARE(window.ui().enregistrerTableau->text(), QStringLiteral("Enregistrer le tableau…"));
    const QString path = m_directory.filePath(QStringLiteral("vitesses.csv"));
    m_dialogs.queueFile(path);
    window.ui().enregistrerTableau->trigger();
    QCOMPARE(m_dialogs.fileRequests().size(), size_t(1));
    const DialogService::FileRequest& request = m_dialogs.fileRequests()[0];
    QVERIFY(request.save);
    QCOMPARE(request.caption, QStringLiteral("Enregistrer le tableau"));
    QCOMPARE(request.filter, QStringLiteral("Tableau de valeurs (*.csv)"));
    QVERIFY(request.folder.endsWith(QStringLiteral("/tableau des vitesses.csv")));
    QVERIFY(m_dialogs.shown().empty());
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    QVERIFY(bytes.startsWith("\xEF\xBB\xBFt(s);vx(m \xC2\xB7 s-1);vy(m \xC2\xB7 s-1)\r\n0,00;15,00;0,00\r\n0,08;15,00;-0,78\r\n"));
    QVERIFY(bytes.endsWith("\r\n1,36;15,00;-13,33\r\n"));
    QCOMPARE(bytes.count("\r\n"), 19);
}

void TestGraphes::enregistrerTableauCancelled()
{
    Graphes window(horizontalLaunch({KindX}));
    window.ui().enregistrerTableau->trigger();
    QCOMPARE(m_dialogs.fileRequests().size(), size_t(1));
    QVERIFY(m_dialogs.shown().empty());
}

void TestGraphes::enregistrerTableauAddsTheExtension()
{
    Graphes window(horizontalLaunch({KindX}));
    m_dialogs.queueFile(m_directory.filePath(QStringLiteral("mesures")));
    window.ui().enregistrerTableau->trigger();
    QVERIFY(QFile::exists(m_directory.filePath(QStringLiteral("mesures.csv"))));
    QVERIFY(!QFile::exists(m_directory.filePath(QStringLiteral("mesures"))));
}

// Cancelling the question keeps the old file and shows the chooser again.
void TestGraphes::enregistrerTableauAsksBeforeReplacing()
{
    const QString path = m_directory.filePath(QStringLiteral("ancien.csv"));
    {
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("mesures de la semaine");
    }
    Graphes window(horizontalLaunch({KindX}));
    m_dialogs.queueFile(path);
    m_dialogs.queueAnswer(false);
    m_dialogs.queueFile(std::nullopt);
    window.ui().enregistrerTableau->trigger();
    QCOMPARE(m_dialogs.shown().size(), size_t(1));
    QCOMPARE(m_dialogs.shown()[0].icon, DialogService::Icon::Question);
    QCOMPARE(m_dialogs.shown()[0].text, QStringLiteral("Le fichier « ancien.csv » existe déjà.\nVoulez-vous le remplacer ?"));
    QCOMPARE(m_dialogs.fileRequests().size(), size_t(2));
    QCOMPARE(m_dialogs.fileRequests()[1].folder, path);
    QFile kept(path);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QCOMPARE(kept.readAll(), QByteArray("mesures de la semaine"));
    kept.close();

    m_dialogs.forget();
    m_dialogs.queueFile(path);
    m_dialogs.queueAnswer(true);
    window.ui().enregistrerTableau->trigger();
    QVERIFY(kept.open(QIODevice::ReadOnly));
    QVERIFY(kept.readAll().startsWith("\xEF\xBB\xBFt(s);x(m)\r\n"));
}

// A folder that does not exist: the French message, nothing written.
void TestGraphes::enregistrerTableauFails()
{
    Graphes window(horizontalLaunch({KindX}));
    const QString path = m_directory.filePath(QStringLiteral("absent/tableau.csv"));
    m_dialogs.queueFile(path);
    window.ui().enregistrerTableau->trigger();
    QCOMPARE(m_dialogs.shown().size(), size_t(1));
    QCOMPARE(m_dialogs.shown()[0].icon, DialogService::Icon::Critical);
    QCOMPARE(m_dialogs.shown()[0].title, QStringLiteral("Enregistrer le tableau"));
    QVERIFY(m_dialogs.shown()[0].text.startsWith(QStringLiteral("Le tableau n'a pas pu être enregistré")));
    QVERIFY(!QFile::exists(path));
}

void TestGraphes::iconsByKeyboard_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("key");
    QTest::newRow("Fermer by Enter") << 1 << int(Qt::Key_Return);
    QTest::newRow("Copier by the keypad's Enter") << 3 << int(Qt::Key_Enter);
    QTest::newRow("Calculatrice by Space") << 4 << int(Qt::Key_Space);
}

// The flat icon Tab reaches shows it has the focus, and a key on it acts as
// a click on it alone.
void TestGraphes::iconsByKeyboard()
{
    QFETCH(int, index);
    QFETCH(int, key);
    GraphesSetup setup = horizontalLaunch({KindX});
    int calculators = 0;
    setup.openCalculator = [&calculators](QWidget*) { ++calculators; };
    Graphes window(setup);
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QApplication::clipboard()->setText(QStringLiteral("avant"));
    QToolButton* icon = window.ui().Image1[size_t(index - 1)];
    const QImage unfocused = icon->grab().toImage();
    icon->setFocus();
    QTest::keyClick(icon, Qt::Key_Backtab);
    QTest::keyClick(window.focusWidget(), Qt::Key_Tab);
    QVERIFY(icon->hasFocus());
    QVERIFY(icon->grab().toImage() != unfocused);
    QTest::keyClick(icon, Qt::Key(key));
    QCOMPARE(window.isVisible(), index != 1);
    QCOMPARE(QApplication::clipboard()->image().isNull(), index != 3);
    QCOMPARE(calculators, index == 4 ? 1 : 0);
}

// The keys go from cell to cell, selecting none; a click still goes back to
// the first cell, Ctrl+C copies the table as its menu does, Shift+F10 opens
// the menu, Tab leaves it.
void TestGraphes::tableByKeyboard()
{
    Graphes window(horizontalLaunch({KindX, KindY}));
    window.show();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QTableWidget* grid = window.ui().MSFlexGrid1;
    grid->setFocus(Qt::TabFocusReason);
    const struct {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        QPoint cell; // column, row
    } steps[] = {{Qt::Key_Down, {}, {0, 1}},
                 {Qt::Key_Right, {}, {1, 1}},
                 {Qt::Key_End, {}, {2, 1}},
                 {Qt::Key_Right, {}, {2, 1}},
                 {Qt::Key_End, Qt::ControlModifier, {2, 17}},
                 {Qt::Key_Down, {}, {2, 17}},
                 {Qt::Key_Home, {}, {0, 17}},
                 {Qt::Key_PageUp, {}, {0, 0}},
                 {Qt::Key_Up, {}, {0, 0}},
                 {Qt::Key_PageDown, {}, {0, 17}},
                 {Qt::Key_Home, Qt::ControlModifier, {0, 0}}};
    for (const auto& step : steps) {
        QTest::keyClick(grid, step.key, step.modifiers);
        QCOMPARE(QPoint(grid->currentColumn(), grid->currentRow()), step.cell);
    }
    QVERIFY(grid->selectedItems().isEmpty());
    QTest::keyClick(grid, Qt::Key_Down);
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, grid->visualItemRect(grid->item(4, 1)).center());
    QCOMPARE(QPoint(grid->currentColumn(), grid->currentRow()), QPoint(0, 0));

    QApplication::clipboard()->clear();
    QTest::keyClick(grid, Qt::Key_C, Qt::ControlModifier);
    QVERIFY(QApplication::clipboard()->mimeData()->text().startsWith(QStringLiteral("t(s)\tx(m)\ty(m)\n")));
    QTest::keyClick(grid, Qt::Key_F10, Qt::ShiftModifier);
    QTRY_VERIFY(window.ui().menutableau->isVisible());
    window.ui().menutableau->close();
    QTest::keyClick(grid, Qt::Key_Tab);
    QVERIFY(!grid->hasFocus());
}

TAVREL_TEST_MAIN(TestGraphes)
#include "test_graphes.moc"
