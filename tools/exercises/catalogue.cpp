#include "tools/exercises/content.h"
#include "tools/exercises/throw.h"

#include "scene/swatches.h"
#include "sim/bounce.h"
#include "sim/catalogue.h"
#include "ui/numberformat.h"

#include <cmath>

namespace content {

namespace {

using config::Tick;

QString fieldText(double value)
{
    return formatPattern(value, QStringLiteral("###0.00"));
}

// The start-up settings of the window, the frame shown, with this throw.
config::Configuration situation(int place, int projectile, double x0, double y0, double v0, double alpha)
{
    config::Configuration c;
    c.place = place;
    c.projectile = projectile;
    c.x0 = fieldText(x0);
    c.y0 = fieldText(y0);
    c.v0 = fieldText(v0);
    c.alpha = fieldText(alpha);
    c.velocityScaleSetting = 30;
    c.velocityChangeSetting = 6;
    c.weightScaleSetting = 70;
    c.accelerationScaleSetting = 30;
    c.chronoInterval = QStringLiteral("300");
    c.frame = Tick::Ticked;
    const scene::Swatches swatches = scene::defaultSwatches();
    for (int i = 0; i < config::colourCount; ++i)
        c.colours[std::size_t(i)] = swatches[std::size_t(i)].red() + 256 * swatches[std::size_t(i)].green()
                                    + 65536 * swatches[std::size_t(i)].blue();
    return c;
}

config::Configuration withTrajectory(config::Configuration c)
{
    c.trajectory = Tick::Ticked;
    c.stopOutsideScene = Tick::Ticked;
    return c;
}

Exercise chuteLibre()
{
    Exercise e;
    e.name = QStringLiteral("chute_libre");
    e.title = QStringLiteral("Chute libre d'une pomme");
    e.level = 0;
    e.notions = {QStringLiteral("Chute libre verticale. "), QStringLiteral("Équations horaires. "),
                 QStringLiteral("Durée de chute, vitesse au sol.")};
    e.hourglasses = 2;
    e.statementSituation = situation(sim::Terre, sim::Pomme, 5, 10, 0, 0);
    e.statementSituation.grid = Tick::Ticked;
    e.correctionSituation = withTrajectory(e.statementSituation);
    e.correctionSituation.velocity = Tick::Ticked;
    e.correctionSituation.chronoInterval = QStringLiteral("200");
    const Throw t(e.statementSituation);
    const float fall = t.flightTime();
    e.answers = {{"g", t.g()},
                 {"y1", t.y(1.0f)},
                 {"t", fall},
                 {"v", t.speed(fall)}};
    return e;
}

Exercise lancerHorizontal()
{
    Exercise e;
    e.name = QStringLiteral("lancer_horizontal");
    e.title = QStringLiteral("Lancer horizontal d'une pierre");
    e.level = 1;
    e.notions = {QStringLiteral("Lancer horizontal. "), QStringLiteral("Équations horaires, trajectoire. "),
                 QStringLiteral("Durée du vol, portée.")};
    e.hourglasses = 2;
    e.statementSituation = situation(sim::Terre, sim::Pierre, 0, 5, 4, 0);
    e.correctionSituation = withTrajectory(e.statementSituation);
    e.correctionSituation.grid = Tick::Ticked;
    const Throw t(e.statementSituation);
    const float flight = t.flightTime();
    e.answers = {{"v0", t.v0()},
                 {"y0", t.y0()},
                 {"coef", 0.5 * t.g() / (double(t.vx()) * t.vx())},
                 {"t", flight},
                 {"portee", t.range()},
                 {"v", t.speed(flight)}};
    return e;
}

Exercise anglesComplementaires()
{
    Exercise e;
    e.name = QStringLiteral("angles_complementaires");
    e.title = QStringLiteral("Tirs à 30° et à 60°");
    e.level = 2;
    e.notions = {QStringLiteral("Lancer oblique. "), QStringLiteral("Portée et flèche. "),
                 QStringLiteral("Angles complémentaires.")};
    e.hourglasses = 3;
    e.statementSituation = withTrajectory(situation(sim::Terre, sim::Pierre, 0, 0, 10, 30));
    e.correctionSituation = withTrajectory(situation(sim::Terre, sim::Pierre, 0, 0, 10, 60));
    const Throw a(e.statementSituation);
    const Throw b(e.correctionSituation);
    e.answers = {{"vx30", a.vx()},         {"vy30", a.vy0()},   {"t30", a.flightTime()},
                 {"portee30", a.range()},  {"h30", a.topHeight()}, {"vx60", b.vx()},
                 {"vy60", b.vy0()},        {"t60", b.flightTime()}, {"portee60", b.range()},
                 {"h60", b.topHeight()}};
    return e;
}

Exercise porteeMaximale()
{
    Exercise e;
    e.name = QStringLiteral("portee_maximale");
    e.title = QStringLiteral("L'angle de plus grande portée");
    e.level = 2;
    e.notions = {QStringLiteral("Lancer oblique. "), QStringLiteral("Portée en fonction de l'angle. "),
                 QStringLiteral("Angle de tir optimal.")};
    e.hourglasses = 3;
    e.statementSituation = withTrajectory(situation(sim::Terre, sim::Boule, 0, 0, 10, 40));
    e.correctionSituation = withTrajectory(situation(sim::Terre, sim::Boule, 0, 0, 10, 45));
    config::Configuration fifty = e.statementSituation;
    fifty.alpha = fieldText(50);
    const Throw t40(e.statementSituation);
    const Throw t45(e.correctionSituation);
    const Throw t50(fifty);
    e.answers = {{"v0", t45.v0()},
                 {"g", t45.g()},
                 {"portee40", t40.range()},
                 {"portee45", t45.range()},
                 {"portee50", t50.range()},
                 {"max", double(t45.v0()) * t45.v0() / t45.g()}};
    return e;
}

Exercise terreLuneMars()
{
    Exercise e;
    e.name = QStringLiteral("terre_lune_mars");
    e.title = QStringLiteral("Le même lancer sur la Terre, la Lune et Mars");
    e.level = 1;
    e.notions = {QStringLiteral("Champ de pesanteur. "), QStringLiteral("Influence de g sur la trajectoire. "),
                 QStringLiteral("Durée du vol, portée, flèche.")};
    e.hourglasses = 3;
    e.statementSituation = withTrajectory(situation(sim::Terre, sim::Boule, 0, 0, 4, 60));
    e.correctionSituation = e.statementSituation;
    e.correctionSituation.place = sim::Lune;
    config::Configuration mars = e.statementSituation;
    mars.place = sim::Mars;
    const Throw earth(e.statementSituation);
    const Throw moon(e.correctionSituation);
    const Throw red(mars);
    e.answers = {{"vx", earth.vx()},           {"vy", earth.vy0()},
                 {"gT", earth.g()},            {"gL", moon.g()},
                 {"gM", red.g()},              {"tT", earth.flightTime()},
                 {"tL", moon.flightTime()},    {"tM", red.flightTime()},
                 {"pT", earth.range()},        {"pL", moon.range()},
                 {"pM", red.range()},          {"hT", earth.topHeight()},
                 {"hL", moon.topHeight()},     {"hM", red.topHeight()},
                 {"rapport", earth.g() / moon.g()}};
    return e;
}

Exercise chronophotographie()
{
    Exercise e;
    e.name = QStringLiteral("chronophotographie");
    e.title = QStringLiteral("Lire une chronophotographie");
    e.level = 2;
    e.notions = {QStringLiteral("Chronophotographie. "), QStringLiteral("Mouvement horizontal uniforme. "),
                 QStringLiteral("Mouvement vertical uniformément accéléré.")};
    e.hourglasses = 3;
    e.statementSituation = situation(sim::Terre, sim::Pierre, 0, 8, 3, 0);
    e.statementSituation.grid = Tick::Ticked;
    e.statementSituation.centreMarksOnly = Tick::Ticked;
    e.statementSituation.chronoInterval = QStringLiteral("200");
    e.correctionSituation = e.statementSituation;
    e.correctionSituation.projections = Tick::Ticked;
    const Throw t(e.statementSituation);
    const float tau = 0.2f;
    e.answers = {{"tau", tau}, {"y0", t.y0()}, {"dx", t.x(tau) - t.x0()}, {"vx", t.vx()}, {"g", t.g()}};
    for (int n = 1; n <= 4; ++n) {
        const float date = float(n) * tau;
        const double drop = t.y0() - t.y(date);
        e.answers.push_back({QStringLiteral("x%1").arg(n), t.x(date)});
        e.answers.push_back({QStringLiteral("y%1").arg(n), t.y(date)});
        e.answers.push_back({QStringLiteral("h%1").arg(n), drop});
        e.answers.push_back({QStringLiteral("r%1").arg(n), drop / (double(date) * date)});
    }
    e.answers.push_back({"gtau2", double(t.g()) * tau * tau});
    return e;
}

Exercise variationVitesse()
{
    Exercise e;
    e.name = QStringLiteral("variation_vitesse");
    e.title = QStringLiteral("Le vecteur vitesse et sa variation");
    e.level = 2;
    e.notions = {QStringLiteral("Vecteur vitesse. "), QStringLiteral("Variation du vecteur vitesse. "),
                 QStringLiteral("Δv = g·Δt, vertical et vers le bas.")};
    e.hourglasses = 3;
    e.statementSituation = situation(sim::Terre, sim::Pomme, 0, 0, 10, 70);
    e.statementSituation.velocity = Tick::Ticked;
    e.statementSituation.velocityChange = Tick::Ticked;
    e.statementSituation.velocityChangeSetting = 5;
    e.correctionSituation = withTrajectory(e.statementSituation);
    e.correctionSituation.construction = Tick::Ticked;
    e.correctionSituation.acceleration = Tick::Ticked;
    const Throw t(e.statementSituation);
    const float dt = float(e.statementSituation.velocityChangeSetting) / 10.0f;
    e.answers = {{"dt", dt},
                 {"vx", t.vx()},
                 {"vy0", t.vy(0.0f)},
                 {"vy1", t.vy(0.5f)},
                 {"vy2", t.vy(1.0f)},
                 {"vy3", t.vy(1.5f)},
                 {"dv1", t.vy(0.0f) - t.vy(0.5f)},
                 {"dv2", t.vy(0.5f) - t.vy(1.0f)},
                 {"dv3", t.vy(1.0f) - t.vy(1.5f)},
                 {"g", t.g()},
                 {"gdt", t.g() * dt}};
    return e;
}

Exercise energieMecanique()
{
    Exercise e;
    e.name = QStringLiteral("energie_mecanique");
    e.title = QStringLiteral("Conservation de l'énergie mécanique");
    e.level = 3;
    e.notions = {QStringLiteral("Énergie cinétique, énergie potentielle. "),
                 QStringLiteral("Conservation de l'énergie mécanique. "),
                 QStringLiteral("Vitesse au sol, altitude maximale.")};
    e.hourglasses = 4;
    e.statementSituation = withTrajectory(situation(sim::Terre, sim::Pierre, 0, 2, 8, 50));
    e.correctionSituation = e.statementSituation;
    e.correctionSituation.velocity = Tick::Ticked;
    e.correctionSituation.weight = Tick::Ticked;
    const Throw t(e.statementSituation);
    const double m = t.mass();
    const double ec0 = 0.5 * m * t.v0() * t.v0();
    const double ep0 = m * t.g() * t.y0();
    const double top = t.topHeight();
    const double ecTop = 0.5 * m * t.vx() * t.vx();
    const double epTop = m * t.g() * top;
    const float flight = t.flightTime();
    e.answers = {{"m", m},
                 {"ec0", ec0},
                 {"ep0", ep0},
                 {"em0", ec0 + ep0},
                 {"vx", t.vx()},
                 {"ectop", ecTop},
                 {"eptop", epTop},
                 {"emtop", ecTop + epTop},
                 {"top", top},
                 {"topEnergy", t.y0() + (t.v0() * double(t.v0()) - double(t.vx()) * t.vx()) / (2.0 * t.g())},
                 {"vsol", t.speed(flight)},
                 {"vsolEnergy", std::sqrt(double(t.v0()) * t.v0() + 2.0 * t.g() * t.y0())}};
    return e;
}

Exercise rebondBallon()
{
    Exercise e;
    e.name = QStringLiteral("rebond_ballon");
    e.title = QStringLiteral("Les rebonds du ballon");
    e.level = 2;
    e.notions = {QStringLiteral("Rebond : vitesse réduite de 30 %. "), QStringLiteral("Rapport des hauteurs 0,49. "),
                 QStringLiteral("Énergie mécanique perdue au rebond.")};
    e.hourglasses = 3;
    e.statementSituation = situation(sim::Terre, sim::Ballon, 5, 10, 0, 0);
    e.statementSituation.grid = Tick::Ticked;
    e.correctionSituation = e.statementSituation;
    e.correctionSituation.chronoInterval = QStringLiteral("100");
    e.correctionSituation.centreMarksOnly = Tick::Ticked;
    const Throw t(e.statementSituation);
    const double g = t.g();
    const double m = t.mass();
    const double impact = -t.vy(t.flightTime());
    const double k = sim::restitution;
    // Upward speeds after each contact, as long as the bounce goes on.
    int bounces = 0;
    for (double up = k * impact; up >= sim::bounceEndSpeed; up *= k)
        ++bounces;
    const double up1 = k * impact;
    const double h1 = up1 * up1 / (2 * g);
    const double up2 = k * up1;
    const double em0 = m * g * t.y0();
    const double em1 = m * g * h1;
    e.answers = {{"h0", t.y0()},
                 {"v", impact},
                 {"v1", up1},
                 {"h1", h1},
                 {"v2", up2},
                 {"h2", up2 * up2 / (2 * g)},
                 {"rapport", h1 / t.y0()},
                 {"k2", k * k},
                 {"lost", 1 - k * k},
                 {"em0", em0},
                 {"em1", em1},
                 {"perte", em0 - em1},
                 {"part", 100 * (em0 - em1) / em0, 0},
                 {"rebonds", double(bounces), 0},
                 {"vfin", impact * std::pow(k, bounces + 1)}};
    return e;
}

Exercise masseTrajectoire()
{
    Exercise e;
    e.name = QStringLiteral("masse_trajectoire");
    e.title = QStringLiteral("Une pomme et un rocher");
    e.level = 0;
    e.notions = {QStringLiteral("Poids P = m·g. "), QStringLiteral("La trajectoire ne dépend pas de la masse.")};
    e.hourglasses = 1;
    e.statementSituation = withTrajectory(situation(sim::Terre, sim::Rocher, 0, 0, 9, 45));
    e.statementSituation.weight = Tick::Ticked;
    e.correctionSituation = e.statementSituation;
    e.correctionSituation.projectile = sim::Pomme;
    const Throw rock(e.statementSituation);
    const Throw apple(e.correctionSituation);
    e.answers = {{"mpomme", apple.mass(), 2},
                 {"mrocher", rock.mass(), 0},
                 {"g", rock.g()},
                 {"ppomme", double(apple.mass()) * apple.g()},
                 {"procher", double(rock.mass()) * rock.g() / 1e4},
                 {"rapport", rock.mass() / apple.mass() / 1e4},
                 {"portee", rock.range()},
                 {"porteePomme", apple.range()},
                 {"h", rock.topHeight()},
                 {"t", rock.flightTime()}};
    return e;
}

Exercise lancerVersLeBas()
{
    Exercise e;
    e.name = QStringLiteral("lancer_vers_le_bas");
    e.title = QStringLiteral("Une pierre lancée vers le bas");
    e.level = 1;
    e.notions = {QStringLiteral("Lancer vers le bas. "), QStringLiteral("Équations horaires, date d'arrivée au sol. "),
                 QStringLiteral("Vitesse au sol.")};
    e.hourglasses = 2;
    e.statementSituation = situation(sim::Terre, sim::Pierre, 0, 10, 5, -30);
    e.statementSituation.velocity = Tick::Ticked;
    e.correctionSituation = withTrajectory(e.statementSituation);
    config::Configuration dropped = e.statementSituation;
    dropped.v0 = fieldText(0);
    const Throw t(e.statementSituation);
    const Throw fall(dropped);
    const float flight = t.flightTime();
    e.answers = {{"vx", t.vx()},         {"vy", t.vy0()},         {"g", t.g()},
                 {"y0", t.y0()},         {"t", flight},           {"portee", t.range()},
                 {"vysol", t.vy(flight)}, {"v", t.speed(flight)}, {"tchute", fall.flightTime()}};
    return e;
}

Exercise graphesVitesse()
{
    Exercise e;
    e.name = QStringLiteral("graphes_vitesse");
    e.title = QStringLiteral("Lire les graphes vx(t), vy(t) et v(t)");
    e.level = 3;
    e.notions = {QStringLiteral("Graphes des composantes de la vitesse. "),
                 QStringLiteral("Coefficient directeur de vy(t) : -g. "),
                 QStringLiteral("Vitesse minimale au sommet : vx.")};
    e.hourglasses = 4;
    e.statementSituation = withTrajectory(situation(sim::Terre, sim::Pierre, 0, 0, 10, 55));
    e.correctionSituation = e.statementSituation;
    e.correctionSituation.velocity = Tick::Ticked;
    e.correctionSituation.projections = Tick::Ticked;
    e.correctionSituation.chronoInterval = QStringLiteral("200");
    const Throw t(e.statementSituation);
    const float flight = t.flightTime();
    const float top = t.topTime();
    e.answers = {{"vx", t.vx()},           {"vy0", t.vy0()},          {"v0", t.v0()},
                 {"g", t.g()},             {"ttop", top},             {"vmin", t.speed(top)},
                 {"t", flight},            {"vysol", t.vy(flight)},   {"vsol", t.speed(flight)},
                 {"pente", (t.vy(flight) - t.vy0()) / flight}};
    return e;
}

} // namespace

QStringList Exercise::fileNames() const
{
    return {exerciseFileName(), statementName(), statementSituationName(), correctionName(), correctionSituationName()};
}

const Answer* Exercise::answer(const QString& key) const
{
    for (const Answer& a : answers)
        if (a.key == key)
            return &a;
    return nullptr;
}

std::vector<Exercise> catalogue()
{
    return {chuteLibre(),        lancerHorizontal(), anglesComplementaires(), porteeMaximale(),
            terreLuneMars(),     chronophotographie(), variationVitesse(),    energieMecanique(),
            rebondBallon(),      masseTrajectoire(),  lancerVersLeBas(),      graphesVitesse()};
}

QString shown(const Answer& answer)
{
    QString pattern = QStringLiteral("###0");
    if (answer.decimals > 0)
        pattern += u'.' + QString(answer.decimals, u'0');
    return formatPattern(answer.value, pattern);
}

} // namespace content
