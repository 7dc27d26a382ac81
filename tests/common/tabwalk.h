#pragma once
// Walks a window's Tab order as a keyboard user does, and reads what a
// screen reader would say of each control it reaches.

#include <QAccessible>
#include <QStringList>
#include <QTest>
#include <QWidget>

namespace testsupport {

struct TabStop {
    QString objectName;
    QString accessibleName;
};

// From `first`, Tab after Tab until the focus comes back to it (or stops moving).
inline std::vector<TabStop> walkTabOrder(QWidget* window, QWidget* first)
{
    first->setFocus(Qt::TabFocusReason);
    std::vector<TabStop> stops;
    QWidget* start = window->focusWidget();
    QWidget* current = start;
    for (int i = 0; i < 200 && current; ++i) {
        QAccessibleInterface* reader = QAccessible::queryAccessibleInterface(current);
        stops.push_back({current->objectName(), reader ? reader->text(QAccessible::Name) : QString()});
        QTest::keyClick(current, Qt::Key_Tab);
        QWidget* next = window->focusWidget();
        if (next == start || next == current)
            break;
        current = next;
    }
    return stops;
}

// The names reached, and the first stop a screen reader has no name for.
inline QStringList namesOf(const std::vector<TabStop>& stops)
{
    QStringList names;
    for (const TabStop& stop : stops)
        names << stop.objectName;
    return names;
}

inline QString firstUnnamed(const std::vector<TabStop>& stops)
{
    for (const TabStop& stop : stops)
        if (stop.accessibleName.trimmed().isEmpty())
            return stop.objectName;
    return QString();
}

} // namespace testsupport
