#include "platform/DisplayCheck.h"

#include "support/QtPrinters.h"

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstddef>
#include <cstring>

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

TEST(DisplayCheckTest, LocalServerIsFoundAtItsSocketInEveryFormOfTheName)
{
    // A listening socket where an X server of display 4712 would listen.
    const int server = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    ASSERT_GE(server, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const char name[] = "@/tmp/.X11-unix/X4712";
    std::memcpy(address.sun_path, name, sizeof name - 1);
    address.sun_path[0] = '\0';
    const auto length = socklen_t(offsetof(sockaddr_un, sun_path) + sizeof name - 1);
    ASSERT_EQ(::bind(server, reinterpret_cast<const sockaddr*>(&address), length), 0);
    ASSERT_EQ(::listen(server, 4), 0);

    ScopedEnvironment environment;
    environment.set("QT_QPA_PLATFORM", "xcb");
    for (const char* display : {":4712", ":4712.0", "unix:4712"}) {
        environment.set("DISPLAY", display);
        EXPECT_EQ(DisplayCheck::problem(false), std::nullopt) << display;
    }
    environment.set("DISPLAY", ":4713");
    EXPECT_EQ(DisplayCheck::problem(false), DisplayCheck::kUnreachable.arg(":4713"));
    ::close(server);
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
