#include "runtime/windows/ExifOrientation.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A 3x2 picture whose pixels are numbered row by row:  1 2 3 / 4 5 6.
PixelImage numbered()
{
    PixelImage picture(3, 2);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x) {
            picture.row(y)[x] = PixelImage::kOpaque | std::uint32_t(1 + y * 3 + x);
        }
    }
    return picture;
}

std::vector<std::vector<int>> rows(const PixelImage& picture)
{
    std::vector<std::vector<int>> result;
    for (int y = 0; y < picture.height(); ++y) {
        std::vector<int> row;
        for (int x = 0; x < picture.width(); ++x) {
            row.push_back(int(picture.row(y)[x] & PixelImage::kColourMask));
        }
        result.push_back(row);
    }
    return result;
}

using Rows = std::vector<std::vector<int>>;

TEST(ExifOrientationTest, EveryTagTurnsThePictureUpright)
{
    const PixelImage stored = numbered();
    EXPECT_EQ(rows(ExifOrientation::apply(stored, 1)), (Rows{{1, 2, 3}, {4, 5, 6}}));
    EXPECT_EQ(rows(ExifOrientation::apply(stored, 2)), (Rows{{3, 2, 1}, {6, 5, 4}}));
    EXPECT_EQ(rows(ExifOrientation::apply(stored, 3)), (Rows{{6, 5, 4}, {3, 2, 1}}));
    EXPECT_EQ(rows(ExifOrientation::apply(stored, 4)), (Rows{{4, 5, 6}, {1, 2, 3}}));
    EXPECT_EQ(rows(ExifOrientation::apply(stored, 5)), (Rows{{1, 4}, {2, 5}, {3, 6}}));
    EXPECT_EQ(rows(ExifOrientation::apply(stored, 6)), (Rows{{4, 1}, {5, 2}, {6, 3}}));
    EXPECT_EQ(rows(ExifOrientation::apply(stored, 7)), (Rows{{6, 3}, {5, 2}, {4, 1}}));
    EXPECT_EQ(rows(ExifOrientation::apply(stored, 8)), (Rows{{3, 6}, {2, 5}, {1, 4}}));
}

TEST(ExifOrientationTest, UnknownTagsAndNullPicturesStayAsTheyAre)
{
    const PixelImage stored = numbered();
    for (const int tag : {0, 9, -1, 274}) {
        EXPECT_TRUE(ExifOrientation::apply(stored, tag).sharesPixelsWith(stored)) << tag;
    }
    EXPECT_TRUE(ExifOrientation::apply(PixelImage(), 6).isNull());
}

TEST(ExifOrientationTest, TurnedPicturesAreNewAndLeaveTheStoredOneAlone)
{
    const PixelImage stored = numbered();
    const PixelImage turned = ExifOrientation::apply(stored, 6);
    EXPECT_FALSE(turned.sharesPixelsWith(stored));
    EXPECT_EQ(rows(stored), (Rows{{1, 2, 3}, {4, 5, 6}}));
    EXPECT_EQ(turned.row(0)[0] & PixelImage::kOpaque, PixelImage::kOpaque);
}

}  // namespace
