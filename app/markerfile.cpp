#include "app/markerfile.h"

#include "config/recordfile.h"
#include "ui/appdir.h"

namespace markerfile {

QString path() { return applicationDirectory() + QStringLiteral("TEMPTS.TMP"); }

void setRunning(bool running)
{
    config::writeRecord(path(), runningRecord, running ? QStringLiteral("OUI") : QStringLiteral("NON"));
}

QString takeExerciseRequest()
{
    const QString request = config::readRecord(path(), exerciseRecord).value_or(QString());
    config::writeRecord(path(), exerciseRecord, QString());
    return request;
}

} // namespace markerfile
