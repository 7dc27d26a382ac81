// The measures of a flight taken out of the window: the CSV rows from the
// model, read back by pandas; the Python program beside it, run on a real
// flight; the copy; and what happens with no flight or a failed write.

#include "app/scenepicture.h"
#include "app/windowfixture.h"
#include "common/testmain.h"
#include "graphs/measures.h"
#include "scene/scenegeometry.h"
#include "ui/numberformat.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QLabel>
#include <QMimeData>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <QToolButton>
#include <cmath>

namespace {

void flyStone(FeuilleP& w, bool chronophotography)
{
    WindowFixture::choose(w.ui().Combo2, 1);
    QTest::mouseClick(chronophotography ? w.ui().command12 : w.ui().command15, Qt::LeftButton);
    for (int i = 0; i < 1000 && w.timerRunning(); ++i)
        w.Timer1_Timer();
    QVERIFY(!w.timerRunning());
}

QStringList csvLines(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    QString text = QString::fromUtf8(file.readAll());
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    return text.split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
}

double number(const QString& cell) { return QString(cell).replace(QLatin1Char(','), QLatin1Char('.')).toDouble(); }

QString runPython(const QStringList& arguments, const QString& folder)
{
    QProcess python;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("MPLBACKEND"), QStringLiteral("Agg"));
    python.setProcessEnvironment(environment);
    python.setWorkingDirectory(folder);
    // The system's Python, with the matplotlib and pandas of the set-up script.
    python.start(QStringLiteral("/usr/bin/python3"), arguments);
    if (!python.waitForFinished(60000) || python.exitCode() != 0)
        return QStringLiteral("FAILED: ") + QString::fromUtf8(python.readAllStandardError());
    return QString::fromUtf8(python.readAllStandardOutput());
}

} // namespace

class TestMeasures : public QObject {
    Q_OBJECT
private slots:
    void rowsFromTheModel_data();
    void rowsFromTheModel();
    void pythonProgramRunsOnARealFlight();
    void copiedAsTextAndHtml();
    void nothingRecordedOrWriteFailed();
    void valuesReadAtAPoint();
};

void TestMeasures::rowsFromTheModel_data()
{
    QTest::addColumn<bool>("chronophotography");
    QTest::addColumn<int>("rows");
    // Landing at 2,98 s: every 0,04 s from 0 to 2,96, or every 300 ms photograph.
    QTest::newRow("every 0,04 s") << false << 75;
    QTest::newRow("one per chronophotograph") << true << 10;
}

void TestMeasures::rowsFromTheModel()
{
    QFETCH(bool, chronophotography);
    QFETCH(int, rows);
    WindowFixture f;
    FeuilleP& w = f.w();
    flyStone(w, chronophotography);

    const QString path = f.directory.filePath(QStringLiteral("lancer.csv"));
    f.dialogs.queueFile(f.directory.filePath(QStringLiteral("lancer")));
    w.ui().exportMeasures->trigger();
    QCOMPARE(f.dialogs.fileRequests().back().objectName, QStringLiteral("exportMeasures"));

    const QStringList lines = csvLines(path);
    QCOMPARE(lines.size(), rows + 2);
    QCOMPARE(lines[0], QStringLiteral("Situation : Terre, pierre (330 g), x0 = 0,00 m, y0 = 0,00 m, v0 = 15,00 m/s, "
                                      "alpha = 77,00°"));
    QCOMPARE(lines[1], QStringLiteral("t (s);x (m);y (m);vx (m/s);vy (m/s);v (m/s);Ec (J);Ep (J);Em (J)"));
    const double interval = chronophotography ? 0.3 : 0.04;
    for (int r = 0; r < rows; ++r) {
        const QStringList cells = lines[r + 2].split(QLatin1Char(';'));
        QCOMPARE(cells.size(), 9);
        const float t = float(number(cells[0]));
        QVERIFY2(std::fabs(t - r * interval) < 1e-4, qPrintable(lines[r + 2]));
        QVERIFY(std::fabs(number(cells[1]) - w.flight().x(t)) < 1e-4);
        QVERIFY(std::fabs(number(cells[2]) - w.flight().y(t)) < 1e-3);
        QVERIFY(std::fabs(number(cells[4]) - w.flight().velocity(t).y) < 1e-3);
        QVERIFY(std::fabs(number(cells[8]) - number(cells[6]) - number(cells[7])) < 2e-4);
    }

    // Read back as a teacher's script reads it.
    const QString pandas = runPython(
        {QStringLiteral("-c"),
         QStringLiteral("import pandas, sys; d = pandas.read_csv(sys.argv[1], sep=';', decimal=',', skiprows=1); "
                        "print(len(d), len(d.columns), repr(d['y (m)'].iloc[-1]), repr(d['Em (J)'].sum()))"),
         path},
        f.directory.path());
    const QStringList read = pandas.split(QLatin1Char(' '));
    QCOMPARE(read.size(), 4);
    QCOMPARE(read[0].toInt(), rows);
    QCOMPARE(read[1].toInt(), 9);
    QCOMPARE(read[2].toDouble(), number(lines.back().split(QLatin1Char(';'))[2]));
    double total = 0;
    for (int r = 2; r < lines.size(); ++r)
        total += number(lines[r].split(QLatin1Char(';'))[8]);
    QVERIFY(std::fabs(read[3].trimmed().toDouble() - total) < 1e-9);
}

