// The help line, the colour swatches and the enabling rules of the display
// panel, driven through the window's own events and handlers.

#include "windowfixture.h"
#include "common/testmain.h"

#include "common/pixels.h"

#include <QAction>
#include <QCheckBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTest>

namespace {

const QString copyConfirmation =
    QStringLiteral("L'image est copiée: vous pouvez la retrouver depuis toute application Windows (coller)");

// A move that a check box or a push button ignores goes on to its panel or to
// the window, whose own help text then replaces the control's.

void sendEnter(QWidget* control)
{
    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(control, &enter);
}

void sendMouseMove(QWidget* control)
{
    const QPointF at(2, 2);
    QMouseEvent move(QEvent::MouseMove, at, control->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(control, &move);
}

QWidget* control(FeuilleP& w, const QString& name)
{
    return name == w.objectName() ? &w : w.findChild<QWidget*>(name);
}

QColor swatchShown(const QLabel* swatch)
{
    return swatch->palette().color(QPalette::Window);
}

} // namespace

class TestPanels : public QObject {
    Q_OBJECT
private slots:
    void helpLine_data();
    void helpLine();
    void copyConfirmationStays();
    void copyConfirmationOutlivesTheMenu_data();
    void copyConfirmationOutlivesTheMenu();
    void cancelledColourChangesNothing_data();
    void cancelledColourChangesNothing();
    void trajectoryColourForNextSegments();
    void frameColourAtOnce();
    void gridNeedsTheFrame();
};

void TestPanels::helpLine_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("byMove");
    QTest::addColumn<QString>("text");

    const QString animation =
        QStringLiteral("Vous pouvez activer ou arrêter l'animation ou retrouver la position initiale");
    const QString check4 =
        QStringLiteral("Si cette case est cochée, l'animation sera stoppée si le projectile sort de l'écran.");
    const QString command13 =
        QStringLiteral("Pour effacer les chronophotographies de l'image actuelle: bouton « Nouveau »");
    const QString picture5 = QStringLiteral("Sélectionner le graphe qui sera affiché pendant l'animation");
    QTest::newRow("Check4 entered") << "Check4" << false << check4;
    QTest::newRow("Check4 moved over") << "Check4" << true << check4;
    QTest::newRow("Check1 moved over") << "Check1" << true
                                       << "Les options d'affichage s'appliquent également à l'image copiée ou imprimée.";
    QTest::newRow("chrono") << "chrono" << true
                            << "Vous pouvez régler l'intervalle de temps pour la chronophotographie.";
    QTest::newRow("command15") << "command15" << false << animation;
    QTest::newRow("command16") << "command16" << true << animation + QStringLiteral(".");
    QTest::newRow("camera, idle") << "command12" << false
                                  << "Appuyer sur la caméra pour commencer l'enregistrement.";
    QTest::newRow("Command13 entered") << "Command13" << false << command13;
    QTest::newRow("Command13 moved over") << "Command13" << true << command13;
    QTest::newRow("frame swatch") << "Label4_4" << false << "Modifier la couleur d'affichage";
    QTest::newRow("velocity swatch") << "Label4_0" << false << "Modifier la couleur d'affichage";
    QTest::newRow("Picture3") << "Picture3" << true
                              << "Vous pouvez modifier tous les paramètres : lieu, position et vitesse initiale.";
    QTest::newRow("Picture5 entered") << "Picture5" << false << picture5;
    QTest::newRow("Picture5 moved over") << "Picture5" << true << picture5;
    QTest::newRow("graph, enlargeable") << "Frame1" << false << "Ce graphe peut être agrandi";
    QTest::newRow("scene, the longest text") << "Picture2" << true
                                             << "Vous pouvez déplacer le projectile directement sur l'image pour "
                                                "modifier la position initiale";
    QTest::newRow("window background")
        << "feuilleP" << true << "Vous pouvez modifier les paramètres,\nouvrir une configuration ou un exercice";
    QTest::newRow("camera caption keeps the line") << "Label5" << false << "";
}

