#include "scene/tabstripwidget.h"

#include <QMouseEvent>
#include <QPainter>

TabStrip::TabStrip(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("Onglets"));
    // Taller than the 225 rows of the design, so that the panels (the live
    // graph among them) are 210 rows high.
    setFixedSize(361, 233);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TabStrip::addPanel(int tab, QWidget* panel)
{
    if (tab < 1 || tab > tabCount || !panel)
        return;
    panel->setParent(this);
    panel->hide();
    m_panels[size_t(tab - 1)] = panel;
}

QWidget* TabStrip::panel(int tab) const
{
    return tab >= 1 && tab <= tabCount ? m_panels[size_t(tab - 1)].data() : nullptr;
}

void TabStrip::paintEvent(QPaintEvent*)
{
    ++m_paintCount;
    if (m_currentTab == 0)
        m_currentTab = 1;
    m_layout = computeTabLayout(m_currentTab, width());
    QPainter painter(this);
    paintTabStrip(painter, m_currentTab, width(), height(), m_layout);
    showSelectedPanel();
}

void TabStrip::showSelectedPanel()
{
    for (int i = 1; i <= tabCount; ++i) {
        if (i != m_currentTab && panel(i))
            panel(i)->hide();
    }
    if (QWidget* selected = panel(m_currentTab)) {
        selected->setGeometry(panelGeometry(m_layout, width(), height()));
        selected->show();
    }
}

void TabStrip::mouseReleaseEvent(QMouseEvent* event)
{
    const QPoint at = event->position().toPoint();
    if (!onCaptionRow(at.y()))
        return;
    // A release beside the strip (the mouse was grabbed) finds no tab: the
    // strip then falls back to its first tab at the repaint.
    selectTab(tabAtRelease(m_layout, at.x(), at.y()));
}

void TabStrip::selectTab(int tab)
{
    if (tab == m_currentTab)
        return;
    m_currentTab = int16_t(tab);
    repaint();
    emit tabChanged(m_currentTab);
}
