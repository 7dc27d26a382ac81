// The program installed into a prefix as a technician installs it: the
// executable and its data land where they belong, the installed program
// started from another folder finds its data and opens the configuration
// named on its command line, and with its data folder read-only it starts
// all the same and keeps its marker file in the user's own folder. The
// program runs on a virtual X server of its own, so that its windows can be
// read from outside (xdotool).

#include "common/testmain.h"

#include "config/recordfile.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <unistd.h>

namespace {

const QString dataFolder = QStringLiteral("share/tavrel-ts/");

bool run(const QString& program, const QStringList& arguments, QString* output = nullptr)
{
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    const bool finished = process.waitForFinished(120000);
    if (output)
        *output = QString::fromUtf8(process.readAll());
    return finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

// A virtual X server for the time of one test.
class VirtualDisplay {
public:
    VirtualDisplay()
    {
        m_server.start(QStringLiteral("Xvfb"), {QStringLiteral("-displayfd"), QStringLiteral("1"), QStringLiteral("-screen"),
                                                QStringLiteral("0"), QStringLiteral("1280x1024x24"),
                                                QStringLiteral("-nolisten"), QStringLiteral("tcp")});
        if (m_server.waitForStarted() && m_server.waitForReadyRead(20000))
            m_display = QStringLiteral(":") + QString::fromLatin1(m_server.readLine().trimmed());
    }
    ~VirtualDisplay()
    {
        m_server.terminate();
        m_server.waitForFinished();
    }
    VirtualDisplay(const VirtualDisplay&) = delete;
    VirtualDisplay& operator=(const VirtualDisplay&) = delete;

    QString name() const { return m_display; }

    // The captions of the windows shown on the display.
    QStringList visibleCaptions() const
    {
        QStringList captions;
        QString ids;
        run(QStringLiteral("env"), {QStringLiteral("DISPLAY=") + m_display, QStringLiteral("xdotool"),
                                    QStringLiteral("search"), QStringLiteral("--onlyvisible"), QStringLiteral("--name"),
                                    QStringLiteral(".")},
            &ids);
        for (const QString& id : ids.split(u'\n', Qt::SkipEmptyParts)) {
            QString caption;
            if (run(QStringLiteral("env"), {QStringLiteral("DISPLAY=") + m_display, QStringLiteral("xdotool"),
                                            QStringLiteral("getwindowname"), id.trimmed()},
                    &caption))
                captions << caption.trimmed();
        }
        return captions;
    }

    // Waits until the display shows exactly these captions; what it shows last.
    QStringList waitForCaptions(const QStringList& wanted, int milliseconds = 30000) const
    {
        QElapsedTimer clock;
        clock.start();
        QStringList shown;
        do {
            shown = visibleCaptions();
            if (shown == wanted)
                return shown;
            QThread::msleep(200);
        } while (clock.elapsed() < milliseconds);
        return shown;
    }

private:
    QProcess m_server;
    QString m_display;
};

} // namespace

class TestInstall : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void installedFiles_data();
    void installedFiles();
    void opensConfigurationOfCommandLine();
    void readOnlyDataFolder();

private:
    // Starts the installed program in a folder of its own, as the user the
    // test runs as or as nobody (65534), with extra environment.
    void startProgram(QProcess& program, const QString& display, const QStringList& arguments,
                      const QStringList& environment = {}, bool asNobody = false);

    QTemporaryDir m_prefix;
    QTemporaryDir m_workingDirectory;
};

void TestInstall::initTestCase()
{
    QVERIFY(m_prefix.isValid());
    QString output;
    QVERIFY2(run(QStringLiteral(TAVREL_CMAKE_COMMAND),
                 {QStringLiteral("--install"), QStringLiteral(TAVREL_BUILD_DIR), QStringLiteral("--prefix"), m_prefix.path()},
                 &output),
             qPrintable(output));
    // The program may be run by nobody.
    QVERIFY(QFile::setPermissions(m_prefix.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                                       | QFile::ReadOther | QFile::ExeOther));
    QVERIFY(QFile::setPermissions(m_workingDirectory.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner
                                                                  | QFile::ReadOther | QFile::ExeOther));
    QVERIFY(QFile::copy(m_prefix.filePath(dataFolder + QStringLiteral("lune.P20")),
                        m_workingDirectory.filePath(QStringLiteral("Situation lune.P20"))));
}

