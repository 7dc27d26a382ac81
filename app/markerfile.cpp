#include "app/markerfile.h"

#include "config/recordfile.h"
#include "ui/appdir.h"

#include <QFileInfo>

namespace {

// Only a regular file, or none yet, is ours: opening a FIFO of that name
// would wait for a writer for ever, and a symbolic link would have us write
// into whatever it points at.
bool isOurs(const QString& path)
{
    const QFileInfo file(path);
    return !file.isSymLink() && (file.isFile() || !file.exists());
}

bool writeIfOurs(int record, const QString& text)
{
    const QString path = MarkerFile::path();
    return isOurs(path) && config::writeRecord(path, record, text);
}

} // namespace

QString MarkerFile::path() { return applicationDirectory() + QStringLiteral("TEMPTS.TMP"); }

void MarkerFile::markRunning()
{
    writeIfOurs(runningRecord, QStringLiteral("OUI"));
    m_running = true;
}

void MarkerFile::markStopped()
{
    if (!m_running)
        return;
    m_running = false;
    writeIfOurs(runningRecord, QStringLiteral("NON"));
}

QString MarkerFile::takeExerciseRequest()
{
    const QString file = path();
    if (!isOurs(file))
        return QString();
    const QString request = config::readRecord(file, exerciseRecord).value_or(QString());
    if (request.isEmpty()) {
        m_requestLeftInFile.clear();
        return QString();
    }
    const bool emptied = config::writeRecord(file, exerciseRecord, QString());
    const bool alreadyGiven = request == m_requestLeftInFile;
    m_requestLeftInFile = emptied ? QString() : request;
    return alreadyGiven ? QString() : request;
}
