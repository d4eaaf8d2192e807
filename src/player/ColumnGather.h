#pragma once

#include <QtGui/qrgb.h>

#include <cstdint>
#include <span>
#include <vector>

// Resamples rows of 32-bit pixels by one column map, out[k] = in[columns[k]], the same map for
// every row of a stretch: the map is planned once, then each row is drawn. Runs of consecutive
// source columns move with memcpy; where the processor has AVX2, groups of eight target pixels
// whose sources lie within 16 (or 32) neighbouring pixels are permuted from two (or four) loads
// of eight; the rest moves pixel by pixel.
class ColumnGather {
public:
    ColumnGather();

    // columns: the source column of each target pixel, each in [0, sourceWidth).
    void plan(std::span<const int> columns, int sourceWidth);
    // Draws one row of columns.size() pixels from a source row of sourceWidth pixels.
    void drawRow(const QRgb* in, QRgb* out) const;

private:
    static constexpr int kLanes = 8;

    enum class Kind { Run, NarrowWindows, WideWindows, Pixels };
    struct Span {
        Kind kind;
        int target;  // first target pixel
        int length;  // target pixels
        int first;   // Run: first source column; Windows: first window
    };
    // Eight target pixels taken from in[base .. base + 16), or + 32 for a wide window.
    struct alignas(32) Window {
        std::int32_t index[kLanes];
        int base;
    };

    void addPixels(int target, int length);
    void addWindow(int target, Kind kind);

    bool canPermute_;
    std::vector<int> columns_;
    std::vector<Span> spans_;
    std::vector<Window> windows_;
};
