// The application's shell: the marker file, the activation, the closing
// question, the fatal missing photograph, the welcome text and the size of
// the window.

#include "windowfixture.h"

#include "config/recordfile.h"
#include "common/testmain.h"

#include <QGuiApplication>
#include <QProcess>
#include <QScreen>
#include <QSignalSpy>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>

namespace {

QString markerRecord(int record)
{
    return config::readRecord(FeuilleP::markerFilePath(), record).value_or(QStringLiteral("<none>"));
}

// The offscreen screen is 800 pixels wide unless a configuration file says
// otherwise; this one gives a 1024 x 768 screen.
const char* wideScreenConfig = R"({"screens": [{"name": "wide", "x": 0, "y": 0, "width": 1024, "height": 768,
    "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})";

} // namespace

class TestShell : public QObject {
    Q_OBJECT
private slots:
    void markerFileSaysRunning();
    void closing_data();
    void closing();
    void exerciseRequestOpensOnce();
    void missingPhotographIsFatal();
    void welcomeText_data();
    void welcomeText();
    void sizeRule_data();
    void sizeRule();
    void sizeRuleOnAWideScreen();
};

void TestShell::markerFileSaysRunning()
{
    WindowFixture f;
    QVERIFY(FeuilleP::markerFilePath().startsWith(applicationDirectory()));
    QVERIFY(FeuilleP::markerFilePath().endsWith(QStringLiteral("TEMPTS.TMP")));
    QCOMPARE(markerRecord(10), QStringLiteral("OUI"));
}

void TestShell::closing_data()
{
    QTest::addColumn<bool>("answer");
    QTest::addColumn<QString>("marker");
    QTest::newRow("OK") << true << "NON";
    QTest::newRow("Cancel") << false << "OUI";
}

void TestShell::closing()
{
    QFETCH(bool, answer);
    QFETCH(QString, marker);
    WindowFixture f;
    FeuilleP& w = f.w();
    f.dialogs.forget();
    f.dialogs.queueAnswer(answer);
    QCOMPARE(w.close(), answer);
    QCOMPARE(int(f.dialogs.shown().size()), 1);
    const ScriptedDialogs::Shown& question = f.dialogs.shown().front();
    QCOMPARE(question.icon, DialogService::Icon::Question);
    QCOMPARE(question.title, QStringLiteral("Fermer"));
    QCOMPARE(question.text, QStringLiteral("Quitter vraiment Tavrel TS ?"));
    QCOMPARE(markerRecord(10), marker);
}

// Another program leaves an exercise's name in record 31; the activation
// takes it and empties the record, so that it opens only once.
void TestShell::exerciseRequestOpensOnce()
{
    WindowFixture f;
    FeuilleP& w = f.w();
    QVERIFY(config::writeRecord(FeuilleP::markerFilePath(), 31, QStringLiteral("  Chute libre.E43 ")));
    QSignalSpy requests(&w, &FeuilleP::exerciseRequested);

    f.bringToFront();
    QCOMPARE(requests.count(), 1);
    QCOMPARE(requests.front().front().toString(), QStringLiteral("Chute libre.E43"));
    QCOMPARE(markerRecord(31), QString());
    QCOMPARE(markerRecord(10), QStringLiteral("OUI"));

    f.bringToFront();
    QCOMPARE(requests.count(), 1);
}

void TestShell::missingPhotographIsFatal()
{
    WindowFixture f(false);
    QVERIFY(f.w().failedFatally());
    QCOMPARE(int(f.dialogs.shown().size()), 1);
    const ScriptedDialogs::Shown& message = f.dialogs.shown().front();
    QCOMPARE(message.icon, DialogService::Icon::Critical);
    QCOMPARE(message.title, QStringLiteral("Erreur fatale"));
    const QString path = applicationDirectory() + QStringLiteral("terre.jpg");
    QVERIFY2(message.text.startsWith(QStringLiteral("Le fichier ") + path), qPrintable(message.text));
    QVERIFY(message.text.contains(QStringLiteral(" doit se trouver dans le même répertoire que l'application.")));
    QVERIFY(message.text.endsWith(QStringLiteral("\nCe n'est pas le cas actuellement: sortie de l'application.")));
}

