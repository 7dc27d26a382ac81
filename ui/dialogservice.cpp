#include "ui/dialogservice.h"

#include <QColorDialog>
#include <QDialog>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>

namespace {

QMessageBox::Icon toQt(DialogService::Icon icon)
{
    switch (icon) {
    case DialogService::Icon::Information: return QMessageBox::Information;
    case DialogService::Icon::Question: return QMessageBox::Question;
    case DialogService::Icon::Warning: return QMessageBox::Warning;
    case DialogService::Icon::Critical: return QMessageBox::Critical;
    }
    return QMessageBox::NoIcon;
}

// A message box wraps any line wider than half the screen or 500 pixels;
// our texts break their lines where they mean to, so the box is made wide
// enough for its widest line (within the screen).
void keepLinesAsWritten(QMessageBox& box)
{
    auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label"));
    if (!label)
        return;
    const QFontMetrics metrics(label->font());
    int widest = 0;
    for (const QString& line : box.text().split(QLatin1Char('\n')))
        widest = qMax(widest, metrics.horizontalAdvance(line));
    if (const QScreen* screen = box.screen())
        widest = qMin(widest, screen->availableGeometry().width() * 9 / 10 - 100);
    label->setStyleSheet(QStringLiteral("QLabel { min-width: %1px; }").arg(widest + metrics.averageCharWidth()));
}

class QtDialogs : public DialogService {
public:
    bool askOkCancel(QWidget* parent, const QString& title, const QString& text) override
    {
        QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Ok | QMessageBox::Cancel, parent);
        keepLinesAsWritten(box);
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Cancel);
        return box.exec() == QMessageBox::Ok;
    }

    void inform(QWidget* parent, Icon icon, const QString& title, const QString& text) override
    {
        QMessageBox box(toQt(icon), title, text, QMessageBox::Ok, parent);
        keepLinesAsWritten(box);
        box.exec();
    }

    std::optional<QColor> chooseColour(QWidget* parent, QColor initial) override
    {
        const QColor colour = QColorDialog::getColor(initial, parent);
        if (!colour.isValid())
            return std::nullopt;
        return colour;
    }

    bool choosePrinter(QWidget* parent, QPrinter& printer) override
    {
        QPrintDialog dialog(&printer, parent);
        dialog.setOption(QAbstractPrintDialog::PrintToFile, true);
        return dialog.exec() == QDialog::Accepted;
    }

    void previewPrint(QWidget* parent, QPrinter& printer, const std::function<void(QPrinter&)>& paint) override
    {
        QPrintPreviewDialog preview(&printer, parent);
        preview.setWindowState(preview.windowState() | Qt::WindowMaximized);
        QObject::connect(&preview, &QPrintPreviewDialog::paintRequested, &preview,
                         [&paint](QPrinter* target) { paint(*target); });
        preview.exec();
    }

    int runModal(QDialog& dialog) override { return dialog.exec(); }

    std::optional<QString> chooseFile(QWidget* parent, const FileRequest& request) override
    {
        QFileDialog dialog(parent, request.caption, request.folder, request.filter);
        dialog.setObjectName(request.objectName);
        // Qt's own dialog speaks French through our translations on every desktop.
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
        dialog.setAcceptMode(request.save ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
        dialog.setFileMode(request.save ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::nullopt;
        return dialog.selectedFiles().constFirst();
    }
};

DialogService* installed = nullptr;

} // namespace

DialogService& DialogService::current()
{
    static QtDialogs real;
    return installed ? *installed : real;
}

void DialogService::install(DialogService* service) { installed = service; }

bool ScriptedDialogs::askOkCancel(QWidget*, const QString& title, const QString& text)
{
    m_shown.push_back({Icon::Question, title, text});
    if (m_answers.empty())
        return true;
    const bool ok = m_answers.front();
    m_answers.erase(m_answers.begin());
    return ok;
}

void ScriptedDialogs::inform(QWidget*, Icon icon, const QString& title, const QString& text)
{
    m_shown.push_back({icon, title, text});
}

std::optional<QColor> ScriptedDialogs::chooseColour(QWidget*, QColor initial)
{
    m_lastInitial = initial;
    if (m_colours.empty())
        return std::nullopt;
    const std::optional<QColor> colour = m_colours.front();
    m_colours.erase(m_colours.begin());
    return colour;
}

bool ScriptedDialogs::choosePrinter(QWidget*, QPrinter& printer)
{
    ++m_printerChoices;
    if (m_printers.empty())
        return false;
    const std::optional<QString> path = m_printers.front();
    m_printers.erase(m_printers.begin());
    if (!path)
        return false;
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(*path);
    return true;
}

void ScriptedDialogs::previewPrint(QWidget*, QPrinter& printer, const std::function<void(QPrinter&)>& paint)
{
    ++m_previews;
    QTemporaryDir scratch;
    QPrinter preview(QPrinter::HighResolution);
    preview.setPageLayout(printer.pageLayout());
    preview.setOutputFormat(QPrinter::PdfFormat);
    preview.setOutputFileName(m_previewFile.isEmpty() ? scratch.filePath(QStringLiteral("preview.pdf")) : m_previewFile);
    paint(preview);
}

int ScriptedDialogs::runModal(QDialog& dialog)
{
    m_modalsShown.push_back(dialog.objectName());
    dialog.setResult(QDialog::Rejected);
    if (!m_modals.empty()) {
        const std::function<void(QDialog&)> user = std::move(m_modals.front());
        m_modals.erase(m_modals.begin());
        user(dialog);
    }
    return dialog.result();
}


std::optional<QString> ScriptedDialogs::chooseFile(QWidget*, const FileRequest& request)
{
    m_fileRequests.push_back(request);
    if (m_files.empty())
        return std::nullopt;
    const QString path = m_files.front();
    m_files.erase(m_files.begin());
    if (path.isNull())
        return std::nullopt;
    return path;
}
