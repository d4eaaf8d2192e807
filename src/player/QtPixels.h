#pragma once

#include "player/PixelImage.h"
#include "player/PixelRect.h"
#include "player/PixelSize.h"

#include <QImage>
#include <QRect>
#include <QRegion>
#include <QSize>

#include <span>
#include <vector>

// Where the show core's pictures and rectangles meet Qt's. Pictures are shared, never copied:
// a QImage view draws on the PixelImage's own pixels (and keeps them alive), and a PixelImage
// made from a QImage holds that image's pixels.
class QtPixels {
public:
    // A Format_RGB32 image over the picture's pixels; writes to it are the picture's. Null for
    // a null picture. Keep the view the only QImage of those pixels while writing: a second
    // copy would make the next write detach into memory of its own.
    static QImage view(PixelImage& picture);
    // A read-only Format_RGB32 image over the picture's pixels (a write would detach a copy).
    static QImage constView(const PixelImage& picture);
    // The image's pixels as a picture, converted to Format_RGB32 first when in another format;
    // an image already in that format and not shared is taken over without a copy.
    static PixelImage picture(QImage image);

    static QRect rect(const PixelRect& rect) { return {rect.x, rect.y, rect.width, rect.height}; }
    static PixelRect pixelRect(const QRect& rect)
    {
        return {rect.x(), rect.y(), rect.width(), rect.height()};
    }
    static QSize size(PixelSize size) { return {size.width, size.height}; }
    static PixelSize pixelSize(QSize size) { return {size.width(), size.height()}; }
    static QRegion region(std::span<const PixelRect> rects);
    static std::vector<PixelRect> rects(const QRegion& region);
};
