// The Debian package as `cpack -G DEB` makes it: named and placed for
// apt-get, under /usr only, depending on the libraries the program links and
// on what it loads at run time, and removing the marker file that the
// program run by root leaves in its folder.

#include "common/testmain.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

namespace {

struct Run {
    int exitCode = -1;
    QString output;
};

Run run(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    Run result;
    if (process.waitForFinished(240000) && process.exitStatus() == QProcess::NormalExit)
        result.exitCode = process.exitCode();
    result.output = QString::fromUtf8(process.readAllStandardOutput());
    if (result.exitCode != 0)
        result.output += QString::fromUtf8(process.readAllStandardError());
    return result;
}

} // namespace

class TestPackage : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void control_data();
    void control();
    void dependsOn_data();
    void dependsOn();
    void filesUnderUsr();
    void prermRemovesTheMarker();

private:
    QString field(const QString& name) const;

    QTemporaryDir m_output;
    QString m_package;
};

void TestPackage::initTestCase()
{
    const Run cpack = run(QStringLiteral(TAVREL_CPACK_COMMAND),
                          {QStringLiteral("-G"), QStringLiteral("DEB"), QStringLiteral("--config"),
                           QStringLiteral(TAVREL_BUILD_DIR "/CPackConfig.cmake"), QStringLiteral("-B"), m_output.path()});
    QVERIFY2(cpack.exitCode == 0, qPrintable(cpack.output));
    const QStringList packages = QDir(m_output.path()).entryList({QStringLiteral("tavrel-ts_*.deb")});
    QCOMPARE(packages.size(), 1);
    m_package = m_output.filePath(packages.front());
}

QString TestPackage::field(const QString& name) const
{
    return run(QStringLiteral("dpkg-deb"), {QStringLiteral("-f"), m_package, name}).output.trimmed();
}

void TestPackage::control_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("pattern");
    QTest::newRow("Package") << "Package" << "^tavrel-ts$";
    QTest::newRow("Version") << "Version" << "^" TAVREL_VERSION "$";
    QTest::newRow("Architecture") << "Architecture" << "^(amd64|arm64|i386|armhf|[a-z0-9]+)$";
    QTest::newRow("Section") << "Section" << "^education$";
    QTest::newRow("Maintainer") << "Maintainer" << "^.+ <.+@.+>$";
    QTest::newRow("Description") << "Description" << "^projectile motion simulator.*\\n .*French";
}

void TestPackage::control()
{
    QFETCH(QString, name);
    QFETCH(QString, pattern);
    const QString value = field(name);
    QVERIFY2(QRegularExpression(pattern, QRegularExpression::DotMatchesEverythingOption).match(value).hasMatch(),
             qPrintable(name + QStringLiteral(": ") + value));
    QVERIFY(QFileInfo(m_package).fileName().startsWith(QStringLiteral("tavrel-ts_" TAVREL_VERSION "_")));
}

void TestPackage::dependsOn_data()
{
    QTest::addColumn<QString>("package");
    // Linked: found by dpkg-shlibdeps.
    for (const char* linked : {"libqt6widgets6", "libqt6multimedia6", "libqt6printsupport6", "libmuparser2v5", "libc6"})
        QTest::newRow(linked) << QString::fromLatin1(linked);
    // Loaded at run time: the X11 platform plugin, Qt's French texts, the fonts.
    for (const char* loaded : {"qt6-qpa-plugins", "qt6-translations-l10n", "fonts-liberation", "fonts-dejavu-core"})
        QTest::newRow(loaded) << QString::fromLatin1(loaded);
}

void TestPackage::dependsOn()
{
    QFETCH(QString, package);
    const QStringList depends = field(QStringLiteral("Depends")).split(QStringLiteral(", "));
    const QRegularExpression wanted(QStringLiteral("^") + QRegularExpression::escape(package) + QStringLiteral("( \\(.*\\))?$"));
    QVERIFY2(std::any_of(depends.begin(), depends.end(), [&wanted](const QString& d) { return wanted.match(d).hasMatch(); }),
             qPrintable(depends.join(QStringLiteral(", "))));
}

void TestPackage::filesUnderUsr()
{
    const QStringList files = run(QStringLiteral("dpkg-deb"), {QStringLiteral("--contents"), m_package})
                                  .output.split(u'\n', Qt::SkipEmptyParts);
    QStringList paths;
    for (const QString& line : files)
        paths << line.section(QRegularExpression(QStringLiteral("\\s+")), 5);
    for (const QString& path : paths)
        QVERIFY2(path == QLatin1String("./") || path.startsWith(QLatin1String("./usr/")), qPrintable(path));
    for (const char* wanted : {"./usr/bin/tavrel", "./usr/share/tavrel-ts/terre.jpg", "./usr/share/tavrel-ts/TAVREL.PEM",
                               "./usr/share/tavrel-ts/help/index.html",
                               "./usr/share/applications/fr.tavrel.TavrelTS.desktop",
                               "./usr/share/metainfo/fr.tavrel.TavrelTS.metainfo.xml",
                               "./usr/share/mime/packages/fr.tavrel.TavrelTS.xml",
                               "./usr/share/icons/hicolor/48x48/apps/fr.tavrel.TavrelTS.png",
                               "./usr/share/icons/hicolor/scalable/apps/fr.tavrel.TavrelTS.svg"})
        QVERIFY2(paths.contains(QLatin1String(wanted)), wanted);
    QVERIFY(!paths.join(u'\n').contains(QLatin1String("TEMPTS.TMP")));
}

void TestPackage::prermRemovesTheMarker()
{
    QTemporaryDir control;
    const Run extract = run(QStringLiteral("dpkg-deb"), {QStringLiteral("--control"), m_package, control.path()});
    QVERIFY2(extract.exitCode == 0, qPrintable(extract.output));
    QFile prerm(control.filePath(QStringLiteral("prerm")));
    QVERIFY(prerm.open(QIODevice::ReadOnly));
    QVERIFY(prerm.permissions() & QFile::ExeOther);
    const QString script = QString::fromUtf8(prerm.readAll());
    QVERIFY2(script.contains(QStringLiteral("rm -f /usr/share/tavrel-ts/TEMPTS.TMP")), qPrintable(script));
    QCOMPARE(run(QStringLiteral("sh"), {QStringLiteral("-n"), prerm.fileName()}).exitCode, 0);
}

TAVREL_TEST_MAIN(TestPackage)
#include "test_package.moc"
