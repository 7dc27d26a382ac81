// The situation's parameters: place, projectile and the four initial
// conditions, with their filters, limits and consequences.

#include "app/feuillep.h"

#include "app/scenepicture.h"
#include "scene/scenegeometry.h"
#include "sim/catalogue.h"
#include "sim/initialconditions.h"
#include "ui/appdir.h"
#include "ui/dialogservice.h"
#include "ui/numberformat.h"
#include "ui/paintedpanel.h"
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

float FeuilleP::x0() const { return fieldNumber(m_ui.Text1); }
float FeuilleP::y0() const { return fieldNumber(m_ui.Text2); }

void FeuilleP::voxvoy()
{
    const sim::VelocityComponents v = sim::voxvoy(fieldNumber(m_ui.Text3), fieldNumber(m_ui.Text4));
    m_state.initialVelocityX = v.x;
    m_state.initialVelocityY = v.y;
}

bool FeuilleP::startsWithoutFlight() const
{
    return y0() == 0.0f && m_state.initialVelocityY <= 0.0f;
}

void FeuilleP::plusbouton()
{
    const bool grounded = startsWithoutFlight();
    const QList<QWidget*> actions{m_ui.command12, m_ui.Command14, m_ui.command15, m_ui.command16, m_ui.command18};
    for (QWidget* action : actions)
        action->setEnabled(!grounded);
    // "Agrandir" follows "&Graphes": the graphs window of such a throw is blank.
    m_ui.Command5->setEnabled(m_ui.Command3->isEnabled() && !grounded);
}

void FeuilleP::fatalMissingPhotograph(const QString& path)
{
    m_fatal = true;
    m_ui.Timer1->stop();
    DialogService::current().inform(this, DialogService::Icon::Critical, QStringLiteral("Erreur fatale"),
                                    QStringLiteral("Le fichier ") + path
                                        + QStringLiteral(" doit se trouver dans le même répertoire que l'application.")
                                        + QLatin1Char('\n')
                                        + QStringLiteral("Ce n'est pas le cas actuellement: sortie de l'application."));
    QTimer::singleShot(0, qApp, [] { QCoreApplication::exit(1); });
}

void FeuilleP::Combo1_Click()
{
    const int index = m_ui.Combo1->currentIndex();
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
    surface().setBackgroundPicture(photograph);

    m_ui.Timer1->stop();
    m_state.trajectoryStarted = false;
    setProjectileImageVisible(true);
    retico();
    if (m_ui.Check1->isChecked())
        repere();
    command18_Click();
    m_ui.VScroll2->setValue(0);
}

void FeuilleP::Combo2_Click()
{
    const int index = m_ui.Combo2->currentIndex();
    if (index < 0)
        return;
    m_state.projectileIndex = index;
    m_state.projectileMass = sim::projectile(index).mass;
    m_ui.Timer1->stop();
    retico();
    setProjectileImageVisible(true);
    m_state.bounceActive = sim::BouncePhase::FreeFlight;
    m_state.simTime = 0;

    m_ui.projectile->setPixmap(QPixmap::fromImage(m_projectilePictures[size_t(index)]));
    m_ui.ombre->setPixmap(QPixmap::fromImage(m_shadowPictures[size_t(index)]));

    SoundService& sound = SoundService::current();
    sound.close();
    sound.open(applicationDirectory() + QString::fromUtf8(sim::projectile(index).sound));

    m_ui.Timer1->stop();
    setProjectileImageVisible(true);
    command18_Click();
    // The weight's legend reads per 10 000 N for the rock.
    m_ui.Picture1->update();
}

void FeuilleP::fieldEntered()
{
    m_ui.Check1->setChecked(true);
}

void FeuilleP::Text1_LostFocus()
{
    if (const auto x = toNumber(m_ui.Text1->text()))
        m_state.imageLeft = scene::clampImageLeft(scene::imageLeftFor(float(*x)));
    else
        m_state.imageLeft = scene::clampImageLeft(m_state.imageLeft);
    placeProjectileImage();
    m_ui.Text1->setText(formatPattern(scene::xForImageLeft(m_state.imageLeft), fieldPattern));
    m_ui.Timer1->stop();
    setProjectileImageVisible(true);
    retico();
    command18_Click();
}

void FeuilleP::Text2_LostFocus()
{
    if (const auto y = toNumber(m_ui.Text2->text()))
        m_state.imageTop = scene::clampImageTop(scene::imageTopFor(float(*y)));
    else
        m_state.imageTop = scene::clampImageTop(m_state.imageTop);
    placeProjectileImage();
    m_ui.Text2->setText(formatPattern(scene::yForImageTop(m_state.imageTop), fieldPattern));
    m_ui.Timer1->stop();
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
    m_ui.Timer1->stop();
    setProjectileImageVisible(true);
    if (!clearOnlyIfDrawn || !m_state.sceneClean)
        retico();
    command18_Click();
}

void FeuilleP::Text3_LostFocus()
{
    launchFieldValidated(m_ui.Text3, sim::clampSpeed, false);
}

void FeuilleP::Text4_LostFocus()
{
    launchFieldValidated(m_ui.Text4, sim::clampAngle, true);
}
