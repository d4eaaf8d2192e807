#include "platform/DisplayCheck.h"

#include <xcb/xcb.h>

namespace {

// The platform Qt will start: the first of QT_QPA_PLATFORM's entries, without its options.
QString qtPlatform()
{
    const QString value = qEnvironmentVariable("QT_QPA_PLATFORM");
    return value.section(QLatin1Char(';'), 0, 0).section(QLatin1Char(':'), 0, 0).trimmed();
}

}  // namespace

std::optional<QString> DisplayCheck::problem(bool needsX11)
{
    if (needsX11) {
        return x11Problem();
    }
    const QString platform = qtPlatform();
    if (!platform.isEmpty() && platform != QLatin1String("xcb")) {
        // offscreen, wayland, vnc...: Qt's own start-up tells about those.
        return std::nullopt;
    }
    if (platform.isEmpty() && !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY")) {
        return std::nullopt;
    }
    return x11Problem();
}

std::optional<QString> DisplayCheck::x11Problem()
{
    const QString display = qEnvironmentVariable("DISPLAY");
    if (display.isEmpty()) {
        return kNoDisplay;
    }
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    const bool failed = xcb_connection_has_error(connection) != 0;
    xcb_disconnect(connection);
    if (failed) {
        return kUnreachable.arg(display);
    }
    return std::nullopt;
}
