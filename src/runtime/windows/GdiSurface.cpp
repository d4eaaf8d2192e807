#include "runtime/windows/GdiSurface.h"

namespace {

constexpr WORD kBitsPerPixel = 32;

}  // namespace

std::shared_ptr<GdiSurface> GdiSurface::create(int width, int height)
{
    if (width <= 0 || height <= 0) {
        return nullptr;
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(BITMAPINFOHEADER);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // rows top to bottom
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = kBitsPerPixel;
    info.bmiHeader.biCompression = BI_RGB;
    std::shared_ptr<GdiSurface> surface(new GdiSurface);
    surface->width_ = width;
    surface->height_ = height;
    surface->dc_ = CreateCompatibleDC(nullptr);
    surface->bitmap_ =
        CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &surface->bits_, nullptr, 0);
    if (surface->dc_ == nullptr || surface->bitmap_ == nullptr || surface->bits_ == nullptr) {
        return nullptr;
    }
    surface->previous_ = SelectObject(surface->dc_, surface->bitmap_);
    surface->image().fill(0);
    return surface;
}

PixelImage GdiSurface::image()
{
    return PixelImage(static_cast<std::uint32_t*>(bits_), width_, height_, width_,
                      shared_from_this());
}

GdiSurface::~GdiSurface()
{
    if (dc_ != nullptr && previous_ != nullptr) {
        SelectObject(dc_, previous_);
    }
    if (bitmap_ != nullptr) {
        DeleteObject(bitmap_);
    }
    if (dc_ != nullptr) {
        DeleteDC(dc_);
    }
}
