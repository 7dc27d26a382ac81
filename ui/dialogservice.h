#pragma once
// Every message box and standard dialog of the program goes through here, so
// that tests can answer them without a modal loop.

#include <QColor>
#include <QString>
#include <optional>
#include <vector>

class QWidget;

class DialogService {
public:
    enum class Icon { Information, Question, Warning, Critical };

    virtual ~DialogService() = default;

    // OK/Cancel question; true for OK.
    virtual bool askOkCancel(QWidget* parent, const QString& title, const QString& text) = 0;
    // A message with a single OK button.
    virtual void inform(QWidget* parent, Icon icon, const QString& title, const QString& text) = 0;
    // The colour chooser; nothing when the user cancels.
    virtual std::optional<QColor> chooseColour(QWidget* parent, QColor initial) = 0;

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

    // Replies used in order; when none is queued a question answers OK and the
    // colour chooser is cancelled.
    void queueAnswer(bool ok) { m_answers.push_back(ok); }
    void queueColour(std::optional<QColor> colour) { m_colours.push_back(colour); }

    const std::vector<Shown>& shown() const { return m_shown; }
    std::optional<QColor> lastInitialColour() const { return m_lastInitial; }
    void forget() { m_shown.clear(); }

private:
    std::vector<bool> m_answers;
    std::vector<std::optional<QColor>> m_colours;
    std::vector<Shown> m_shown;
    std::optional<QColor> m_lastInitial;
};
