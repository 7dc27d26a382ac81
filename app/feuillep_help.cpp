// The help: "&Aide" and F1 anywhere.

#include "app/feuillep.h"

#include "app/helpwindow.h"

#include <QApplication>

HelpWindow* FeuilleP::helpWindow() const { return m_help; }

void FeuilleP::Command7_Click()
{
    // Over a modal window the help belongs to it, or that window would block it.
    QWidget* owner = QApplication::activeModalWidget();
    if (!owner)
        owner = this;
    if (!m_help) {
        m_help = new HelpWindow(HelpWindow::installedManual(), owner);
        m_help->move(owner->frameGeometry().center() - m_help->rect().center());
    }
    else if (m_help->parentWidget() != owner)
        m_help->setParent(owner, Qt::Window);
    m_help->showContents();
    m_help->show();
    m_help->raise();
    m_help->activateWindow();
}
