// Saving and opening a situation in the window: the bytes written, every
// control brought back, hostile files answered with the window still usable,
// failed saves that damage nothing, values corrected as typed ones are, the
// caption, a dropped file and the waiting notice.

#include "windowfixture.h"

#include "app/scenepicture.h"
#include "config/configuration.h"
#include "config/recordfile.h"
#include "ui/picturesurface.h"
#include "ui/updown.h"
#include "common/testmain.h"
#include "common/timebound.h"

#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QToolButton>
#include <QUrl>
#include <csignal>
#include <sys/resource.h>

using config::Configuration;
using config::Tick;

namespace {

QByteArray readRaw(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeRaw(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QByteArray record(const QByteArray& text)
{
    return QByteArray::fromStdString(config::recordImage(text.toStdString()));
}

QByteArray image(const Configuration& c)
{
    return QByteArray::fromStdString(*config::configurationImage(c));
}

QByteArray withRecord(QByteArray bytes, int n, const QByteArray& text)
{
    bytes.replace((n - 1) * 128, 128, record(text));
    return bytes;
}

const QString invalidTitle = QStringLiteral("Fichier non valide");
const QString readErrorTitle = QStringLiteral("Erreur lors du chargement du fichier");

} // namespace

class TestConfigurationFiles : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void buttonsAreReady();
    void goldenBytesOfTheStartUpSituation();
    void roundTripOfEveryControl();
    void negativeColourIsKept();
    void longFieldIsReadWhole();
    void outOfRangeValuesAreCorrected_data();
    void outOfRangeValuesAreCorrected();
    void hostileFiles_data();
    void hostileFiles();
    void namesTheOpenDialogCannotUse();
    void failedSaveDamagesNothing_data();
    void failedSaveDamagesNothing();
    void droppedFileOpens();
    void waitingNoticeDuringTheLoad();

private:
    FeuilleP& w() { return m_fixture->w(); }
    const FeuillePUi& ui() { return m_fixture->w().ui(); }
    QString path(const QString& name) const { return m_files->filePath(name); }
    // Saves through "&Enregistrer", answering the dialog with path.
    void save(const QString& path);
    // Opens through "&Ouvrir".
    void open(const QString& path);
    // Changes every stored control away from its start-up value, by hand.
    void changeEverything();
    // The window still works: a flight starts, ticks and can be stopped.
    void checkUsable();

    std::unique_ptr<WindowFixture> m_fixture;
    std::unique_ptr<QTemporaryDir> m_files;
};

void TestConfigurationFiles::init()
{
    m_fixture = std::make_unique<WindowFixture>();
    m_files = std::make_unique<QTemporaryDir>();
    QVERIFY(m_files->isValid());
}

void TestConfigurationFiles::cleanup()
{
    m_fixture.reset();
    m_files.reset();
}

void TestConfigurationFiles::save(const QString& file)
{
    m_fixture->dialogs.queueFile(file);
    QTest::mouseClick(ui().Command11, Qt::LeftButton);
}

void TestConfigurationFiles::open(const QString& file)
{
    m_fixture->dialogs.queueFile(file);
    QTest::mouseClick(ui().Command2, Qt::LeftButton);
}

void TestConfigurationFiles::changeEverything()
{
    const FeuillePUi& u = ui();
    WindowFixture::choose(u.Combo1, 2);
    WindowFixture::choose(u.Combo2, 4);
    WindowFixture::enter(u.Text1, "3,25");
    WindowFixture::enter(u.Text2, "4,5");
    WindowFixture::enter(u.Text3, "12");
    WindowFixture::enter(u.Text4, "-35");
    u.VScroll1->setValue(10);
    u.UpDown1->setValue(13);
    u.VScroll3->setValue(85);
    WindowFixture::enter(u.chrono, "120");
    for (QCheckBox* box : {u.Check3, u.Check1, u.Check2, u.Check4, u.Check5, u.Check6, u.Check7, u.Check8, u.Check9,
                           u.Check10, u.Check11, u.Check12, u.speed, u.Check14})
        box->click();
    u.VScroll4->setValue(44);
    m_fixture->dialogs.queueColour(QColor(1, 2, 3));
    WindowFixture::activate(u.Label4[5]);
}

void TestConfigurationFiles::checkUsable()
{
    const FeuillePUi& u = ui();
    WindowFixture::choose(u.Combo1, 0);
    WindowFixture::enter(u.Text2, "3");
    WindowFixture::enter(u.Text3, "10");
    WindowFixture::enter(u.Text4, "45");
    QVERIFY(u.command15->isEnabled());
    WindowFixture::activate(w().ui().command15);
    QVERIFY(w().timerRunning());
    for (int i = 0; i < 5; ++i)
        w().Timer1_Timer();
    QVERIFY(w().state().simTime > 0);
    WindowFixture::activate(w().ui().Image4);
    QVERIFY(!w().timerRunning());
}

void TestConfigurationFiles::buttonsAreReady()
{
    QVERIFY(ui().Command2->isEnabled());
    QVERIFY(ui().Command11->isEnabled());
    QCOMPARE(ui().Command2->text(), QString("&Ouvrir"));
    QCOMPARE(ui().Command11->text(), QString("&Enregistrer"));
    QCOMPARE(w().windowTitle(), QString("Tavrel TS"));

    // Cancelled dialogs do nothing.
    QTest::mouseClick(ui().Command2, Qt::LeftButton);
    QTest::mouseClick(ui().Command11, Qt::LeftButton);
    QCOMPARE(m_fixture->dialogs.fileRequests().size(), std::size_t(2));
    QVERIFY(m_fixture->dialogs.shown().empty());
    QCOMPARE(w().windowTitle(), QString("Tavrel TS"));
}

void TestConfigurationFiles::goldenBytesOfTheStartUpSituation()
{
    save(path("départ"));
    const QString saved = path("départ.P20");
    QCOMPARE(w().windowTitle(), "Tavrel TS - " + saved);
    const QByteArray bytes = readRaw(saved);
    QCOMPARE(bytes.size(), 36 * 128);
    const auto at = [&bytes](int n, int length) { return bytes.mid((n - 1) * 128, length); };
    QCOMPARE(at(1, 10), QByteArray("\x08\x00TAVRELTS", 10));
    QCOMPARE(at(2, 4), QByteArray("\x02\x00 0", 4));
    QCOMPARE(at(3, 4), QByteArray("\x02\x00 2", 4));
    QCOMPARE(at(4, 6), QByteArray("\x04\x00" "0,00", 6));
    QCOMPARE(at(6, 7), QByteArray("\x05\x00" "15,00", 7));
    QCOMPARE(at(7, 7), QByteArray("\x05\x00" "77,00", 7));
    QCOMPARE(at(8, 5), QByteArray("\x03\x00 30", 5));
    QCOMPARE(at(9, 4), QByteArray("\x02\x00 6", 4));
    QCOMPARE(at(10, 5), QByteArray("\x03\x00 70", 5));
    QCOMPARE(at(11, 5), QByteArray("\x03\x00" "300", 5));
    QCOMPARE(at(12, 4), QByteArray("\x02\x00 1", 4)); // the frame is shown
    QCOMPARE(at(26, 5), QByteArray("\x03\x00 30", 5));
    QCOMPARE(at(27, 6), QByteArray("\x04\x00 255", 6)); // red
    QCOMPARE(bytes.mid(3456, 11), QByteArray("\x09\x00 16711935", 11));
    QCOMPARE(at(31, 11), QByteArray("\x09\x00 16777215", 11)); // the white frame
    QCOMPARE(at(1, 128).mid(10), QByteArray(118, '\0'));
    QVERIFY(m_fixture->dialogs.shown().empty());
}

void TestConfigurationFiles::roundTripOfEveryControl()
{
    std::array<bool, 8> graphChoice{};
    for (size_t i = 0; i < graphChoice.size(); ++i) {
        ui().Check13[i]->setChecked(i % 3 == 0);
        graphChoice[i] = ui().Check13[i]->isChecked();
    }
    changeEverything();
    const Configuration changed = w().currentConfiguration();
    QCOMPARE(changed.colours[5], 1 + 2 * 256 + 3 * 65536);
    save(path("tout"));

    // Back to the start-up situation, then the file again.
    m_fixture.reset();
    m_fixture = std::make_unique<WindowFixture>();
    const Configuration startUp = w().currentConfiguration();
    QVERIFY(!(startUp == changed));
    for (size_t i = 0; i < graphChoice.size(); ++i)
        ui().Check13[i]->setChecked(i % 3 == 0);
    open(path("tout.P20"));
    QVERIFY(m_fixture->dialogs.shown().empty());
    const Configuration reopened = w().currentConfiguration();
    QCOMPARE(reopened.place, 2);
    QCOMPARE(reopened.projectile, 4);
    QCOMPARE(reopened.x0, QString("3,25"));
    QCOMPARE(reopened.alpha, QString("-35,00"));
    QCOMPARE(reopened.chronoInterval, QString("120"));
    QCOMPARE(reopened.grid, Tick::Ticked);
    QVERIFY(reopened == changed);
    QCOMPARE(w().windowTitle(), "Tavrel TS - " + path("tout.P20"));

    // The controls' handlers ran: the derived state follows the controls.
    QCOMPARE(w().state().placeIndex, 2);
    QCOMPARE(w().state().projectileIndex, 4);
    QCOMPARE(ui().Label9->text(), QString("1300"));
    QVERIFY(!ui().Check3->isEnabled()); // the frame is off, so is the grid box
    QCOMPARE(ui().Label4[5]->palette().color(QPalette::Window), QColor(1, 2, 3));
    for (size_t i = 0; i < graphChoice.size(); ++i)
        QCOMPARE(ui().Check13[i]->isChecked(), graphChoice[i]);
}

void TestConfigurationFiles::negativeColourIsKept()
{
    Configuration c = w().currentConfiguration();
    c.colours[0] = std::int32_t(0x80000008); // a system colour of older files
    c.colours[4] = -1;
    c.velocity = Tick::Grey;
    const QByteArray bytes = image(c);
    writeRaw(path("ancien.P20"), bytes);
    open(path("ancien.P20"));
    QVERIFY(m_fixture->dialogs.shown().empty());
    QCOMPARE(ui().Check5->checkState(), Qt::PartiallyChecked);
    // -1 is drawn in the swatch's own colour; the system colour in the palette's.
    QCOMPARE(ui().Label4[4]->palette().color(QPalette::Window), QColor(255, 255, 255));
    QCOMPARE(ui().Label4[0]->palette().color(QPalette::Window), QGuiApplication::palette().color(QPalette::Text));

    m_fixture->dialogs.queueAnswer(true); // overwrite
    save(path("ancien.P20"));
    QCOMPARE(readRaw(path("ancien.P20")), bytes);

    // A click makes the greyed box an ordinary one again.
    ui().Check5->click();
    QCOMPARE(ui().Check5->checkState(), Qt::Checked);
    ui().Check5->click();
    QCOMPARE(ui().Check5->checkState(), Qt::Unchecked);
}

void TestConfigurationFiles::longFieldIsReadWhole()
{
    Configuration c = w().currentConfiguration();
    c.x0 = QString(123, u'0') + "1,5"; // 126 characters
    c.chronoInterval = QString(122, u'0') + "1234";
    writeRaw(path("long.P20"), image(c));
    open(path("long.P20"));
    QVERIFY(m_fixture->dialogs.shown().empty());
    QCOMPARE(ui().Text1->text(), QString("1,50"));
    QCOMPARE(ui().chrono->text(), QString("1234"));
}

void TestConfigurationFiles::outOfRangeValuesAreCorrected_data()
{
    QTest::addColumn<int>("recordNumber");
    QTest::addColumn<QByteArray>("text");
    QTest::addColumn<QString>("shown");
    QTest::addRow("x0 = 12") << 4 << QByteArray("12") << "10,03";
    QTest::addRow("x0 = -1") << 4 << QByteArray("-1") << "-0,39";
    QTest::addRow("x0 with a point") << 4 << QByteArray("2.5") << "2,50";
    QTest::addRow("y0 = 20") << 5 << QByteArray("20") << "11,67";
    QTest::addRow("v0 = 25") << 6 << QByteArray("25") << "20,00";
    QTest::addRow("v0 unreadable") << 6 << QByteArray("vite") << "0,00";
    QTest::addRow("alpha = -200") << 7 << QByteArray("-200") << "-180,00";
    QTest::addRow("alpha = 4,5") << 7 << QByteArray("4,5") << "0,00";
    QTest::addRow("interval 5 ms") << 11 << QByteArray("5") << "10";
    QTest::addRow("interval 9000 ms") << 11 << QByteArray("9000") << "5000";
}

void TestConfigurationFiles::outOfRangeValuesAreCorrected()
{
    QFETCH(int, recordNumber);
    QFETCH(QByteArray, text);
    QFETCH(QString, shown);
    writeRaw(path("hors.P20"), withRecord(image(w().currentConfiguration()), recordNumber, text));
    open(path("hors.P20"));
    QVERIFY(m_fixture->dialogs.shown().empty());
    QLineEdit* fields[] = {ui().Text1, ui().Text2, ui().Text3, ui().Text4};
    QLineEdit* field = recordNumber == 11 ? ui().chrono : fields[recordNumber - 4];
    QCOMPARE(field->text(), shown);

    // Exactly as the same text typed in the field.
    WindowFixture::enter(field, QString::fromLatin1(text));
    QCOMPARE(field->text(), shown);
}

void TestConfigurationFiles::hostileFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("applied"); // the signature was ours: the caption names the file

