#pragma once

#include <QProcessEnvironment>
#include <QString>

#include <gtest/gtest.h>

#include <xcb/xcb.h>

// Tests that need a real X server take it from KREMOA_TEST_DISPLAY (":N"; .ci/run starts an
// Xvfb and sets it). Without one such a test is skipped, except in CI (CI=true), where it
// fails: there the X tests must run.
inline QString reachableTestDisplay()
{
    QString display = qEnvironmentVariable("KREMOA_TEST_DISPLAY");
    if (!display.isEmpty()) {
        xcb_connection_t* connection = xcb_connect(display.toLocal8Bit().constData(), nullptr);
        if (xcb_connection_has_error(connection) != 0) {
            display.clear();
        }
        xcb_disconnect(connection);
    }
    return display;
}

// Sets `display` to the test's X server, or ends the test: skipped, or failed in CI.
#define KREMOA_TAKE_TEST_DISPLAY(display)                                                       \
    if ((display = reachableTestDisplay()).isEmpty()) {                                         \
        if (qEnvironmentVariable("CI") == QLatin1String("true")) {                              \
            FAIL() << "no X server for this test: KREMOA_TEST_DISPLAY is unset or unreachable"; \
        }                                                                                       \
        GTEST_SKIP() << "no X server: set KREMOA_TEST_DISPLAY to an Xvfb's display";            \
    }

class XTestDisplay : public ::testing::Test {
protected:
    void SetUp() override { KREMOA_TAKE_TEST_DISPLAY(display); }

    // The environment for a program that is to use the test's X server through Qt.
    QProcessEnvironment xEnvironment() const
    {
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QStringLiteral("DISPLAY"), display);
        environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
        environment.insert(QStringLiteral("SDL_AUDIODRIVER"), QStringLiteral("dummy"));
        environment.remove(QStringLiteral("XSCREENSAVER_WINDOW"));
        environment.remove(QStringLiteral("WAYLAND_DISPLAY"));
        return environment;
    }

    QString display;
};
