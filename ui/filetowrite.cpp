#include "ui/filetowrite.h"

#include "ui/dialogservice.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

std::optional<QString> chooseFileToWrite(QWidget* parent, const FileToWrite& request)
{
    DialogService& dialogs = DialogService::current();
    QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (folder.isEmpty() || !QDir(folder).exists())
        folder = QDir::homePath();
    QString start = QDir(folder).filePath(request.suggestedName);
    for (;;) {
        const std::optional<QString> chosen =
            dialogs.chooseFile(parent, {request.designName, request.caption, start, request.filter, true});
        if (!chosen)
            return std::nullopt;
        const QString path =
            QFileInfo(*chosen).suffix().isEmpty() ? *chosen + QLatin1Char('.') + request.suffix : *chosen;
        start = path;
        if (!QFileInfo::exists(path)
            || dialogs.askOkCancel(parent, request.caption,
                                   QStringLiteral("Le fichier « %1 » existe déjà.\nVoulez-vous le remplacer ?")
                                       .arg(QFileInfo(path).fileName())))
            return path;
    }
}
