#include "player/ImageCanvas.h"

#include "effects/EffectCatalogue.h"
#include "effects/EffectDispatch.h"
#include "effects/ProgramState.h"
#include "effects/VirtualTicker.h"

#include <QImage>

#include <gtest/gtest.h>

#include <array>
#include <utility>

namespace {

using Source = Canvas::Source;

constexpr int kOutgoingMark = 1;
constexpr int kIncomingMark = 2;

// Every pixel names its own position, so a test can tell where a pixel came from.
QImage positionPicture(int width, int height, int mark)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.setPixel(x, y, qRgb(x, y, mark));
        }
    }
    return image;
}

class ImageCanvasTest : public ::testing::Test {
protected:
    static constexpr int kWidth = 16;
    static constexpr int kHeight = 12;

    QImage outgoing = positionPicture(kWidth, kHeight, kOutgoingMark);
    QImage incoming = positionPicture(kWidth, kHeight, kIncomingMark);
    QImage screen = outgoing.copy();
    int refreshes = 0;
    QRegion lastChanged;
    ImageCanvas canvas{screen, outgoing, incoming, [this](const QRegion& changed) {
                           ++refreshes;
                           lastChanged = changed;
                       }};
};

TEST_F(ImageCanvasTest, CopiesAreClippedToBothPicturesLikeABlockTransfer)
{
    canvas.copy(Source::Incoming, -2, -3, 5, 5, 0, 0);
    EXPECT_EQ(screen.pixel(0, 0), qRgb(2, 3, kIncomingMark));
    EXPECT_EQ(screen.pixel(2, 1), qRgb(4, 4, kIncomingMark));
    EXPECT_EQ(screen.pixel(3, 0), qRgb(3, 0, kOutgoingMark));
    EXPECT_EQ(screen.pixel(0, 2), qRgb(0, 2, kOutgoingMark));

    // A source rectangle reaching past the picture moves only the pixels inside it.
    canvas.copy(Source::Incoming, 0, 6, 4, 4, 14, 10);
    EXPECT_EQ(screen.pixel(0, 6), qRgb(14, 10, kIncomingMark));
    EXPECT_EQ(screen.pixel(1, 7), qRgb(15, 11, kIncomingMark));
    EXPECT_EQ(screen.pixel(2, 6), qRgb(2, 6, kOutgoingMark));
    EXPECT_EQ(screen.pixel(0, 8), qRgb(0, 8, kOutgoingMark));
}

TEST_F(ImageCanvasTest, EmptyAndNegativeCopiesDrawNothing)
{
    const QImage before = screen.copy();
    canvas.copy(Source::Incoming, 0, 0, 0, kHeight, 0, 0);
    canvas.copy(Source::Incoming, 5, 0, -3, kHeight, 0, 0);
    canvas.copy(Source::Incoming, kWidth, 0, 4, kHeight, 0, 0);
    EXPECT_EQ(screen, before);
}

TEST_F(ImageCanvasTest, NegativeStretchDrawsTheImageMirroredToTheLeft)
{
    canvas.stretch(Source::Incoming, kWidth, 0, -kWidth, kHeight);
    for (int x = 0; x < kWidth; ++x) {
        EXPECT_EQ(screen.pixel(x, 5), qRgb(kWidth - 1 - x, 5, kIncomingMark)) << x;
    }
    canvas.stretch(Source::Outgoing, 0, kHeight, kWidth, -kHeight);
    EXPECT_EQ(screen.pixel(3, 0), qRgb(3, kHeight - 1, kOutgoingMark));
    EXPECT_EQ(screen.pixel(3, kHeight - 1), qRgb(3, 0, kOutgoingMark));
}

TEST_F(ImageCanvasTest, MirroredStretchCoversOnlyTheColumnsLeftOfItsPosition)
{
    canvas.stretch(Source::Incoming, 10, 0, -4, kHeight);
    EXPECT_EQ(screen.pixel(5, 4), qRgb(5, 4, kOutgoingMark));
    EXPECT_EQ(screen.pixel(10, 4), qRgb(10, 4, kOutgoingMark));
    // Columns 6..9 show the whole width squeezed and reversed: the right edge first.
    EXPECT_EQ(qBlue(screen.pixel(6, 4)), kIncomingMark);
    EXPECT_EQ(qBlue(screen.pixel(9, 4)), kIncomingMark);
    EXPECT_GT(qRed(screen.pixel(6, 4)), qRed(screen.pixel(9, 4)));
}

