#pragma once
// Root may write where nobody else may: a case about permissions runs again,
// as the user nobody (65534), in a child process of the same test program.
//
//   void TestX::readOnly()
//   {
//       if (testsupport::runsAsOrdinaryUser("TestX", "readOnly"))
//           return;
//       ... the case itself ...
//   }

#include <QCoreApplication>
#include <QProcess>
#include <QTest>
#include <unistd.h>

namespace testsupport {

inline const char* ordinaryUserChild = "TAVREL_ORDINARY_USER_CHILD";

// Runs the child and checks that the case passed there.
inline void runChildAsOrdinaryUser(const QString& testClass, const QString& function)
{
    QProcess child;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(ordinaryUserChild), QStringLiteral("1"));
    child.setProcessEnvironment(environment);
    child.start(QStringLiteral("setpriv"), {QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                                            QStringLiteral("--clear-groups"), QCoreApplication::applicationFilePath(),
                                            function});
    if (!child.waitForStarted())
        QSKIP("setpriv is needed to run this case without root's rights");
    QVERIFY(child.waitForFinished(120000));
    const QString output = QString::fromUtf8(child.readAllStandardOutput() + child.readAllStandardError());
    QVERIFY2(output.contains(QStringLiteral("PASS   : %1::%2()").arg(testClass, function)), qPrintable(output));
    QCOMPARE(child.exitCode(), 0);
}

// True when the case has been run, as root, in a child without root's
// rights: the caller returns at once.
inline bool runsAsOrdinaryUser(const char* testClass, const char* function)
{
    if (geteuid() != 0 || qEnvironmentVariableIsSet(ordinaryUserChild))
        return false;
    runChildAsOrdinaryUser(QString::fromLatin1(testClass), QString::fromLatin1(function));
    return true;
}

} // namespace testsupport
