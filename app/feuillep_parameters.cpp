// The situation's parameters: place, projectile and the four initial
// conditions, with their filters, limits and consequences.

#include "app/feuillep.h"

#include "app/scenepicture.h"
#include "sim/catalogue.h"
#include "sim/initialconditions.h"
#include "ui/appdir.h"
#include "ui/dialogservice.h"
#include "ui/numberformat.h"
#include "ui/soundservice.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QImageReader>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>
#include <QTimer>

namespace {
const QString fieldPattern = QStringLiteral("###0.00");
}

float FeuilleP::fieldNumber(const QLineEdit* field) const
{
    return float(toNumber(field->text()).value_or(0.0));
}

float FeuilleP::x0() const { return fieldNumber(Text1); }
float FeuilleP::y0() const { return fieldNumber(Text2); }

void FeuilleP::voxvoy()
{
    const sim::VelocityComponents v = sim::voxvoy(fieldNumber(Text3), fieldNumber(Text4));
    m_state.initialVelocityX = v.x;
    m_state.initialVelocityY = v.y;
}

void FeuilleP::plusbouton()
{
    const bool grounded = y0() == 0.0f && m_state.initialVelocityY <= 0.0f;
    const QList<QWidget*> actions{command12, Command14, command15, command16, command18};
    for (QWidget* action : actions)
        action->setEnabled(!grounded);
}

void FeuilleP::fatalMissingPhotograph(const QString& path)
{
    m_fatal = true;
    Timer1->stop();
    DialogService::current().inform(this, DialogService::Icon::Critical, QStringLiteral("Erreur fatale"),
                                    QStringLiteral("Le fichier ") + path
                                        + QStringLiteral(" doit se trouver dans le même répertoire que l'application.")
                                        + QLatin1Char('\n')
                                        + QStringLiteral("Ce n'est pas le cas actuellement: sortie de l'application."));
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(1); });
}

void FeuilleP::Combo1_Click()
{
    const int index = Combo1->currentIndex();
    if (index < 0)
        return;
    m_marks.clear();
    retico();

    m_state.placeIndex = index;
    m_state.gravityField = sim::place(index).gravity;
    const QString path = applicationDirectory() + QString::fromUtf8(sim::place(index).photograph);
    const QImage photograph = QImageReader(path).read();
    if (photograph.isNull()) {
        fatalMissingPhotograph(path);
        return;
    }
    m_scene.setBackgroundPicture(photograph);

    Timer1->stop();
    m_state.trajectoryStarted = false;
    setProjectileImageVisible(true);
    retico();
    if (Check1->isChecked())
        repere();
    command18_Click();
    VScroll2->setValue(0);
}

void FeuilleP::Combo2_Click()
{
    const int index = Combo2->currentIndex();
    if (index < 0)
        return;
    m_state.projectileIndex = index;
    m_state.projectileMass = sim::projectile(index).mass;
    Timer1->stop();
    retico();
    setProjectileImageVisible(true);
    m_state.bounceActive = 0;
    m_state.simTime = 0;

    projectile->setPixmap(QPixmap::fromImage(m_projectilePictures[size_t(index)]));
    ombre->setPixmap(QPixmap::fromImage(m_shadowPictures[size_t(index)]));

    SoundService& sound = SoundService::current();
    sound.close();
    sound.open(applicationDirectory() + QString::fromUtf8(sim::projectile(index).sound));

    Timer1->stop();
    setProjectileImageVisible(true);
    command18_Click();
    // The weight's legend reads per 10 000 N for the rock.
    Picture1->update();
}

void FeuilleP::fieldEntered()
{
    Check1->setChecked(true);
}

void FeuilleP::Text1_LostFocus()
{
    if (const auto x = toNumber(Text1->text()))
        m_state.imageLeft = sim::clampImageLeft(sim::imageLeftFor(float(*x)));
    else
        m_state.imageLeft = sim::clampImageLeft(m_state.imageLeft);
    placeProjectileImage();
    Text1->setText(formatPattern(sim::x0ForLeft(m_state.imageLeft), fieldPattern));
    Timer1->stop();
    setProjectileImageVisible(true);
    retico();
    command18_Click();
}

void FeuilleP::Text2_LostFocus()
{
    if (const auto y = toNumber(Text2->text()))
        m_state.imageTop = sim::clampImageTop(sim::imageTopFor(float(*y)));
    else
        m_state.imageTop = sim::clampImageTop(m_state.imageTop);
    placeProjectileImage();
    Text2->setText(formatPattern(sim::y0ForTop(m_state.imageTop), fieldPattern));
    Timer1->stop();
    setProjectileImageVisible(true);
    if (!m_state.sceneClean)
        retico();
    command18_Click();
}

// v0 and alpha: unreadable text counts as 0, the field is rewritten, the
// launch velocity recomputed and the throw reset.
void FeuilleP::launchFieldValidated(QLineEdit* field, float (*clamp)(float), bool clearOnlyIfDrawn)
{
    const float value = clamp(float(toNumber(field->text()).value_or(0.0)));
    field->setText(formatPattern(value, fieldPattern));
    voxvoy();
    Timer1->stop();
    setProjectileImageVisible(true);
    if (!clearOnlyIfDrawn || !m_state.sceneClean)
        retico();
    command18_Click();
}

void FeuilleP::Text3_LostFocus()
{
    launchFieldValidated(Text3, sim::clampSpeed, false);
}

void FeuilleP::Text4_LostFocus()
{
    launchFieldValidated(Text4, sim::clampAngle, true);
}
