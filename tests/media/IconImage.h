#pragma once

#include <QByteArray>
#include <QColor>

// The bytes of a Windows .ico file with one square image, laid out as IconFile describes.
class IconImage {
public:
    // size 16 or 32 (any 1..255 works); bitsPerPixel 4 (16-colour palette) or 32. The image
    // is filled with `colour` and has a border of `border`, so two icons differ in their data.
    static QByteArray bytes(int size, QColor colour, QColor border, int bitsPerPixel = 4);
};
