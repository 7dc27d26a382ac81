#include "common/testmain.h"
#include "tools/exercises/arithmetic.h"
#include "tools/exercises/content.h"
#include "tools/exercises/generator.h"

#include "config/configuration.h"
#include "exercises/exercisefile.h"
#include "exercises/rtf/rtfreader.h"
#include "scene/scenegeometry.h"
#include "scene/sceneview.h"
#include "sim/catalogue.h"
#include "tools/exercises/throw.h"
#include "ui/numberformat.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QTextDocument>
#include <cmath>
#include <numbers>

using content::Exercise;
using namespace Qt::StringLiterals;

namespace {

const QString appDir = QStringLiteral(TAVREL_APP_DIR);

// Whether a made file is the shipped one. The figures' antialiased text may
// differ slightly from one processor to another (the raster engine picks its
// routines at run time), so at most one pixel in 500 of a picture may differ
// by more than a fifth of a channel's range; everything else must be the
// same byte for byte.
// Two pixels of antialiased text drawn by different routines.
bool nearlyEqual(QRgb a, QRgb b)
{
    return std::abs(qRed(a) - qRed(b)) <= 48 && std::abs(qGreen(a) - qGreen(b)) <= 48 && std::abs(qBlue(a) - qBlue(b)) <= 48
           && std::abs(qAlpha(a) - qAlpha(b)) <= 48;
}

// Empty when they are the same, else what differs.
QString differenceOf(const QByteArray& made, const QByteArray& shipped)
{
    static const QRegularExpression picture(QStringLiteral("\\\\pngblip(?:\\\\[a-z]+-?\\d*)*\\s+([0-9a-fA-F\\s]+)"));
    const QString a = QString::fromLatin1(made);
    const QString b = QString::fromLatin1(shipped);
    QList<QRegularExpressionMatch> pa, pb;
    for (const QRegularExpressionMatch& m : picture.globalMatch(a))
        pa.append(m);
    for (const QRegularExpressionMatch& m : picture.globalMatch(b))
        pb.append(m);
    if (pa.size() != pb.size())
        return QStringLiteral("the number of pictures");
    QString textA = a, textB = b;
    for (qsizetype i = pa.size() - 1; i >= 0; --i) {
        textA.remove(pa[i].capturedStart(1), pa[i].capturedLength(1));
        textB.remove(pb[i].capturedStart(1), pb[i].capturedLength(1));
        const auto decoded = [](const QRegularExpressionMatch& m) {
            return QImage::fromData(QByteArray::fromHex(m.captured(1).remove(QRegularExpression(QStringLiteral("\\s"))).toLatin1()))
                .convertToFormat(QImage::Format_ARGB32);
        };
        const QImage ia = decoded(pa[i]);
        const QImage ib = decoded(pb[i]);
        if (ia.isNull() || ia.size() != ib.size())
            return QStringLiteral("the size of picture %1").arg(i + 1);
        qsizetype differing = 0;
        for (int y = 0; y < ia.height(); ++y)
            for (int x = 0; x < ia.width(); ++x)
                differing += !nearlyEqual(ia.pixel(x, y), ib.pixel(x, y));
        if (differing * 500 > qsizetype(ia.width()) * ia.height())
            return QStringLiteral("%1 pixels of picture %2").arg(differing).arg(i + 1);
    }
    return textA == textB ? QString() : QStringLiteral("the text");
}

QByteArray bytesOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString plainTextOf(const QString& rtfPath)
{
    QTextDocument document;
    if (!rtf::read(bytesOf(rtfPath), document))
        return {};
    return document.toPlainText();
}

const Exercise* find(const std::vector<Exercise>& all, const QString& name)
{
    for (const Exercise& e : all)
        if (e.name == name)
            return &e;
    return nullptr;
}

double radians(double degrees) { return degrees * std::numbers::pi / 180; }

// The range of a throw from the ground: v0² sin 2α / g.
double groundRange(double v0, double alpha, double g) { return v0 * v0 * std::sin(2 * radians(alpha)) / g; }
double peak(double v0, double alpha, double g) { return std::pow(v0 * std::sin(radians(alpha)), 2) / (2 * g); }
// The positive root of -g t²/2 + vy t + y0 = 0.
double landing(double vy, double y0, double g) { return (vy + std::sqrt(vy * vy + 2 * g * y0)) / g; }

void checkSituation(const QString& path)
{
    const config::ConfigurationRead read = config::readConfiguration(path);
    QVERIFY2(!read.failure, qPrintable(path));
    const config::Configuration& c = read.configuration;
    QVERIFY(c.place >= 0 && c.place < sim::placeCount);
    QVERIFY(c.projectile >= 0 && c.projectile < sim::projectileCount);
    // Every field holds what its validation would leave there, so opening
    // the situation moves nothing.
    for (const QString& field : {c.x0, c.y0, c.v0, c.alpha}) {
        const std::optional<double> value = toNumber(field);
        QVERIFY2(value, qPrintable(field));
        QCOMPARE(formatPattern(*value, QStringLiteral("###0.00")), field);
    }
    const float x0 = float(*toNumber(c.x0));
    const float y0 = float(*toNumber(c.y0));
    const float v0 = float(*toNumber(c.v0));
    const float alpha = float(*toNumber(c.alpha));
    QCOMPARE(scene::clampImageLeft(scene::imageLeftFor(x0)), scene::imageLeftFor(x0));
    QCOMPARE(scene::clampImageTop(scene::imageTopFor(y0)), scene::imageTopFor(y0));
    QVERIFY(v0 >= 0 && v0 <= 20);
    QVERIFY(alpha == 0 || (std::fabs(alpha) >= 5 && std::fabs(alpha) <= 180));
    const std::optional<double> interval = toNumber(c.chronoInterval);
    QVERIFY(interval && *interval >= 10 && *interval <= 5000);
    QVERIFY(config::velocityScaleRange.contains(c.velocityScaleSetting));
    QVERIFY(config::velocityChangeRange.contains(c.velocityChangeSetting));
    QVERIFY(config::weightScaleRange.contains(c.weightScaleSetting));
    QVERIFY(config::accelerationScaleRange.contains(c.accelerationScaleSetting));
    // The throw can start, and lands inside the scene: the pupil sees it whole.
    const content::Throw flight(c);
    QVERIFY(y0 > 0 || flight.vy0() > 0);
    QVERIFY2(!scene::leftTheSceneSideways(scene::imageLeftFor(flight.x(flight.flightTime()))), qPrintable(path));
    QVERIFY2(scene::imageTopFor(flight.topHeight()) >= scene::sceneEdgeLow, qPrintable(path));
    // Played tick after tick, the ball's bounces too stay inside.
    sim::Flight played(&scene::pictureView());
    played.setConditions(sim::conditionsFor(c.place, c.projectile, x0, y0, v0, alpha));
    played.reset();
    for (sim::StepEvents events; !events.landed && !events.bouncesDiedOut;) {
        events = played.advance(sim::tickStep(false), false, 0);
        QVERIFY2(!events.leftTheScene, qPrintable(path + QStringLiteral(" at %1 s").arg(played.simTime())));
    }
}

} // namespace

