#pragma once

#include "player/CanvasFit.h"
#include "player/ShowStage.h"

#include <QImage>
#include <QRegion>

class X11HostWindow;

// The show as seen in a host's window: the canvas centred in it, scaled down with smooth
// filtering when the host is smaller (CanvasFit), the rest black. Follows the host's resizes
// at once. Input is the host's business: it ends the show by ending the program or the window.
class X11HostStage : public ShowStage {
public:
    explicit X11HostStage(X11HostWindow& host);

    void begin(const PixelImage& screen) override;
    void present(std::span<const PixelRect> changed) override;

private:
    void drawAll();
    void drawCanvas();
    void drawCanvasParts(const QRegion& changed);
    CanvasFit fit() const;

    X11HostWindow& host_;
    QImage screen_;  // a view of the show's canvas; null before the show begins
};
