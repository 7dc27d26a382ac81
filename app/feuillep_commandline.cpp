// The files named on the command line (a double click on a ".P20" or ".E43"
// file in the file manager): each goes the road of the button that opens it.

#include "app/feuillep.h"

#include "exercises/exercisecommands.h"
#include "ui/dialogservice.h"

#include <QFileInfo>
#include <QUrl>

namespace {

// A path, absolute from the working directory, or the local file of a
// "file:" address as some file managers hand it over.
QString localPath(const QString& argument)
{
    const QUrl url(argument);
    const QString path = argument.startsWith(QLatin1String("file:")) && url.isLocalFile() ? url.toLocalFile() : argument;
    return QFileInfo(path).absoluteFilePath();
}

bool hasExerciseExtension(const QString& path)
{
    return QFileInfo(path).suffix().compare(QLatin1String("E43"), Qt::CaseInsensitive) == 0;
}

} // namespace

void FeuilleP::openCommandLine(const QStringList& arguments)
{
    for (const QString& argument : arguments) {
        const QString path = localPath(argument);
        if (config::hasConfigurationExtension(path)) {
            if (config::checkFileToOpen(this, path))
                openConfiguration(path);
        } else if (hasExerciseExtension(path)) {
            m_exercises->openExerciseFile(path);
        } else {
            DialogService::current().inform(this, DialogService::Icon::Critical, QStringLiteral("Fichier non reconnu"),
                                            QStringLiteral("« ") + argument
                                                + QStringLiteral(" » n'est ni une configuration (.P20) ni un "
                                                                 "exercice (.E43) de Tavrel TS."));
        }
    }
}
