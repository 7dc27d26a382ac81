#pragma once
// F1 anywhere in the program, over any window or control, opens the help.

#include <QObject>
#include <functional>

class HelpKey : public QObject {
public:
    // Watches the whole application for the lifetime of `owner`.
    HelpKey(QObject* owner, std::function<void()> openHelp);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    std::function<void()> m_openHelp;
};
