#pragma once

#include <QColor>
#include <QImage>
#include <QSize>

// The pictures of the demo show, drawn by code.
class DemoPictures {
public:
    // A sunrise: sky gradient, sun and two rows of hills.
    static QImage sunrise(QSize size);
    // A flower of overlapping petals on a soft radial background.
    static QImage flower(QSize size);
    // A five-pointed star on exactly `background`, so the transparency flag lets the previous
    // slide show around it.
    static QImage star(QSize size, QColor background);
    // Diagonal rainbow stripes.
    static QImage stripes(QSize size);
    // Translucent bubbles on a sea-green gradient.
    static QImage bubbles(QSize size);
};