    const QByteArray valid = image(Configuration{2, 4, "1", "2", "10", "45", 20, 4, 50, "200"});
    QByteArray ffff = valid, length127 = valid, bigEndian = valid;
    ffff[0] = ffff[1] = '\xFF';
    length127[0] = 127;
    bigEndian[0] = 0;
    bigEndian[1] = 8;

    QTest::addRow("empty file") << QByteArray() << invalidTitle << false;
    QTest::addRow("1 byte") << QByteArray("\x08", 1) << invalidTitle << false;
    QTest::addRow("127 bytes") << valid.left(127) << readErrorTitle << true;
    QTest::addRow("129 bytes") << valid.left(129) << readErrorTitle << true;
    QTest::addRow("lower-case signature") << withRecord(valid, 1, "tavrelts") << invalidTitle << false;
    QTest::addRow("length 0xFFFF") << ffff << invalidTitle << false;
    QTest::addRow("length 127") << length127 << invalidTitle << false;
    QTest::addRow("big-endian length") << bigEndian << invalidTitle << false;
    QTest::addRow("undefined code page bytes") << withRecord(valid, 4, "\x81\x8D\x8F\x90\x9D") << readErrorTitle << true;
    QTest::addRow("NUL in a text") << withRecord(valid, 5, QByteArray("1\0" "2", 3)) << readErrorTitle << true;
    QTest::addRow("CR/LF in a text") << withRecord(valid, 6, "10\r\n") << readErrorTitle << true;
    QTest::addRow("letters in record 8") << withRecord(valid, 8, "vingt") << readErrorTitle << true;
    QTest::addRow("place index 7") << withRecord(valid, 2, " 7") << readErrorTitle << true;
    QTest::addRow("check box value 5") << withRecord(valid, 14, " 5") << readErrorTitle << true;
}

