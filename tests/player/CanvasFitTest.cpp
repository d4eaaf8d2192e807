#include "player/CanvasFit.h"
#include "player/QtPixels.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

namespace {

TEST(CanvasFitTest, LargerWindowShowsTheCanvasUnscaledAndCentredLikeThePlayer)
{
    const CanvasFit fit = CanvasFit::of({800, 600}, {1024, 768});
    EXPECT_FALSE(fit.scaled());
    EXPECT_EQ(QtPixels::rect(fit.target), QRect(112, 84, 800, 600));

    // Odd sizes: each half truncated on its own, as the full-screen player places the canvas.
    EXPECT_EQ(QtPixels::rect(CanvasFit::of({301, 201}, {1025, 769}).target),
              QRect(512 - 150, 384 - 100, 301, 201));
    EXPECT_EQ(QtPixels::rect(CanvasFit::of({640, 480}, {640, 480}).target), QRect(0, 0, 640, 480));
}

TEST(CanvasFitTest, SmallerWindowShowsTheWholeCanvasScaledWithItsAspect)
{
    const CanvasFit half = CanvasFit::of({800, 600}, {400, 300});
    EXPECT_DOUBLE_EQ(half.scale, 0.5);
    EXPECT_EQ(QtPixels::rect(half.target), QRect(0, 0, 400, 300));

    // The preview pane of a settings window: wider than the show's aspect, so bars left and right.
    const CanvasFit pane = CanvasFit::of({1920, 1080}, {725, 407});
    EXPECT_TRUE(pane.scaled());
    EXPECT_EQ(pane.target.height, 407);
    EXPECT_EQ(pane.target.width, 724);  // 1920 × 407 / 1080 = 723.6
    EXPECT_EQ(pane.target.x, 0);
    EXPECT_EQ(pane.target.y, 0);
}

TEST(CanvasFitTest, ScalingDownInOneDirectionIsEnoughAndKeepsTheAspect)
{
    // Wide enough but too low: the height decides, and the canvas is centred across.
    const CanvasFit low = CanvasFit::of({800, 600}, {2000, 300});
    EXPECT_DOUBLE_EQ(low.scale, 0.5);
    EXPECT_EQ(QtPixels::rect(low.target), QRect(800, 0, 400, 300));

    const CanvasFit narrow = CanvasFit::of({800, 600}, {200, 1000});
    EXPECT_DOUBLE_EQ(narrow.scale, 0.25);
    EXPECT_EQ(QtPixels::rect(narrow.target), QRect(0, 500 - 75, 200, 150));
}

TEST(CanvasFitTest, TinyWindowsStillShowAPixel)
{
    const CanvasFit fit = CanvasFit::of({9999, 10}, {1, 1});
    EXPECT_TRUE(fit.scaled());
    EXPECT_EQ(QtPixels::rect(fit.target).size(), QSize(1, 1));
    EXPECT_TRUE(QRect(0, 0, 1, 1).contains(QtPixels::rect(fit.target)));
}

}  // namespace
