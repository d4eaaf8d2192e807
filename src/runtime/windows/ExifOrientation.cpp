#include "runtime/windows/ExifOrientation.h"

namespace {

constexpr int kMirrored = 2;
constexpr int kHalfTurn = 3;
constexpr int kFlipped = 4;
constexpr int kTransposed = 5;
constexpr int kRightTurn = 6;
constexpr int kTransversed = 7;
constexpr int kLeftTurn = 8;

struct SourcePoint {
    int x;
    int y;
};

// The stored pixel shown at (x, y) of the upright picture; w and h are the stored size.
SourcePoint source(int orientation, int x, int y, int w, int h)
{
    switch (orientation) {
        case kMirrored:
            return {w - 1 - x, y};
        case kHalfTurn:
            return {w - 1 - x, h - 1 - y};
        case kFlipped:
            return {x, h - 1 - y};
        case kTransposed:
            return {y, x};
        case kRightTurn:
            return {y, h - 1 - x};
        case kTransversed:
            return {w - 1 - y, h - 1 - x};
        case kLeftTurn:
            return {w - 1 - y, x};
        default:
            return {x, y};
    }
}

}  // namespace

PixelImage ExifOrientation::apply(const PixelImage& picture, int orientation)
{
    if (picture.isNull() || orientation <= kUpright || orientation > kLast) {
        return picture;
    }
    const int w = picture.width();
    const int h = picture.height();
    const bool turned = orientation >= kTransposed;
    PixelImage upright(turned ? h : w, turned ? w : h);
    for (int y = 0; y < upright.height(); ++y) {
        std::uint32_t* row = upright.row(y);
        for (int x = 0; x < upright.width(); ++x) {
            const SourcePoint from = source(orientation, x, y, w, h);
            row[x] = picture.row(from.y)[from.x];
        }
    }
    return upright;
}