void TestConfigurationFiles::hostileFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, title);
    QFETCH(bool, applied);

    // A situation of the user's, with a trajectory on the scene.
    save(path("avant"));
    const QString caption = w().windowTitle();
    WindowFixture::enter(ui().Text2, "2");
    WindowFixture::activate(w().ui().command15);
    for (int i = 0; i < 10; ++i)
        w().Timer1_Timer();
    WindowFixture::activate(w().ui().Image4);
    const Configuration before = w().currentConfiguration();
    const QImage scene = w().sceneSurface().canvas();

    writeRaw(path("hostile.P20"), bytes);
    open(path("hostile.P20"));
    const auto& shown = m_fixture->dialogs.shown();
    QCOMPARE(shown.size(), std::size_t(1));
    QCOMPARE(shown[0].title, title);
    QCOMPARE(shown[0].icon, DialogService::Icon::Critical);
    QVERIFY(!w().findChild<QLabel*>("waitingNotice")->isVisible());

    if (!applied) {
        QVERIFY(w().currentConfiguration() == before);
        QCOMPARE(w().sceneSurface().canvas(), scene);
        QCOMPARE(w().windowTitle(), caption);
    } else {
        QCOMPARE(w().windowTitle(), "Tavrel TS - " + path("hostile.P20"));
    }
    m_fixture->dialogs.forget();
    checkUsable();
    QVERIFY(m_fixture->dialogs.shown().empty());
}

