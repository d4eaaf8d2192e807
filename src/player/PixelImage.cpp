#include "player/PixelImage.h"

#include <algorithm>
#include <cstddef>
#include <limits>
#include <new>

PixelImage::PixelImage(int width, int height)
{
    if (width <= 0 || height <= 0) {
        return;
    }
    const auto count = static_cast<std::size_t>(width) * static_cast<std::size_t>(height);
    if (count > std::numeric_limits<std::ptrdiff_t>::max() / sizeof(std::uint32_t)) {
        return;
    }
    // A canvas too large for this machine gives a null picture rather than ending the program.
    std::shared_ptr<std::uint32_t[]> pixels(new (std::nothrow) std::uint32_t[count]);
    if (!pixels) {
        return;
    }
    std::fill_n(pixels.get(), count, kOpaque);
    bits_ = pixels.get();
    owner_ = std::move(pixels);
    width_ = width;
    height_ = height;
    stride_ = width;
}

PixelImage::PixelImage(std::uint32_t* bits, int width, int height, int stridePixels,
                       std::shared_ptr<const void> keepAlive)
{
    if (bits == nullptr || width <= 0 || height <= 0 || stridePixels < width) {
        return;
    }
    owner_ = std::move(keepAlive);
    bits_ = bits;
    width_ = width;
    height_ = height;
    stride_ = stridePixels;
}

void PixelImage::fill(std::uint32_t rgb)
{
    const std::uint32_t pixel = kOpaque | (rgb & kColourMask);
    for (int y = 0; y < height_; ++y) {
        std::fill_n(row(y), width_, pixel);
    }
}
