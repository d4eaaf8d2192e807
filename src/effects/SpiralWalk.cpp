#include "effects/SpiralWalk.h"

std::pair<int, int> SpiralWalk::next()
{
    for (;;) {
        const int column = column_ + kSteps[direction_].first;
        const int row = row_ + kSteps[direction_].second;
        if (column >= 0 && column < kGrid && row >= 0 && row < kGrid &&
            !visited_[row * kGrid + column]) {
            column_ = column;
            row_ = row;
            visited_[row * kGrid + column] = true;
            return {column, row};
        }
        direction_ = (direction_ + 1) % kSteps.size();
    }
}
