#pragma once

// A rectangle of pixels: its top-left corner and its size.
struct PixelRect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    bool isEmpty() const { return width <= 0 || height <= 0; }

    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};