class TestShippedExercises : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void catalogue();
    void filesOpen_data();
    void filesOpen();
    void answersMatchThePhysics_data();
    void answersMatchThePhysics();
    void correctionsStateTheAnswers_data();
    void correctionsStateTheAnswers();
    void generatorRemakesTheShippedFiles();
    void generatorRefusesUnknownAnswers();
    void samplesStayInTheScene_data();
    void samplesStayInTheScene();
    void writtenCalculationsAddUp();
    void calculationsRecomputedAsPrinted_data();
    void calculationsRecomputedAsPrinted();

private:
    std::vector<Exercise> m_all;
};

void TestShippedExercises::initTestCase()
{
    m_all = content::catalogue();
}

void TestShippedExercises::catalogue()
{
    QVERIFY(m_all.size() >= 12);
    std::array<int, 4> levels{};
    QStringList names;
    for (const Exercise& e : m_all) {
        QVERIFY(e.level >= 0 && e.level <= 3);
        ++levels[std::size_t(e.level)];
        QVERIFY2(!names.contains(e.name), qPrintable(e.name));
        names << e.name;
    }
    for (int count : levels)
        QVERIFY(count > 0);
}

void TestShippedExercises::filesOpen_data()
{
    QTest::addColumn<QString>("name");
    for (const Exercise& e : content::catalogue())
        QTest::newRow(qPrintable(e.name)) << e.name;
}

