#pragma once
// The scene surface on screen (`Picture2`): it shows the canvas of the
// picture surface; the projectile and its shadow are image controls over it.

#include <QWidget>

class PictureSurface;

class ScenePicture : public QWidget {
    Q_OBJECT
public:
    ScenePicture(PictureSurface& surface, QWidget* parent);

signals:
    void mouseMoved(QMouseEvent* event);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    PictureSurface& m_surface;
};
