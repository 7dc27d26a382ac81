#pragma once
// Enter on a control that has the focus does what a click (or a double
// click) on it does: a list ignores the key, and a dialog would hand it to
// its default button instead.

#include <QWidget>
#include <functional>

// Either Enter key (the main one and the keypad's) runs `act` while
// `control` has the focus.
void onEnterKey(QWidget* control, std::function<void()> act);
