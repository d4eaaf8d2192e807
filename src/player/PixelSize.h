#pragma once

// The size of a picture or a window in pixels.
struct PixelSize {
    int width = 0;
    int height = 0;

    bool isEmpty() const { return width <= 0 || height <= 0; }

    friend bool operator==(const PixelSize&, const PixelSize&) = default;
};
