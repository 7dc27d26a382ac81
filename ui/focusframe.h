#pragma once
// The style's focus frame, for the controls whose style draws none (a tool
// button, a colour swatch): a user who moves by Tab must see where he is.

class QWidget;

// Paints the frame just inside the widget, when it has the focus; called at
// the end of its paint event.
void paintFocusFrame(QWidget* widget);
