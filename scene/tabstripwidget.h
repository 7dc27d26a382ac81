#pragma once
// The picture box "Onglets": paints the strip, shows the panel of the
// selected tab and selects a tab on a mouse release over the caption row.

#include "scene/tabstrip.h"

#include <QPointer>
#include <QWidget>
#include <array>
#include <cstdint>

class TabStrip : public QWidget {
    Q_OBJECT
public:
    explicit TabStrip(QWidget* parent = nullptr);

    // 0 until the first paint, which selects tab 1.
    int currentTab() const { return m_currentTab; }
    // The panel becomes a child of the strip; it shows only while its tab is selected.
    void addPanel(int tab, QWidget* panel);
    QWidget* panel(int tab) const;
    // The bounds of the last paint, which a mouse release uses.
    const TabStripLayout& lastLayout() const { return m_layout; }
    int paintCount() const { return m_paintCount; }
    // Selects a tab (1 to tabCount) as a click on its caption does.
    void selectTab(int tab);

signals:
    void tabChanged(int tab);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void showSelectedPanel();

    int16_t m_currentTab = 0;
    std::array<QPointer<QWidget>, tabCount> m_panels;
    TabStripLayout m_layout;
    int m_paintCount = 0;
};
