#pragma once
// Keys that act on the control that has the focus, where the control itself
// would ignore them: Enter does what a click (or a double click) on it does,
// as a list ignores the key and a dialog would hand it to its default
// button; the menu key and Shift+F10 open its menu, as a right click does.

#include <QWidget>
#include <functional>

// Either Enter key (the main one and the keypad's) runs `act` while
// `control` has the focus.
void onEnterKey(QWidget* control, std::function<void()> act);

// Enter or Space, the keys that press a button, run `act` while `control`
// has the focus.
void onPressKeys(QWidget* control, std::function<void()> act);

// The menu key or Shift+F10 runs `act` while `control` has the focus.
void onMenuKey(QWidget* control, std::function<void()> act);

// Enter presses the push buttons inside root (at the time of the call) as
// Space does. A dialog's push buttons take Enter by themselves; a main
// window's do not, and a user who reached one by Tab, or by a mnemonic two
// buttons share, expects Enter to act on it. (Tool buttons are made
// KeyboardToolButton, which takes Enter itself.)
void clickOnEnter(QWidget* root);
