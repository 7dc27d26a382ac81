// What the desktop reads of the program: the menu entry and the AppStream
// description pass their validators and agree with each other and with the
// program they start, the screenshots they name are there, the icon has
// every size, and the file types recognise a configuration by its signature
// even without its extension.

#include "common/testmain.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>

namespace {

const QString appId = QStringLiteral(TAVREL_APP_ID);
const QString sourceFolder = QStringLiteral(TAVREL_SOURCE_DIR "/desktop/");
const QString buildFolder = QStringLiteral(TAVREL_BUILD_DIR "/desktop/");

QString desktopFile() { return sourceFolder + appId + QStringLiteral(".desktop"); }
QString metainfoFile() { return buildFolder + appId + QStringLiteral(".metainfo.xml"); }
QString mimeFile() { return sourceFolder + appId + QStringLiteral(".mime.xml"); }

QString readText(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// The values of a key of the menu entry, by locale ("" for the default).
QString entry(const QString& key)
{
    const QRegularExpression line(QStringLiteral("^") + QRegularExpression::escape(key) + QStringLiteral("=(.*)$"),
                                  QRegularExpression::MultilineOption);
    return line.match(readText(desktopFile())).captured(1);
}

QStringList captures(const QString& text, const QString& pattern)
{
    QStringList found;
    for (const QRegularExpressionMatch& match : QRegularExpression(pattern).globalMatch(text))
        found << match.captured(1);
    return found;
}

struct Run {
    int exitCode = -1;
    QString output;
};

Run run(const QString& program, const QStringList& arguments, const QProcessEnvironment& environment = {})
{
    QProcess process;
    if (!environment.isEmpty())
        process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    Run result;
    if (process.waitForFinished(60000) && process.exitStatus() == QProcess::NormalExit)
        result.exitCode = process.exitCode();
    result.output = QString::fromUtf8(process.readAll());
    return result;
}

} // namespace

class TestDesktopFiles : public QObject {
    Q_OBJECT
private slots:
    void validators_data();
    void validators();
    void menuEntryStartsTheProgramWithAFile();
    void screenshotsAreThere();
    void iconSizes_data();
    void iconSizes();
    void fileTypes_data();
    void fileTypes();
};

void TestDesktopFiles::validators_data()
{
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("arguments");
    QTest::newRow("desktop-file-validate") << QStringLiteral("desktop-file-validate") << QStringList{desktopFile()};
    QTest::newRow("appstreamcli validate")
        << QStringLiteral("appstreamcli") << QStringList{QStringLiteral("validate"), QStringLiteral("--no-net"), metainfoFile()};
}

void TestDesktopFiles::validators()
{
    QFETCH(QString, program);
    QFETCH(QStringList, arguments);
    const Run result = run(program, arguments);
    QVERIFY2(result.exitCode == 0, qPrintable(result.output));
    QVERIFY2(!result.output.contains(QLatin1String("error"), Qt::CaseInsensitive), qPrintable(result.output));
    QVERIFY2(!result.output.contains(QLatin1String("warning"), Qt::CaseInsensitive), qPrintable(result.output));
}

void TestDesktopFiles::menuEntryStartsTheProgramWithAFile()
{
    QCOMPARE(entry(QStringLiteral("Exec")), QStringLiteral(TAVREL_EXECUTABLE_NAME " %f"));
    QCOMPARE(entry(QStringLiteral("Icon")), appId);
    QCOMPARE(entry(QStringLiteral("Categories")), QStringLiteral("Education;Science;Physics;"));
    for (const char* key : {"Name", "GenericName", "GenericName[fr]", "Comment", "Comment[fr]"})
        QVERIFY2(!entry(QLatin1String(key)).isEmpty(), key);
    QVERIFY(entry(QStringLiteral("Comment[fr]")) != entry(QStringLiteral("Comment")));

    // The types it opens are the ones the program declares, and those the
    // AppStream description names.
    QStringList declared = captures(readText(mimeFile()), QStringLiteral("<mime-type type=\"([^\"]+)\""));
    QStringList opened = entry(QStringLiteral("MimeType")).split(u';', Qt::SkipEmptyParts);
    QStringList described = captures(readText(metainfoFile()), QStringLiteral("<mediatype>([^<]+)</mediatype>"));
    declared.sort();
    opened.sort();
    described.sort();
    QCOMPARE(declared.size(), 2);
    QCOMPARE(opened, declared);
    QCOMPARE(described, declared);
    QCOMPARE(captures(readText(metainfoFile()), QStringLiteral("<launchable type=\"desktop-id\">([^<]+)<")),
             QStringList{appId + QStringLiteral(".desktop")});
}

// The screenshots kept in the source tree are the ones a web site would
// publish; the description names an address only when the build was given one.
void TestDesktopFiles::screenshotsAreThere()
{
    const QString published = readText(sourceFolder + QStringLiteral("screenshots.xml.in"));
    const QStringList named = captures(published, QStringLiteral("<image>@TAVREL_SCREENSHOT_URL@([^<]+)</image>"));
    QVERIFY(named.size() >= 3);
    QStringList made = QDir(sourceFolder + QStringLiteral("screenshots")).entryList({QStringLiteral("*.png")});
    QStringList sortedNamed = named;
    sortedNamed.sort();
    made.sort();
    QCOMPARE(sortedNamed, made);
    const QString readme = readText(QStringLiteral(TAVREL_SOURCE_DIR "/README.md"));
    for (const QString& name : named) {
        const QImage picture(sourceFolder + QStringLiteral("screenshots/") + name);
        QCOMPARE(picture.size(), QSize(800, 600));
        QVERIFY2(readme.contains(QStringLiteral("(desktop/screenshots/") + name + QLatin1Char(')')), qPrintable(name));
    }

    const QString metainfo = readText(metainfoFile());
    const QString website = QStringLiteral(TAVREL_WEBSITE);
    QCOMPARE(captures(metainfo, QStringLiteral("<url type=\"homepage\">([^<]*)<")),
             website.isEmpty() ? QStringList{} : QStringList{website});
    QCOMPARE(captures(metainfo, QStringLiteral("<image>([^<]*)</image>")).size(), website.isEmpty() ? 0 : named.size());
    QVERIFY(!metainfo.contains(QStringLiteral("@TAVREL")));
}

void TestDesktopFiles::iconSizes_data()
{
    QTest::addColumn<int>("size");
    for (int size : {16, 22, 24, 32, 48, 64, 128, 256})
        QTest::addRow("%dx%d", size, size) << size;
}

// Drawn from the scalable icon: a tile with transparent corners and the
// ball of the drawing in colour.
void TestDesktopFiles::iconSizes()
{
    QFETCH(int, size);
    const QImage icon(buildFolder + QStringLiteral("icons/%1x%1/apps/").arg(size) + appId + QStringLiteral(".png"));
    QCOMPARE(icon.size(), QSize(size, size));
    QCOMPARE(qAlpha(icon.pixel(0, 0)), 0);
    const QColor ball = icon.pixelColor(size * 172 / 256, size * 114 / 256);
    QCOMPARE(ball.alpha(), 255);
    QVERIFY2(ball.red() > 180 && ball.blue() < 120, qPrintable(ball.name()));
}

void TestDesktopFiles::fileTypes_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("type");
    QFile situation(QStringLiteral(TAVREL_SOURCE_DIR "/data/lune.P20"));
    QVERIFY(situation.open(QIODevice::ReadOnly));
    const QByteArray configuration = situation.readAll();
    QFile photograph(QStringLiteral(TAVREL_SOURCE_DIR "/data/terre.jpg"));
    QVERIFY(photograph.open(QIODevice::ReadOnly));
    const QString configurationType = QStringLiteral("application/x-tavrel-configuration");
    QTest::newRow("configuration") << "lune.P20" << configuration << configurationType;
    QTest::newRow("configuration, extension in small letters") << "lune.p20" << configuration << configurationType;
    QTest::newRow("configuration renamed without extension") << "situation" << configuration << configurationType;
    QTest::newRow("first record alone, without extension")
        << "debut" << QByteArray("\x08\x00TAVRELTS", 10) << configurationType;
    QTest::newRow("exercise") << "LUNE.E43" << QByteArray("\x0f\x00lune_enonce.rtf", 17)
                              << QStringLiteral("application/x-tavrel-exercise");
    QTest::newRow("the signature elsewhere is not ours")
        << "note" << QByteArray("TAVRELTS, notes de cours\n") << QStringLiteral("text/plain");
    QTest::newRow("a photograph without extension") << "photo" << photograph.readAll() << QStringLiteral("image/jpeg");
}

