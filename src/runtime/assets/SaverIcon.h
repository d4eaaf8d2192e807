#pragma once

#include <QByteArray>
#include <QImage>

// The default screen-saver icon ("scricon.ico"): a night sky with a crescent moon and stars,
// drawn by code at 32 x 32 and stored as an .ico with one 32-bit image (BMP layout with an
// AND mask), the largest form a 32 x 32 icon takes, so any other 32 x 32 icon fits its place.
class SaverIcon {
public:
    static constexpr int kSize = 32;

    static QImage picture();
    static QByteArray icoBytes(const QImage& picture);
};