void TestShippedExercises::filesOpen()
{
    QFETCH(QString, name);
    const Exercise* e = find(m_all, name);
    QVERIFY(e);
    const std::optional<exercises::ExerciseFile> file = exercises::readExerciseFile(appDir + e->exerciseFileName());
    QVERIFY(file);
    // Read back as written: the records hold only what their code page can.
    QCOMPARE(file->title, e->title);
    QCOMPARE(file->notions, e->notions);
    QCOMPARE(file->level, double(e->level));
    QVERIFY(!file->notions.isEmpty() && file->notions.size() <= 4);
    QVERIFY(file->hourglasses > 0);
    QVERIFY(file->corrected());
    for (const QString& text : {file->statement, file->correction}) {
        const QString plain = plainTextOf(exercises::resolveRelative(appDir, text));
        QVERIFY2(plain.startsWith(text == file->statement ? e->title : QStringLiteral("Correction")), qPrintable(text));
        // Numbered questions, from 1 on.
        QVERIFY2(plain.contains(QStringLiteral("\n1. ")) && plain.contains(QStringLiteral("\n2. ")), qPrintable(text));
        QVERIFY(!plain.contains(QStringLiteral("{{")));
    }
    checkSituation(exercises::resolveRelative(appDir, file->statementConfiguration));
    checkSituation(exercises::resolveRelative(appDir, file->correctionConfiguration));
}

