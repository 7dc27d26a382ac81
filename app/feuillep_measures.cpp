// The measures of the last flight taken out of the program: a CSV file for a
// spreadsheet or Python, with on request a Python program beside it, and the
// same table on the clipboard.

#include "app/feuillep.h"

#include "app/scenepicture.h"
#include "graphs/measures.h"
#include "graphs/pythonprogram.h"
#include "ui/dialogservice.h"
#include "ui/filetowrite.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QMenu>

namespace {

const QString exportTitle = QStringLiteral("Exporter les mesures");

} // namespace

bool FeuilleP::measuresRecorded()
{
    if (!m_flight.samples().empty())
        return true;
    DialogService::current().inform(this, DialogService::Icon::Information, exportTitle,
                                    QStringLiteral("Aucun lancer n'est enregistré : lancez d'abord une simulation, "
                                                   "puis exportez ses mesures."));
    return false;
}

void FeuilleP::exportMeasures_Click()
{
    if (!measuresRecorded())
        return;
    const std::optional<QString> path = chooseFileToWrite(
        this, {QStringLiteral("exportMeasures"), exportTitle, QStringLiteral("mesures.csv"),
               QStringLiteral("Mesures pour un tableur ou Python (*.csv)"), QStringLiteral("csv")});
    if (!path)
        return;
    const DataTable table = graphs::measuresTable(m_flight);
    QString failure = saveFileSafely(*path, tableAsCsv(table));
    QString failed = *path;
    if (failure.isEmpty() && m_ui.exportPython->isChecked()) {
        const QFileInfo csv(*path);
        failed = csv.dir().filePath(csv.completeBaseName() + QStringLiteral(".py"));
        const QString program =
            graphs::pythonProgram(table.title, csv.fileName(), csv.completeBaseName() + QStringLiteral(".png"));
        failure = saveFileSafely(failed, program.toUtf8());
    }
    if (!failure.isEmpty())
        DialogService::current().inform(
            this, DialogService::Icon::Critical, exportTitle,
            QStringLiteral("Le fichier\n%1\nn'a pas pu être enregistré : %2\n\nLe fichier qui s'y trouvait reste tel "
                           "qu'il était.")
                .arg(QDir::toNativeSeparators(failed), failure));
}

void FeuilleP::copyMeasures_Click()
{
    if (!measuresRecorded())
        return;
    QApplication::clipboard()->setMimeData(tableMimeData(graphs::measuresTable(m_flight)));
}

void FeuilleP::showSceneMenu(QPoint at)
{
    m_ui.sceneMenu->popup(m_ui.Picture2->mapToGlobal(at));
}