void TestConfigurationFiles::namesTheOpenDialogCannotUse()
{
    const QString caption = w().windowTitle();
    const Configuration before = w().currentConfiguration();

    QVERIFY(QDir(m_files->path()).mkdir("dossier.P20"));
    open(path("dossier.P20"));
    open(path("absent.P20"));
    const auto& shown = m_fixture->dialogs.shown();
    QCOMPARE(shown.size(), std::size_t(2));
    for (const auto& message : shown) {
        QCOMPARE(message.title, QString("impossible d'ouvrir ce fichier"));
        QCOMPARE(message.text, QString("Nom de fichier incorrect ou chemin non valide"));
    }
    // Called directly, as the exercise window does: the read failure.
    m_fixture->dialogs.forget();
    w().loadConfiguration(path("dossier.P20"));
    QCOMPARE(shown.size(), std::size_t(1));
    QCOMPARE(shown[0].title, readErrorTitle);
    QCOMPARE(shown[0].text, QString("Lecture impossible sur disque"));
    QVERIFY(w().currentConfiguration() == before);
    QCOMPARE(w().windowTitle(), caption);

    // A gigabyte with a configuration at its start is read as fast as the
    // configuration alone.
    QFile huge(path("huge.P20"));
    QVERIFY(huge.open(QIODevice::WriteOnly));
    huge.write(image(Configuration{1, 0, "2", "3", "4", "60", 30, 6, 70, "300"}));
    QVERIFY(huge.resize(qint64(1) << 30));
    huge.close();
    m_fixture->dialogs.forget();
    QElapsedTimer clock;
    clock.start();
    open(path("huge.P20"));
    QVERIFY2(clock.elapsed() < testsupport::timeBound(2000), qPrintable(QString::number(clock.elapsed())));
    QVERIFY(m_fixture->dialogs.shown().empty());
    QCOMPARE(ui().Combo1->currentIndex(), 1);

    // A file the user may not read.
    writeRaw(path("secret.P20"), image(w().currentConfiguration()));
    QVERIFY(QFile::setPermissions(path("secret.P20"), QFileDevice::WriteOwner));
    QFile probe(path("secret.P20"));
    if (probe.open(QIODevice::ReadOnly))
        QSKIP("this user reads files without read permission (root)");
    m_fixture->dialogs.forget();
    open(path("secret.P20"));
    QCOMPARE(shown.size(), std::size_t(1));
    QCOMPARE(shown[0].title, QString("impossible d'ouvrir ce fichier"));
}