void TestShippedExercises::answersMatchThePhysics_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("key");
    QTest::addColumn<double>("expected");
    const double gT = 9.8, gL = 1.62, gM = 3.71;
    const auto row = [](const char* name, const char* key, double expected) {
        QTest::addRow("%s %s", name, key) << QString::fromLatin1(name) << QString::fromLatin1(key) << expected;
    };
    row("chute_libre", "t", std::sqrt(2 * 10 / gT));
    row("chute_libre", "v", std::sqrt(2 * gT * 10));
    row("chute_libre", "y1", 10 - gT / 2);
    row("lancer_horizontal", "t", std::sqrt(2 * 5 / gT));
    row("lancer_horizontal", "portee", 4 * std::sqrt(2 * 5 / gT));
    row("lancer_horizontal", "v", std::sqrt(16 + 2 * gT * 5));
    row("lancer_horizontal", "coef", gT / 32);
    row("angles_complementaires", "portee30", groundRange(10, 30, gT));
    row("angles_complementaires", "portee60", groundRange(10, 60, gT));
    row("angles_complementaires", "h30", peak(10, 30, gT));
    row("angles_complementaires", "h60", peak(10, 60, gT));
    row("angles_complementaires", "t60", 2 * 10 * std::sin(radians(60)) / gT);
    row("portee_maximale", "portee40", groundRange(10, 40, gT));
    row("portee_maximale", "portee50", groundRange(10, 50, gT));
    row("portee_maximale", "portee45", 100 / gT);
    for (const auto& [suffix, g] : {std::pair{"T", gT}, std::pair{"L", gL}, std::pair{"M", gM}}) {
        const QByteArray t = QByteArray("t") + suffix, p = QByteArray("p") + suffix, h = QByteArray("h") + suffix;
        row("terre_lune_mars", t.constData(), 2 * 4 * std::sin(radians(60)) / g);
        row("terre_lune_mars", p.constData(), groundRange(4, 60, g));
        row("terre_lune_mars", h.constData(), peak(4, 60, g));
    }
    row("terre_lune_mars", "rapport", gT / gL);
    // h / t² from the heights as the table prints them, to the centimetre.
    const std::array<double, 4> printedDrops{0.20, 0.78, 1.76, 3.14};
    for (int n = 1; n <= 4; ++n) {
        const double t = 0.2 * n;
        row("chronophotographie", QByteArray("x").append(QByteArray::number(n)).constData(), 3 * t);
        row("chronophotographie", QByteArray("y").append(QByteArray::number(n)).constData(), 8 - gT * t * t / 2);
        row("chronophotographie", QByteArray("r").append(QByteArray::number(n)).constData(),
            printedDrops[std::size_t(n - 1)] / (t * t));
    }
    row("chronophotographie", "r", 4.9);
    row("chronophotographie", "gmesure", 9.8);
    row("chronophotographie", "gtau2", gT * 0.04);
    row("variation_vitesse", "vx", 10 * std::cos(radians(70)));
    row("variation_vitesse", "vy3", 10 * std::sin(radians(70)) - gT * 1.5);
    row("variation_vitesse", "dv1", gT * 0.5);
    row("variation_vitesse", "dv3", gT * 0.5);
    row("variation_vitesse", "gdt", gT * 0.5);
    row("energie_mecanique", "ec0", 0.5 * 0.33 * 64);
    row("energie_mecanique", "ep0", 0.33 * gT * 2);
    row("energie_mecanique", "emtop", 0.5 * 0.33 * 64 + 0.33 * gT * 2);
    row("energie_mecanique", "top", 2 + peak(8, 50, gT));
    row("energie_mecanique", "vsol", std::sqrt(64 + 4 * gT));
    row("rebond_ballon", "v", std::sqrt(2 * gT * 10));
    row("rebond_ballon", "h1", 10 * 0.49);
    row("rebond_ballon", "h2", 10 * 0.49 * 0.49);
    row("rebond_ballon", "rapport", 0.49);
    row("rebond_ballon", "part", 51);
    // 14 · 0.7^k stays at 2 m·s-1 or more for k = 1 to 5.
    row("rebond_ballon", "rebonds", 5);
    row("rebond_ballon", "perte", 0.45 * gT * 10 * 0.51);
    // The simulator sees the ball below the ground at the tick after the
    // contact (1,44 s) and takes its bounce speed one tick later: the ball
    // leaves faster than in the ideal model and bounces six times.
    row("rebond_ballon", "tdepart", 1.48);
    row("rebond_ballon", "v1sim", 0.7 * gT * 1.48);
    row("rebond_ballon", "h1sim", std::pow(0.7 * gT * 1.48, 2) / (2 * gT));
    row("rebond_ballon", "rebondsSim", 6);
    row("masse_trajectoire", "ppomme", 0.18 * gT);
    row("masse_trajectoire", "procher", 1830 * gT / 1e4);
    row("masse_trajectoire", "portee", groundRange(9, 45, gT));
    row("masse_trajectoire", "porteePomme", groundRange(9, 45, gT));
    row("masse_trajectoire", "h", peak(9, 45, gT));
    row("lancer_vers_le_bas", "vy", -2.5);
    row("lancer_vers_le_bas", "t", landing(-2.5, 10, gT));
    row("lancer_vers_le_bas", "portee", 5 * std::cos(radians(30)) * landing(-2.5, 10, gT));
    row("lancer_vers_le_bas", "v", std::sqrt(25 + 2 * gT * 10));
    row("lancer_vers_le_bas", "tchute", std::sqrt(2 * 10 / gT));
    row("graphes_vitesse", "vx", 10 * std::cos(radians(55)));
    row("graphes_vitesse", "vmin", 10 * std::cos(radians(55)));
    row("graphes_vitesse", "ttop", 10 * std::sin(radians(55)) / gT);
    row("graphes_vitesse", "t", 2 * 10 * std::sin(radians(55)) / gT);
    row("graphes_vitesse", "vsol", 10);
    row("graphes_vitesse", "pente", -gT);
}

void TestShippedExercises::answersMatchThePhysics()
{
    QFETCH(QString, name);
    QFETCH(QString, key);
    QFETCH(double, expected);
    const Exercise* e = find(m_all, name);
    QVERIFY(e);
    const content::Answer* answer = e->answer(key);
    QVERIFY(answer);
    // The program works in single precision with pi as 3.1415927: its
    // figures agree with the exact ones far below the shown hundredths.
    QVERIFY2(std::fabs(answer->value - expected) < 2e-3,
             qPrintable(QStringLiteral("%1 against %2").arg(answer->value).arg(expected)));
}

void TestShippedExercises::correctionsStateTheAnswers_data()
{
    filesOpen_data();
}

