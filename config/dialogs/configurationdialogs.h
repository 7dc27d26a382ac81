#pragma once
// The save dialog `enregistrer` and the open dialog `ouvrir` of
// configurations, with their messages. The file itself is chosen in a
// standard dialog through the dialog service, starting in the user's
// documents and then in the folder last used during the run.

#include "config/configuration.h"

#include <QString>
#include <optional>

class QWidget;

namespace config {

class ConfigurationDialogs {
public:
    explicit ConfigurationDialogs(QString startFolder = documentsFolder());

    // `enregistrer`: refuses an empty name, adds ".P20" and asks before
    // overwriting. The full path, or nothing when the user gives up.
    std::optional<QString> chooseFileToSave(QWidget* parent);
    // `ouvrir`: a "*.P20" file that can be read, or nothing.
    std::optional<QString> chooseFileToOpen(QWidget* parent);

    QString folder() const { return m_folder; }

    static QString documentsFolder();

private:
    QString m_folder;
};

// True when path names a file that can be opened; otherwise tells the user.
bool checkFileToOpen(QWidget* parent, const QString& path);
// True for a name ending in ".P20", whatever its case.
bool hasConfigurationExtension(const QString& path);
// Writes the file; on failure tells the user and returns false.
bool saveConfigurationFile(QWidget* parent, const QString& path, const Configuration& configuration);
// Tells the user why a file was not, or not wholly, read.
void reportReadFailure(QWidget* parent, const ReadFailure& failure);

} // namespace config