void TestInstall::installedFiles_data()
{
    QTest::addColumn<QString>("file");
    for (const char* file : {"bin/tavrel", "share/tavrel-ts/terre.jpg", "share/tavrel-ts/pom.wav",
                             "share/tavrel-ts/projectile3.png", "share/tavrel-ts/TAVREL.PEM",
                             "share/tavrel-ts/priseenmain.rtf", "share/tavrel-ts/portee.E43",
                             "share/tavrel-ts/portee_corrige.P20", "share/tavrel-ts/help/index.html",
                             "share/tavrel-ts/help/images/fenetre.png",
                             "share/applications/fr.tavrel.TavrelTS.desktop",
                             "share/metainfo/fr.tavrel.TavrelTS.metainfo.xml",
                             "share/mime/packages/fr.tavrel.TavrelTS.xml",
                             "share/icons/hicolor/scalable/apps/fr.tavrel.TavrelTS.svg",
                             "share/icons/hicolor/16x16/apps/fr.tavrel.TavrelTS.png",
                             "share/icons/hicolor/256x256/apps/fr.tavrel.TavrelTS.png"})
        QTest::newRow(file) << QString::fromLatin1(file);
}

void TestInstall::installedFiles()
{
    QFETCH(QString, file);
    QVERIFY2(QFileInfo(m_prefix.filePath(file)).isFile(), qPrintable(file));
    if (file.startsWith(QLatin1String("bin/")))
        QVERIFY(QFileInfo(m_prefix.filePath(file)).isExecutable());
    QVERIFY2(!QFileInfo::exists(m_prefix.filePath(dataFolder + QStringLiteral("TEMPTS.TMP"))),
             "the install brings no marker file");
}

void TestInstall::startProgram(QProcess& program, const QString& display, const QStringList& arguments,
                               const QStringList& environment, bool asNobody)
{
    QProcessEnvironment variables = QProcessEnvironment::systemEnvironment();
    variables.insert(QStringLiteral("DISPLAY"), display);
    variables.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    for (const QString& variable : environment)
        variables.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));
    program.setProcessEnvironment(variables);
    program.setWorkingDirectory(m_workingDirectory.path());
    program.setProcessChannelMode(QProcess::MergedChannels);
    const QString executable = m_prefix.filePath(QStringLiteral("bin/tavrel"));
    if (asNobody && geteuid() == 0)
        program.start(QStringLiteral("setpriv"), QStringList{QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                                                             QStringLiteral("--clear-groups"), executable}
                                                     + arguments);
    else
        program.start(executable, arguments);
    QVERIFY(program.waitForStarted());
}

void TestInstall::opensConfigurationOfCommandLine()
{
    const VirtualDisplay display;
    QVERIFY2(!display.name().isEmpty(), "Xvfb is needed to run the installed program");
    QProcess program;
    startProgram(program, display.name(), {QStringLiteral("Situation lune.P20")});
    const QString caption =
        QStringLiteral("Tavrel TS - ") + m_workingDirectory.filePath(QStringLiteral("Situation lune.P20"));
    // Its data found (no "Erreur fatale"), the file opened without a message.
    const QStringList shown = display.waitForCaptions({caption});
    const QString output = QString::fromUtf8(program.readAll());
    program.kill();
    program.waitForFinished();
    QVERIFY2(shown == QStringList{caption}, qPrintable(shown.join(QStringLiteral(" | ")) + QStringLiteral("\n") + output));
}

void TestInstall::readOnlyDataFolder()
{
    const QString data = m_prefix.filePath(dataFolder);
    QFile::remove(data + QStringLiteral("TEMPTS.TMP"));
    QVERIFY(QFile::setPermissions(data, QFile::ReadOwner | QFile::ExeOwner | QFile::ReadOther | QFile::ExeOther));
    QTemporaryDir home;
    QVERIFY(QFile::setPermissions(home.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther
                                                   | QFile::WriteOther | QFile::ExeOther));
    const VirtualDisplay display;
    QVERIFY2(!display.name().isEmpty(), "Xvfb is needed to run the installed program");
    QProcess program;
    startProgram(program, display.name(), {},
                 {QStringLiteral("HOME=") + home.path(), QStringLiteral("XDG_DATA_HOME=") + home.filePath(QStringLiteral("data"))},
                 true);
    const QStringList shown = display.waitForCaptions({QStringLiteral("Tavrel TS")});
    const QString marker = home.filePath(QStringLiteral("data/tavrel-ts/TEMPTS.TMP"));
    const QString running = config::readRecord(marker, 10).value_or(QStringLiteral("<none>"));
    const QString output = QString::fromUtf8(program.readAll());
    program.kill();
    program.waitForFinished();
    QVERIFY(QFile::setPermissions(data, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadOther
                                            | QFile::ExeOther));
    QVERIFY2(shown == QStringList{QStringLiteral("Tavrel TS")},
             qPrintable(shown.join(QStringLiteral(" | ")) + QStringLiteral("\n") + output));
    QCOMPARE(running, QStringLiteral("OUI"));
    QVERIFY(!QFileInfo::exists(data + QStringLiteral("TEMPTS.TMP")));
}

TAVREL_TEST_MAIN(TestInstall)
#include "test_install.moc"
