#include "ui/readingorder.h"

#include <QWidget>
#include <algorithm>
#include <vector>

void tabInReadingOrder(QWidget* panel)
{
    std::vector<QWidget*> controls;
    for (QWidget* child : panel->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (child->focusPolicy() & Qt::TabFocus)
            controls.push_back(child);
    }
    const auto middle = [](const QWidget* w) { return w->geometry().center().y(); };
    std::stable_sort(controls.begin(), controls.end(),
                     [&middle](const QWidget* a, const QWidget* b) { return middle(a) < middle(b); });
    // Rows from the top; each row then from the left.
    for (auto row = controls.begin(); row != controls.end();) {
        const QWidget* first = *row;
        const auto end = std::find_if(row, controls.end(), [&](const QWidget* w) {
            return middle(w) - middle(first) > std::min(first->height(), w->height()) / 2;
        });
        std::stable_sort(row, end, [](const QWidget* a, const QWidget* b) { return a->x() < b->x(); });
        row = end;
    }
    tabInOrder(controls);
}

void tabInOrder(const std::vector<QWidget*>& controls)
{
    for (size_t i = 1; i < controls.size(); ++i)
        QWidget::setTabOrder(controls[i - 1], controls[i]);
}
