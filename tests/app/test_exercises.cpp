// The exercises in the real window: the menu of `btexo`, the getting-started
// activity, an exercise asked for through the marker file, and the closing
// question that follows the real edits of the text.

#include "app/windowfixture.h"
#include "common/testmain.h"

#include "common/pixels.h"
#include "config/configuration.h"
#include "config/recordfile.h"
#include "exercises/exercisefile.h"
#include "ui/picturesurface.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QCheckBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTextBlock>
#include <QTextEdit>

namespace {

bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QAction* item(FeuilleP& window, const char* name)
{
    auto* menu = window.findChild<QMenu*>(QStringLiteral("optionexo"));
    return menu ? menu->findChild<QAction*>(QLatin1String(name)) : nullptr;
}

QStringList messages(const ScriptedDialogs& dialogs)
{
    QStringList texts;
    for (const auto& shown : dialogs.shown())
        texts << shown.title + QStringLiteral(": ") + shown.text;
    return texts;
}

int pictureCount(const QTextDocument& document)
{
    int count = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it)
            count += it.fragment().charFormat().isImageFormat() ? 1 : 0;
    return count;
}

// How many of the chooser's difficulty stars are lit (golden, not grey).
int litStars(const QDialog& chooser)
{
    int lit = 0;
    for (int i = 0; i < 3; ++i) {
        const auto* star = chooser.findChild<QLabel*>(QStringLiteral("Image4_%1").arg(i));
        if (star && !star->isHidden() && star->pixmap().toImage().pixelColor(13, 13).blue() < 100)
            ++lit;
    }
    return lit;
}

// The main window shows the situation: the place, the projectile, the four
// fields, the interval of the photographs and the display options.
void checkSituationApplied(FeuilleP& window, const QString& path)
{
    const config::ConfigurationRead read = config::readConfiguration(path);
    QVERIFY2(!read.failure, qPrintable(path));
    const config::Configuration& c = read.configuration;
    const FeuillePUi& ui = window.ui();
    QCOMPARE(ui.Combo1->currentIndex(), c.place);
    QCOMPARE(ui.Combo2->currentIndex(), c.projectile);
    QCOMPARE(QStringList({ui.Text1->text(), ui.Text2->text(), ui.Text3->text(), ui.Text4->text()}),
             QStringList({c.x0, c.y0, c.v0, c.alpha}));
    QCOMPARE(ui.chrono->text(), c.chronoInterval);
    using config::Tick;
    const std::pair<QCheckBox*, Tick> options[] = {{ui.Check1, c.frame},     {ui.Check3, c.grid},
                                                   {ui.Check8, c.trajectory}, {ui.Check5, c.velocity},
                                                   {ui.Check6, c.velocityChange}, {ui.Check12, c.weight},
                                                   {ui.Check14, c.acceleration}, {ui.Check2, c.centreMarksOnly},
                                                   {ui.Check11, c.projections}};
    for (const auto& [box, tick] : options)
        QVERIFY2(box->isChecked() == (tick == Tick::Ticked), qPrintable(box->objectName()));
}

} // namespace

class TestExercises : public QObject {
    Q_OBJECT
private slots:
    void buttonPopsTheMenuUp();
    void gettingStartedActivity();
    void sampleExerciseHasItsSituationAndCorrection();
    void everyShippedExerciseOpens_data();
    void everyShippedExerciseOpens();
    void exerciseAskedThroughTheMarkerFile();
    void welcomeTextIsNoEdit();
    void closingAsksAboutAnEditedText();
    void closingTheExerciseShowsTheWelcomeText();
    void secondThrowDrawnOverTheFirst();
};

