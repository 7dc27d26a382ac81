// The situation's parameters as the user edits them: the key filters, the
// limits enforced on leaving a field, the enabling of the actions, and the
// choice of a place or a projectile.

#include "windowfixture.h"
#include "common/testmain.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QPushButton>
#include <QToolButton>
#include <cmath>

namespace {

QLineEdit* field(FeuilleP& w, int index)
{
    const std::array<QLineEdit*, 4> fields{w.ui().Text1, w.ui().Text2, w.ui().Text3, w.ui().Text4};
    return fields[size_t(index)];
}

// The five actions that need a throw to act upon.
std::vector<QWidget*> actions(FeuilleP& w)
{
    return {w.ui().command15, w.ui().command16, w.ui().command18, w.ui().command12, w.ui().Command14};
}

int enabledActions(FeuilleP& w)
{
    int count = 0;
    for (QWidget* action : actions(w))
        count += action->isEnabled() ? 1 : 0;
    return count;
}

} // namespace

class TestParameters : public QObject {
    Q_OBJECT
private slots:
    void typedKeys_data();
    void typedKeys();
    void limits_data();
    void limits();
    void unreadablePositionKeepsThePreviousOne();
    void enablingOfTheActions_data();
    void enablingOfTheActions();
    void refusedKeyInOrdinateUpdatesTheActions();
    void enteringAFieldShowsTheFrame();
    void projectileChoice_data();
    void projectileChoice();
    void placeChoice_data();
    void placeChoice();
};

void TestParameters::typedKeys_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("kept");
    QTest::newRow("x0 point") << 0 << "2.5" << "2,5";
    QTest::newRow("y0 point") << 1 << "2.5" << "2,5";
    QTest::newRow("v0 point") << 2 << "2.5" << "2,5";
    QTest::newRow("alpha point") << 3 << "-2.5" << "-2,5";
    QTest::newRow("x0 minus and letters") << 0 << "-1a,b5" << "-1,5";
    QTest::newRow("y0 refuses minus") << 1 << "-3" << "3";
    QTest::newRow("v0 refuses minus") << 2 << "-3e1" << "31";
    QTest::newRow("alpha refuses letters") << 3 << "x-45E" << "-45";
}

void TestParameters::typedKeys()
{
    QFETCH(int, index);
    QFETCH(QString, typed);
    QFETCH(QString, kept);
    WindowFixture f;
    QLineEdit* edit = field(f.w(), index);
    edit->clear();
    QTest::keyClicks(edit, typed);
    QCOMPARE(edit->text(), kept);
}

void TestParameters::limits_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<float>("left");
    QTest::addColumn<float>("top");
    QTest::newRow("x0 beyond the right edge") << 0 << "12" << "10,03" << 375.0f << 420.0f;
    QTest::newRow("x0 left of the origin") << 0 << "-1" << "-0,39" << 0.0f << 420.0f;
    QTest::newRow("x0 inside") << 0 << "3.5" << "3,50" << 140.0f << 420.0f;
    QTest::newRow("y0 above the top") << 1 << "20" << "11,67" << 14.0f << 0.0f;
    QTest::newRow("y0 inside") << 1 << "2,5" << "2,50" << 14.0f << 330.0f;
    QTest::newRow("v0 too fast") << 2 << "25" << "20,00" << 14.0f << 420.0f;
    QTest::newRow("v0 empty") << 2 << "" << "0,00" << 14.0f << 420.0f;
    QTest::newRow("v0 unreadable") << 2 << "1,2,3" << "0,00" << 14.0f << 420.0f;
    QTest::newRow("alpha 4,5") << 3 << "4,5" << "0,00" << 14.0f << 420.0f;
    QTest::newRow("alpha -4,9") << 3 << "-4,9" << "0,00" << 14.0f << 420.0f;
    QTest::newRow("alpha 5") << 3 << "5" << "5,00" << 14.0f << 420.0f;
    QTest::newRow("alpha -200") << 3 << "-200" << "-180,00" << 14.0f << 420.0f;
    QTest::newRow("alpha 181") << 3 << "181" << "180,00" << 14.0f << 420.0f;
}

// Enter validates the field: the value is brought within its limits and the
// projectile stands at the initial position it gives.
void TestParameters::limits()
{
    QFETCH(int, index);
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(float, left);
    QFETCH(float, top);
    WindowFixture f;
    FeuilleP& w = f.w();
    WindowFixture::enter(field(w, index), typed);
    QCOMPARE(field(w, index)->text(), shown);
    // The reset places the picture from the rounded field, 10,03 giving 375.08.
    QVERIFY(std::fabs(w.sceneState().imageLeft - left) < 0.5f);
    QVERIFY(std::fabs(w.sceneState().imageTop - top) < 0.5f);
    QCOMPARE(w.ui().projectile->pos(), QPoint(int(left), int(top)));
    QCOMPARE(w.ui().ombre->x(), int(left));
}

void TestParameters::unreadablePositionKeepsThePreviousOne()
{
    WindowFixture f;
    FeuilleP& w = f.w();
    WindowFixture::enter(w.ui().Text1, QStringLiteral("3"));
    WindowFixture::enter(w.ui().Text2, QStringLiteral("2"));
    WindowFixture::enter(w.ui().Text1, QStringLiteral("-"));
    WindowFixture::enter(w.ui().Text2, QStringLiteral(","));
    QCOMPARE(w.ui().Text1->text(), QStringLiteral("3,00"));
    QCOMPARE(w.ui().Text2->text(), QStringLiteral("2,00"));
    QCOMPARE(w.sceneState().imageLeft, 122.0f);
    QCOMPARE(w.sceneState().imageTop, 348.0f);
}

