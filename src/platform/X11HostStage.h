#pragma once

#include "player/ShowStage.h"

#include <QImage>

class X11HostWindow;

// The show as seen in a host's window: the canvas centred in it, scaled down with smooth
// filtering when the host is smaller (CanvasFit), the rest black. Follows the host's resizes
// at once. Input is the host's business: it ends the show by ending the program or the window.
class X11HostStage : public ShowStage {
public:
    explicit X11HostStage(X11HostWindow& host);

    void begin(const QImage& screen) override;
    void present(const QRegion& changed) override;

private:
    void drawAll();
    void drawCanvas();
    void drawCanvasParts(const QRegion& changed);

    X11HostWindow& host_;
    const QImage* screen_ = nullptr;
};