void TestShippedExercises::correctionsStateTheAnswers()
{
    QFETCH(QString, name);
    const Exercise* e = find(m_all, name);
    QVERIFY(e);
    const QString correctionSource =
        QString::fromUtf8(bytesOf(content::sourceDirectory() + e->name + QStringLiteral("_corrige.html")));
    const QString statementSource =
        QString::fromUtf8(bytesOf(content::sourceDirectory() + e->name + QStringLiteral("_enonce.html")));
    QVERIFY(!correctionSource.isEmpty() && !statementSource.isEmpty());
    const QString correction = plainTextOf(appDir + e->correctionName());
    for (const content::Figure& figure : e->figures) {
        const QString shown = QStringLiteral("<img src=\"figure:%1\"").arg(figure.name);
        QVERIFY2(correctionSource.contains(shown) || statementSource.contains(shown), qPrintable(figure.name));
    }
    // Each figure is numbered under it and referred to by its number in the text.
    for (const QString& source : {statementSource, correctionSource})
        for (qsizetype n = 1; n <= source.count(QStringLiteral("<img src=\"figure:")); ++n)
            QVERIFY2(source.contains(QStringLiteral("Figure %1 :").arg(n))
                         && source.contains(QStringLiteral("figure %1").arg(n)),
                     qPrintable(e->name + QStringLiteral(" figure %1").arg(n)));
    for (const content::Answer& answer : e->answers) {
        const QString placeholder = QStringLiteral("{{%1}}").arg(answer.key);
        // Every computed answer is used by a text; those of the correction
        // are in the shipped correction as the program shows the number.
        QVERIFY2(correctionSource.contains(placeholder) || statementSource.contains(placeholder),
                 qPrintable(answer.key));
        if (correctionSource.contains(placeholder))
            QVERIFY2(correction.contains(content::shown(answer)), qPrintable(answer.key));
    }
    // No number of the correction is typed by hand in place of an answer:
    // every figure with decimals comes from the table or from the situation.
    static const QRegularExpression typed(QStringLiteral("\\d+,\\d\\d(?!\\d)"));
    QString filled = correctionSource;
    filled.remove(QRegularExpression(QStringLiteral("\\{\\{\\w+\\}\\}")));
    QStringList allowed{e->statementSituation.x0, e->statementSituation.y0, e->statementSituation.v0,
                        e->statementSituation.alpha, QStringLiteral("0,00"), QStringLiteral("0,50"),
                        QStringLiteral("1,00"), QStringLiteral("1,50")};
    for (const QRegularExpressionMatch& match : typed.globalMatch(filled))
        QVERIFY2(allowed.contains(match.captured()) || statementSource.contains(match.captured()),
                 qPrintable(e->name + u' ' + match.captured()));
}

void TestShippedExercises::generatorRemakesTheShippedFiles()
{
    QTemporaryDir out;
    QVERIFY(out.isValid());
    QString error;
    QVERIFY2(content::generate(content::sourceDirectory(), out.path(), &error), qPrintable(error));
    const QStringList made = QDir(out.path()).entryList(QDir::Files, QDir::Name);
    QCOMPARE(made.size(), qsizetype(5 * m_all.size()));
    for (const QString& name : made) {
        const QByteArray shipped = bytesOf(appDir + name);
        QVERIFY2(!shipped.isEmpty(), qPrintable(name + QStringLiteral(" is not shipped")));
        const QString difference = differenceOf(bytesOf(QDir(out.path()).filePath(name)), shipped);
        QVERIFY2(difference.isEmpty(),
                 qPrintable(name + QStringLiteral(" differs in ") + difference + QStringLiteral(": run make_exercises data")));
    }
}

void TestShippedExercises::generatorRefusesUnknownAnswers()
{
    const Exercise& first = m_all.front();
    QString unknown;
    QVERIFY(!content::fillIn(QStringLiteral("<p>t = {{t}} s, {{nope}}</p>"), first, &unknown));
    QCOMPARE(unknown, QStringLiteral("nope"));
    QCOMPARE(content::fillIn(QStringLiteral("<p>{{t}} s</p>"), first), QStringLiteral("<p>1,43 s</p>"));
    QString error;
    QVERIFY(!content::rtfFromHtml(QStringLiteral("<p><img src=\"figure:nope\" /></p>"), first, &error));
    QVERIFY(error.contains(QStringLiteral("nope")));
    // Sources that are missing stop the generator with the name of the first.
    QTemporaryDir empty;
    QVERIFY(!content::generate(empty.path(), empty.path(), &error));
    QVERIFY(error.contains(first.name));
}