// The types installed into a data folder of their own, as the package's
// trigger installs them, then read as a file manager reads them.
void TestDesktopFiles::fileTypes()
{
    QFETCH(QString, name);
    QFETCH(QByteArray, content);
    QFETCH(QString, type);
    QTemporaryDir data;
    QVERIFY(QDir(data.path()).mkpath(QStringLiteral("mime/packages")));
    QVERIFY(QFile::copy(mimeFile(), data.filePath(QStringLiteral("mime/packages/")) + appId + QStringLiteral(".xml")));
    const Run update = run(QStringLiteral("update-mime-database"), {data.filePath(QStringLiteral("mime"))});
    QVERIFY2(update.exitCode == 0, qPrintable(update.output));
    QFile file(data.filePath(name));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(content), content.size());
    file.close();

    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_DATA_HOME"), data.path());
    environment.insert(QStringLiteral("XDG_DATA_DIRS"), QStringLiteral("/usr/share"));
    const Run query = run(QStringLiteral("gio"),
                          {QStringLiteral("info"), QStringLiteral("--attributes=standard::content-type"), file.fileName()},
                          environment);
    QVERIFY2(query.exitCode == 0, qPrintable(query.output));
    QCOMPARE(captures(query.output, QStringLiteral("standard::content-type: (\\S+)")), QStringList{type});
}

TAVREL_TEST_MAIN(TestDesktopFiles)
#include "test_desktopfiles.moc"
