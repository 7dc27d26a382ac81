#include "ui/keyfilter.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>

KeyFilter::KeyFilter(QLineEdit* field, QString allowed, Handlers handlers)
    : QObject(field)
    , m_field(field)
    , m_allowed(std::move(allowed))
    , m_handlers(std::move(handlers))
{
    field->installEventFilter(this);
}

bool KeyFilter::accepts(QChar c, const QString& allowed)
{
    return c.isDigit() || allowed.contains(c);
}

bool KeyFilter::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != m_field)
        return false;
    switch (event->type()) {
    case QEvent::FocusIn:
        if (m_handlers.focusIn)
            m_handlers.focusIn();
        return false;
    case QEvent::FocusOut:
        if (m_handlers.focusOut)
            m_handlers.focusOut();
        return false;
    case QEvent::KeyPress:
        break;
    default:
        return false;
    }

    auto* key = static_cast<QKeyEvent*>(event);
    if (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) {
        if (m_handlers.enter)
            m_handlers.enter();
        if (m_handlers.rejected)
            m_handlers.rejected();
        return true;
    }
    // Editing and navigation keys carry no character and always pass, and so do
    // shortcuts such as Ctrl+C; the text typed is what gets filtered.
    const QString text = key->text();
    if (key->key() == Qt::Key_Backspace || text.isEmpty() || !text.at(0).isPrint()
        || (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier)))
        return false;

    QChar c = text.at(0);
    if (c == QLatin1Char('.'))
        c = QLatin1Char(',');
    if (!accepts(c, m_allowed)) {
        if (m_handlers.rejected)
            m_handlers.rejected();
        return true;
    }
    if (c != text.at(0)) {
        m_field->insert(QString(c));
        return true;
    }
    return false;
}
