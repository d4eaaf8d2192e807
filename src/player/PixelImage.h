#pragma once

#include "player/PixelRect.h"
#include "player/PixelSize.h"

#include <cstdint>
#include <memory>

// A 32-bit picture, rows top to bottom. Each pixel is one std::uint32_t 0xFFRRGGBB (the same
// word as QImage::Format_RGB32 and as a 32-bit top-down Windows DIB). Readers compare the low
// 24 bits only; writers store 0xFF in the top byte. Copies share the pixels (like QImage
// without copy-on-write): assignment is cheap, and a write through one copy is seen by all.
class PixelImage {
public:
    static constexpr std::uint32_t kOpaque = 0xFF000000;
    static constexpr std::uint32_t kColourMask = 0x00FFFFFF;

    PixelImage() = default;  // null
    // Owns new, black pixels; null when a side is not positive or the memory is not there.
    PixelImage(int width, int height);
    // Pixels owned elsewhere (a DIB section, a QImage); keepAlive holds that owner.
    PixelImage(std::uint32_t* bits, int width, int height, int stridePixels,
               std::shared_ptr<const void> keepAlive);

    bool isNull() const { return bits_ == nullptr; }
    int width() const { return width_; }
    int height() const { return height_; }
    int stride() const { return stride_; }  // in pixels
    PixelSize size() const { return {width_, height_}; }
    PixelRect rect() const { return {0, 0, width_, height_}; }

    std::uint32_t* row(int y) { return bits_ + std::ptrdiff_t{y} * stride_; }
    const std::uint32_t* row(int y) const { return bits_ + std::ptrdiff_t{y} * stride_; }

    // Every pixel to rgb (0x00RRGGBB), stored with 0xFF on top.
    void fill(std::uint32_t rgb);

    // Whether both look at the same pixels.
    bool sharesPixelsWith(const PixelImage& other) const
    {
        return bits_ != nullptr && bits_ == other.bits_;
    }

private:
    std::shared_ptr<const void> owner_;
    std::uint32_t* bits_ = nullptr;
    int width_ = 0;
    int height_ = 0;
    int stride_ = 0;
};
