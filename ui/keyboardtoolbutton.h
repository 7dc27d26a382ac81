#pragma once
// A tool button for the keyboard: it shows the focus frame, which the style
// leaves out of tool buttons (and a flat one has nothing else to show), and
// Enter presses it as Space does.

#include <QToolButton>

class KeyboardToolButton : public QToolButton {
public:
    explicit KeyboardToolButton(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};
