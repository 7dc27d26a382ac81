#pragma once
// Per-key filtering of a text field, the way the parameter fields want it:
// only some characters get through, "." becomes ",", Enter validates at once.

#include <QObject>
#include <QString>
#include <functional>

class QLineEdit;

class KeyFilter : public QObject {
public:
    struct Handlers {
        std::function<void()> enter;      // Enter or Return
        std::function<void()> rejected;   // a character key was discarded (Enter included)
        std::function<void()> focusIn;
        std::function<void()> focusOut;
    };

    // allowed: the characters that get through besides digits and Backspace.
    KeyFilter(QLineEdit* field, QString allowed, Handlers handlers);

    // Whether a typed character is accepted, after "." has become ",".
    static bool accepts(QChar c, const QString& allowed);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* m_field;
    QString m_allowed;
    Handlers m_handlers;
};
