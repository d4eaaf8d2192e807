#include "runtime/windows/WindowsOptions.h"

#include <gtest/gtest.h>

namespace {

using Mode = WindowsOptions::Mode;

WindowsOptions parse(std::vector<std::string> arguments)
{
    return WindowsOptions::parse(arguments);
}

TEST(WindowsOptionsTest, NoArgumentOpensTheSettingsAsWindowsExpects)
{
    const WindowsOptions options = parse({});
    EXPECT_EQ(options.mode, Mode::Settings);
    EXPECT_EQ(options.window, 0u);
    EXPECT_FALSE(options.log);
}

TEST(WindowsOptionsTest, LetterOptionsTakeEitherCaseAndEitherLeader)
{
    for (const char* run : {"/s", "/S", "-s", "-S"}) {
        EXPECT_EQ(parse({run}).mode, Mode::Play) << run;
    }
    for (const char* settings : {"/c", "/C", "-c", "-C"}) {
        EXPECT_EQ(parse({settings}).mode, Mode::Settings) << settings;
    }
}

TEST(WindowsOptionsTest, SettingsTakeTheirOwnerAfterAColon)
{
    const WindowsOptions owned = parse({"/c:4242"});
    EXPECT_EQ(owned.mode, Mode::Settings);
    EXPECT_EQ(owned.window, 4242u);
    // An owner that cannot be read still opens the settings, unowned.
    const WindowsOptions unreadable = parse({"/C:abc"});
    EXPECT_EQ(unreadable.mode, Mode::Settings);
    EXPECT_EQ(unreadable.window, 0u);
}

TEST(WindowsOptionsTest, PreviewTakesTheHostAsNextArgumentOrAfterAColon)
{
    const WindowsOptions separate = parse({"/p", "1234"});
    EXPECT_EQ(separate.mode, Mode::Preview);
    EXPECT_EQ(separate.window, 1234u);
    const WindowsOptions joined = parse({"-P:0x1f"});
    EXPECT_EQ(joined.mode, Mode::Preview);
    EXPECT_EQ(joined.window, 0x1fu);
}

TEST(WindowsOptionsTest, PreviewWithoutAUsableHostIsRefused)
{
    const WindowsOptions missing = parse({"/p"});
    EXPECT_EQ(missing.mode, Mode::Refused);
    EXPECT_EQ(missing.refusal, WindowsOptions::kMissingWindowId + "/p");
    for (const char* bad : {"0", "12x", "", "-5", "0x"}) {
        const WindowsOptions refused = parse({"/p", bad});
        EXPECT_EQ(refused.mode, Mode::Refused) << bad;
        EXPECT_EQ(refused.refusal, WindowsOptions::kBadWindowId + bad);
    }
}

TEST(WindowsOptionsTest, UnknownOptionsAreRefusedByName)
{
    for (const char* unknown : {"/a", "/sx", "--help", "show.kwp", "/s:1"}) {
        const WindowsOptions options = parse({"/s", unknown});
        EXPECT_EQ(options.mode, Mode::Refused) << unknown;
        EXPECT_EQ(options.refusal, WindowsOptions::kUnknownOption + unknown);
    }
}

TEST(WindowsOptionsTest, LogGoesWithTheShowInEitherOrder)
{
    const WindowsOptions before = parse({"--log", "/s"});
    EXPECT_EQ(before.mode, Mode::Play);
    EXPECT_TRUE(before.log);
    const WindowsOptions after = parse({"/p:77", "--LOG"});
    EXPECT_EQ(after.mode, Mode::Preview);
    EXPECT_TRUE(after.log);
}

TEST(WindowsOptionsTest, CheckAndVersionAreModesOfTheirOwn)
{
    EXPECT_EQ(parse({"--check"}).mode, Mode::Check);
    EXPECT_EQ(parse({"--version"}).mode, Mode::Version);
    // --version answers whatever follows it.
    EXPECT_EQ(parse({"--version", "--bogus"}).mode, Mode::Version);
}

TEST(WindowsOptionsTest, TraceKeepsEverythingAfterItForTheTrace)
{
    const WindowsOptions options =
        parse({"--trace", "--effect", "3", "--width", "40", "--height", "30", "/s"});
    EXPECT_EQ(options.mode, Mode::Trace);
    const std::vector<std::string> expected = {"--effect", "3",  "--width", "40",
                                               "--height", "30", "/s"};
    EXPECT_EQ(options.traceArguments, expected);
}

TEST(WindowsOptionsTest, WindowHandlesAreDecimalOrHexadecimal)
{
    std::uintptr_t window = 0;
    EXPECT_TRUE(WindowsOptions::parseWindow("65538", window));
    EXPECT_EQ(window, 65538u);
    EXPECT_TRUE(WindowsOptions::parseWindow("0XABC", window));
    EXPECT_EQ(window, 0xABCu);
    window = 7;
    EXPECT_FALSE(WindowsOptions::parseWindow("0x0", window));
    EXPECT_FALSE(WindowsOptions::parseWindow(" 12", window));
    EXPECT_FALSE(WindowsOptions::parseWindow("99999999999999999999999", window));
    EXPECT_EQ(window, 7u);
}

}  // namespace
