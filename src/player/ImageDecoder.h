#pragma once

#include "player/PixelImage.h"

#include <QByteArray>
#include <QImage>
#include <QString>

#include <string_view>

// Decodes slide images (BMP, JPEG) into Format_RGB32 pictures at natural size, with the JPEG
// orientation applied. The allocation limit is raised to 1 GiB so that large photos decode.
// A file that cannot be read or decoded gives a null image.
class ImageDecoder {
public:
    static constexpr int kAllocationLimitMiB = 1024;

    static QImage decodeFile(const QString& path);
    // limitMiB bounds the decoded picture (a smaller bound serves memory-bounded checks).
    static QImage decodeBytes(const QByteArray& bytes, int limitMiB = kAllocationLimitMiB);
    // The show core's decoder: bytes it does not own (read in place) to a picture.
    static PixelImage decodePicture(std::string_view bytes);
};
