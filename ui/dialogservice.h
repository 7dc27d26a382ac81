#pragma once
// Every message box and standard dialog of the program goes through here, so
// that tests can answer them without a modal loop.

#include <QColor>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

class QDialog;
class QPrinter;
class QWidget;

class DialogService {
public:
    enum class Icon { Information, Question, Warning, Critical };

    // A file to open or a name to save under, chosen in a standard dialog.
    struct FileRequest {
        QString objectName; // the dialog's design name
        QString caption;
        QString folder;     // where browsing starts
        QString filter;     // such as "Configurations (*.P20 *.p20)"
        bool save = false;  // a name to write; the caller asks before overwriting
    };

    virtual ~DialogService() = default;

    // OK/Cancel question; true for OK.
    virtual bool askOkCancel(QWidget* parent, const QString& title, const QString& text) = 0;
    // A message with a single OK button.
    virtual void inform(QWidget* parent, Icon icon, const QString& title, const QString& text) = 0;
    // The colour chooser; nothing when the user cancels.
    virtual std::optional<QColor> chooseColour(QWidget* parent, QColor initial) = 0;
    // The printer choice, which also offers printing to a PDF file; it sets up
    // `printer` and answers false when the user cancels.
    virtual bool choosePrinter(QWidget* parent, QPrinter& printer) = 0;
    // The preview of the pages `paint` draws on the printer it is given.
    virtual void previewPrint(QWidget* parent, QPrinter& printer, const std::function<void(QPrinter&)>& paint) = 0;

    // Shows one of the program's own modal windows and answers its result
    // (QDialog::Accepted or QDialog::Rejected).
    virtual int runModal(QDialog& dialog) = 0;
    // The full path chosen; nothing when the user cancels.
    virtual std::optional<QString> chooseFile(QWidget* parent, const FileRequest& request) = 0;

    // The service in force: Qt's real dialogs unless another was installed.
    static DialogService& current();
    // Installs a service (not owned); nullptr goes back to the real dialogs.
    static void install(DialogService* service);
};

// Answers dialogs from queued replies and records what was shown.
class ScriptedDialogs : public DialogService {
public:
    struct Shown {
        Icon icon;
        QString title;
        QString text;
    };

    bool askOkCancel(QWidget* parent, const QString& title, const QString& text) override;
    void inform(QWidget* parent, Icon icon, const QString& title, const QString& text) override;
    std::optional<QColor> chooseColour(QWidget* parent, QColor initial) override;
    bool choosePrinter(QWidget* parent, QPrinter& printer) override;
    void previewPrint(QWidget* parent, QPrinter& printer, const std::function<void(QPrinter&)>& paint) override;
    int runModal(QDialog& dialog) override;
    std::optional<QString> chooseFile(QWidget* parent, const FileRequest& request) override;

    // Replies used in order; when none is queued a question answers OK and the
    // colour chooser, the printer choice and the file choosers are cancelled.
    void queueAnswer(bool ok) { m_answers.push_back(ok); }
    void queueColour(std::optional<QColor> colour) { m_colours.push_back(colour); }
    // A printer choice that prints into the PDF file `path`, or a cancelled
    // choice when there is none.
    void queuePrinter(std::optional<QString> pdfPath) { m_printers.push_back(pdfPath); }
    // Where the previews draw their pages (a PDF file); none draws them into a
    // file that is thrown away.
    void setPreviewFile(const QString& pdfPath) { m_previewFile = pdfPath; }
    // What the user does in the next modal window (fills it in, clicks its
    // buttons); with nothing queued the window is closed at once.
    void queueModal(std::function<void(QDialog&)> user) { m_modals.push_back(std::move(user)); }
    // The path the next file dialog answers, or nothing for a cancelled one.
    void queueFile(const std::optional<QString>& path) { m_files.push_back(path.value_or(QString())); }

    const std::vector<Shown>& shown() const { return m_shown; }
    const std::vector<FileRequest>& fileRequests() const { return m_fileRequests; }
    std::optional<QColor> lastInitialColour() const { return m_lastInitial; }
    int printerChoices() const { return m_printerChoices; }
    int previews() const { return m_previews; }
    // The object names of the modal windows shown, in order.
    const std::vector<QString>& modalsShown() const { return m_modalsShown; }
    void forget()
    {
        m_shown.clear();
        m_fileRequests.clear();
    }

private:
    std::vector<bool> m_answers;
    std::vector<std::optional<QColor>> m_colours;
    std::vector<std::optional<QString>> m_printers;
    QString m_previewFile;
    std::vector<std::function<void(QDialog&)>> m_modals;
    std::vector<QString> m_modalsShown;
    int m_printerChoices = 0;
    int m_previews = 0;
    std::vector<QString> m_files; // a null string stands for a cancelled dialog
    std::vector<Shown> m_shown;
    std::vector<FileRequest> m_fileRequests;
    std::optional<QColor> m_lastInitial;
};
