#include "player/ColumnGather.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

// The map of a nearest-pixel stretch of `from` pixels to `to`, optionally mirrored.
std::vector<int> stretchMap(int from, int to, bool mirror)
{
    std::vector<int> columns;
    for (int t = 0; t < to; ++t) {
        const int sampled =
            static_cast<int>((2 * std::int64_t{t} + 1) * from / (2 * std::int64_t{to}));
        columns.push_back(mirror ? from - 1 - sampled : sampled);
    }
    return columns;
}

// Every way through the planner (memcpy runs, narrow and wide windows, single pixels, windows
// near the row's end) must give exactly out[k] = in[columns[k]].
TEST(ColumnGatherTest, EveryPlanDrawsTheSameAsPixelByPixel)
{
    constexpr int kWidth = 1000;
    std::vector<QRgb> row(kWidth);
    for (int x = 0; x < kWidth; ++x) {
        row[x] = 0xff000000u | static_cast<QRgb>(x * 7919);
    }
    ColumnGather gather;
    for (const int to : {1, 7, 100, 240, 333, 499, 500, 501, 640, 900, 999, 1000, 1500, 2400}) {
        for (const bool mirror : {false, true}) {
            const std::vector<int> columns = stretchMap(kWidth, to, mirror);
            gather.plan(columns, kWidth);
            std::vector<QRgb> out(columns.size() + 1, 0u);
            gather.drawRow(row.data(), out.data());
            for (std::size_t k = 0; k < columns.size(); ++k) {
                ASSERT_EQ(out[k], row[columns[k]])
                    << "to " << to << " mirror " << mirror << " k " << k;
            }
            EXPECT_EQ(out.back(), 0u) << "wrote past the row, to " << to;
        }
    }
}

TEST(ColumnGatherTest, PartOfAMapLikeAClippedStretch)
{
    constexpr int kWidth = 64;
    std::vector<QRgb> row(kWidth);
    for (int x = 0; x < kWidth; ++x) {
        row[x] = static_cast<QRgb>(x + 1);
    }
    const std::vector<int> full = stretchMap(kWidth, 150, false);
    const std::vector<int> visible(full.begin() + 37, full.begin() + 120);
    ColumnGather gather;
    gather.plan(visible, kWidth);
    std::vector<QRgb> out(visible.size());
    gather.drawRow(row.data(), out.data());
    for (std::size_t k = 0; k < visible.size(); ++k) {
        EXPECT_EQ(out[k], row[visible[k]]);
    }
}

}  // namespace
