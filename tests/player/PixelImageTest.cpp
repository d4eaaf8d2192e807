#include "player/PixelImage.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <vector>

namespace {

constexpr std::uint32_t kOpaqueBlack = 0xFF000000;

TEST(PixelImageTest, NewPictureIsOpaqueBlackAndTightlyPacked)
{
    const PixelImage picture(3, 2);
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.width(), 3);
    EXPECT_EQ(picture.height(), 2);
    EXPECT_EQ(picture.stride(), 3);
    EXPECT_EQ(picture.row(1), picture.row(0) + 3);
    for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x) {
            EXPECT_EQ(picture.row(y)[x], kOpaqueBlack) << x << ',' << y;
        }
    }
}

TEST(PixelImageTest, NoSideOrANegativeSideGivesANullPicture)
{
    EXPECT_TRUE(PixelImage().isNull());
    EXPECT_TRUE(PixelImage(0, 5).isNull());
    EXPECT_TRUE(PixelImage(5, -1).isNull());
    EXPECT_EQ(PixelImage(0, 5).width(), 0);
    EXPECT_FALSE(PixelImage().sharesPixelsWith(PixelImage()));
}

TEST(PixelImageTest, CopiesShareThePixelsAndSeeEachOthersWrites)
{
    PixelImage first(2, 2);
    PixelImage second = first;
    PixelImage third;
    third = second;
    third.row(1)[1] = 0xFF123456;
    EXPECT_EQ(first.row(1)[1], 0xFF123456u);
    EXPECT_TRUE(first.sharesPixelsWith(third));
    EXPECT_FALSE(first.sharesPixelsWith(PixelImage(2, 2)));
}

TEST(PixelImageTest, FillPutsTheColourUnderAnOpaqueTopByte)
{
    PixelImage picture(2, 1);
    picture.fill(0xAB102030);
    EXPECT_EQ(picture.row(0)[0], 0xFF102030u);
    EXPECT_EQ(picture.row(0)[1], 0xFF102030u);
}

TEST(PixelImageTest, WrappedMemoryKeepsItsStrideAndFillLeavesThePaddingAlone)
{
    constexpr int kStride = 4;
    constexpr std::uint32_t kPadding = 0x00ABCDEF;
    auto memory = std::make_shared<std::vector<std::uint32_t>>(kStride * 2, kPadding);
    PixelImage picture(memory->data(), 3, 2, kStride, memory);
    ASSERT_FALSE(picture.isNull());
    EXPECT_EQ(picture.stride(), kStride);
    EXPECT_EQ(picture.row(1), memory->data() + kStride);

    picture.fill(0x00FF8000);
    EXPECT_EQ((*memory)[0], 0xFFFF8000u);
    EXPECT_EQ((*memory)[2], 0xFFFF8000u);
    EXPECT_EQ((*memory)[3], kPadding) << "the padding after a row is not the picture's";
    EXPECT_EQ((*memory)[kStride + 2], 0xFFFF8000u);
    EXPECT_EQ((*memory)[kStride + 3], kPadding);
}

TEST(PixelImageTest, WrappedMemoryLivesAsLongAsTheLastCopy)
{
    auto memory = std::make_shared<std::vector<std::uint32_t>>(4, 0u);
    const std::weak_ptr<std::vector<std::uint32_t>> watch = memory;
    PixelImage copy;
    {
        const PixelImage picture(memory->data(), 2, 2, 2, memory);
        memory.reset();
        copy = picture;
    }
    EXPECT_FALSE(watch.expired());
    copy = PixelImage();
    EXPECT_TRUE(watch.expired());
}

TEST(PixelImageTest, WrappingRefusesAStrideShorterThanARow)
{
    std::vector<std::uint32_t> memory(8);
    EXPECT_TRUE(PixelImage(memory.data(), 4, 2, 3, nullptr).isNull());
    EXPECT_TRUE(PixelImage(nullptr, 4, 2, 4, nullptr).isNull());
}

}  // namespace
