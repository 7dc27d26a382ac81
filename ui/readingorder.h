#pragma once
// Tab in reading order: the controls of a panel placed by hand come in the
// order they were made, which is not always the order the eye reads them.

#include <vector>

class QWidget;

// Tab goes from each control to the next, in the order given.
void tabInOrder(const std::vector<QWidget*>& controls);

// The controls of the panel that take the focus by Tab, row by row from the
// top and from left to right in a row; controls whose vertical middles lie
// within half a height of each other share a row.
void tabInReadingOrder(QWidget* panel);