void TestPanels::helpLine()
{
    QFETCH(QString, name);
    QFETCH(bool, byMove);
    QFETCH(QString, text);
    WindowFixture f;
    FeuilleP& w = f.w();
    QWidget* target = control(w, name);
    QVERIFY(target);
    w.ui().info->clear();
    if (byMove)
        sendMouseMove(target);
    else
        sendEnter(target);
    QLabel* info = w.ui().info;
    QCOMPARE(info->text(), text);
    // Every line of the text shows, none cut at the bottom.
    QVERIFY2(info->heightForWidth(info->width()) <= info->height(),
             qPrintable(QStringLiteral("%1 rows needed").arg(info->heightForWidth(info->width()))));
}

void TestPanels::copyConfirmationStays()
{
    WindowFixture f;
    FeuilleP& w = f.w();
    w.ui().info->setText(copyConfirmation);
    sendEnter(w.ui().Command4);
    QCOMPARE(w.ui().info->text(), copyConfirmation);
    sendMouseMove(w.ui().Command4);
    QCOMPARE(w.ui().info->text(), copyConfirmation);

    sendEnter(w.ui().Check4);
    sendEnter(w.ui().Command4);
    QCOMPARE(w.ui().info->text(),
             QStringLiteral("Copier pour placer l'image dans le presse- papiers puis coller depuis Word, Paint..."));
}

void TestPanels::copyConfirmationOutlivesTheMenu_data()
{
    QTest::addColumn<QString>("item");
    QTest::newRow("Copier l'animation") << QStringLiteral("copim");
    QTest::newRow("Copier le graphe") << QStringLiteral("copigraph");
}

// The item is chosen with the mouse: as the menu closes the mouse is over the
// window again, which gets an Enter event and moves; the confirmation stays
// until a described control is entered.
void TestPanels::copyConfirmationOutlivesTheMenu()
{
    QFETCH(QString, item);
    WindowFixture f;
    FeuilleP& w = f.w();
    w.findChild<QAction*>(item)->trigger();
    QCOMPARE(w.ui().info->text(), copyConfirmation);
    sendEnter(&w);
    QCOMPARE(w.ui().info->text(), copyConfirmation);
    sendMouseMove(&w);
    QCOMPARE(w.ui().info->text(), copyConfirmation);

    sendEnter(w.ui().Check8);
    QCOMPARE(w.ui().info->text(), QStringLiteral("La trajectoire est tracée lorsque le projectile est en mouvement"));
    sendEnter(&w);
    QCOMPARE(w.ui().info->text(),
             QStringLiteral("Vous pouvez modifier les paramètres,\nouvrir une configuration ou un exercice"));
}

void TestPanels::cancelledColourChangesNothing_data()
{
    QTest::addColumn<int>("swatch");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("velocity") << 0 << QColor(255, 0, 0);
    QTest::newRow("frame") << 4 << QColor(255, 255, 255);
    QTest::newRow("trajectory") << 5 << QColor(255, 255, 0);
    QTest::newRow("mark") << 6 << QColor(251, 66, 145);
    QTest::newRow("weight") << 7 << QColor(0, 255, 255);
}

void TestPanels::cancelledColourChangesNothing()
{
    QFETCH(int, swatch);
    QFETCH(QColor, colour);
    // A paused flight with its trajectory, frame and vectors on the scene.
    WindowFixture f;
    FeuilleP& w = f.w();
    w.ui().Check5->setChecked(true);
    w.ui().Check12->setChecked(true);
    w.ui().Check8->setChecked(true);
    WindowFixture::activate(w.ui().command15);
    for (int i = 0; i < 5; ++i)
        w.Timer1_Timer();
    WindowFixture::activate(w.ui().command16);
    const QImage before = w.sceneSurface().canvas().copy();

    WindowFixture::activate(w.ui().Label4[size_t(swatch)]);
    QCOMPARE(f.dialogs.lastInitialColour(), std::optional<QColor>(colour));
    QCOMPARE(swatchShown(w.ui().Label4[size_t(swatch)]), colour);
    QCOMPARE(w.sceneSurface().canvas(), before);
}

