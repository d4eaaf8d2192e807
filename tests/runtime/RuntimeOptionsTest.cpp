#include "runtime/RuntimeOptions.h"

#include <gtest/gtest.h>

namespace {

using Mode = RuntimeOptions::Mode;
using Host = RuntimeOptions::Host;

TEST(RuntimeOptionsTest, HostOptionsChooseTheMode)
{
    EXPECT_EQ(RuntimeOptions::parse({}, {}).mode, Mode::Play);
    EXPECT_EQ(RuntimeOptions::parse({"/s"}, {}).mode, Mode::Play);
    EXPECT_EQ(RuntimeOptions::parse({"-S"}, {}).mode, Mode::Play);
    EXPECT_EQ(RuntimeOptions::parse({"/c"}, {}).mode, Mode::Settings);
    EXPECT_EQ(RuntimeOptions::parse({"/c:1234"}, {}).mode, Mode::Settings);
    EXPECT_EQ(RuntimeOptions::parse({"-c"}, {}).mode, Mode::Settings);
    EXPECT_EQ(RuntimeOptions::parse({"--check"}, {}).mode, Mode::Check);
    EXPECT_EQ(RuntimeOptions::parse({"-root"}, {}).mode, Mode::Play);
    EXPECT_TRUE(RuntimeOptions::parse({"--log"}, {}).log);
    EXPECT_FALSE(RuntimeOptions::parse({"/s"}, {}).log);
}

TEST(RuntimeOptionsTest, HostWindowComesFromTheOptionOrTheEnvironment)
{
    EXPECT_EQ(RuntimeOptions::parse({"/s"}, {}).host, Host::FullScreen);
    EXPECT_FALSE(RuntimeOptions::parse({"/s"}, {}).windowId.has_value());
    EXPECT_EQ(RuntimeOptions::parse({"-window-id", "0x2a00007"}, {}).windowId, 0x2a00007u);
    EXPECT_EQ(RuntimeOptions::parse({"--window-id", "44040199"}, {}).windowId, 44040199u);
    EXPECT_EQ(RuntimeOptions::parse({"--window-id", "0X1F"}, {}).host, Host::Window);
    EXPECT_EQ(RuntimeOptions::parse({"/p", "77"}, {}).windowId, 77u);
    EXPECT_EQ(RuntimeOptions::parse({"-p", "78"}, {}).windowId, 78u);
    EXPECT_EQ(RuntimeOptions::parse({}, "0x400001").windowId, 0x400001u);
    EXPECT_EQ(RuntimeOptions::parse({}, "0x400001").host, Host::Window);
    EXPECT_EQ(RuntimeOptions::parse({"-window-id", "9"}, "0x400001").windowId, 9u);
    EXPECT_EQ(RuntimeOptions::parse({"--check", "-window-id", "9"}, {}).mode, Mode::Check);
}

TEST(RuntimeOptionsTest, RootMeansTheHostOfTheEnvironmentElseTheRootWindow)
{
    const RuntimeOptions hosted = RuntimeOptions::parse({"--root"}, "0x1c00005");
    EXPECT_EQ(hosted.host, Host::Window);
    EXPECT_EQ(hosted.windowId, 0x1c00005u);
    EXPECT_TRUE(hosted.hasHostWindow());

    const RuntimeOptions root = RuntimeOptions::parse({"-root"}, {});
    EXPECT_EQ(root.host, Host::RootWindow);
    EXPECT_FALSE(root.windowId.has_value());
    EXPECT_TRUE(root.hasHostWindow());

    // A stale value in the environment does not stand in the way.
    EXPECT_EQ(RuntimeOptions::parse({"--root"}, "garbage").host, Host::RootWindow);
    EXPECT_EQ(RuntimeOptions::parse({}, "garbage").host, Host::FullScreen);
}

TEST(RuntimeOptionsTest, HelpAndVersionNeedNoDisplayAndWinOverTheRest)
{
    EXPECT_EQ(RuntimeOptions::parse({"/s", "--help", "--bogus"}, {}).mode, Mode::Help);
    EXPECT_EQ(RuntimeOptions::parse({"--version"}, "0x400001").mode, Mode::Version);
    EXPECT_FALSE(RuntimeOptions::parse({"--help"}, {}).needsDisplay());
    EXPECT_FALSE(RuntimeOptions::parse({"--version"}, {}).needsDisplay());
    EXPECT_FALSE(RuntimeOptions::parse({"--check"}, {}).needsDisplay());
    EXPECT_FALSE(RuntimeOptions::parse({"--version"}, "0x400001").hasHostWindow());
    EXPECT_TRUE(RuntimeOptions::parse({"/c"}, {}).needsDisplay());
    EXPECT_TRUE(RuntimeOptions::parse({}, {}).needsDisplay());
    EXPECT_FALSE(RuntimeOptions::parse({"/c"}, "0x400001").hasHostWindow());
}

TEST(RuntimeOptionsTest, UnknownOptionsAndUnusableWindowIdsAreRefusedWithTheReason)
{
    const RuntimeOptions unknown = RuntimeOptions::parse({"/s", "--fullscreen"}, {});
    EXPECT_EQ(unknown.mode, Mode::Refused);
    EXPECT_EQ(unknown.refusal, RuntimeOptions::kUnknownOption + "--fullscreen");
    EXPECT_FALSE(unknown.needsDisplay());

    EXPECT_EQ(RuntimeOptions::parse({"-nice"}, {}).mode, Mode::Refused);
    EXPECT_EQ(RuntimeOptions::parse({"/x"}, {}).mode, Mode::Refused);
    EXPECT_EQ(RuntimeOptions::parse({"-window-id", "window"}, {}).refusal,
              RuntimeOptions::kBadWindowId + "window");
    EXPECT_EQ(RuntimeOptions::parse({"-window-id", "0"}, {}).mode, Mode::Refused);
    EXPECT_EQ(RuntimeOptions::parse({"/p", "-1"}, {}).mode, Mode::Refused);
    EXPECT_EQ(RuntimeOptions::parse({"--window-id"}, {}).refusal,
              RuntimeOptions::kMissingWindowId + "--window-id");
}

TEST(RuntimeOptionsTest, UsageAndHelpNameTheProgramAndEveryOption)
{
    EXPECT_TRUE(
        RuntimeOptions::usage("Stars.scr").startsWith(QStringLiteral("使い方: Stars.scr ")));
    const QString help = RuntimeOptions::help("Stars.scr");
    EXPECT_TRUE(help.startsWith(RuntimeOptions::usage("Stars.scr")));
    for (const char* option :
         {"/s", "/c", "--window-id", "-window-id", "/p", "-p", "--root", "-root", "--check",
          "--log", "--help", "--version", "XSCREENSAVER_WINDOW"}) {
        EXPECT_TRUE(help.contains(QLatin1String(option))) << option;
    }
}

}  // namespace
