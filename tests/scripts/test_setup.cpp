// The scripts of the two commands. setup.sh on a machine where packages are
// missing: as root it installs them, through sudo when it has it, and
// without either it names the missing packages and the command to run as
// root. run.sh builds the program alone, test.sh everything with warnings as
// errors, then again under the sanitizers. The system commands they call are
// stand-ins that record what they were asked.

#include "common/testmain.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QStringList packages{QStringLiteral("build-essential"),
                           QStringLiteral("cmake"),
                           QStringLiteral("qt6-base-dev"),
                           QStringLiteral("qt6-base-dev-tools"),
                           QStringLiteral("qt6-multimedia-dev"),
                           QStringLiteral("qt6-svg-dev"),
                           QStringLiteral("qt6-translations-l10n"),
                           QStringLiteral("libgl1-mesa-dev"),
                           QStringLiteral("libmuparser-dev"),
                           QStringLiteral("fonts-liberation"),
                           QStringLiteral("fonts-dejavu-core"),
                           QStringLiteral("poppler-utils"),
                           QStringLiteral("xvfb"),
                           QStringLiteral("xdotool"),
                           QStringLiteral("desktop-file-utils"),
                           QStringLiteral("appstream"),
                           QStringLiteral("shared-mime-info"),
                           QStringLiteral("libglib2.0-bin"),
                           QStringLiteral("clang"),
                           QStringLiteral("libclang-rt-14-dev"),
                           QStringLiteral("clang-format"),
                           QStringLiteral("python3-matplotlib"),
                           QStringLiteral("python3-pandas")};

bool writeScript(const QString& path, const QByteArray& body)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    file.write("#!/bin/bash\n" + body);
    file.close();
    return file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
}

// Stand-ins for git and clang-format 14 in folder stand: git answers whether
// the base is a commit, git-clang-format prints formatOutput; both record
// their calls in log.
bool writeFormatTools(const QString& stand, const QByteArray& log, bool baseExists, const QByteArray& formatOutput)
{
    return writeScript(stand + QStringLiteral("git"),
                       "echo \"git $*\" >> '" + log + "'\nexit " + (baseExists ? "0" : "1") + "\n")
           && writeScript(stand + QStringLiteral("git-clang-format-14"),
                          "echo \"git-clang-format $1 ${2##*/} ${*:3}\" >> '" + log + "'\nprintf '" + formatOutput
                              + "'\n")
           && writeScript(stand + QStringLiteral("clang-format-14"), "exit 0\n");
}

} // namespace

class TestSetup : public QObject {
    Q_OBJECT
private slots:
    void missingPackages_data();
    void missingPackages();
    void buildCommands_data();
    void buildCommands();
    void formatCheck_data();
    void formatCheck();
};

void TestSetup::missingPackages_data()
{
    QTest::addColumn<bool>("installed");
    QTest::addColumn<int>("user");
    QTest::addColumn<bool>("hasSudo");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("aptCalls");
    const QString install = QStringLiteral("install -y -qq --no-install-recommends ") + packages.join(QLatin1Char(' '));
    QTest::newRow("nothing missing") << true << 1000 << false << 0 << QString();
    QTest::newRow("root") << false << 0 << false << 0
                          << QStringLiteral("update -qq\n") + QStringLiteral("noninteractive ") + install + QLatin1Char('\n');
    QTest::newRow("through sudo") << false << 1000 << true << 0
                                  << QStringLiteral("sudo update -qq\n") + QStringLiteral("sudo noninteractive ")
                                         + install + QLatin1Char('\n');
    QTest::newRow("neither root nor sudo") << false << 1000 << false << 1 << QString();
}

