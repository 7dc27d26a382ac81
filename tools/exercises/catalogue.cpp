#include "tools/exercises/content.h"
#include "tools/exercises/throw.h"

#include "scene/swatches.h"
#include "sim/bounce.h"
#include "sim/catalogue.h"
#include "ui/colourvalue.h"
#include "ui/numberformat.h"

#include <algorithm>
#include <cmath>

namespace content {

namespace {

using namespace Qt::StringLiterals;
using config::Configuration;
using config::Tick;
using Option = Tick Configuration::*;

QString fieldText(double value) { return formatPattern(value, QStringLiteral("###0.00")); }

// A situation told by what differs from the window's start-up settings
// (frame shown, default scales and colours); each step gives a new one.
class Situation {
public:
    Situation(int place, int projectile, double x0, double y0, double v0, double alpha)
    {
        m_c.place = place;
        m_c.projectile = projectile;
        m_c.x0 = fieldText(x0);
        m_c.y0 = fieldText(y0);
        m_c.v0 = fieldText(v0);
        m_c.alpha = fieldText(alpha);
        m_c.velocityScaleSetting = 30;
        m_c.velocityChangeSetting = 6;
        m_c.weightScaleSetting = 70;
        m_c.accelerationScaleSetting = 30;
        m_c.chronoInterval = QStringLiteral("300");
        m_c.frame = Tick::Ticked;
        const scene::Swatches swatches = scene::defaultSwatches();
        for (std::size_t i = 0; i < std::size_t(config::colourCount); ++i)
            m_c.colours[i] = colourValue(swatches[i]);
    }

    Situation showing(std::initializer_list<Option> options) const
    {
        Situation s = *this;
        for (Option option : options)
            s.m_c.*option = Tick::Ticked;
        return s;
    }
    // The trajectory marked, the throw stopping at the edge of the scene.
    Situation traced() const { return showing({&Configuration::trajectory, &Configuration::stopOutsideScene}); }
    Situation on(int place) const
    {
        return changed([place](Configuration& c) { c.place = place; });
    }
    Situation with(int projectile) const
    {
        return changed([projectile](Configuration& c) { c.projectile = projectile; });
    }
    Situation thrownAt(double alpha) const
    {
        return changed([alpha](Configuration& c) { c.alpha = fieldText(alpha); });
    }
    Situation thrownWith(double v0) const
    {
        return changed([v0](Configuration& c) { c.v0 = fieldText(v0); });
    }
    Situation chrono(int milliseconds) const
    {
        return changed([milliseconds](Configuration& c) { c.chronoInterval = QString::number(milliseconds); });
    }
    // The date step of the velocity change, in tenths of a second.
    Situation velocityChangeOver(int tenths) const
    {
        return changed([tenths](Configuration& c) { c.velocityChangeSetting = tenths; });
    }

    operator const Configuration&() const { return m_c; }

private:
    template <typename Change>
    Situation changed(Change change) const
    {
        Situation s = *this;
        change(s.m_c);
        return s;
    }

