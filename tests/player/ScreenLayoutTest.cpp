#include "player/ScreenLayout.h"

#include <gtest/gtest.h>

namespace {

using Screen = ScreenLayout::Screen;

TEST(ScreenLayoutTest, OneMonitorNeedsNoBlackWindow)
{
    const ScreenLayout layout({Screen{QRect(0, 0, 1920, 1080)}}, 0);
    EXPECT_EQ(layout.primary(), 0);
    EXPECT_TRUE(layout.blankScreens().isEmpty());
}

TEST(ScreenLayoutTest, EveryMonitorBesideThePrimaryIsBlackedOut)
{
    // Primary in the middle of three, the right one lower and smaller.
    const ScreenLayout layout({Screen{QRect(0, 0, 1280, 1024)}, Screen{QRect(1280, 0, 1920, 1080)},
                               Screen{QRect(3200, 200, 1024, 768)}},
                              1);
    EXPECT_EQ(layout.blankScreens(), QList<int>({0, 2}));
}

TEST(ScreenLayoutTest, MirroredMonitorsShareTheirWindow)
{
    // A projector cloning the primary, and a second clone of the left monitor.
    const ScreenLayout layout(
        {Screen{QRect(0, 0, 1920, 1080)}, Screen{QRect(0, 0, 1280, 720)},
         Screen{QRect(1920, 0, 1600, 900)}, Screen{QRect(1920, 0, 1600, 900)}},
        0);
    EXPECT_EQ(layout.blankScreens(), QList<int>({2}));
}

TEST(ScreenLayoutTest, SeparateXScreensAreBlackedOutThoughTheirCoordinatesOverlap)
{
    // Two X screens: each has its own origin, so equal rectangles are different monitors.
    const ScreenLayout layout({Screen{QRect(0, 0, 800, 600), 0}, Screen{QRect(0, 0, 800, 600), 1}},
                              0);
    EXPECT_EQ(layout.blankScreens(), QList<int>({1}));
}

TEST(ScreenLayoutTest, AWindowCoversAScreenWhenItIsAsLargeAsAnyMonitor)
{
    const ScreenLayout layout({Screen{QRect(0, 0, 1600, 1000)}, Screen{QRect(1600, 0, 1024, 768)}},
                              0);
    EXPECT_TRUE(layout.coversAScreen({1600, 1000}));
    EXPECT_TRUE(layout.coversAScreen({1024, 768}));  // xscreensaver's window on the second one
    EXPECT_FALSE(layout.coversAScreen({725, 407}));  // a preview pane
    EXPECT_FALSE(layout.coversAScreen({1600, 700}));
    EXPECT_FALSE(ScreenLayout({}, -1).coversAScreen({4000, 4000}));
}

}  // namespace