TEST_F(ImageCanvasTest, StretchScalesWithoutSmoothing)
{
    canvas.stretch(Source::Incoming, 0, 0, kWidth * 2, kHeight * 2);
    EXPECT_EQ(screen.pixel(3, 5), qRgb(1, 2, kIncomingMark));
    canvas.stretch(Source::Outgoing, 0, 0, kWidth / 2, kHeight / 2);
    for (int x = 0; x < kWidth / 2; ++x) {
        const QRgb pixel = screen.pixel(x, 1);
        EXPECT_EQ(qBlue(pixel), kOutgoingMark);
        EXPECT_TRUE(qRed(pixel) == 2 * x || qRed(pixel) == 2 * x + 1) << x;
    }
    const QImage before = screen.copy();
    canvas.stretch(Source::Incoming, 3, 3, 0, 5);
    EXPECT_EQ(screen, before);
}

TEST_F(ImageCanvasTest, BlackFillCoversTheWholePicture)
{
    canvas.fillBlack();
    QImage black(kWidth, kHeight, QImage::Format_RGB32);
    black.fill(Qt::black);
    EXPECT_EQ(screen, black);
}

TEST_F(ImageCanvasTest, EllipseClipLimitsACopyUntilUnclipped)
{
    ASSERT_TRUE(canvas.clipEllipse(0, 0, kWidth, kHeight));
    canvas.copy(Source::Incoming, 0, 0, kWidth, kHeight, 0, 0);
    EXPECT_EQ(screen.pixel(8, 6), qRgb(8, 6, kIncomingMark));
    EXPECT_EQ(screen.pixel(0, 0), qRgb(0, 0, kOutgoingMark));
    EXPECT_EQ(screen.pixel(kWidth - 1, kHeight - 1), qRgb(kWidth - 1, kHeight - 1, kOutgoingMark));
    canvas.unclip();
    canvas.copy(Source::Incoming, 0, 0, kWidth, kHeight, 0, 0);
    EXPECT_EQ(screen, incoming);
}

TEST_F(ImageCanvasTest, PolygonClipLetsOnlyTheTriangleThrough)
{
    const std::array<Canvas::Point, 3> triangle{{{0, 0}, {kWidth, 0}, {0, kHeight}}};
    ASSERT_TRUE(canvas.clipPolygon(triangle));
    canvas.copy(Source::Incoming, 0, 0, kWidth, kHeight, 0, 0);
    EXPECT_EQ(screen.pixel(1, 1), qRgb(1, 1, kIncomingMark));
    EXPECT_EQ(screen.pixel(14, 10), qRgb(14, 10, kOutgoingMark));
    // An empty box makes an empty region: nothing passes.
    const QImage before = screen.copy();
    canvas.unclip();
    ASSERT_TRUE(canvas.clipEllipse(8, 6, 8, 6));
    canvas.copy(Source::Outgoing, 0, 0, kWidth, kHeight, 0, 0);
    EXPECT_EQ(screen, before);
}

TEST(ImageCanvasFormats, PicturesOfAnotherDepthAreLeftAlone)
{
    QImage screen(8, 6, QImage::Format_RGB888);
    screen.fill(Qt::white);
    const QImage before = screen.copy();
    const QImage outgoing = positionPicture(8, 6, kOutgoingMark);
    const QImage incoming = positionPicture(8, 6, kIncomingMark);
    ImageCanvas canvas(screen, outgoing, incoming);
    canvas.copy(Source::Incoming, 0, 0, 8, 6, 0, 0);
    canvas.stretch(Source::Incoming, 8, 0, -8, 6);
    EXPECT_EQ(screen, before);
}

TEST_F(ImageCanvasTest, RefreshCallsTheRepaintFunctionWithWhatWasDrawnSince)
{
    canvas.copy(Source::Incoming, 2, 3, 4, 5, 0, 0);
    canvas.stretch(Source::Incoming, 12, 0, -3, 2);
    canvas.refresh();
    EXPECT_EQ(lastChanged, QRegion(2, 3, 4, 5) + QRegion(9, 0, 3, 2));

    canvas.refresh();
    EXPECT_EQ(refreshes, 2);
    EXPECT_TRUE(lastChanged.isEmpty()) << "nothing drawn, nothing to repaint";

    // A clipped copy reports no more than the clip allows; black fill is everything.
    canvas.clipEllipse(0, 0, 4, 4);
    canvas.copy(Source::Outgoing, 0, 0, kWidth, kHeight, 0, 0);
    canvas.refresh();
    EXPECT_TRUE(QRect(0, 0, 4, 4).contains(lastChanged.boundingRect()));
    canvas.unclip();
    canvas.fillBlack();
    canvas.refresh();
    EXPECT_EQ(lastChanged, QRegion(screen.rect()));
}

