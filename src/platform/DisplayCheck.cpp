#include "platform/DisplayCheck.h"

#include <QRegularExpression>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <xcb/xcb.h>

#include <cstddef>
#include <cstring>

namespace {

// Whether something listens on a local socket (a name starting with '@' is abstract).
bool listening(const QByteArray& name)
{
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    if (name.size() >= qsizetype(sizeof address.sun_path)) {
        return false;
    }
    std::memcpy(address.sun_path, name.constData(), size_t(name.size()));
    socklen_t length = socklen_t(offsetof(sockaddr_un, sun_path) + size_t(name.size()));
    if (name.startsWith('@')) {
        address.sun_path[0] = '\0';
    } else {
        length += 1;
    }
    const int socket = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (socket < 0) {
        return false;
    }
    const bool connected =
        ::connect(socket, reinterpret_cast<const sockaddr*>(&address), length) == 0;
    ::close(socket);
    return connected;
}

// Whether the X server of `display` can be reached. A local display is probed at its socket
// without an X connection: the window system connects right after, and an X server can refuse a
// connection that follows another one from the same program too closely.
bool reachable(const QString& display)
{
    static const QRegularExpression local(QStringLiteral("^(?:unix)?:(\\d+)(?:\\.\\d+)?$"));
    const QRegularExpressionMatch match = local.match(display);
    if (match.hasMatch()) {
        const QByteArray path = "/tmp/.X11-unix/X" + match.captured(1).toLatin1();
        return listening('@' + path) || listening(path);
    }
    xcb_connection_t* connection = xcb_connect(display.toLocal8Bit().constData(), nullptr);
    const bool failed = xcb_connection_has_error(connection) != 0;
    xcb_disconnect(connection);
    return !failed;
}

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
    if (!reachable(display)) {
        return kUnreachable.arg(display);
    }
    return std::nullopt;
}
