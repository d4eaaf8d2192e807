#include "IconCommand.h"

#include "PixelGrid.h"
#include "ProbeText.h"

#include <windows.h>

#include <shellapi.h>

#include <algorithm>

namespace {

PixelGrid colourPixels(HBITMAP bitmap)
{
    PixelGrid grid;
    BITMAP shape{};
    if (GetObjectW(bitmap, sizeof shape, &shape) == 0 || shape.bmWidth <= 0 ||
        shape.bmHeight <= 0) {
        return grid;
    }
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = shape.bmWidth;
    info.bmiHeader.biHeight = -shape.bmHeight;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    grid.width = shape.bmWidth;
    grid.height = shape.bmHeight;
    grid.pixels.resize(static_cast<std::size_t>(grid.width) *
                       static_cast<std::size_t>(grid.height));
    const HDC screenDc = GetDC(nullptr);
    const int rows = GetDIBits(screenDc, bitmap, 0, static_cast<UINT>(grid.height),
                               grid.pixels.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screenDc);
    if (rows != grid.height) {
        return {};
    }
    std::transform(grid.pixels.begin(), grid.pixels.end(), grid.pixels.begin(),
                   [](std::uint32_t word) { return word & 0x00FFFFFFu; });
    return grid;
}

}  // namespace

int iconCommand(const std::wstring& file)
{
    const HICON icon = ExtractIconW(GetModuleHandleW(nullptr), file.c_str(), 0);
    if (icon == nullptr || reinterpret_cast<UINT_PTR>(icon) == 1) {
        ProbeText::err("no icon\n");
        return 1;
    }
    ICONINFO parts{};
    const bool read = GetIconInfo(icon, &parts) != FALSE;
    PixelGrid grid;
    if (read && parts.hbmColor != nullptr) {
        grid = colourPixels(parts.hbmColor);
    }
    if (parts.hbmColor != nullptr) {
        DeleteObject(parts.hbmColor);
    }
    if (parts.hbmMask != nullptr) {
        DeleteObject(parts.hbmMask);
    }
    DestroyIcon(icon);
    if (grid.pixels.empty()) {
        ProbeText::err("the icon's pixels cannot be read\n");
        return 1;
    }
    ProbeText::out(std::to_string(grid.width) + "x" + std::to_string(grid.height) + "\n" +
                   grid.hexRows());
    return 0;
}