void TestExercises::buttonPopsTheMenuUp()
{
    // The headless platform cannot raise the menu nor give it the keyboard.
    const testsupport::ToleratedMessages popup(QRegularExpression(QStringLiteral("^This plugin does not support (raise|grabbing)")));
    WindowFixture f;
    f.w().show();
    QPushButton* button = f.w().ui().btexo;
    QVERIFY(button->isEnabled());
    QTest::mouseClick(button, Qt::LeftButton);
    auto* menu = f.w().findChild<QMenu*>(QStringLiteral("optionexo"));
    QVERIFY(menu && menu->isVisible());
    // Under the button's left edge, unless the screen's edge pushes it back.
    const QPoint under = button->mapToGlobal(QPoint(0, button->height()));
    const int screenRight = button->screen()->geometry().right() + 1;
    QCOMPARE(menu->y(), under.y());
    QCOMPARE(menu->x(), std::min(under.x(), screenRight - menu->width()));
    QVERIFY(!item(f.w(), "opencor")->isEnabled());
    QVERIFY(!item(f.w(), "Closexo")->isEnabled());
    menu->hide();
}

void TestExercises::gettingStartedActivity()
{
    WindowFixture f;
    item(f.w(), "PRISENMAIN")->trigger();
    QTextEdit* box = f.w().ui().supertext;
    QCOMPARE(messages(f.dialogs), QStringList());
    QVERIFY(box->toPlainText().startsWith(QStringLiteral("Prise en main de Tavrel TS")));
    for (const char* step : {"Un premier lancer", "Les onglets", "Les vecteurs", "La chronophotographie",
                             "Les graphes", "Enregistrer une situation", "Les exercices"})
        QVERIFY2(box->toPlainText().contains(QString::fromUtf8(step)), step);
    QVERIFY(pictureCount(*box->document()) >= 7);
    QCOMPARE(f.w().ui().fich->text(), applicationDirectory() + QStringLiteral("TAVREL.PEM"));
    QVERIFY(!box->isReadOnly());
    // The activity's situation: the start-up ball, its trajectory marked,
    // thrown so that its bounces stay inside the scene.
    QCOMPARE(f.w().ui().Combo2->currentIndex(), 2);
    QCOMPARE(f.w().ui().Text3->text(), QStringLiteral("10,00"));
    QCOMPARE(f.w().ui().Text4->text(), QStringLiteral("80,00"));
    QVERIFY(f.w().ui().Check8->isChecked());
}

void TestExercises::sampleExerciseHasItsSituationAndCorrection()
{
    WindowFixture f;
    f.dialogs.queueModal([](QDialog& chooser) {
        auto* list = chooser.findChild<QListWidget*>(QStringLiteral("File1"));
        list->setCurrentItem(list->findItems(QStringLiteral("portee.E43"), Qt::MatchFixedString).front());
        chooser.findChild<QAbstractButton*>(QStringLiteral("ouvreur"))->click();
    });
    item(f.w(), "openexo")->trigger();
    QCOMPARE(messages(f.dialogs), QStringList());
    QTextEdit* box = f.w().ui().supertext;
    QVERIFY(box->toPlainText().startsWith(QStringLiteral("La portée d'un tir de pétanque")));
    QCOMPARE(f.w().ui().Combo2->currentText(), QStringLiteral("boule de pétanque (800 g)"));
    QCOMPARE(f.w().ui().Text2->text(), QStringLiteral("1,00"));
    QCOMPARE(f.w().ui().Text3->text(), QStringLiteral("7,00"));
    QCOMPARE(f.w().ui().Text4->text(), QStringLiteral("45,00"));
    QVERIFY(f.w().windowTitle().endsWith(QStringLiteral("portee.P20")));

    {
        const testsupport::ToleratedMessages popup(
            QRegularExpression(QStringLiteral("^This plugin does not support (raise|grabbing)")));
        WindowFixture::activate(f.w().ui().btexo);
    }
    QVERIFY(item(f.w(), "opencor")->isEnabled());
    f.w().findChild<QMenu*>(QStringLiteral("optionexo"))->hide();
    item(f.w(), "opencor")->trigger();
    QVERIFY(box->toPlainText().startsWith(QStringLiteral("Correction : la portée")));
    QVERIFY(box->isReadOnly());
    QCOMPARE(f.w().ui().chrono->text(), QStringLiteral("100"));
    QVERIFY(f.w().windowTitle().endsWith(QStringLiteral("portee_corrige.P20")));
}

