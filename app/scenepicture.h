#pragma once
// The scene surface on screen (`Picture2`). It owns the picture surface it
// shows (the canvas of the two layers), so that the surface lives exactly as
// long as the widget; the projectile and its shadow are image controls over it.

#include "ui/picturesurface.h"

#include <QWidget>

class ScenePicture : public QWidget {
    Q_OBJECT
public:
    explicit ScenePicture(QWidget* parent);

    PictureSurface& surface() { return m_surface; }
    const PictureSurface& surface() const { return m_surface; }

signals:
    void mouseMoved(QMouseEvent* event);
    void mousePressed(QMouseEvent* event);
    void mouseReleased(QMouseEvent* event);

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    PictureSurface m_surface;
};
