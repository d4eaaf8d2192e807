#include "document/SlideItem.h"
#include "player/FrameComposer.h"

#include "support/PixelGrid.h"

#include <gtest/gtest.h>

#include <QImage>

namespace {

constexpr QRgb kBackground = qRgb(0, 0, 128);
constexpr QRgb kPrevious = qRgb(250, 250, 0);
constexpr QRgb kInk = qRgb(0, 200, 0);
constexpr QRgb kNearBackground = qRgb(0, 0, 129);
constexpr int kCanvas = 6;

PixelGrid filled(int width, int height, QRgb colour)
{
    return PixelGrid::filled(width, height, colour);
}

// A 2 x 2 picture: top row background colour, then one pixel one unit away, one of ink.
PixelGrid keyedPicture()
{
    PixelGrid picture = filled(2, 2, kBackground);
    picture.setPixel(0, 1, kNearBackground);
    picture.setPixel(1, 1, kInk);
    return picture;
}

SlideItem slideAt(int x, int y, bool keepPrevious, bool transparent)
{
    SlideItem slide;
    slide.PosX = x;
    slide.PosY = y;
    slide.KeepPrevious = keepPrevious ? 1 : 0;
    slide.Transparent = transparent ? 1 : 0;
    return slide;
}

class FrameComposerTest : public ::testing::Test {
protected:
    PixelGrid screen = filled(kCanvas, kCanvas, kPrevious);
    PixelGrid outgoing = filled(kCanvas, kCanvas, qRgb(1, 2, 3));
    PixelGrid incoming = filled(kCanvas, kCanvas, qRgb(4, 5, 6));
    FrameComposer composer{screen, outgoing, incoming, kBackground};
};

TEST_F(FrameComposerTest, OutgoingFrameIsBackgroundPlusPictureWithoutKeepPrevious)
{
    composer.ComposeOutgoingFrame(slideAt(4, 4, false, true), keyedPicture());

    EXPECT_EQ(outgoing.pixel(0, 0), kBackground);
    EXPECT_EQ(outgoing.pixel(4, 5), kNearBackground);
    EXPECT_EQ(outgoing.pixel(5, 5), kInk);
    EXPECT_EQ(outgoing.pixel(3, 3), kBackground);
}

TEST_F(FrameComposerTest, OutgoingFrameWithKeepPreviousCopiesTheScreen)
{
    screen.setPixel(1, 1, kInk);

    composer.ComposeOutgoingFrame(slideAt(0, 0, true, false), keyedPicture());

    EXPECT_EQ(outgoing, screen);
}

TEST_F(FrameComposerTest, IncomingWithoutKeepPreviousIgnoresTransparent)
{
    outgoing.fill(kPrevious);

    composer.ComposeIncomingFrame(slideAt(1, 1, false, true), keyedPicture());

    PixelGrid expected = filled(kCanvas, kCanvas, kBackground);
    expected.setPixel(1, 2, kNearBackground);
    expected.setPixel(2, 2, kInk);
    EXPECT_EQ(incoming, expected);
}

TEST_F(FrameComposerTest, KeepPreviousWithoutTransparentCoversTheFrameSolidly)
{
    outgoing.fill(kPrevious);

    composer.ComposeIncomingFrame(slideAt(1, 1, true, false), keyedPicture());

    PixelGrid expected = filled(kCanvas, kCanvas, kPrevious);
    expected.setPixel(1, 1, kBackground);
    expected.setPixel(2, 1, kBackground);
    expected.setPixel(1, 2, kNearBackground);
    expected.setPixel(2, 2, kInk);
    EXPECT_EQ(incoming, expected);
}

TEST_F(FrameComposerTest, KeepPreviousWithTransparentShowsThePreviousFrameThroughTheKey)
{
    outgoing.fill(kPrevious);

    composer.ComposeIncomingFrame(slideAt(1, 1, true, true), keyedPicture());

    PixelGrid expected = filled(kCanvas, kCanvas, kPrevious);
    expected.setPixel(1, 2, kNearBackground);
    expected.setPixel(2, 2, kInk);
    EXPECT_EQ(incoming, expected);
}

TEST_F(FrameComposerTest, PicturePartlyOutsideIsClippedAndWhollyOutsideLeavesTheFrame)
{
    outgoing.fill(kPrevious);

    composer.ComposeIncomingFrame(slideAt(-1, kCanvas - 1, true, true), keyedPicture());
    PixelGrid expected = filled(kCanvas, kCanvas, kPrevious);
    EXPECT_EQ(incoming, expected);  // only the key-coloured top-right pixel falls inside

    composer.ComposeIncomingFrame(slideAt(5, -1, true, false), keyedPicture());
    expected.setPixel(5, 0, kNearBackground);
    EXPECT_EQ(incoming, expected);

    composer.ComposeIncomingFrame(slideAt(kCanvas, 0, false, false), keyedPicture());
    EXPECT_EQ(incoming, filled(kCanvas, kCanvas, kBackground));
}

TEST_F(FrameComposerTest, UndecodablePictureLeavesTheBackground)
{
    composer.ComposeIncomingFrame(slideAt(0, 0, false, false), PixelGrid());

    EXPECT_EQ(incoming, filled(kCanvas, kCanvas, kBackground));
}

}  // namespace
