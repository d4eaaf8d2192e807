#pragma once

#include <QImage>
#include <QRect>
#include <QString>
#include <QStringList>

#include <xcb/xcb.h>

#include <cstdlib>
#include <memory>

// A plain X11 window made for a test, as a screen-saver host would make one: a host for the
// saver to draw into, whose pixels the test reads back, and which it resizes and destroys.
// Its background is white, so pixels nobody drew are told from black ones.
class X11TestWindow {
public:
    static constexpr quint32 kWhite = 0xffffff;

    X11TestWindow(const QString& display, QRect geometry)
    {
        connection_ = xcb_connect(display.toLocal8Bit().constData(), nullptr);
        if (xcb_connection_has_error(connection_) != 0) {
            return;
        }
        screen_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data;
        window_ = xcb_generate_id(connection_);
        const quint32 values[] = {kWhite, 1};  // background pixel, override-redirect
        xcb_create_window(connection_, XCB_COPY_FROM_PARENT, window_, screen_->root,
                          qint16(geometry.x()), qint16(geometry.y()), quint16(geometry.width()),
                          quint16(geometry.height()), 0, XCB_WINDOW_CLASS_INPUT_OUTPUT,
                          screen_->root_visual, XCB_CW_BACK_PIXEL | XCB_CW_OVERRIDE_REDIRECT,
                          values);
        xcb_map_window(connection_, window_);
        sync();
    }
    ~X11TestWindow()
    {
        if (connection_ != nullptr) {
            xcb_disconnect(connection_);
        }
    }
    X11TestWindow(const X11TestWindow&) = delete;
    X11TestWindow& operator=(const X11TestWindow&) = delete;

    bool ok() const { return window_ != 0; }
    quint32 id() const { return window_; }
    QString hexId() const { return QStringLiteral("0x%1").arg(window_, 0, 16); }
    quint32 root() const { return screen_ != nullptr ? screen_->root : 0; }
    QSize screenSize() const
    {
        return screen_ != nullptr ? QSize(screen_->width_in_pixels, screen_->height_in_pixels)
                                  : QSize();
    }

    // A child window filling the window, as toolkits put their content in.
    void addFillingChild(QSize size)
    {
        const quint32 child = xcb_generate_id(connection_);
        const quint32 values[] = {kWhite};
        xcb_create_window(connection_, XCB_COPY_FROM_PARENT, child, window_, 0, 0,
                          quint16(size.width()), quint16(size.height()), 0,
                          XCB_WINDOW_CLASS_INPUT_OUTPUT, screen_->root_visual, XCB_CW_BACK_PIXEL,
                          values);
        xcb_map_window(connection_, child);
        sync();
    }

    void resize(QSize size)
    {
        const quint32 values[] = {quint32(size.width()), quint32(size.height())};
        xcb_configure_window(connection_, window_,
                             XCB_CONFIG_WINDOW_WIDTH | XCB_CONFIG_WINDOW_HEIGHT, values);
        sync();
    }

    void destroy()
    {
        xcb_destroy_window(connection_, window_);
        sync();
    }

    // What the window (or any other drawable of the display, such as the root) shows now, as
    // RGB32; null when it cannot be read.
    QImage grab(QRect area) const { return grab(window_, area); }
    QImage grab(quint32 drawable, QRect area) const
    {
        const xcb_get_image_cookie_t cookie =
            xcb_get_image(connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, drawable, qint16(area.x()),
                          qint16(area.y()), quint16(area.width()), quint16(area.height()), ~0u);
        const std::unique_ptr<xcb_get_image_reply_t, decltype(&std::free)> reply(
            xcb_get_image_reply(connection_, cookie, nullptr), &std::free);
        if (!reply || reply->depth < 24) {
            return {};
        }
        const QImage view(xcb_get_image_data(reply.get()), area.width(), area.height(),
                          QImage::Format_RGB32);
        return view.copy();
    }

    // The ids of the root's children that are mapped and viewable: the windows on screen.
    QStringList viewableTopLevels() const
    {
        QStringList ids;
        const std::unique_ptr<xcb_query_tree_reply_t, decltype(&std::free)> tree(
            xcb_query_tree_reply(connection_, xcb_query_tree(connection_, root()), nullptr),
            &std::free);
        if (!tree) {
            return ids;
        }
        const xcb_window_t* children = xcb_query_tree_children(tree.get());
        for (int i = 0; i < xcb_query_tree_children_length(tree.get()); ++i) {
            const std::unique_ptr<xcb_get_window_attributes_reply_t, decltype(&std::free)>
                attributes(
                    xcb_get_window_attributes_reply(
                        connection_, xcb_get_window_attributes(connection_, children[i]), nullptr),
                    &std::free);
            if (attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE) {
                ids.append(QString::number(children[i], 16));
            }
        }
        return ids;
    }

private:
    void sync()
    {
        std::free(
            xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
    }

    xcb_connection_t* connection_ = nullptr;
    xcb_screen_t* screen_ = nullptr;
    quint32 window_ = 0;
};
