#pragma once
// A panel of the tab strip: its paint event fills the panel colour and then
// draws the panel's static texts and figures with the function it was given.

#include <QWidget>
#include <functional>

class PaintedPanel : public QWidget {
public:
    using Painter = std::function<void(QPainter&)>;

    PaintedPanel(const QString& objectName, QWidget* parent, Painter painter = {});
    void setPainter(Painter painter) { m_painter = std::move(painter); }

    static QColor panelColour() { return QColor(240, 235, 230); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Painter m_painter;
};