void TestSetup::missingPackages()
{
    QFETCH(bool, installed);
    QFETCH(int, user);
    QFETCH(bool, hasSudo);
    QFETCH(int, exitCode);
    QFETCH(QString, aptCalls);
    QTemporaryDir stand;
    QVERIFY(stand.isValid());
    const QString log = stand.filePath(QStringLiteral("apt.log"));
    const QByteArray logPath = QFile::encodeName(log);
    QVERIFY(writeScript(stand.filePath(QStringLiteral("dpkg-query")),
                        installed ? "echo -n 'install ok installed'\n" : "exit 1\n"));
    QVERIFY(writeScript(stand.filePath(QStringLiteral("id")), "echo " + QByteArray::number(user) + "\n"));
    QVERIFY(writeScript(stand.filePath(QStringLiteral("apt-get")),
                        "echo \"${SUDO_MARK:+sudo }${DEBIAN_FRONTEND:+$DEBIAN_FRONTEND }$*\" >> '" + logPath + "'\n"));
    if (hasSudo)
        QVERIFY(writeScript(stand.filePath(QStringLiteral("sudo")), "SUDO_MARK=1 exec \"$@\"\n"));
    QVERIFY(QFile::link(QStringLiteral("/usr/bin/env"), stand.filePath(QStringLiteral("env"))));
    QVERIFY(QFile::link(QStringLiteral("/bin/grep"), stand.filePath(QStringLiteral("grep"))));

    QProcess setup;
    QProcessEnvironment environment;
    environment.insert(QStringLiteral("PATH"), stand.path());
    setup.setProcessEnvironment(environment);
    setup.start(QStringLiteral("/bin/bash"), {QStringLiteral(TAVREL_SOURCE_DIR "scripts/setup.sh")});
    QVERIFY(setup.waitForFinished(30000));
    const QString errors = QString::fromUtf8(setup.readAllStandardError());
    QCOMPARE(setup.exitCode(), exitCode);
    QVERIFY2(!errors.contains(QStringLiteral("command not found")), qPrintable(errors));

    QFile calls(log);
    QCOMPARE(calls.open(QIODevice::ReadOnly) ? QString::fromUtf8(calls.readAll()) : QString(), aptCalls);
    if (exitCode != 0) {
        QVERIFY2(errors.contains(QStringLiteral("Missing Debian packages: ") + packages.join(QLatin1Char(' '))),
                 qPrintable(errors));
        QVERIFY2(errors.contains(QStringLiteral("apt-get update && apt-get install --no-install-recommends ")
                                 + packages.join(QLatin1Char(' '))),
                 qPrintable(errors));
    } else {
        QCOMPARE(errors, QString());
    }
}

void TestSetup::buildCommands_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("calls");
    QTest::newRow("run.sh") << "run.sh"
                            << "cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo\n"
                               "cmake --build build -j 2 --target tavrel\n"
                               "tavrel\n";
    QTest::newRow("test.sh")
        << "test.sh"
        << "git rev-parse --verify --quiet HEAD~1^{commit}\n"
           "git-clang-format --binary clang-format-14 --diff HEAD~1\n"
           "cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVREL_WARNINGS_AS_ERRORS=ON\n"
           "cmake --build build -j 2\n"
           "ctest in build: --output-on-failure -j 2 offscreen\n"
           "cmake -S . -B build-asan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTAVREL_WARNINGS_AS_ERRORS=ON"
           " -DTAVREL_SANITIZE=ON\n"
           "cmake --build build-asan -j 2\n"
           "ctest in build-asan: --output-on-failure -j 2 offscreen"
           " asan:halt_on_error=1:detect_leaks=1 ubsan:halt_on_error=1:print_stacktrace=1\n";
}

// The scripts run from a copy of the tree whose program is a stand-in too.
void TestSetup::buildCommands()
{
    QFETCH(QString, script);
    QFETCH(QString, calls);
    QTemporaryDir tree;
    QVERIFY(tree.isValid());
    QVERIFY(QDir(tree.path()).mkpath(QStringLiteral("scripts")));
    QVERIFY(QDir(tree.path()).mkpath(QStringLiteral("build/app")));
    QVERIFY(QDir(tree.path()).mkpath(QStringLiteral("build-asan")));
    QVERIFY(QDir(tree.path()).mkpath(QStringLiteral("stand")));
    for (const char* name : {"setup.sh", "check-format.sh", "build.sh", "run.sh", "test.sh"}) {
        const QString copy = tree.filePath(QStringLiteral("scripts/") + QLatin1String(name));
        QVERIFY(QFile::copy(QStringLiteral(TAVREL_SOURCE_DIR "scripts/") + QLatin1String(name), copy));
        QVERIFY(QFile::setPermissions(copy, QFile::ReadOwner | QFile::ExeOwner));
    }
    const QByteArray log = QFile::encodeName(tree.filePath(QStringLiteral("calls.log")));
    const QString stand = tree.filePath(QStringLiteral("stand/"));
    QVERIFY(writeScript(tree.filePath(QStringLiteral("build/app/tavrel")), "echo tavrel >> '" + log + "'\n"));
    QVERIFY(writeScript(stand + QStringLiteral("cmake"), "echo \"cmake $*\" >> '" + log + "'\n"));
    QVERIFY(writeScript(stand + QStringLiteral("ctest"),
                        "echo \"ctest in ${PWD##*/}: $* $QT_QPA_PLATFORM${ASAN_OPTIONS:+ asan:$ASAN_OPTIONS}"
                        "${UBSAN_OPTIONS:+ ubsan:$UBSAN_OPTIONS}\" >> '"
                            + log + "'\n"));
    QVERIFY(writeScript(stand + QStringLiteral("dpkg-query"), "echo -n 'install ok installed'\n"));
    QVERIFY(writeScript(stand + QStringLiteral("nproc"), "echo 2\n"));
    QVERIFY(writeFormatTools(stand, log, true, "clang-format did not modify any files\\n"));
    for (const char* tool : {"dirname", "grep"})
        QVERIFY(QFile::link(QStringLiteral("/usr/bin/") + QLatin1String(tool), stand + QLatin1String(tool)));

    QProcess run;
    QProcessEnvironment environment;
    environment.insert(QStringLiteral("PATH"), stand + QStringLiteral(":/bin"));
    run.setProcessEnvironment(environment);
    run.start(QStringLiteral("/bin/bash"), {tree.filePath(QStringLiteral("scripts/") + script)});
    QVERIFY(run.waitForFinished(30000));
    QVERIFY2(run.exitCode() == 0, run.readAllStandardError().constData());
    QFile recorded(QFile::decodeName(log));
    QVERIFY(recorded.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(recorded.readAll()), calls);
}

