#pragma once
// A case that needs what a process is given when it starts (the user it runs
// as, the zoom of the screen) runs again in a child process of the same test
// program, and passes when it passed there.

#include <QCoreApplication>
#include <QProcess>
#include <QTest>

namespace testsupport {

// Runs `function` (its data row `tag`, if any) in a child of this program
// with `environment`, started through `launcher` when one is given (a
// program and its arguments, put before this program's path).
inline void runCaseInChild(const QString& testClass, const QString& function, const QString& tag,
                           const QProcessEnvironment& environment, QStringList launcher = {})
{
    QProcess child;
    child.setProcessEnvironment(environment);
    launcher << QCoreApplication::applicationFilePath() << (tag.isEmpty() ? function : function + u':' + tag);
    const QString program = launcher.takeFirst();
    child.start(program, launcher);
    if (!child.waitForStarted())
        QSKIP(qPrintable(program + QStringLiteral(" is needed to run this case")));
    QVERIFY(child.waitForFinished(120000));
    const QString output = QString::fromUtf8(child.readAllStandardOutput() + child.readAllStandardError());
    QVERIFY2(output.contains(QStringLiteral("PASS   : %1::%2(%3)").arg(testClass, function, tag)), qPrintable(output));
    QCOMPARE(child.exitCode(), 0);
}

} // namespace testsupport
