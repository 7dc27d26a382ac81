#include "ui/appdir.h"

#include <QCoreApplication>
#include <QDir>

namespace {

QString chosenDirectory;

QString withTrailingSlash(QString directory)
{
    if (!directory.endsWith(u'/'))
        directory += u'/';
    return directory;
}

} // namespace

QString applicationDirectory()
{
    if (!chosenDirectory.isEmpty())
        return chosenDirectory;
    return withTrailingSlash(QCoreApplication::applicationDirPath());
}

void setApplicationDirectory(const QString& directory)
{
    chosenDirectory = directory.isEmpty() ? QString() : withTrailingSlash(QDir::fromNativeSeparators(directory));
}