// The lines a change touches, from the base (the commit before HEAD unless
// named) to the work tree: a diff from git-clang-format fails the check.
void TestSetup::formatCheck_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("baseExists");
    QTest::addColumn<QByteArray>("formatOutput");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("calls");
    const QByteArray clean = "clang-format did not modify any files\\n";
    const QByteArray unformatted = "diff --git a/sim/flight.cpp b/sim/flight.cpp\\n-int f() { return 1; }\\n";
    const QString checkLast = QStringLiteral("git rev-parse --verify --quiet HEAD~1^{commit}\n"
                                             "git-clang-format --binary clang-format-14 --diff HEAD~1\n");
    QTest::newRow("last commit formatted") << QStringList() << true << clean << 0 << checkLast;
    QTest::newRow("last commit unformatted") << QStringList() << true << unformatted << 1 << checkLast;
    QTest::newRow("branch against main") << QStringList{QStringLiteral("main")} << true << unformatted << 1
                                         << QStringLiteral("git rev-parse --verify --quiet main^{commit}\n"
                                                           "git-clang-format --binary clang-format-14 --diff main\n");
    QTest::newRow("history of one commit") << QStringList() << false << unformatted << 0
                                           << QStringLiteral("git rev-parse --verify --quiet HEAD~1^{commit}\n");
    QTest::newRow("base that is no commit") << QStringList{QStringLiteral("mian")} << false << clean << 1
                                            << QStringLiteral("git rev-parse --verify --quiet mian^{commit}\n");
}

void TestSetup::formatCheck()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, baseExists);
    QFETCH(QByteArray, formatOutput);
    QFETCH(int, exitCode);
    QFETCH(QString, calls);
    QTemporaryDir tree;
    QVERIFY(tree.isValid());
    QVERIFY(QDir(tree.path()).mkpath(QStringLiteral("scripts")));
    QVERIFY(QDir(tree.path()).mkpath(QStringLiteral("stand")));
    const QString script = tree.filePath(QStringLiteral("scripts/check-format.sh"));
    QVERIFY(QFile::copy(QStringLiteral(TAVREL_SOURCE_DIR "scripts/check-format.sh"), script));
    const QByteArray log = QFile::encodeName(tree.filePath(QStringLiteral("calls.log")));
    const QString stand = tree.filePath(QStringLiteral("stand/"));
    QVERIFY(writeFormatTools(stand, log, baseExists, formatOutput));
    for (const char* tool : {"dirname", "grep"})
        QVERIFY(QFile::link(QStringLiteral("/usr/bin/") + QLatin1String(tool), stand + QLatin1String(tool)));

    QProcess check;
    QProcessEnvironment environment;
    environment.insert(QStringLiteral("PATH"), stand);
    check.setProcessEnvironment(environment);
    check.start(QStringLiteral("/bin/bash"), QStringList{script} + arguments);
    QVERIFY(check.waitForFinished(30000));
    const QString errors = QString::fromUtf8(check.readAllStandardError());
    QCOMPARE(check.exitCode(), exitCode);
    QVERIFY2(!errors.contains(QStringLiteral("command not found")), qPrintable(errors));
    // A failing check shows the lines to mend.
    if (exitCode != 0 && baseExists)
        QVERIFY(check.readAllStandardOutput().contains("-int f() { return 1; }"));
    QFile recorded(QFile::decodeName(log));
    QVERIFY(recorded.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(recorded.readAll()), calls);
}

TAVREL_TEST_MAIN(TestSetup)
#include "test_setup.moc"