void TestConfigurationFiles::failedSaveDamagesNothing_data()
{
    QTest::addColumn<QString>("how");
    QTest::addRow("full disk") << "full disk";
    QTest::addRow("name too long for its temporary") << "long name";
    QTest::addRow("read-only folder") << "read-only folder";
}

void TestConfigurationFiles::failedSaveDamagesNothing()
{
    QFETCH(QString, how);
    QVERIFY(QDir(m_files->path()).mkdir("classe"));
    const QString target = how == "long name" ? path("classe/" + QString(251, u'n') + ".P20") : path("classe/chute.P20");
    save(target);
    save(path("autre.P20"));
    const QString caption = w().windowTitle();
    QCOMPARE(caption, "Tavrel TS - " + path("autre.P20"));
    const QByteArray before = readRaw(target);
    QCOMPARE(before.size(), 36 * 128);

    changeEverything();
    m_fixture->dialogs.forget();
    m_fixture->dialogs.queueAnswer(true); // overwrite
    rlimit saved{};
    QCOMPARE(getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    if (how == "full disk") {
        rlimit small = saved;
        small.rlim_cur = 1000;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
    }
    if (how == "read-only folder") {
        QVERIFY(QFile::setPermissions(path("classe"), QFileDevice::ReadOwner | QFileDevice::ExeOwner));
        QFile probe(path("classe/probe"));
        if (probe.open(QIODevice::WriteOnly)) {
            probe.remove();
            QFile::setPermissions(path("classe"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
            QSKIP("this user writes into read-only folders (root)");
        }
    }
    save(target);
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    QFile::setPermissions(path("classe"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    const auto& shown = m_fixture->dialogs.shown();
    QCOMPARE(shown.size(), std::size_t(2)); // the overwrite question, then the failure
    QCOMPARE(shown[1].title, QString("Enregistrement impossible"));
    QCOMPARE(shown[1].text, QString("Ecriture impossible sur disque"));
    QCOMPARE(shown[1].icon, DialogService::Icon::Critical);
    QCOMPARE(readRaw(target), before);
    QCOMPARE(w().windowTitle(), caption);
    QCOMPARE(QDir(path("classe")).entryList(QDir::Files).size(), 1); // no temporary left behind
}

void TestConfigurationFiles::droppedFileOpens()
{
    Configuration c = w().currentConfiguration();
    c.place = 1;
    c.v0 = "7,00";
    writeRaw(path("lune.p20"), image(c));
    writeRaw(path("notes.txt"), "texte");

    const auto drop = [this](const QString& file, bool expected) {
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(file)});
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&w(), &enter);
        QCOMPARE(enter.isAccepted(), expected);
        if (!expected)
            return;
        QDropEvent dropped(QPointF(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&w(), &dropped);
    };
    drop(path("notes.txt"), false);
    QCOMPARE(ui().Combo1->currentIndex(), 0);
    drop(path("lune.p20"), true);
    QCOMPARE(ui().Combo1->currentIndex(), 1);
    QCOMPARE(ui().Text3->text(), QString("7,00"));
    QCOMPARE(w().windowTitle(), "Tavrel TS - " + path("lune.p20"));
    QVERIFY(m_fixture->dialogs.fileRequests().empty());
}

void TestConfigurationFiles::waitingNoticeDuringTheLoad()
{
    w().show();
    QVERIFY(QTest::qWaitForWindowExposed(&w()));
    writeRaw(path("mars.P20"), image(Configuration{2, 0, "1", "1", "10", "45", 30, 6, 70, "300"}));
    auto* notice = w().findChild<QLabel*>("waitingNotice");
    QVERIFY(notice);
    QCOMPARE(notice->text(), QString("Patience: chargement du fichier"));
    bool shownWhileLoading = false;
    connect(ui().Combo1, &QComboBox::currentIndexChanged, notice,
            [&] { shownWhileLoading = notice->isVisible(); });
    open(path("mars.P20"));
    QVERIFY(shownWhileLoading);
    QVERIFY(!notice->isVisible());
}

TAVREL_TEST_MAIN(TestConfigurationFiles)
#include "test_configurationfiles.moc"
