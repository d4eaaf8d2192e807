#include "platform/ForeignWindowSize.h"

#include <QGuiApplication>

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

QSize ForeignWindowSize::of(WId window)
{
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    // The offscreen platform answers as X11 but without a connection.
    xcb_connection_t* connection = x11 != nullptr ? x11->connection() : nullptr;
    if (connection == nullptr) {
        return {};
    }
    const xcb_get_geometry_cookie_t cookie =
        xcb_get_geometry(connection, static_cast<xcb_drawable_t>(window));
    const std::unique_ptr<xcb_get_geometry_reply_t, decltype(&std::free)> reply(
        xcb_get_geometry_reply(connection, cookie, nullptr), &std::free);
    return reply ? QSize(reply->width, reply->height) : QSize();
}
