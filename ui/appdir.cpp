#include "ui/appdir.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

QString chosenDirectory;

QString withTrailingSlash(QString directory)
{
    if (!directory.endsWith(u'/'))
        directory += u'/';
    return directory;
}

// The first place photograph is the one file without which the program
// cannot start.
bool holdsData(const QString& directory) { return QFileInfo(QDir(directory).filePath(QStringLiteral("terre.jpg"))).isFile(); }

} // namespace

QString findApplicationDirectory(const QString& executableDirectory)
{
    const QString installed = QDir::cleanPath(QDir(executableDirectory).filePath(QStringLiteral(TAVREL_DATA_FROM_BINARY)));
    if (!holdsData(executableDirectory) && holdsData(installed))
        return withTrailingSlash(installed);
    return withTrailingSlash(executableDirectory);
}

QString applicationDirectory()
{
    if (!chosenDirectory.isEmpty())
        return chosenDirectory;
    static const QString found = findApplicationDirectory(QCoreApplication::applicationDirPath());
    return found;
}

void setApplicationDirectory(const QString& directory)
{
    chosenDirectory = directory.isEmpty() ? QString() : withTrailingSlash(QDir::fromNativeSeparators(directory));
}