void TestShell::welcomeText_data()
{
    QTest::addColumn<QString>("sentence");
    QTest::newRow("title") << "Tavrel TS";
    QTest::newRow("purpose") << "Cette application permet d'étudier le mouvement de différents projectiles "
                                "par simulation directe (animation), chronophotographie ou représentation graphique "
                                "(Graphes).";
    QTest::newRow("mouse") << "Pour déplacer le projectile, vous pouvez utiliser la souris directement sur la figure. ";
    QTest::newRow("copy") << "Tous les paramètres sont modifiables et l'image obtenue peut être imprimée ou placée dans "
                             "le presse-papiers (bouton Copier) pour la coller dans une autre application.";
    QTest::newRow("exercises") << "Vous pouvez obtenir l'énoncé d'un exercice dans cette fenêtre en appuyant sur "
                                  "l'onglet Exercices.";
    QTest::newRow("getting started") << "Pour vous familiariser avec ce simulateur, choisissez d'abord l'activité "
                                        "Prise en main dans le menu Exercices.";
}

// Each sentence on a line of its own, in this order, in Arial.
void TestShell::welcomeText()
{
    QFETCH(QString, sentence);
    static const QStringList order{
        QStringLiteral("Tavrel TS"), QStringLiteral("Cette application"), QStringLiteral("Pour déplacer"), QStringLiteral("Tous les paramètres"), QStringLiteral("Vous pouvez obtenir"),
        QStringLiteral("Pour vous familiariser")};
    WindowFixture f;
    const QStringList lines = f.w().ui().supertext->toPlainText().split(QLatin1Char('\n'));
    const qsizetype line = lines.indexOf(sentence);
    QVERIFY2(line >= 0, qPrintable(f.w().ui().supertext->toPlainText()));
    QCOMPARE(line, qsizetype(std::find_if(order.begin(), order.end(),
                                          [&](const QString& start) { return sentence.startsWith(start); })
                             - order.begin()));

    QTextCursor cursor(f.w().ui().supertext->document()->findBlockByNumber(int(line)));
    cursor.movePosition(QTextCursor::NextCharacter);
    QVERIFY(cursor.charFormat().fontFamilies().toStringList().contains(QStringLiteral("Arial")));
}

void TestShell::sizeRule_data()
{
    QTest::addColumn<bool>("wide");
    const bool wide = QGuiApplication::primaryScreen()->geometry().width() > 850;
    QTest::newRow(wide ? "wide" : "narrow") << wide;
}

// On a screen wider than 850 pixels the window is 800 x 600, centred, and
// goes back to it at every resize; on a narrower one its size is left alone.
void TestShell::sizeRule()
{
    QFETCH(bool, wide);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    WindowFixture f;
    FeuilleP& w = f.w();
    if (!wide) {
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        w.resize(700, 500);
        QCOMPARE(w.size(), QSize(700, 500));
        return;
    }
    QCOMPARE(w.size(), QSize(800, 600));
    QCOMPARE(w.pos(), QPoint(screen.left() + (screen.width() - 800) / 2, screen.top() + (screen.height() - 600) / 2));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    w.resize(1000, 700);
    QTRY_COMPARE(w.size(), QSize(800, 600));
}

// Runs the size rule again in a child process given a 1024-pixel screen.
void TestShell::sizeRuleOnAWideScreen()
{
    if (QGuiApplication::primaryScreen()->geometry().width() > 850)
        QSKIP("the screen is already wide: sizeRule covered it");
    if (QGuiApplication::platformName() != QLatin1String("offscreen"))
        QSKIP("the screen size can be chosen only on the offscreen platform");
    QTemporaryDir dir;
    QFile config(dir.filePath(QStringLiteral("wide.json")));
    QVERIFY(config.open(QIODevice::WriteOnly));
    config.write(wideScreenConfig);
    config.close();

    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen:configfile=") + config.fileName());
    child.setProcessEnvironment(environment);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("sizeRule")});
    QVERIFY(child.waitForFinished(60000));
    const QString output = QString::fromUtf8(child.readAllStandardOutput());
    QVERIFY2(output.contains(QStringLiteral("PASS   : TestShell::sizeRule(wide)")), qPrintable(output));
    QCOMPARE(child.exitCode(), 0);
}

TAVREL_TEST_MAIN(TestShell)
#include "test_shell.moc"
