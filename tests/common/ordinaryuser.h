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

#include "common/childcase.h"

#include <unistd.h>

namespace testsupport {

inline const char* ordinaryUserChild = "TAVREL_ORDINARY_USER_CHILD";

// True when the case has been run, as root, in a child without root's
// rights: the caller returns at once.
inline bool runsAsOrdinaryUser(const char* testClass, const char* function)
{
    if (geteuid() != 0 || qEnvironmentVariableIsSet(ordinaryUserChild))
        return false;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QString::fromLatin1(ordinaryUserChild), QStringLiteral("1"));
    runCaseInChild(QString::fromLatin1(testClass), QString::fromLatin1(function), QString(), environment,
                   {QStringLiteral("setpriv"), QStringLiteral("--reuid=65534"), QStringLiteral("--regid=65534"),
                    QStringLiteral("--clear-groups")});
    return true;
}

} // namespace testsupport
