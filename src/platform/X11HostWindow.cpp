#include "platform/X11HostWindow.h"

#include "platform/X11SharedImage.h"

#include <QSocketNotifier>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>

namespace {

template <typename Reply>
using ReplyPointer = std::unique_ptr<Reply, decltype(&std::free)>;

template <typename Reply>
ReplyPointer<Reply> owned(Reply* reply)
{
    return ReplyPointer<Reply>(reply, &std::free);
}

constexpr quint8 kEventTypeMask = 0x7f;  // the top bit marks events sent by other clients
constexpr quint32 kBlackPixel = 0;       // black in every true-colour visual
constexpr qsizetype kPutImageHeader = 24;
constexpr int kBytesPerRequestUnit = 4;
constexpr int kHexBase = 16;

}  // namespace

X11HostWindow::X11HostWindow(quint32 window, QObject* parent) : QObject(parent), requested_(window)
{}

X11HostWindow::~X11HostWindow()
{
    notifier_.reset();
    shared_.reset();
    if (connection_ != nullptr) {
        xcb_disconnect(connection_);
    }
}

bool X11HostWindow::open()
{
    int screenNumber = 0;
    connection_ = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(connection_) != 0) {
        error_ = kNoServer;
        return false;
    }
    const xcb_setup_t* setup = xcb_get_setup(connection_);
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(setup);
    for (int i = 0; i < screenNumber && screens.rem > 0; ++i) {
        xcb_screen_next(&screens);
    }
    window_ = requested_ != 0 ? requested_ : screens.data->root;

    // The event mask is this connection's own: selecting on another program's window leaves
    // that program's events alone.
    const quint32 events = XCB_EVENT_MASK_STRUCTURE_NOTIFY | XCB_EVENT_MASK_EXPOSURE;
    xcb_change_window_attributes(connection_, window_, XCB_CW_EVENT_MASK, &events);
    const auto geometry =
        owned(xcb_get_geometry_reply(connection_, xcb_get_geometry(connection_, window_), nullptr));
    if (!geometry) {
        error_ = kNoWindow.arg(window_, 0, kHexBase);
        return false;
    }
    size_ = QSize(geometry->width, geometry->height);
    for (screens = xcb_setup_roots_iterator(setup); screens.rem > 0; xcb_screen_next(&screens)) {
        if (screens.data->root == geometry->root) {
            screenSize_ = QSize(screens.data->width_in_pixels, screens.data->height_in_pixels);
        }
    }
    if (!findFormat(geometry->depth)) {
        error_ = kUnsupportedDepth.arg(window_, 0, kHexBase).arg(int(geometry->depth));
        return false;
    }
    // Drawing covers the host's child windows too: a host made by a toolkit (an xlogo, say)
    // keeps its content in a child that would otherwise hide the show.
    gc_ = xcb_generate_id(connection_);
    const quint32 values[] = {kBlackPixel, XCB_SUBWINDOW_MODE_INCLUDE_INFERIORS, 0};
    xcb_create_gc(connection_, gc_, window_,
                  XCB_GC_FOREGROUND | XCB_GC_SUBWINDOW_MODE | XCB_GC_GRAPHICS_EXPOSURES, values);
    xcb_flush(connection_);
    shared_ = std::make_unique<X11SharedImage>(connection_);

    notifier_ = std::make_unique<QSocketNotifier>(xcb_get_file_descriptor(connection_),
                                                  QSocketNotifier::Read);
    connect(notifier_.get(), &QSocketNotifier::activated, this, &X11HostWindow::handleEvents);
    // Events read along with the replies above wait in the queue, where the notifier never sees
    // them.
    QMetaObject::invokeMethod(this, &X11HostWindow::handleEvents, Qt::QueuedConnection);
    return true;
}

