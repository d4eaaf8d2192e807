#pragma once

#include <cstdint>

// A box about the canvas centre (cx, cy) = (W / 2, H / 2) rounded, held as its integer corner
// (x, y): its width and height are 2(cx - x) and 2(cy - y), formed in integers. It grows or
// shrinks by the 32-bit float increments W / steps / 2 and H / steps / 2; each move re-rounds
// the corner (64-bit sum, ties to even), so the rounding errors add up frame by frame. It
// starts empty at the centre.
class CentredBox {
public:
    CentredBox(float width, float height, float steps);

    // Puts the corner at (0, 0): the box then fills the canvas (give or take an odd pixel).
    void fillCanvas();
    void grow();
    void shrink();

    std::int32_t x() const { return x_; }
    std::int32_t y() const { return y_; }
    std::int32_t width() const { return 2 * (cx_ - x_); }
    std::int32_t height() const { return 2 * (cy_ - y_); }

private:
    std::int32_t cx_;
    std::int32_t cy_;
    float dx_;
    float dy_;
    std::int32_t x_;
    std::int32_t y_;
};
