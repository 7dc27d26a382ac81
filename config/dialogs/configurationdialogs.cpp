#include "config/dialogs/configurationdialogs.h"

#include "ui/dialogservice.h"

#include <QApplication>
#include <QCursor>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace config {

namespace {

const QString extension = QStringLiteral("P20");
const QString filter = QStringLiteral("Configurations Tavrel TS (*.P20 *.p20)");

QString withExtension(const QString& path)
{
    return hasConfigurationExtension(path) ? path : path + u'.' + extension;
}

QString nameWithoutExtension(const QString& path)
{
    const QString name = QFileInfo(path).fileName();
    return hasConfigurationExtension(name) ? name.chopped(extension.size() + 1) : name;
}

// The busy pointer while the file is written, back to normal before any message.
class BusyPointer {
public:
    BusyPointer() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyPointer() { QApplication::restoreOverrideCursor(); }
    BusyPointer(const BusyPointer&) = delete;
    BusyPointer& operator=(const BusyPointer&) = delete;
};

} // namespace

ConfigurationDialogs::ConfigurationDialogs(QString startFolder) : m_folder(std::move(startFolder)) {}

QString ConfigurationDialogs::documentsFolder()
{
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

std::optional<QString> ConfigurationDialogs::chooseFileToSave(QWidget* parent)
{
    DialogService& dialogs = DialogService::current();
    const QString caption = QStringLiteral("Enregistrer les paramètres.");
    for (;;) {
        const std::optional<QString> chosen =
            dialogs.chooseFile(parent, {QStringLiteral("enregistrer"), caption, m_folder, filter, true});
        if (!chosen)
            return std::nullopt;
        if (nameWithoutExtension(*chosen).trimmed().isEmpty()) {
            dialogs.inform(parent, DialogService::Icon::Warning, caption,
                           QStringLiteral("Il faut donner un nom au fichier!"));
            continue;
        }
        const QFileInfo file(withExtension(*chosen));
        m_folder = file.absolutePath();
        if (file.exists()
            && !dialogs.askOkCancel(parent, QStringLiteral("Ce fichier existe déjà!"),
                                    QStringLiteral("Ecraser le fichier existant?")))
            continue;
        return file.absoluteFilePath();
    }
}

std::optional<QString> ConfigurationDialogs::chooseFileToOpen(QWidget* parent)
{
    for (;;) {
        const std::optional<QString> chosen = DialogService::current().chooseFile(
            parent, {QStringLiteral("ouvrir"), QStringLiteral("Ouvrir une configuration"), m_folder, filter, false});
        if (!chosen)
            return std::nullopt;
        const QFileInfo file(*chosen);
        m_folder = file.absolutePath();
        if (checkFileToOpen(parent, *chosen))
            return file.absoluteFilePath();
    }
}

bool checkFileToOpen(QWidget* parent, const QString& path)
{
    const QFileInfo file(path);
    if (file.isFile() && file.isReadable())
        return true;
    DialogService::current().inform(parent, DialogService::Icon::Critical,
                                    QStringLiteral("impossible d'ouvrir ce fichier"),
                                    QStringLiteral("Nom de fichier incorrect ou chemin non valide"));
    return false;
}

bool hasConfigurationExtension(const QString& path)
{
    return QFileInfo(path).suffix().compare(extension, Qt::CaseInsensitive) == 0;
}

bool saveConfigurationFile(QWidget* parent, const QString& path, const Configuration& configuration)
{
    bool written = false;
    {
        const BusyPointer busy;
        written = writeConfiguration(path, configuration);
    }
    if (!written)
        DialogService::current().inform(parent, DialogService::Icon::Critical,
                                        QStringLiteral("Enregistrement impossible"),
                                        QStringLiteral("Ecriture impossible sur disque"));
    return written;
}

void reportReadFailure(QWidget* parent, const ReadFailure& failure)
{
    if (failure.kind == ReadFailure::WrongSignature)
        DialogService::current().inform(parent, DialogService::Icon::Critical, QStringLiteral("Fichier non valide"),
                                        QStringLiteral("Ce fichier ne correspond pas à cette application"));
    else
        DialogService::current().inform(parent, DialogService::Icon::Critical,
                                        QStringLiteral("Erreur lors du chargement du fichier"),
                                        QStringLiteral("Lecture impossible sur disque"));
}

} // namespace config
