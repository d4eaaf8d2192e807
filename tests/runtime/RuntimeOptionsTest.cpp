#include "runtime/RuntimeOptions.h"

#include <gtest/gtest.h>

namespace {

using Mode = RuntimeOptions::Mode;

TEST(RuntimeOptionsTest, HostOptionsChooseTheMode)
{
    EXPECT_EQ(RuntimeOptions::parse({}, {}).mode, Mode::Play);
    EXPECT_EQ(RuntimeOptions::parse({"/s"}, {}).mode, Mode::Play);
    EXPECT_EQ(RuntimeOptions::parse({"-S"}, {}).mode, Mode::Play);
    EXPECT_EQ(RuntimeOptions::parse({"/c"}, {}).mode, Mode::Settings);
    EXPECT_EQ(RuntimeOptions::parse({"/c:1234"}, {}).mode, Mode::Settings);
    EXPECT_EQ(RuntimeOptions::parse({"-c"}, {}).mode, Mode::Settings);
    EXPECT_EQ(RuntimeOptions::parse({"--check"}, {}).mode, Mode::Check);
    EXPECT_EQ(RuntimeOptions::parse({"-root", "-nice"}, {}).mode, Mode::Play);
    EXPECT_TRUE(RuntimeOptions::parse({"--log"}, {}).log);
    EXPECT_FALSE(RuntimeOptions::parse({"/s"}, {}).log);
}

TEST(RuntimeOptionsTest, HostWindowComesFromTheOptionOrTheEnvironment)
{
    EXPECT_FALSE(RuntimeOptions::parse({"/s"}, {}).windowId.has_value());
    EXPECT_EQ(RuntimeOptions::parse({"-window-id", "0x2a00007"}, {}).windowId, 0x2a00007u);
    EXPECT_EQ(RuntimeOptions::parse({"-window-id", "44040199"}, {}).windowId, 44040199u);
    EXPECT_EQ(RuntimeOptions::parse({"/p", "77"}, {}).windowId, 77u);
    EXPECT_EQ(RuntimeOptions::parse({}, "0x400001").windowId, 0x400001u);
    EXPECT_EQ(RuntimeOptions::parse({"-window-id", "9"}, "0x400001").windowId, 9u);
    EXPECT_EQ(RuntimeOptions::parse({"--check", "-window-id", "9"}, {}).mode, Mode::Check);
}

TEST(RuntimeOptionsTest, UnusableWindowIdsAreIgnored)
{
    EXPECT_FALSE(RuntimeOptions::parse({"-window-id", "window"}, {}).windowId.has_value());
    EXPECT_FALSE(RuntimeOptions::parse({"-window-id", "0"}, {}).windowId.has_value());
    EXPECT_FALSE(RuntimeOptions::parse({"-window-id"}, {}).windowId.has_value());
    EXPECT_FALSE(RuntimeOptions::parse({}, "garbage").windowId.has_value());
}

}  // namespace
