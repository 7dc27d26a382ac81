#include "app/markerfile.h"

#include "config/recordfile.h"
#include "ui/appdir.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

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

QString MarkerFile::path()
{
    const QString name = QStringLiteral("TEMPTS.TMP");
    const QString application = applicationDirectory();
    if (QFileInfo(application).isWritable())
        return application + name;
    // An installed program's folder belongs to the system: each user then
    // has the marker file in a data folder of his own.
    const QString own = userDirectory();
    QDir().mkpath(own);
    return QDir(own).filePath(name);
}

QString MarkerFile::userDirectory()
{
    return QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation)).filePath(QStringLiteral("tavrel-ts"));
}

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
