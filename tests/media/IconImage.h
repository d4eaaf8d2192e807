#pragma once

#include <QByteArray>
#include <QColor>

// The bytes of a Windows .ico file with one square image: a 6-byte header, one 16-byte
// directory entry (byte 6 of the file = width) and the image as a BMP without its file
// header (BITMAPINFOHEADER of doubled height, palette, colour rows, AND-mask rows).
class IconImage {
public:
    static constexpr int kHeaderSize = 6;
    static constexpr int kEntrySize = 16;
    static constexpr int kImageOffset = kHeaderSize + kEntrySize;
    static constexpr int kWidthOffset = 6;

    // size 16 or 32 (any 1..255 works); bitsPerPixel 4 (16-colour palette) or 32. The image
    // is filled with `colour` and has a border of `border`, so two icons differ in their data.
    static QByteArray bytes(int size, QColor colour, QColor border, int bitsPerPixel = 4);
};
