#include "player/QtPixels.h"

#include "player/ImageCanvas.h"

#include <gtest/gtest.h>

#include <QColor>
#include <QImage>
#include <QRegion>

#include <memory>
#include <vector>

namespace {

TEST(QtPixelsTest, AViewDrawsOnThePicturesOwnPixels)
{
    PixelImage picture(4, 3);
    QImage view = QtPixels::view(picture);
    ASSERT_EQ(view.format(), QImage::Format_RGB32);
    EXPECT_EQ(view.size(), QSize(4, 3));
    EXPECT_EQ(view.constBits(), reinterpret_cast<const uchar*>(picture.row(0)));

    view.setPixel(2, 1, qRgb(1, 2, 3));
    EXPECT_EQ(picture.row(1)[2], qRgb(1, 2, 3)) << "a write through the view is the picture's";
    EXPECT_EQ(view.constBits(), reinterpret_cast<const uchar*>(picture.row(0)))
        << "the write did not detach into a copy";

    picture.fill(0x00FF0000);
    EXPECT_EQ(view.pixel(0, 0), qRgb(255, 0, 0));
}

TEST(QtPixelsTest, AViewOfWrappedMemoryFollowsItsStride)
{
    auto memory = std::make_shared<std::vector<std::uint32_t>>(5 * 2, 0xFF000000u);
    PixelImage picture(memory->data(), 3, 2, 5, memory);
    const QImage view = QtPixels::constView(picture);
    EXPECT_EQ(view.bytesPerLine(), 5 * 4);
    (*memory)[5 + 1] = qRgb(9, 8, 7);
    EXPECT_EQ(view.pixel(1, 1), qRgb(9, 8, 7));
}

TEST(QtPixelsTest, AViewKeepsThePixelsAliveAfterThePictureIsGone)
{
    auto memory = std::make_shared<std::vector<std::uint32_t>>(4, 0xFF000000u);
    const std::weak_ptr<std::vector<std::uint32_t>> watch = memory;
    QImage view;
    {
        std::uint32_t* bits = memory->data();
        PixelImage picture(bits, 2, 2, 2, std::move(memory));
        view = QtPixels::view(picture);
    }
    EXPECT_FALSE(watch.expired());
    EXPECT_EQ(view.pixel(1, 1), qRgb(0, 0, 0));
    view = QImage();
    EXPECT_TRUE(watch.expired());
    PixelImage none;
    EXPECT_TRUE(QtPixels::view(none).isNull());
}

TEST(QtPixelsTest, AnUnsharedRgb32ImageIsTakenOverWithoutACopy)
{
    QImage image(5, 4, QImage::Format_RGB32);
    image.fill(qRgb(10, 20, 30));
    const uchar* bits = image.constBits();
    const qsizetype bytesPerLine = image.bytesPerLine();
    const PixelImage picture = QtPixels::picture(std::move(image));
    EXPECT_EQ(reinterpret_cast<const uchar*>(picture.row(0)), bits);
    EXPECT_EQ(picture.stride() * 4, bytesPerLine);
    EXPECT_EQ(picture.row(3)[4], qRgb(10, 20, 30));
}

TEST(QtPixelsTest, OtherFormatsAreConvertedToOpaquePixels)
{
    QImage image(2, 1, QImage::Format_RGB888);
    image.setPixel(0, 0, qRgb(200, 100, 50));
    image.setPixel(1, 0, qRgb(1, 2, 3));
    const PixelImage picture = QtPixels::picture(image);
    ASSERT_EQ(picture.width(), 2);
    EXPECT_EQ(picture.row(0)[0], 0xFFC86432u);
    EXPECT_EQ(picture.row(0)[1], 0xFF010203u);
    EXPECT_TRUE(QtPixels::picture(QImage()).isNull());
}

TEST(QtPixelsTest, RegionsAndRectanglesCarryTheSameArea)
{
    const std::vector<PixelRect> parts{{0, 0, 4, 2}, {10, 5, 3, 3}, {1, 1, 0, 9}};
    const QRegion region = QtPixels::region(parts);
    EXPECT_EQ(region, QRegion(0, 0, 4, 2) + QRegion(10, 5, 3, 3));
    QRegion back;
    for (const PixelRect& part : QtPixels::rects(region)) {
        back += QtPixels::rect(part);
    }
    EXPECT_EQ(back, region);
}

TEST(QtPixelsTest, TheImageCanvasOverPicturesDrawsOnThemAndReportsRectangles)
{
    PixelImage screen(6, 4);
    PixelImage incoming(6, 4);
    incoming.fill(0x0000FF00);
    const PixelImage outgoing(6, 4);
    std::vector<PixelRect> reported;
    ImageCanvas canvas(screen, outgoing, incoming, [&](std::span<const PixelRect> changed) {
        reported.assign(changed.begin(), changed.end());
    });
    canvas.copy(Canvas::Source::Incoming, 1, 1, 2, 2, 1, 1);
    canvas.refresh();

    EXPECT_EQ(screen.row(1)[1], 0xFF00FF00u);
    EXPECT_EQ(screen.row(2)[2], 0xFF00FF00u);
    EXPECT_EQ(screen.row(0)[0], 0xFF000000u);
    EXPECT_EQ(screen.row(3)[3], 0xFF000000u);
    EXPECT_EQ(reported, (std::vector<PixelRect>{{1, 1, 2, 2}}));
}

}  // namespace
