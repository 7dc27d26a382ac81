#pragma once
// A colour swatch: a small framed square of one colour, which a click or,
// once reached by Tab, Enter or Space opens the colour chooser on.

#include <QLabel>

class ColourSwatch : public QLabel {
public:
    explicit ColourSwatch(QWidget* parent);

protected:
    void paintEvent(QPaintEvent* event) override;
};
