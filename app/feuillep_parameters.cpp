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

void FeuilleP::takeInitialConditions()
{
    // The lists are empty for a moment at start-up: the throw keeps its own until they are filled.
    const int place = m_ui.Combo1->currentIndex() >= 0 ? m_ui.Combo1->currentIndex() : m_flight.conditions().placeIndex;
    const int projectile =
        m_ui.Combo2->currentIndex() >= 0 ? m_ui.Combo2->currentIndex() : m_flight.conditions().projectileIndex;
    m_flight.setConditions(sim::conditionsFor(place, projectile, fieldNumber(m_ui.Text1), fieldNumber(m_ui.Text2),
                                              fieldNumber(m_ui.Text3), fieldNumber(m_ui.Text4)));
}

// The launch velocity follows v0 and alpha.
void FeuilleP::voxvoy()
{
    takeInitialConditions();
}

bool FeuilleP::startsWithoutFlight() const
{
    return m_flight.conditions().y0 == 0.0f && m_flight.initialVelocityY() <= 0.0f;
}

void FeuilleP::plusbouton()
{
    enableActions(startsWithoutFlight());
}

void FeuilleP::enableActions(bool grounded)
{
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

    takeInitialConditions();
    const QString path = applicationDirectory() + QString::fromUtf8(sim::place(index).photograph);
    const QImage photograph = QImageReader(path).read();
    if (photograph.isNull()) {
        fatalMissingPhotograph(path);
        return;
    }
    m_photograph = photograph;
    surface().setBackgroundPicture(photograph);
    bakeKeptPaths();

    m_ui.Timer1->stop();
    m_scene.trajectoryStarted = false;
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
    takeInitialConditions();
    m_ui.Timer1->stop();
    retico();
    setProjectileImageVisible(true);
    m_flight.abandon();

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
        m_scene.imageLeft = scene::clampImageLeft(scene::imageLeftFor(float(*x)));
    else
        m_scene.imageLeft = scene::clampImageLeft(m_scene.imageLeft);
    placeProjectileImage();
    m_ui.Text1->setText(formatPattern(scene::xForImageLeft(m_scene.imageLeft), fieldPattern));
    takeInitialConditions();
    m_ui.Timer1->stop();
    setProjectileImageVisible(true);
    retico();
    command18_Click();
}

void FeuilleP::Text2_LostFocus()
{
    if (const auto y = toNumber(m_ui.Text2->text()))
        m_scene.imageTop = scene::clampImageTop(scene::imageTopFor(float(*y)));
    else
        m_scene.imageTop = scene::clampImageTop(m_scene.imageTop);
    placeProjectileImage();
    m_ui.Text2->setText(formatPattern(scene::yForImageTop(m_scene.imageTop), fieldPattern));
    takeInitialConditions();
    m_ui.Timer1->stop();
    setProjectileImageVisible(true);
    if (!m_scene.sceneClean)
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
    if (!clearOnlyIfDrawn || !m_scene.sceneClean)
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
