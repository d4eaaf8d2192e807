#pragma once

#include <array>
#include <cstddef>
#include <utility>

// The order of the spiral tile wipe on a 5 by 5 grid: from the cell left of the top-left tile,
// each step looks one cell ahead in the current direction and turns clockwise (right, down,
// left, up) until it finds a cell inside the grid not yet visited. The direction carries over
// to the next step, so the walk runs clockwise from the top-left corner inwards.
class SpiralWalk {
public:
    static constexpr int kGrid = 5;

    // The next (column, row); call at most kGrid * kGrid times.
    std::pair<int, int> next();

private:
    static constexpr std::array<std::pair<int, int>, 4> kSteps{{{1, 0}, {0, 1}, {-1, 0}, {0, -1}}};

    std::array<bool, kGrid * kGrid> visited_{};
    int column_ = -1;
    int row_ = 0;
    std::size_t direction_ = 0;
};
