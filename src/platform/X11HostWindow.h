#pragma once

#include <QImage>
#include <QList>
#include <QObject>
#include <QRect>
#include <QSize>
#include <QString>

#include <functional>
#include <memory>

class QSocketNotifier;
class X11SharedImage;
struct xcb_connection_t;

// Another program's X11 window that the show is drawn into: a screen-saver host (xscreensaver's
// window for one monitor or its settings' preview pane, xsecurelock's window) or the root
// window. The program keeps a connection of its own to the X server, so it can follow the host
// without Qt: it reads the host's size, hears of every resize and of the host's end, and draws
// with image requests (through shared memory when the server offers it). Errors from requests made
// after the host is gone arrive on this connection only and are dropped, so nothing is printed.
class X11HostWindow : public QObject {
    Q_OBJECT

public:
    static inline const QString kNoServer = QStringLiteral("X サーバーに接続できません。");
    static inline const QString kNoWindow = QStringLiteral("ウィンドウ 0x%1 が見つかりません。");
    static inline const QString kUnsupportedDepth =
        QStringLiteral("ウィンドウ 0x%1 の色深度 (%2 ビット) には描けません。");

    // window 0 = the root window of the display's default screen.
    explicit X11HostWindow(quint32 window, QObject* parent = nullptr);
    ~X11HostWindow() override;

    // Connects, finds the window and starts following it; false with error() on failure.
    bool open();
    const QString& error() const { return error_; }

    quint32 window() const { return window_; }
    QSize size() const { return size_; }
    // The size of the screen (root window) the host is on.
    QSize screenSize() const { return screenSize_; }
    bool destroyed() const { return destroyed_; }

    // Called from the event loop when the host changes size, needs redrawing or is gone
    // (the connection lost counts as gone).
    void onResized(std::function<void()> handler) { onResized_ = std::move(handler); }
    void onExposed(std::function<void()> handler) { onExposed_ = std::move(handler); }
    void onDestroyed(std::function<void()> handler) { onDestroyed_ = std::move(handler); }

    // Draws an RGB32 image with its top-left corner at `at` / fills rectangles with black, and
    // sends the requests. Nothing is drawn once the host is gone.
    void putImage(const QImage& image, QPoint at);
    void fillBlack(const QList<QRect>& rectangles);
    // Handles whatever events have arrived (also those read while waiting for a reply).
    void handleEvents();

private:
    bool findFormat(quint8 depth);
    void lost();

    quint32 requested_;
    xcb_connection_t* connection_ = nullptr;
    quint32 window_ = 0;
    quint32 gc_ = 0;
    quint8 depth_ = 0;
    quint8 bitsPerPixel_ = 0;
    QSize size_;
    QSize screenSize_;
    bool destroyed_ = false;
    QString error_;
    std::unique_ptr<QSocketNotifier> notifier_;
    std::unique_ptr<X11SharedImage> shared_;
    std::function<void()> onResized_;
    std::function<void()> onExposed_;
    std::function<void()> onDestroyed_;
};