void TestExercises::everyShippedExerciseOpens_data()
{
    QTest::addColumn<QString>("name");
    const QStringList names = QDir(QStringLiteral(TAVREL_APP_DIR)).entryList({QStringLiteral("*.E43")}, QDir::Files);
    QVERIFY(names.size() >= 12);
    for (const QString& name : names)
        QTest::newRow(qPrintable(name)) << name;
}

void TestExercises::everyShippedExerciseOpens()
{
    QFETCH(QString, name);
    WindowFixture f;
    const QString folder = applicationDirectory();
    const std::optional<exercises::ExerciseFile> file = exercises::readExerciseFile(folder + name);
    QVERIFY(file);
    // The chooser starts in the program's folder, where the exercises are.
    f.dialogs.queueModal([&](QDialog& chooser) {
        auto* list = chooser.findChild<QListWidget*>(QStringLiteral("File1"));
        const QList<QListWidgetItem*> items = list->findItems(name, Qt::MatchExactly);
        QCOMPARE(items.size(), 1);
        list->setCurrentItem(items.front());
        QCOMPARE(chooser.findChild<QLabel*>(QStringLiteral("titratexo"))->text(), file->title);
        QCOMPARE(chooser.findChild<QPlainTextEdit*>(QStringLiteral("Text1"))->toPlainText(),
                 file->notions.join(u'\n'));
        QCOMPARE(litStars(chooser), int(file->level));
        QCOMPARE(chooser.findChild<QLabel*>(QStringLiteral("Label2"))->text(),
                 file->corrected() ? QStringLiteral("Exercice corrigé") : QStringLiteral("Non corrigé"));
        chooser.findChild<QAbstractButton*>(QStringLiteral("ouvreur"))->click();
    });
    item(f.w(), "openexo")->trigger();
    if (QTest::currentTestFailed())
        return;
    QCOMPARE(messages(f.dialogs), QStringList());
    QTextEdit* box = f.w().ui().supertext;
    QCOMPARE(f.w().ui().fich->text(), folder + name);
    QVERIFY(!box->isReadOnly());
    // The statement opens on its title, as the chooser showed it.
    QCOMPARE(box->document()->firstBlock().text().simplified(), file->title.simplified());
    checkSituationApplied(f.w(), exercises::resolveRelative(folder, file->statementConfiguration));
    if (QTest::currentTestFailed() || !file->corrected())
        return;

    item(f.w(), "opencor")->trigger();
    QCOMPARE(messages(f.dialogs), QStringList());
    QVERIFY(box->isReadOnly());
    // Every correction opens on the same heading.
    QVERIFY(box->toPlainText().startsWith(QStringLiteral("Correction : ")));
    checkSituationApplied(f.w(), exercises::resolveRelative(folder, file->correctionConfiguration));
}

void TestExercises::exerciseAskedThroughTheMarkerFile()
{
    WindowFixture f;
    const QString folder = f.directory.path() + QStringLiteral("/");
    QVERIFY(config::writeRecords(folder + QStringLiteral("demande.E43"), 1, {QStringLiteral("demande.rtf")}));
    QVERIFY(writeFile(folder + QStringLiteral("demande.rtf"), "{\\rtf1 Exercice demand\\'e9\\par}"));
    QVERIFY(config::writeRecord(FeuilleP::markerFilePath(), 31, QStringLiteral(" DEMANDE.e43 ")));
    f.bringToFront();
    QTextEdit* box = f.w().ui().supertext;
    QCOMPARE(box->toPlainText().trimmed(), QStringLiteral("Exercice demandé"));
    QCOMPARE(f.w().ui().fich->text(), folder + QStringLiteral("demande.E43"));
    QCOMPARE(config::readRecord(FeuilleP::markerFilePath(), 31).value_or(QStringLiteral("?")), QString());
    // Only once: a later activation keeps what the pupil wrote.
    box->moveCursor(QTextCursor::End);
    box->insertPlainText(QStringLiteral(" et commencé"));
    f.bringToFront();
    QVERIFY(box->toPlainText().endsWith(QStringLiteral(" et commencé")));
    QVERIFY(f.dialogs.shown().empty());
}

