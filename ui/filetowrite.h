#pragma once
// Choosing where to write a file the user takes out of the program: the save
// chooser opens in the documents folder on a suggested name, the extension
// is added when none is typed, and an existing file is replaced only once
// the user has said so (otherwise the chooser opens again on that name).

#include <QString>
#include <optional>

class QWidget;

struct FileToWrite {
    QString designName; // the chooser's objectName
    QString caption;
    QString suggestedName;
    QString filter;     // such as "Tableau de valeurs (*.csv)"
    QString suffix;     // such as "csv"
};

// The chosen path, or nothing when the user cancels.
std::optional<QString> chooseFileToWrite(QWidget* parent, const FileToWrite& request);
