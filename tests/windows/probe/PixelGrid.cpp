#include "PixelGrid.h"

#include <algorithm>
#include <cstdio>

namespace {

constexpr WORD kBmpMagic = 0x4D42;  // "BM"
constexpr int kBmpBitsPerPixel = 24;
constexpr int kBmpBytesPerPixel = kBmpBitsPerPixel / 8;
constexpr int kBmpRowAlignment = 4;

}  // namespace

PixelGrid PixelGrid::fromScreen(int x, int y, int width, int height)
{
    PixelGrid grab;
    if (width <= 0 || height <= 0) {
        return grab;
    }
    const HDC screenDc = GetDC(nullptr);
    const HDC memoryDc = CreateCompatibleDC(screenDc);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof(info.bmiHeader);
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    const HBITMAP bitmap = CreateDIBSection(screenDc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap != nullptr && bits != nullptr) {
        const HGDIOBJ old = SelectObject(memoryDc, bitmap);
        BitBlt(memoryDc, 0, 0, width, height, screenDc, x, y, SRCCOPY);
        GdiFlush();
        const auto* words = static_cast<const std::uint32_t*>(bits);
        grab.width = width;
        grab.height = height;
        grab.pixels.resize(static_cast<std::size_t>(width) * static_cast<std::size_t>(height));
        std::transform(words, words + grab.pixels.size(), grab.pixels.begin(),
                       [](std::uint32_t word) { return word & 0x00FFFFFFu; });
        SelectObject(memoryDc, old);
    }
    if (bitmap != nullptr) {
        DeleteObject(bitmap);
    }
    DeleteDC(memoryDc);
    ReleaseDC(nullptr, screenDc);
    return grab;
}

bool PixelGrid::contains(std::uint32_t rgb) const
{
    return std::find(pixels.begin(), pixels.end(), rgb) != pixels.end();
}

bool PixelGrid::saveBmp(const std::wstring& path) const
{
    const int rowBytes =
        (width * kBmpBytesPerPixel + kBmpRowAlignment - 1) / kBmpRowAlignment * kBmpRowAlignment;
    BITMAPFILEHEADER fileHeader{};
    BITMAPINFOHEADER infoHeader{};
    infoHeader.biSize = sizeof(infoHeader);
    infoHeader.biWidth = width;
    infoHeader.biHeight = height;  // bottom-up, the form every reader takes
    infoHeader.biPlanes = 1;
    infoHeader.biBitCount = kBmpBitsPerPixel;
    infoHeader.biCompression = BI_RGB;
    infoHeader.biSizeImage = static_cast<DWORD>(rowBytes * height);
    fileHeader.bfType = kBmpMagic;
    fileHeader.bfOffBits = sizeof(fileHeader) + sizeof(infoHeader);
    fileHeader.bfSize = fileHeader.bfOffBits + infoHeader.biSizeImage;

    FILE* file = _wfopen(path.c_str(), L"wb");
    if (file == nullptr) {
        return false;
    }
    bool ok = std::fwrite(&fileHeader, sizeof(fileHeader), 1, file) == 1 &&
              std::fwrite(&infoHeader, sizeof(infoHeader), 1, file) == 1;
    std::vector<unsigned char> row(static_cast<std::size_t>(rowBytes), 0);
    for (int y = height - 1; ok && y >= 0; --y) {
        for (int x = 0; x < width; ++x) {
            const std::uint32_t rgb = pixels[static_cast<std::size_t>(y) * width + x];
            unsigned char* pixel = &row[static_cast<std::size_t>(x) * kBmpBytesPerPixel];
            pixel[0] = static_cast<unsigned char>(rgb);
            pixel[1] = static_cast<unsigned char>(rgb >> 8);
            pixel[2] = static_cast<unsigned char>(rgb >> 16);
        }
        ok = std::fwrite(row.data(), row.size(), 1, file) == 1;
    }
    return std::fclose(file) == 0 && ok;
}

std::string PixelGrid::hexRows() const
{
    std::string text;
    char pixel[8];
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            std::snprintf(pixel, sizeof pixel, x == 0 ? "%06x" : " %06x",
                          static_cast<unsigned>(pixels[static_cast<std::size_t>(y) * width + x]));
            text += pixel;
        }
        text += '\n';
    }
    return text;
}