void TestExercises::welcomeTextIsNoEdit()
{
    WindowFixture f;
    f.dialogs.queueAnswer(false);
    QVERIFY(!f.w().close());
    QCOMPARE(f.dialogs.shown().size(), std::size_t(1));
    QCOMPARE(f.dialogs.shown()[0].title, QStringLiteral("Fermer"));
}

void TestExercises::closingAsksAboutAnEditedText()
{
    WindowFixture f;
    f.w().show();
    item(f.w(), "PRISENMAIN")->trigger();
    f.dialogs.forget();
    QTextEdit* box = f.w().ui().supertext;
    box->setFocus();
    box->moveCursor(QTextCursor::End);
    QTest::keyClicks(box, "Ma reponse");
    f.dialogs.queueAnswer(false);
    QVERIFY(!f.w().close());
    QCOMPARE(f.dialogs.shown().size(), std::size_t(1));
    QCOMPARE(f.dialogs.shown()[0].title, QStringLiteral("Abandon des données?"));
    QCOMPARE(f.dialogs.shown()[0].text, QStringLiteral("Attention: perte des modifications du texte."));
    QVERIFY(box->toPlainText().endsWith(QStringLiteral("Ma reponse")));

    // Reopening the activity clears the flag: only the last question remains.
    f.dialogs.forget();
    f.dialogs.queueAnswer(true);
    item(f.w(), "PRISENMAIN")->trigger();
    f.dialogs.forget();
    f.dialogs.queueAnswer(false);
    QVERIFY(!f.w().close());
    QCOMPARE(f.dialogs.shown().size(), std::size_t(1));
    QCOMPARE(f.dialogs.shown()[0].title, QStringLiteral("Fermer"));
}

void TestExercises::closingTheExerciseShowsTheWelcomeText()
{
    WindowFixture f;
    item(f.w(), "PRISENMAIN")->trigger();
    item(f.w(), "Closexo")->trigger();
    QTextEdit* box = f.w().ui().supertext;
    QVERIFY(box->toPlainText().startsWith(QStringLiteral("Tavrel TS")));
    QVERIFY(box->toPlainText().contains(QStringLiteral("Prise en main")));
    QCOMPARE(f.w().ui().fich->text(), QString());
    QVERIFY(box->isReadOnly());
}

void TestExercises::secondThrowDrawnOverTheFirst()
{
    // What two statements ask: throw, change the angle or the projectile,
    // tick "Marquer la trajectoire" again and throw; the first trajectory stays.
    WindowFixture f;
    FeuilleP& w = f.w();
    w.loadConfiguration(applicationDirectory() + QStringLiteral("angles_complementaires_enonce.P20"));
    const QColor trajectory(255, 255, 0);
    const auto traced = [&] { return testing::countColour(w.sceneSurface().background(), trajectory); };
    const auto throwIt = [&] {
        WindowFixture::activate(w.ui().command15);
        for (int tick = 0; w.timerRunning() && tick < 2000; ++tick)
            w.Timer1_Timer();
    };
    const int photograph = traced();
    throwIt();
    const int first = traced();
    QVERIFY(first > photograph);
    QVERIFY(!w.ui().Check8->isChecked());
    WindowFixture::enter(w.ui().Text4, QStringLiteral("60"));
    QCOMPARE(traced(), first);
    w.ui().Check8->setChecked(true);
    throwIt();
    const int both = traced();
    QVERIFY(both > first);
    WindowFixture::choose(w.ui().Combo2, 0);
    QCOMPARE(traced(), both);
}

TAVREL_TEST_MAIN(TestExercises)
#include "test_exercises.moc"