void TestShippedExercises::samplesStayInTheScene_data()
{
    QTest::addColumn<QString>("name");
    for (const char* name : {"priseenmain.P20", "portee.P20", "portee_corrige.P20", "lune.P20"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void TestShippedExercises::samplesStayInTheScene()
{
    QFETCH(QString, name);
    checkSituation(appDir + name);
}

void TestShippedExercises::writtenCalculationsAddUp()
{
    // Every text shipped beside the program: the exercises, the samples and
    // the getting-started activity.
    int checked = 0;
    for (const QString& name : QDir(appDir).entryList({QStringLiteral("*.rtf")}, QDir::Files)) {
        QTextDocument document;
        QVERIFY2(rtf::read(bytesOf(appDir + name), document), qPrintable(name));
        const QString text = content::withExponents(document);
        const content::CalculationCheck check = content::checkCalculations(text);
        QVERIFY2(check.wrong.isEmpty(), qPrintable(name + QStringLiteral(": ") + check.wrong.join(u'\n')));
        checked += check.checked;
        // One notation: m·s⁻¹, N·kg⁻¹, g = 9,80.
        static const QRegularExpression otherNotation(QStringLiteral("\\b(m\\.s|N\\.kg)|g = 9,8(?![0-9])|s-[12]"));
        QVERIFY2(!otherNotation.match(text).hasMatch(), qPrintable(name + u' ' + otherNotation.match(text).captured()));
    }
    QVERIFY2(checked >= 25, qPrintable(QString::number(checked)));
}

void TestShippedExercises::calculationsRecomputedAsPrinted_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("checked");
    QTest::addColumn<int>("wrong");
    QTest::addRow("rounded as printed") << u"v = g·t = 9,80 × 1,43 = 14,0 m·s^(−1)."_s << 1 << 0;
    QTest::addRow("one digit too many") << u"v = 9,80 × 1,43 = 14,00 m·s^(−1)."_s << 1 << 1;
    QTest::addRow("two digits off under ≈") << u"v = 9,80 × 1,43 ≈ 14,00 m·s^(−1)."_s << 1 << 1;
    QTest::addRow("last digit off under ≈") << u"(−8,19 − 8,19) / 1,67 ≈ −9,80"_s << 1 << 0;
    QTest::addRow("last digit off under =") << u"(−8,19 − 8,19) / 1,67 = −9,80"_s << 1 << 1;
    QTest::addRow("a chain") << u"y = −½ × 9,80 × 1,00² + 10,00 = 5,10 m ; E = ½ × 0,33 × 8,00² = 10,56 J"_s << 2 << 0;
    QTest::addRow("a root, a bracket") << u"v = √(2 × 9,80 × 10,0) = 14,0 (1 − 0,49 = 0,51)"_s << 2 << 0;
    QTest::addRow("a power of ten")
        << u"P = 1\u202F830 × 9,80 = 1,79 × 10^(4) N, not 1\u202F830 × 9,80 = 1,80 × 10^(4) N"_s << 2 << 1;
    QTest::addRow("digits apart") << u"P = 1 830 × 9,80 = 1,79 × 10^(4) N"_s << 1 << 1;
    QTest::addRow("symbols") << u"h1 / h0 = 0,49 ; y(1,00) = 5,10 ; −0,20 x² + x + 1,00 = 0 ; 0,7² × h0 = 2"_s << 0
                             << 0;
    QTest::addRow("wrong result") << u"Δv = 9,80 × 0,50 = 4,80 m·s^(−1)"_s << 1 << 1;
}

void TestShippedExercises::calculationsRecomputedAsPrinted()
{
    QFETCH(QString, text);
    QFETCH(int, checked);
    QFETCH(int, wrong);
    const content::CalculationCheck check = content::checkCalculations(text);
    QCOMPARE(check.checked, checked);
    QVERIFY2(check.wrong.size() == wrong, qPrintable(check.wrong.join(u'\n')));
}

TAVREL_TEST_MAIN(TestShippedExercises)
#include "test_shippedexercises.moc"
