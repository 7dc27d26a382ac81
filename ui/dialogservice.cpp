#include "ui/dialogservice.h"

#include <QColorDialog>
#include <QMessageBox>

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

class QtDialogs : public DialogService {
public:
    bool askOkCancel(QWidget* parent, const QString& title, const QString& text) override
    {
        QMessageBox box(QMessageBox::Question, title, text, QMessageBox::Ok | QMessageBox::Cancel, parent);
        box.setDefaultButton(QMessageBox::Ok);
        box.setEscapeButton(QMessageBox::Cancel);
        return box.exec() == QMessageBox::Ok;
    }

    void inform(QWidget* parent, Icon icon, const QString& title, const QString& text) override
    {
        QMessageBox box(toQt(icon), title, text, QMessageBox::Ok, parent);
        box.exec();
    }

    std::optional<QColor> chooseColour(QWidget* parent, QColor initial) override
    {
        const QColor colour = QColorDialog::getColor(initial, parent);
        if (!colour.isValid())
            return std::nullopt;
        return colour;
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
