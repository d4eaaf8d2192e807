#pragma once

#include <QColor>
#include <QImage>
#include <QSize>

// Pictures drawn by code for tests and the demo show (Format_RGB32).
class TestPicture {
public:
    static QImage solid(QSize size, QColor colour);
    // Left-to-right blend from `from` to `to`.
    static QImage gradient(QSize size, QColor from, QColor to);
    // A filled ellipse of `shape` on `background`: the corners are exactly the background
    // colour, which makes the picture useful for transparency.
    static QImage ellipse(QSize size, QColor background, QColor shape);
};