    Configuration m_c;
};

constexpr Option grid = &Configuration::grid;
constexpr Option velocity = &Configuration::velocity;
constexpr Option weight = &Configuration::weight;
constexpr Option projections = &Configuration::projections;
constexpr Option centreMarksOnly = &Configuration::centreMarksOnly;

Exercise chuteLibre()
{
    const Situation start = Situation(sim::Terre, sim::Pomme, 5, 10, 0, 0).showing({grid});
    const Throw t(start);
    const float fall = t.flightTime();
    return {.name = u"chute_libre"_s,
            .title = u"Chute libre d'une pomme"_s,
            .level = 0,
            .notions = {u"Chute libre verticale. "_s, u"Équations horaires. "_s, u"Durée de chute, vitesse au sol."_s},
            .hourglasses = 2,
            .statementSituation = start,
            .correctionSituation = start.traced().showing({velocity}).chrono(200),
            .figures = {{.name = u"chute"_s, .throws = {{start}}, .heightLabel = u"h"_s}},
            .answers = {{"g", t.g()}, {"y1", t.y(1.0f)}, {"t", fall}, {"v", t.speed(fall)}}};
}

Exercise lancerHorizontal()
{
    const Situation start(sim::Terre, sim::Pierre, 0, 5, 4, 0);
    const Throw t(start);
    const float flight = t.flightTime();
    return {.name = u"lancer_horizontal"_s,
            .title = u"Lancer horizontal d'une pierre"_s,
            .level = 1,
            .notions = {u"Lancer horizontal. "_s, u"Équations horaires, trajectoire. "_s, u"Durée du vol, portée."_s},
            .hourglasses = 2,
            .statementSituation = start,
            .correctionSituation = start.traced().showing({grid}),
            .figures = {{.name = u"muret"_s, .throws = {{start}}, .support = true, .range = u"portée"_s}},
            .answers = {{"v0", t.v0()},
                        {"y0", t.y0()},
                        {"coef", 0.5 * t.g() / (double(t.vx()) * t.vx())},
                        {"t", flight},
                        {"portee", t.range()},
                        {"v", t.speed(flight)}}};
}

Exercise anglesComplementaires()
{
    const Situation thirty = Situation(sim::Terre, sim::Pierre, 0, 0, 10, 30).traced();
    const Situation sixty = thirty.thrownAt(60);
    const Throw a(thirty);
    const Throw b(sixty);
    return {.name = u"angles_complementaires"_s,
            .title = u"Tirs à 30° et à 60°"_s,
            .level = 2,
            .notions = {u"Lancer oblique. "_s, u"Portée et flèche. "_s, u"Angles complémentaires."_s},
            .hourglasses = 3,
            .statementSituation = thirty,
            .correctionSituation = sixty,
            .figures = {{.name = u"tir"_s, .throws = {{thirty}}, .range = u"portée"_s, .top = u"flèche"_s},
                        {.name = u"deux_tirs"_s,
                         .throws = {{thirty, u"30°"_s}, {sixty, u"60°"_s}},
                         .launch = false,
                         .range = u"même portée"_s}},
            .answers = {{"vx30", a.vx()},
                        {"vy30", a.vy0()},
                        {"t30", a.flightTime()},
                        {"portee30", a.range()},
                        {"h30", a.topHeight()},
                        {"vx60", b.vx()},
                        {"vy60", b.vy0()},
                        {"t60", b.flightTime()},
                        {"portee60", b.range()},
                        {"h60", b.topHeight()}}};
}

Exercise porteeMaximale()
{
    const Situation forty = Situation(sim::Terre, sim::Boule, 0, 0, 10, 40).traced();
    const Situation best = forty.thrownAt(45);
    const Situation fifty = forty.thrownAt(50);
    const Throw t40(forty);
    const Throw t45(best);
    const Throw t50(fifty);
    return {.name = u"portee_maximale"_s,
            .title = u"L'angle de plus grande portée"_s,
            .level = 2,
            .notions = {u"Lancer oblique. "_s, u"Portée en fonction de l'angle. "_s, u"Angle de tir optimal."_s},
            .hourglasses = 3,
            .statementSituation = forty,
            .correctionSituation = best,
            .figures = {{.name = u"tir"_s, .throws = {{forty}}, .range = u"d"_s},
                        {.name = u"cinq_tirs"_s,
                         .throws = {{best, u"45°"_s},
                                    {forty.thrownAt(15), u"15°"_s},
                                    {forty.thrownAt(30), u"30°"_s},
                                    {forty.thrownAt(60), u"60°"_s},
                                    {forty.thrownAt(75), u"75°"_s}},
                         .launch = false}},
            .answers = {{"v0", t45.v0()},
                        {"g", t45.g()},
                        {"portee40", t40.range()},
                        {"portee45", t45.range(), 2},
                        {"portee50", t50.range()},
                        {"max", double(t45.v0()) * t45.v0() / t45.g()}}};
}

Exercise terreLuneMars()
{
    const Situation earth = Situation(sim::Terre, sim::Boule, 0, 0, 4, 60).traced();
    const Situation moon = earth.on(sim::Lune);
    const Situation mars = earth.on(sim::Mars);
    const Throw tEarth(earth);
    const Throw tMoon(moon);
    const Throw tMars(mars);
    return {.name = u"terre_lune_mars"_s,
            .title = u"Le même lancer sur la Terre, la Lune et Mars"_s,
            .level = 1,
            .notions = {u"Champ de pesanteur. "_s, u"Influence de g sur la trajectoire. "_s,
                        u"Durée du vol, portée, flèche."_s},
            .hourglasses = 3,
            .statementSituation = earth,
            .correctionSituation = moon,
            .figures = {{.name = u"lancer"_s, .throws = {{earth}}},
                        {.name = u"trois_lieux"_s,
                         .throws = {{moon, u"Lune"_s}, {mars, u"Mars"_s}, {earth, u"Terre"_s, 1.0, {20, -6}}},
                         .launch = false}},
            .answers = {{"vx", tEarth.vx()},
                        {"vy", tEarth.vy0()},
                        {"gT", tEarth.g()},
                        {"gL", tMoon.g()},
                        {"gM", tMars.g()},
                        {"tT", tEarth.flightTime()},
                        {"tL", tMoon.flightTime()},
                        {"tM", tMars.flightTime()},
                        {"pT", tEarth.range()},
                        {"pL", tMoon.range()},
                        {"pM", tMars.range()},
                        {"hT", tEarth.topHeight()},
                        {"hL", tMoon.topHeight()},
                        {"hM", tMars.topHeight()},
                        {"rapport", tEarth.g() / tMoon.g()}}};
}

Exercise chronophotographie()
{
    const float tau = 0.2f;
    const Situation start = Situation(sim::Terre, sim::Pierre, 0, 8, 3, 0).showing({grid, centreMarksOnly}).chrono(200);
    const Throw t(start);
    const auto toThe = [](double value, int decimals) {
        const double scale = std::pow(10.0, decimals);
        return std::round(value * scale) / scale;
    };
    std::vector<Answer> answers = {
        {"tau", tau, 2}, {"y0", t.y0(), 2}, {"dx", t.x(tau) - t.x0(), 2}, {"vx", t.vx()}, {"g", t.g()}};
    // The table as a pupil fills it: positions read to the centimetre, the
    // columns after them computed from what is written.
    double ratios = 0;
    for (int n = 1; n <= 4; ++n) {
        const float date = float(n) * tau;
        const double drop = toThe(t.y0(), 2) - toThe(t.y(date), 2);
        const double ratio = drop / (double(date) * date);
        ratios += ratio;
        answers.push_back({QStringLiteral("x%1").arg(n), t.x(date), 2});
        answers.push_back({QStringLiteral("y%1").arg(n), t.y(date), 2});
        answers.push_back({QStringLiteral("h%1").arg(n), drop, 2});
        answers.push_back({QStringLiteral("r%1").arg(n), ratio, 1});
    }
    const double ratio = toThe(ratios / 4, 1);
    answers.push_back({"r", ratio, 1});
    answers.push_back({"gmesure", 2 * ratio, 1});
    answers.push_back({"gtau2", double(t.g()) * tau * tau});
    // A reading one centimetre off, and what it changes in h / t² at the first date.
    answers.push_back({"lecture", 0.01, 2});
    answers.push_back({"ecartLecture", 0.01 / (double(tau) * tau), 2});
    return {.name = u"chronophotographie"_s,
            .title = u"Lire une chronophotographie"_s,
            .level = 2,
            .notions = {u"Chronophotographie. "_s, u"Mouvement horizontal uniforme. "_s,
                        u"Mouvement vertical uniformément accéléré."_s},
            .hourglasses = 3,
            .statementSituation = start,
            .correctionSituation = start.showing({projections}),
            .figures = {{.name = u"positions"_s, .throws = {{start}}, .markInterval = tau}},
            .answers = std::move(answers)};
}

Exercise variationVitesse()
{
    const Situation start = Situation(sim::Terre, sim::Pomme, 0, 0, 10, 70)
                                .showing({velocity, &Configuration::velocityChange})
                                .velocityChangeOver(5);
    const Throw t(start);
    const float dt = float(static_cast<const Configuration&>(start).velocityChangeSetting) / 10.0f;
    return {.name = u"variation_vitesse"_s,
            .title = u"Le vecteur vitesse et sa variation"_s,
            .level = 2,
            .notions = {u"Vecteur vitesse. "_s, u"Variation du vecteur vitesse. "_s,
                        u"Variation verticale, vers le bas, proportionnelle à la durée."_s},
            .hourglasses = 3,
            .statementSituation = start,
            .correctionSituation = start.traced().showing({&Configuration::construction, &Configuration::acceleration}),
            .figures = {{.name = u"lancer"_s, .throws = {{start}}}},
            .answers = {{"dt", dt, 2},
                        {"vx", t.vx(), 2},
                        {"vy0", t.vy(0.0f), 2},
                        {"vy1", t.vy(0.5f), 2},
                        {"vy2", t.vy(1.0f), 2},
                        {"vy3", t.vy(1.5f), 2},
                        {"dv1", t.vy(0.0f) - t.vy(0.5f)},
                        {"dv2", t.vy(0.5f) - t.vy(1.0f)},
                        {"dv3", t.vy(1.0f) - t.vy(1.5f)},
                        {"g", t.g()},
                        {"gdt", t.g() * dt}}};
}

Exercise energieMecanique()
{
    const Situation start = Situation(sim::Terre, sim::Pierre, 0, 2, 8, 50).traced();
    const Throw t(start);
    const double m = t.mass();
    const double ec0 = 0.5 * m * t.v0() * t.v0();
    const double ep0 = m * t.g() * t.y0();
    const double top = t.topHeight();
    const double ecTop = 0.5 * m * t.vx() * t.vx();
    const double epTop = m * t.g() * top;
    const float flight = t.flightTime();
    return {.name = u"energie_mecanique"_s,
            .title = u"Conservation de l'énergie mécanique"_s,
            .level = 3,
            .notions = {u"Énergie cinétique, énergie potentielle. "_s, u"Conservation de l'énergie mécanique. "_s,
                        u"Vitesse au sol, altitude maximale."_s},
            .hourglasses = 4,
            .statementSituation = start,
            .correctionSituation = start.showing({velocity, weight}),
            .figures = {{.name = u"lancer"_s, .throws = {{start}}}},
            // The mass is given to the hundredth of a kilogram, the energies to the hundredth of a joule.
            .answers = {{"m", m, 2},
                        {"ec0", ec0, 2},
                        {"ep0", ep0, 2},
                        {"em0", ec0 + ep0, 2},
                        {"vx", t.vx()},
                        {"ectop", ecTop, 2},
                        {"eptop", epTop, 2},
                        {"emtop", ecTop + epTop, 2},
                        {"top", top},
                        {"topEnergy", t.y0() + (t.v0() * double(t.v0()) - double(t.vx()) * t.vx()) / (2.0 * t.g())},
                        {"vsol", t.speed(flight)},
                        {"vsolEnergy", std::sqrt(double(t.v0()) * t.v0() + 2.0 * t.g() * t.y0())}}};
}

Exercise rebondBallon()
{
    const Situation start = Situation(sim::Terre, sim::Ballon, 5, 10, 0, 0).showing({grid});
    const Throw t(start);
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
    // The simulator's own run, as "Simulation" plays it.
    const Bounces played = t.bounces();
    return {.name = u"rebond_ballon"_s,
            .title = u"Les rebonds du ballon"_s,
            .level = 2,
            .notions = {u"Rebond : vitesse réduite de 30 %. "_s, u"Rapport des hauteurs 0,49. "_s,
                        u"Énergie mécanique perdue au rebond."_s},
            .hourglasses = 3,
            .statementSituation = start,
            .correctionSituation = start.chrono(100).showing({centreMarksOnly}),
            .figures = {{.name = u"chute"_s, .throws = {{start}}, .heightLabel = u"h₀"_s}},
            .answers = {{"h0", t.y0()},
                        {"v", impact},
                        {"v1", up1},
                        {"h1", h1},
                        {"v2", up2},
                        {"h2", up2 * up2 / (2 * g)},
                        {"rapport", h1 / t.y0(), 2},
                        {"k2", k * k, 2},
                        {"lost", 1 - k * k, 2},
                        {"em0", em0},
                        {"em1", em1},
                        {"perte", em0 - em1},
                        {"part", 100 * (em0 - em1) / em0, 0},
                        {"rebonds", double(bounces), 0},
                        {"vfin", impact * std::pow(k, bounces + 1)},
                        {"rebondsSim", double(played.speeds.size()), 0},
                        {"v1sim", played.speeds.at(0)},
                        {"h1sim", played.heights.at(0), 2},
                        {"h2sim", played.heights.at(1), 2},
                        {"ecart", 100 * (played.heights.at(0) - h1) / h1, 0},
                        {"vfinSim", played.lastSpeed},
                        {"tchute", t.flightTime()},
                        {"tdepart", played.firstBounceTime, 2},
                        {"pas", sim::tickStep(false), 2}}};
}

Exercise masseTrajectoire()
{
    const Situation rock = Situation(sim::Terre, sim::Rocher, 0, 0, 9, 45).traced().showing({weight});
    const Situation apples = rock.with(sim::Pomme);
    const Throw tRock(rock);
    const Throw apple(apples);
    return {.name = u"masse_trajectoire"_s,
            .title = u"Une pomme et un rocher"_s,
            .level = 0,
            .notions = {u"Poids P = m·g. "_s, u"La trajectoire ne dépend pas de la masse."_s},
            .hourglasses = 1,
            .statementSituation = rock,
            .correctionSituation = apples,
            .figures = {{.name = u"lancer"_s, .throws = {{rock}}}},
            .answers = {{"mpomme", apple.mass(), 2},
                        {"mrocher", tRock.mass(), 0},
                        {"g", tRock.g()},
                        {"ppomme", double(apple.mass()) * apple.g()},
                        {"procher", double(tRock.mass()) * tRock.g() / 1e4},
                        {"rapport", tRock.mass() / apple.mass() / 1e4},
                        {"portee", tRock.range()},
                        {"porteePomme", apple.range()},
                        {"h", tRock.topHeight()},
                        {"t", tRock.flightTime()}}};
}

Exercise lancerVersLeBas()
{
    const Situation start = Situation(sim::Terre, sim::Pierre, 0, 10, 5, -30).showing({velocity});
    const Throw t(start);
    const Throw fall(start.thrownWith(0));
    const float flight = t.flightTime();
    return {
        .name = u"lancer_vers_le_bas"_s,
        .title = u"Une pierre lancée vers le bas"_s,
        .level = 1,
        .notions = {u"Lancer vers le bas. "_s, u"Équations horaires, date d'arrivée au sol. "_s, u"Vitesse au sol."_s},
        .hourglasses = 2,
        .statementSituation = start,
        .correctionSituation = start.traced(),
        .figures = {{.name = u"falaise"_s, .throws = {{start}}, .support = true}},
        .answers = {{"vx", t.vx()},
                    {"vy", t.vy0()},
                    {"g", t.g()},
                    {"y0", t.y0()},
                    {"t", flight},
                    {"portee", t.range()},
                    {"vysol", t.vy(flight)},
                    {"v", t.speed(flight)},
                    {"tchute", fall.flightTime()}}};
}

Exercise graphesVitesse()
{
    const Situation start = Situation(sim::Terre, sim::Pierre, 0, 0, 10, 55).traced();
    const Throw t(start);
    const float flight = t.flightTime();
    const float top = t.topTime();
    return {.name = u"graphes_vitesse"_s,
            .title = u"Lire les graphes vx(t), vy(t) et v(t)"_s,
            .level = 3,
            .notions = {u"Graphes des composantes de la vitesse. "_s, u"Coefficient directeur de vy(t) : -g. "_s,
                        u"Vitesse minimale au sommet : vx."_s},
            .hourglasses = 4,
            .statementSituation = start,
            .correctionSituation = start.showing({velocity, projections}).chrono(200),
            .figures = {{.name = u"lancer"_s, .throws = {{start}}}},
            .answers = {{"vx", t.vx()},
                        {"vy0", t.vy0()},
                        {"v0", t.v0()},
                        {"g", t.g()},
                        {"ttop", top},
                        {"vmin", t.speed(top)},
                        {"t", flight},
                        {"vysol", t.vy(flight)},
                        {"vsol", t.speed(flight)},
                        {"pente", (t.vy(flight) - t.vy0()) / flight}}};
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

const Figure* Exercise::figure(const QString& figureName) const
{
    for (const Figure& f : figures)
        if (f.name == figureName)
            return &f;
    return nullptr;
}

std::vector<Exercise> catalogue()
{
    return {chuteLibre(),    lancerHorizontal(),   anglesComplementaires(), porteeMaximale(),
            terreLuneMars(), chronophotographie(), variationVitesse(),      energieMecanique(),
            rebondBallon(),  masseTrajectoire(),   lancerVersLeBas(),       graphesVitesse()};
}

QString shown(const Answer& answer)
{
    int decimals = 2;
    if (answer.decimals) {
        decimals = *answer.decimals;
    } else if (answer.value != 0) {
        const int magnitude = int(std::floor(std::log10(std::fabs(answer.value))));
        decimals = std::max(0, 2 - magnitude);
        // 9,996 rounds to 10,0, not 10,00.
        if (decimals > 0
            && std::fabs(std::round(answer.value * std::pow(10, decimals))) >= std::pow(10, decimals + magnitude + 1))
            --decimals;
    }
    QString pattern = QStringLiteral("###0");
    if (decimals > 0)
        pattern += u'.' + QString(decimals, u'0');
    QString text = formatPattern(answer.value, pattern);
    const qsizetype digitsStart = text.startsWith(u'-') ? 1 : 0;
    if (digitsStart == 1)
        text[0] = QChar(0x2212);
    const qsizetype comma = text.indexOf(u',');
    const qsizetype digitsEnd = comma < 0 ? text.size() : comma;
    if (digitsEnd - digitsStart >= 4)
        for (qsizetype at = digitsEnd - 3; at > digitsStart; at -= 3)
            text.insert(at, QChar(0x202F));
    return text;
}

} // namespace content