void TestPanels::trajectoryColourForNextSegments()
{
    WindowFixture f;
    FeuilleP& w = f.w();
    const QColor yellow(255, 255, 0);
    const QColor chosen(0, 128, 255);
    w.ui().Check8->setChecked(true);
    WindowFixture::activate(w.ui().command15);
    for (int i = 0; i < 5; ++i)
        w.Timer1_Timer();
    // The trajectory is baked into the scene's background as it grows.
    const QImage before = w.sceneSurface().background().copy();
    QVERIFY(testing::countColour(before, yellow) > 20);

    f.dialogs.queueColour(chosen);
    WindowFixture::activate(w.ui().Label4[5]);
    QCOMPARE(swatchShown(w.ui().Label4[5]), chosen);
    w.Timer1_Timer();

    // The new segment takes the new colour; those already drawn keep theirs
    // but for the pixel where the new one joins them.
    const QImage after = w.sceneSurface().background();
    QVERIFY(testing::countColour(after, chosen) > testing::countColour(before, chosen) + 3);
    int repainted = 0;
    for (int y = 0; y < before.height(); ++y)
        for (int x = 0; x < before.width(); ++x)
            repainted += before.pixel(x, y) == yellow.rgb() && after.pixel(x, y) != yellow.rgb() ? 1 : 0;
    QVERIFY2(repainted <= 2, qPrintable(QString::number(repainted)));
}

void TestPanels::frameColourAtOnce()
{
    WindowFixture f;
    FeuilleP& w = f.w();
    const QColor chosen(200, 0, 200);
    QVERIFY(w.ui().Check1->isChecked());
    QCOMPARE(testing::countColour(w.sceneSurface().canvas(), chosen), 0);

    f.dialogs.queueColour(chosen);
    WindowFixture::activate(w.ui().Label4[4]);
    // The axes run 372 and 416 pixels long.
    QVERIFY(testing::countColour(w.sceneSurface().canvas(), chosen) > 700);
    QCOMPARE(QColor(w.sceneSurface().canvas().pixel(200, 436)), chosen);

    // The dialog opens on the swatch's colour of the moment.
    WindowFixture::activate(w.ui().Label4[4]);
    QCOMPARE(f.dialogs.lastInitialColour(), std::optional<QColor>(chosen));
    QCOMPARE(swatchShown(w.ui().Label4[4]), chosen);
}

void TestPanels::gridNeedsTheFrame()
{
    WindowFixture f;
    FeuilleP& w = f.w();
    QVERIFY(w.ui().Check1->isChecked());
    QVERIFY(w.ui().Check3->isEnabled());
    w.ui().Check3->click();
    QVERIFY(w.ui().Check3->isChecked());

    w.ui().Check1->click();
    QVERIFY(!w.ui().Check3->isEnabled());
    QVERIFY(w.ui().Check3->isChecked());
    // Neither frame nor grid is drawn without the frame option: the axes'
    // rows show the photograph.
    const QImage& scene = w.sceneSurface().canvas();
    const QImage& photograph = w.sceneSurface().background();
    for (int x = 60; x < 400; x += 20)
        QCOMPARE(scene.pixel(x, 436), photograph.pixel(x, 436));
    for (int y = 20; y < 400; y += 20)
        QCOMPARE(scene.pixel(30, y), photograph.pixel(30, y));

    w.ui().Check1->click();
    QVERIFY(w.ui().Check3->isEnabled());
    QVERIFY(w.ui().Check3->isChecked());
}

TAVREL_TEST_MAIN(TestPanels)
#include "test_panels.moc"