// The program computes each velocity from the positions around it: on a
// parabola sampled every 0,04 s that is the model's velocity at the middle
// date, within the rounding of the positions written.
void TestMeasures::pythonProgramRunsOnARealFlight()
{
    WindowFixture f;
    FeuilleP& w = f.w();
    flyStone(w, false);
    w.ui().exportPython->setChecked(true);
    f.dialogs.queueFile(f.directory.filePath(QStringLiteral("lancer.csv")));
    w.ui().exportMeasures->trigger();
    QVERIFY(QFile::exists(f.directory.filePath(QStringLiteral("lancer.py"))));

    const QString output = runPython({QStringLiteral("lancer.py")}, f.directory.path());
    QVERIFY2(!output.startsWith(QStringLiteral("FAILED")), qPrintable(output));
    QVERIFY(QFile::exists(f.directory.filePath(QStringLiteral("lancer.png"))));
    const QStringList lines = output.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 1 + 73);
    for (const QString& line : lines.mid(1)) {
        const QStringList cells = line.split(QStringLiteral(" ; "));
        const float t = float(number(cells[0]));
        const sim::Velocity v = w.flight().velocity(t);
        QVERIFY2(std::fabs(number(cells[1]) - v.x) < 5e-3 && std::fabs(number(cells[2]) - v.y) < 5e-3,
                 qPrintable(line));
    }
}

void TestMeasures::copiedAsTextAndHtml()
{
    WindowFixture f;
    FeuilleP& w = f.w();
    flyStone(w, true);
    w.ui().copyMeasures->trigger();
    const QMimeData* copied = QApplication::clipboard()->mimeData();
    const QStringList lines = copied->text().split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), 12);
    QCOMPARE(lines[1], QStringLiteral("t (s)\tx (m)\ty (m)\tvx (m/s)\tvy (m/s)\tv (m/s)\tEc (J)\tEp (J)\tEm (J)"));
    QCOMPARE(lines[2].split(QLatin1Char('\t'))[0], QStringLiteral("0,0000"));
    QCOMPARE(copied->html().count(QStringLiteral("<tr>")), 11);
}

void TestMeasures::nothingRecordedOrWriteFailed()
{
    WindowFixture f;
    FeuilleP& w = f.w();
    w.ui().exportMeasures->trigger();
    w.ui().copyMeasures->trigger();
    QCOMPARE(f.dialogs.shown().size(), size_t(2));
    QVERIFY(f.dialogs.shown().front().text.startsWith(QStringLiteral("Aucun lancer n'est enregistré")));
    QVERIFY(f.dialogs.fileRequests().empty());

    // "Effacer" forgets the flight's measures too.
    flyStone(w, false);
    QTest::mouseClick(w.ui().Command13, Qt::LeftButton);
    w.ui().exportMeasures->trigger();
    QCOMPARE(f.dialogs.shown().size(), size_t(3));

    flyStone(w, false);
    f.dialogs.forget();
    f.dialogs.queueFile(f.directory.filePath(QStringLiteral("absent/lancer.csv")));
    w.ui().exportMeasures->trigger();
    QCOMPARE(f.dialogs.shown().size(), size_t(1));
    QCOMPARE(f.dialogs.shown().front().icon, DialogService::Icon::Critical);
    QVERIFY(f.dialogs.shown().front().text.contains(QStringLiteral("reste tel qu'il était")));
    QVERIFY(!QFile::exists(f.directory.filePath(QStringLiteral("absent/lancer.csv"))));
}

// A click on the trajectory reads the model at the date under the pointer;
// on a photograph, at the photograph's own date; elsewhere, nothing.
void TestMeasures::valuesReadAtAPoint()
{
    WindowFixture f;
    FeuilleP& w = f.w();
    flyStone(w, true);
    const QLabel* box = w.ui().pointValues;
    const sim::Sample photo = w.flight().photographs()[3];
    const QPoint onPhoto(qRound(scene::sceneX(photo.x)), qRound(scene::pictureHalf + scene::imageTopFor(photo.y)));
    QTest::mouseClick(w.ui().Picture2, Qt::LeftButton, Qt::NoModifier, onPhoto + QPoint(1, 1));
    QVERIFY(!box->isHidden());
    QCOMPARE(box->text().section(QLatin1Char('\n'), 0, 0), QStringLiteral("t = 0,90 s"));
    const sim::Velocity v = w.flight().velocity(0.9f);
    QCOMPARE(box->text().section(QLatin1Char('\n'), 2, 2),
             QStringLiteral("vx = %1 m/s ; vy = %2 m/s")
                 .arg(formatPattern(v.x, QStringLiteral("0.00")), formatPattern(v.y, QStringLiteral("0.00"))));

    // Between two photographs, on the trajectory: a date in between.
    const float t = 1.05f;
    const QPoint onPath(qRound(scene::sceneX(w.flight().x(t))),
                        qRound(scene::pictureHalf + scene::imageTopFor(w.flight().y(t))));
    QTest::mouseClick(w.ui().Picture2, Qt::LeftButton, Qt::NoModifier, onPath);
    QVERIFY(!box->isHidden());
    const double read = number(box->text().section(QLatin1Char('\n'), 0, 0).section(QLatin1Char(' '), 2, 2));
    QVERIFY2(std::fabs(read - t) < 0.03, qPrintable(box->text()));

    QTest::keyClick(&w, Qt::Key_Escape);
    QVERIFY(box->isHidden());
    QTest::mouseClick(w.ui().Picture2, Qt::LeftButton, Qt::NoModifier, onPath);
    QVERIFY(!box->isHidden());
    QTest::mouseClick(w.ui().Picture2, Qt::LeftButton, Qt::NoModifier, QPoint(300, 40));
    QVERIFY(box->isHidden());
}

TAVREL_TEST_MAIN(TestMeasures)
#include "test_measures.moc"
