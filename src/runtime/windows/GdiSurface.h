#pragma once

#include "player/PixelImage.h"

#include <windows.h>

#include <memory>

// A 32-bit top-down DIB section selected into its own memory device context: GDI draws on it
// through dc(), the show's own code through image() over the same bits, which keeps the surface
// alive as long as any copy of it lives.
class GdiSurface : public std::enable_shared_from_this<GdiSurface> {
public:
    // Nothing when GDI cannot make the surface.
    static std::shared_ptr<GdiSurface> create(int width, int height);

    GdiSurface(const GdiSurface&) = delete;
    GdiSurface& operator=(const GdiSurface&) = delete;
    ~GdiSurface();

    HDC dc() const { return dc_; }
    const void* bits() const { return bits_; }
    PixelImage image();

private:
    GdiSurface() = default;

    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ previous_ = nullptr;
    void* bits_ = nullptr;
    int width_ = 0;
    int height_ = 0;
};
