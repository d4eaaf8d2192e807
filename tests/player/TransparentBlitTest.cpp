#include "player/OpaqueBlit.h"
#include "player/TransparentBlit.h"

#include "support/PixelGrid.h"

#include <gtest/gtest.h>

#include <QImage>

#include <limits>

namespace {

constexpr QRgb kKey = qRgb(10, 20, 30);
constexpr QRgb kBehind = qRgb(200, 0, 0);
constexpr QRgb kInk = qRgb(0, 0, 255);

PixelGrid filled(int width, int height, QRgb colour)
{
    return PixelGrid::filled(width, height, colour);
}

TEST(TransparentBlitTest, OnlyExactKeyColourLeavesTheDestination)
{
    PixelGrid destination = filled(4, 1, kBehind);
    PixelGrid source = filled(4, 1, kKey);
    source.setPixel(1, 0, qRgb(11, 20, 30));
    source.setPixel(2, 0, qRgb(10, 21, 30));
    source.setPixel(3, 0, qRgb(10, 20, 29));

    TransparentBlit(destination, 0, 0, 4, 1, source, 0, 0, kKey);

    EXPECT_EQ(destination.pixel(0, 0), kBehind);
    EXPECT_EQ(destination.pixel(1, 0), qRgb(11, 20, 30));
    EXPECT_EQ(destination.pixel(2, 0), qRgb(10, 21, 30));
    EXPECT_EQ(destination.pixel(3, 0), qRgb(10, 20, 29));
}

TEST(TransparentBlitTest, SourceOriginAndDestinationPositionAreHonoured)
{
    PixelGrid destination = filled(6, 6, kBehind);
    PixelGrid source = filled(4, 4, kKey);
    source.setPixel(2, 3, kInk);

    TransparentBlit(destination, 1, 1, 2, 2, source, 1, 2, kKey);

    // Source (2, 3) is the rectangle's (1, 1), which lands on destination (2, 2).
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 6; ++x) {
            EXPECT_EQ(destination.pixel(x, y), x == 2 && y == 2 ? kInk : kBehind) << x << ',' << y;
        }
    }
}

TEST(TransparentBlitTest, PartsOutsideTheDestinationAreClipped)
{
    PixelGrid destination = filled(3, 3, kBehind);
    const PixelGrid source = filled(3, 3, kInk);

    TransparentBlit(destination, -2, 2, 3, 3, source, 0, 0, kKey);

    EXPECT_EQ(destination.pixel(0, 2), kInk);
    EXPECT_EQ(destination.pixel(1, 2), kBehind);
    EXPECT_EQ(destination.pixel(0, 1), kBehind);

    PixelGrid untouched = filled(3, 3, kBehind);
    TransparentBlit(untouched, 3, 0, 3, 3, source, 0, 0, kKey);
    TransparentBlit(untouched, 0, -3, 3, 3, source, 0, 0, kKey);
    EXPECT_EQ(untouched, filled(3, 3, kBehind));
}

TEST(TransparentBlitTest, RectangleBeyondThe32BitByteSizeStillGivesTheNetEffect)
{
    // 50000 x 50000 x 3 bytes does not fit in 32 bits; only the part inside both pictures
    // is drawn.
    constexpr int kHuge = 50000;
    static_assert(qint64{kHuge} * kHuge * 3 > std::numeric_limits<qint32>::max());
    PixelGrid destination = filled(8, 8, kBehind);
    PixelGrid source = filled(5, 5, kInk);
    source.setPixel(0, 0, kKey);

    TransparentBlit(destination, 2, 2, kHuge, kHuge, source, 0, 0, kKey);

    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            const bool underSource = x >= 2 && y >= 2 && x < 7 && y < 7 && !(x == 2 && y == 2);
            EXPECT_EQ(destination.pixel(x, y), underSource ? kInk : kBehind) << x << ',' << y;
        }
    }
}

TEST(TransparentBlitTest, ExtremePositionsDoNotOverflow)
{
    PixelGrid destination = filled(4, 4, kBehind);
    const PixelGrid source = filled(4, 4, kInk);
    constexpr int kMax = std::numeric_limits<int>::max();
    constexpr int kMin = std::numeric_limits<int>::min();

    TransparentBlit(destination, kMax, kMax, kMax, kMax, source, 0, 0, kKey);
    TransparentBlit(destination, kMin, kMin, kMax, kMax, source, 0, 0, kKey);
    OpaqueBlit(destination, kMax, kMin, source);
    EXPECT_EQ(destination, filled(4, 4, kBehind));

    // x + width beyond the 32-bit range still reaches the picture's right edge.
    TransparentBlit(destination, 1, 0, kMax, 1, source, 0, 0, kKey);
    EXPECT_EQ(destination.pixel(0, 0), kBehind);
    EXPECT_EQ(destination.pixel(3, 0), kInk);
}

TEST(TransparentBlitTest, EmptyOrNegativeSizesDrawNothing)
{
    PixelGrid destination = filled(4, 4, kBehind);
    const PixelGrid source = filled(4, 4, kInk);

    TransparentBlit(destination, 0, 0, 0, 4, source, 0, 0, kKey);
    TransparentBlit(destination, 0, 0, 4, -1, source, 0, 0, kKey);

    EXPECT_EQ(destination, filled(4, 4, kBehind));
}

TEST(OpaqueBlitTest, PaintsThePictureAtNaturalSizeClipped)
{
    PixelGrid destination = filled(4, 4, kBehind);
    PixelGrid picture = filled(3, 2, kKey);
    picture.setPixel(2, 1, kInk);

    OpaqueBlit(destination, 2, 3, picture);

    EXPECT_EQ(destination.pixel(2, 3), kKey);
    EXPECT_EQ(destination.pixel(3, 3), kKey);
    EXPECT_EQ(destination.pixel(1, 3), kBehind);
    EXPECT_EQ(destination.pixel(2, 2), kBehind);

    PixelGrid same = filled(4, 4, kBehind);
    OpaqueBlit(same, 0, 0, PixelGrid());
    EXPECT_EQ(same, filled(4, 4, kBehind));
}

}  // namespace
