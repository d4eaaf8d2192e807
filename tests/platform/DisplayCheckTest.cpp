#include "platform/DisplayCheck.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <QByteArray>

#include <utility>
#include <vector>

namespace {

// Sets environment variables for one test and puts the old values back.
class ScopedEnvironment {
public:
    void set(const char* name, const QByteArray& value)
    {
        remember(name);
        qputenv(name, value);
    }
    void unset(const char* name)
    {
        remember(name);
        qunsetenv(name);
    }
    ~ScopedEnvironment()
    {
        for (const auto& [name, value] : saved_) {
            if (value.isNull()) {
                qunsetenv(name);
            } else {
                qputenv(name, value);
            }
        }
    }

private:
    void remember(const char* name)
    {
        saved_.emplace_back(name, qEnvironmentVariableIsSet(name) ? qgetenv(name) : QByteArray());
    }
    std::vector<std::pair<const char*, QByteArray>> saved_;
};

TEST(DisplayCheckTest, NoDisplayVariableIsToldInOneLine)
{
    ScopedEnvironment environment;
    environment.unset("DISPLAY");
    environment.unset("WAYLAND_DISPLAY");
    environment.unset("QT_QPA_PLATFORM");

    EXPECT_EQ(DisplayCheck::problem(false), DisplayCheck::kNoDisplay);
    EXPECT_EQ(DisplayCheck::problem(true), DisplayCheck::kNoDisplay);
    EXPECT_FALSE(DisplayCheck::kNoDisplay.contains(u'\n'));
}

TEST(DisplayCheckTest, UnreachableServerIsNamed)
{
    ScopedEnvironment environment;
    environment.set("DISPLAY", ":4711");
    environment.set("QT_QPA_PLATFORM", "xcb");

    EXPECT_EQ(DisplayCheck::problem(false), DisplayCheck::kUnreachable.arg(":4711"));
}

TEST(DisplayCheckTest, PlatformsWithoutAnXServerAreLeftToQt)
{
    ScopedEnvironment environment;
    environment.unset("DISPLAY");
    environment.set("QT_QPA_PLATFORM", "offscreen");
    EXPECT_EQ(DisplayCheck::problem(false), std::nullopt);

    environment.unset("QT_QPA_PLATFORM");
    environment.set("WAYLAND_DISPLAY", "wayland-0");
    EXPECT_EQ(DisplayCheck::problem(false), std::nullopt);
}

TEST(DisplayCheckTest, DrawingIntoAnX11WindowNeedsTheXServerWhateverQtUses)
{
    ScopedEnvironment environment;
    environment.set("DISPLAY", ":4711");
    environment.set("QT_QPA_PLATFORM", "offscreen");

    EXPECT_EQ(DisplayCheck::problem(true), DisplayCheck::kUnreachable.arg(":4711"));
}

}  // namespace
