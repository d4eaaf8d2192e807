#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

// A rectangle of pixels read back from the screen or a bitmap: rows top to bottom, each pixel
// 0x00RRGGBB.
struct PixelGrid {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    // The rectangle (x, y, width, height) of the screen as it is shown now.
    static PixelGrid fromScreen(int x, int y, int width, int height);

    bool operator==(const PixelGrid&) const = default;
    bool contains(std::uint32_t rgb) const;
    // A 24-bit BMP file; false when it cannot be written.
    bool saveBmp(const std::wstring& path) const;
    // One line per row, each pixel as six hex digits RRGGBB, separated by spaces.
    std::string hexRows() const;
};