void TestParameters::enablingOfTheActions_data()
{
    QTest::addColumn<QString>("y0");
    QTest::addColumn<QString>("v0");
    QTest::addColumn<QString>("alpha");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("on the ground, horizontal") << "0" << "15" << "0" << false;
    QTest::newRow("on the ground, thrown down") << "0" << "15" << "-30" << false;
    QTest::newRow("on the ground, no speed") << "0" << "0" << "45" << false;
    QTest::newRow("on the ground, thrown up") << "0" << "15" << "45" << true;
    QTest::newRow("on the ground, 5 degrees") << "0" << "15" << "5" << true;
    QTest::newRow("raised, horizontal") << "2" << "15" << "0" << true;
    QTest::newRow("raised, no speed") << "0,5" << "0" << "0" << true;
}

void TestParameters::enablingOfTheActions()
{
    QFETCH(QString, y0);
    QFETCH(QString, v0);
    QFETCH(QString, alpha);
    QFETCH(bool, enabled);
    WindowFixture f;
    FeuilleP& w = f.w();
    f.bringToFront();
    QCOMPARE(enabledActions(w), 5);
    WindowFixture::enter(w.ui().Text2, y0);
    WindowFixture::enter(w.ui().Text3, v0);
    WindowFixture::enter(w.ui().Text4, alpha);
    QCOMPARE(enabledActions(w), enabled ? 5 : 0);
}

// A key refused by the y0 field re-reads the field as it stands, so typing
// a height enables the actions before the field is even validated.
void TestParameters::refusedKeyInOrdinateUpdatesTheActions()
{
    WindowFixture f;
    FeuilleP& w = f.w();
    WindowFixture::enter(w.ui().Text4, QStringLiteral("0"));
    QCOMPARE(enabledActions(w), 0);
    w.ui().Text2->clear();
    QTest::keyClicks(w.ui().Text2, QStringLiteral("2"));
    QCOMPARE(enabledActions(w), 0);
    QTest::keyClick(w.ui().Text2, Qt::Key_Minus);
    QCOMPARE(w.ui().Text2->text(), QStringLiteral("2"));
    QCOMPARE(enabledActions(w), 5);
}

void TestParameters::enteringAFieldShowsTheFrame()
{
    WindowFixture f;
    FeuilleP& w = f.w();
    w.ui().Check1->setChecked(false);
    QFocusEvent focusIn(QEvent::FocusIn, Qt::TabFocusReason);
    QApplication::sendEvent(w.ui().Text3, &focusIn);
    QVERIFY(w.ui().Check1->isChecked());
}

void TestParameters::projectileChoice_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<float>("mass");
    QTest::addColumn<QString>("sound");
    QTest::newRow("pomme") << 0 << 0.18f << "pom.wav";
    QTest::newRow("ballon") << 2 << 0.45f << "bam.wav";
    QTest::newRow("boule de pétanque") << 3 << 0.8f << "bam.wav";
    QTest::newRow("rocher") << 4 << 1830.0f << "boum.wav";
}

// After a stone, another projectile replaces its picture, its shadow, its
// mass and its sound.
void TestParameters::projectileChoice()
{
    QFETCH(int, index);
    QFETCH(float, mass);
    QFETCH(QString, sound);
    WindowFixture f;
    FeuilleP& w = f.w();
    const QString dir = applicationDirectory();

    WindowFixture::choose(w.ui().Combo2, 1);
    QCOMPARE(f.sound.opened(), dir + QStringLiteral("bim.wav"));
    QCOMPARE(w.state().projectileMass, 0.33f);
    const QImage stone = w.ui().projectile->pixmap().toImage();

    WindowFixture::choose(w.ui().Combo2, index);
    QCOMPARE(f.sound.opened(), dir + sound);
    QVERIFY(f.sound.isOpen());
    QCOMPARE(w.state().projectileMass, mass);
    QCOMPARE(w.state().projectileIndex, index);
    // Both through a pixmap: the platform may store a picture with
    // transparency premultiplied, which rounds its semi-transparent edge.
    const auto sameImage = [&dir](const QLabel* label, const QString& file) {
        return label->pixmap().toImage().convertToFormat(QImage::Format_ARGB32)
            == QPixmap::fromImage(QImage(dir + file)).toImage().convertToFormat(QImage::Format_ARGB32);
    };
    QVERIFY(sameImage(w.ui().projectile, QStringLiteral("projectile%1.png").arg(index + 1)));
    QVERIFY(sameImage(w.ui().ombre, QStringLiteral("shadow%1.png").arg(index + 1)));
    QVERIFY(w.ui().projectile->pixmap().toImage() != stone);
}

void TestParameters::placeChoice_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<float>("g");
    QTest::addColumn<QString>("photograph");
    QTest::newRow("Lune") << 1 << 1.62f << "lune.jpg";
    QTest::newRow("Mars") << 2 << 3.71f << "mars.jpg";
    QTest::newRow("Terre") << 0 << 9.8f << "terre.jpg";
}

void TestParameters::placeChoice()
{
    QFETCH(int, index);
    QFETCH(float, g);
    QFETCH(QString, photograph);
    WindowFixture f;
    FeuilleP& w = f.w();
    WindowFixture::choose(w.ui().Combo1, index == 0 ? 1 : 0);
    WindowFixture::choose(w.ui().Combo1, index);
    QCOMPARE(w.state().gravityField, g);
    QCOMPARE(w.state().placeIndex, index);
    const QImage expected(applicationDirectory() + photograph);
    const QPoint inside(200, 150);
    QCOMPARE(w.sceneSurface().background().pixelColor(inside), expected.pixelColor(inside));
}

TAVREL_TEST_MAIN(TestParameters)
#include "test_parameters.moc"
