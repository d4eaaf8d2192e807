#include "player/QtPixels.h"

#include <memory>

namespace {

constexpr qsizetype kBytesPerPixel = 4;

// The view's clean-up drops its share of the picture.
void releasePicture(void* held)
{
    delete static_cast<PixelImage*>(held);
}

}  // namespace

QImage QtPixels::view(PixelImage& picture)
{
    if (picture.isNull()) {
        return QImage();
    }
    auto* held = new PixelImage(picture);
    return QImage(reinterpret_cast<uchar*>(picture.row(0)), picture.width(), picture.height(),
                  picture.stride() * kBytesPerPixel, QImage::Format_RGB32, &releasePicture, held);
}

QImage QtPixels::constView(const PixelImage& picture)
{
    if (picture.isNull()) {
        return QImage();
    }
    auto* held = new PixelImage(picture);
    return QImage(reinterpret_cast<const uchar*>(picture.row(0)), picture.width(), picture.height(),
                  picture.stride() * kBytesPerPixel, QImage::Format_RGB32, &releasePicture, held);
}

PixelImage QtPixels::picture(QImage image)
{
    if (image.isNull()) {
        return PixelImage();
    }
    if (image.format() != QImage::Format_RGB32) {
        image = std::move(image).convertToFormat(QImage::Format_RGB32);
        if (image.isNull()) {
            return PixelImage();
        }
    }
    auto owner = std::make_shared<QImage>(std::move(image));
    // bits() on the only holder of the pixels does not copy them.
    auto* bits = reinterpret_cast<std::uint32_t*>(owner->bits());
    const int width = owner->width();
    const int height = owner->height();
    const int stride = static_cast<int>(owner->bytesPerLine() / kBytesPerPixel);
    return PixelImage(bits, width, height, stride, std::move(owner));
}

QRegion QtPixels::region(std::span<const PixelRect> rects)
{
    QRegion region;
    for (const PixelRect& part : rects) {
        region += rect(part);
    }
    return region;
}

std::vector<PixelRect> QtPixels::rects(const QRegion& region)
{
    std::vector<PixelRect> parts;
    parts.reserve(static_cast<std::size_t>(region.rectCount()));
    for (const QRect& part : region) {
        parts.push_back(pixelRect(part));
    }
    return parts;
}
