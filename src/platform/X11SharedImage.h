#pragma once

#include <QImage>
#include <QPoint>

struct xcb_connection_t;

// Puts images on an X11 drawable through a shared-memory segment (the MIT-SHM extension) when
// the server is on this machine and offers it: the server reads the pixels in place instead of
// receiving them over the socket, which matters for full frames on large screens. The segment
// grows with the largest image and is reused.
class X11SharedImage {
public:
    explicit X11SharedImage(xcb_connection_t* connection);
    ~X11SharedImage();
    X11SharedImage(const X11SharedImage&) = delete;
    X11SharedImage& operator=(const X11SharedImage&) = delete;

    // Whether the server takes shared images at all.
    bool usable() const { return usable_; }
    // Draws `image` (in the drawable's pixel format) at `at` and waits until the server has
    // read it; false when shared memory cannot be used (then nothing was drawn).
    bool put(quint32 drawable, quint32 gc, quint8 depth, const QImage& image, QPoint at);

private:
    bool reserve(qsizetype bytes);
    void release();

    xcb_connection_t* connection_;
    bool usable_ = false;
    quint32 segment_ = 0;
    uchar* memory_ = nullptr;
    qsizetype size_ = 0;
};