bool X11HostWindow::findFormat(quint8 depth)
{
    const xcb_setup_t* setup = xcb_get_setup(connection_);
    if (setup->image_byte_order != XCB_IMAGE_ORDER_LSB_FIRST) {
        return false;
    }
    for (xcb_format_iterator_t format = xcb_setup_pixmap_formats_iterator(setup); format.rem > 0;
         xcb_format_next(&format)) {
        if (format.data->depth == depth) {
            bitsPerPixel_ = format.data->bits_per_pixel;
        }
    }
    depth_ = depth;
    const bool trueColour32 = bitsPerPixel_ == 32 && (depth == 24 || depth == 32);
    const bool trueColour16 = bitsPerPixel_ == 16 && depth == 16;
    return trueColour32 || trueColour16;
}

void X11HostWindow::handleEvents()
{
    if (connection_ == nullptr || destroyed_) {
        return;
    }
    bool resized = false;
    bool exposed = false;
    while (xcb_generic_event_t* raw = xcb_poll_for_event(connection_)) {
        const auto event = owned(raw);
        switch (event->response_type & kEventTypeMask) {
            case XCB_CONFIGURE_NOTIFY: {
                const auto* configure = reinterpret_cast<xcb_configure_notify_event_t*>(raw);
                const QSize size(configure->width, configure->height);
                if (configure->window == window_ && size != size_) {
                    size_ = size;
                    resized = true;
                }
                break;
            }
            case XCB_EXPOSE:
                exposed = true;
                break;
            case XCB_DESTROY_NOTIFY:
                if (reinterpret_cast<xcb_destroy_notify_event_t*>(raw)->window == window_) {
                    destroyed_ = true;
                }
                break;
            default:
                // Errors (type 0) of requests that raced the host's end, and anything else.
                break;
        }
    }
    if (xcb_connection_has_error(connection_) != 0) {
        destroyed_ = true;
    }
    if (destroyed_) {
        lost();
        return;
    }
    if (resized && onResized_) {
        onResized_();
    } else if (exposed && onExposed_) {
        onExposed_();
    }
}

void X11HostWindow::lost()
{
    notifier_.reset();
    if (onDestroyed_) {
        onDestroyed_();
    }
}

void X11HostWindow::putImage(const QImage& image, QPoint at)
{
    if (destroyed_ || image.isNull()) {
        return;
    }
    const QImage pixels =
        image.convertToFormat(bitsPerPixel_ == 16 ? QImage::Format_RGB16 : QImage::Format_RGB32);
    if (shared_->put(window_, gc_, depth_, pixels, at)) {
        return;
    }
    // Large images go in bands that each fit one request.
    const qsizetype maxBytes =
        qsizetype(xcb_get_maximum_request_length(connection_)) * kBytesPerRequestUnit -
        kPutImageHeader;
    const int bandRows = int(std::max<qsizetype>(1, maxBytes / pixels.bytesPerLine()));
    for (int row = 0; row < pixels.height(); row += bandRows) {
        const int rows = std::min(bandRows, pixels.height() - row);
        xcb_put_image(connection_, XCB_IMAGE_FORMAT_Z_PIXMAP, window_, gc_, quint16(pixels.width()),
                      quint16(rows), qint16(at.x()), qint16(at.y() + row), 0, depth_,
                      quint32(pixels.bytesPerLine() * rows), pixels.constScanLine(row));
    }
    xcb_flush(connection_);
}

void X11HostWindow::fillBlack(const QList<QRect>& rectangles)
{
    if (destroyed_ || rectangles.isEmpty()) {
        return;
    }
    QList<xcb_rectangle_t> list;
    for (const QRect& rectangle : rectangles) {
        list.append(xcb_rectangle_t{qint16(rectangle.x()), qint16(rectangle.y()),
                                    quint16(rectangle.width()), quint16(rectangle.height())});
    }
    xcb_poly_fill_rectangle(connection_, window_, gc_, quint32(list.size()), list.constData());
    xcb_flush(connection_);
}
