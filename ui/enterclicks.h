#pragma once
// Enter presses the focused button as Space does. In a dialog Qt does that
// for its push buttons; in a main window it does not, and a user who reached
// a button by Tab expects Enter to act on it.

class QWidget;

// The push and tool buttons inside root at the time of the call.
void clickOnEnter(QWidget* root);