// What a display shows when it repaints only the reported parts: after every refresh of every
// effect it must equal the screen picture.
TEST(ImageCanvasEffects, RepaintingTheReportedPartsShowsEveryFrameWhole)
{
    constexpr int kWidth = 41;
    constexpr int kHeight = 29;
    const QImage outgoing = positionPicture(kWidth, kHeight, kOutgoingMark);
    const QImage incoming = positionPicture(kWidth, kHeight, kIncomingMark);
    for (int effect = 1; effect < kEffectCount; ++effect) {
        QImage screen = outgoing.copy();
        QImage shown = outgoing.copy();
        int staleFrames = 0;
        ImageCanvas canvas(screen, outgoing, incoming, [&](const QRegion& changed) {
            for (const QRect& part : changed) {
                for (int y = part.top(); y <= part.bottom(); ++y) {
                    for (int x = part.left(); x <= part.right(); ++x) {
                        shown.setPixel(x, y, screen.pixel(x, y));
                    }
                }
            }
            staleFrames += shown == screen ? 0 : 1;
        });
        VirtualTicker ticker;
        ProgramState state;
        EffectContext context{canvas, ticker, state};
        runTransition(effect, context);
        canvas.refresh();
        EXPECT_EQ(staleFrames, 0) << "effect " << effect;
        EXPECT_EQ(shown, incoming) << "effect " << effect;
    }
}

// Every effect ends with the incoming picture in full, on odd sizes, also when cut short.
TEST(ImageCanvasEffects, EveryEffectLeavesTheIncomingPictureOnScreen)
{
    constexpr int kWidth = 37;
    constexpr int kHeight = 23;
    const QImage outgoing = positionPicture(kWidth, kHeight, kOutgoingMark);
    const QImage incoming = positionPicture(kWidth, kHeight, kIncomingMark);
    for (int effect = 0; effect < kEffectCount; ++effect) {
        for (int stopWait : {-1, 1}) {
            QImage screen = outgoing.copy();
            ImageCanvas canvas(screen, outgoing, incoming);
            VirtualTicker ticker;
            if (stopWait >= 0) {
                ticker.stopDuringWait(stopWait);
            }
            ProgramState state;
            EffectContext context{canvas, ticker, state};
            runTransition(effect, context);
            EXPECT_EQ(screen, incoming) << "effect " << effect << " stop " << stopWait;
        }
    }
}

TEST(ImageCanvasEffects, TinyCanvasesEndWithTheIncomingPictureToo)
{
    for (const auto& [width, height] : {std::pair{1, 1}, std::pair{2, 1}, std::pair{1, 3}}) {
        const QImage outgoing = positionPicture(width, height, kOutgoingMark);
        const QImage incoming = positionPicture(width, height, kIncomingMark);
        for (int effect = 0; effect < kEffectCount; ++effect) {
            QImage screen = outgoing.copy();
            ImageCanvas canvas(screen, outgoing, incoming);
            VirtualTicker ticker;
            ProgramState state;
            EffectContext context{canvas, ticker, state};
            runTransition(effect, context);
            EXPECT_EQ(screen, incoming) << "effect " << effect << " on " << width << "x" << height;
        }
    }
}

TEST(ImageCanvasEffects, NumbersOutsideTheListLeaveTheScreenAsItWas)
{
    const QImage outgoing = positionPicture(9, 7, kOutgoingMark);
    const QImage incoming = positionPicture(9, 7, kIncomingMark);
    QImage screen = outgoing.copy();
    ImageCanvas canvas(screen, outgoing, incoming);
    VirtualTicker ticker;
    ProgramState state;
    EffectContext context{canvas, ticker, state};
    runTransition(36, context);
    runTransition(-1, context);
    EXPECT_EQ(screen, outgoing);
}

}  // namespace
