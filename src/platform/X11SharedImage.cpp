#include "platform/X11SharedImage.h"

#include <xcb/shm.h>
#include <xcb/xcb.h>

#include <sys/ipc.h>
#include <sys/shm.h>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace {

constexpr int kSegmentPermissions = 0600;

}  // namespace

X11SharedImage::X11SharedImage(xcb_connection_t* connection) : connection_(connection)
{
    const std::unique_ptr<xcb_shm_query_version_reply_t, decltype(&std::free)> version(
        xcb_shm_query_version_reply(connection_, xcb_shm_query_version(connection_), nullptr),
        &std::free);
    usable_ = version != nullptr;
}

X11SharedImage::~X11SharedImage()
{
    release();
}

bool X11SharedImage::put(quint32 drawable, quint32 gc, quint8 depth, const QImage& image, QPoint at)
{
    const qsizetype bytes = image.sizeInBytes();
    if (!usable_ || !reserve(bytes)) {
        return false;
    }
    std::memcpy(memory_, image.constBits(), size_t(bytes));
    // The image's rows are padded to 32 bits, as the server's are: its width in pixels is the
    // row length divided by the pixel size.
    const quint16 rowPixels = quint16(image.bytesPerLine() / (image.depth() / 8));
    xcb_shm_put_image(connection_, drawable, gc, rowPixels, quint16(image.height()), 0, 0,
                      quint16(image.width()), quint16(image.height()), qint16(at.x()),
                      qint16(at.y()), depth, XCB_IMAGE_FORMAT_Z_PIXMAP, 0, segment_, 0);
    // The segment is written again for the next image only once the server has read it.
    std::free(xcb_get_input_focus_reply(connection_, xcb_get_input_focus(connection_), nullptr));
    return true;
}

bool X11SharedImage::reserve(qsizetype bytes)
{
    if (bytes <= size_) {
        return true;
    }
    release();
    const int id = shmget(IPC_PRIVATE, size_t(bytes), IPC_CREAT | kSegmentPermissions);
    if (id < 0) {
        usable_ = false;
        return false;
    }
    void* memory = shmat(id, nullptr, 0);
    if (memory == reinterpret_cast<void*>(-1)) {
        shmctl(id, IPC_RMID, nullptr);
        usable_ = false;
        return false;
    }
    segment_ = xcb_generate_id(connection_);
    const std::unique_ptr<xcb_generic_error_t, decltype(&std::free)> error(
        xcb_request_check(connection_,
                          xcb_shm_attach_checked(connection_, segment_, quint32(id), 1)),
        &std::free);
    // Marked for removal now: it goes when both sides have let go of it.
    shmctl(id, IPC_RMID, nullptr);
    if (error) {
        // A server on another machine cannot reach this one's memory.
        shmdt(memory);
        segment_ = 0;
        usable_ = false;
        return false;
    }
    memory_ = static_cast<uchar*>(memory);
    size_ = bytes;
    return true;
}

void X11SharedImage::release()
{
    if (memory_ == nullptr) {
        return;
    }
    xcb_shm_detach(connection_, segment_);
    xcb_flush(connection_);
    shmdt(memory_);
    memory_ = nullptr;
    segment_ = 0;
    size_ = 0;
}
