#include "windowfixture.h"
#include "common/testmain.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QLabel>
#include <QTest>

class TestCopy : public QObject {
    Q_OBJECT
private slots:
    void copiesWhatTheSceneShows();
    void copiesTheGraph();
};

const QString confirmation =
    QStringLiteral("L'image est copiée: vous pouvez la retrouver depuis toute application Windows (coller)");

// The copy of the scene is the visible part of the picture, with the frame the
// display options show and the projectile standing at its place.
void TestCopy::copiesWhatTheSceneShows()
{
    WindowFixture f;
    FeuilleP& w = f.w();
    w.ui().copim->trigger();
    const QImage copied = QApplication::clipboard()->image();
    QCOMPARE(copied.size(), QSize(409, 457));
    QCOMPARE(w.ui().info->text(), confirmation);
    QCOMPARE(QColor(copied.pixel(200, 436)), QColor(Qt::white));
    QCOMPARE(copied.pixel(30, 436), w.scenePicture().pixel(30, 436));
    QVERIFY(copied.pixel(30, 430) != w.sceneSurface().background().pixel(30, 430));

    w.ui().Check1->setChecked(false);
    w.ui().copim->trigger();
    QVERIFY(QColor(QApplication::clipboard()->image().pixel(200, 436)) != QColor(Qt::white));
}

void TestCopy::copiesTheGraph()
{
    WindowFixture f;
    FeuilleP& w = f.w();
    WindowFixture::activate(w.ui().Check13[1]);
    w.ui().copigraph->trigger();
    QCOMPARE(QApplication::clipboard()->image(), w.liveGraph().picture().convertToFormat(
                                                      QApplication::clipboard()->image().format()));
    QCOMPARE(w.ui().info->text(), confirmation);
}

TAVREL_TEST_MAIN(TestCopy)
#include "test_copy.moc"
