#pragma once

#include "player/PixelRect.h"
#include "player/PixelSize.h"

// Where the canvas goes in a window of another size. A window at least as large as the canvas
// shows it unscaled and centred as the player does full-screen (half the window minus half the
// canvas, each halved with truncation); a window smaller in either direction shows the whole
// canvas scaled down to fit, aspect kept, centred.
struct CanvasFit {
    PixelRect target;  // in window coordinates
    double scale = 1.0;

    bool scaled() const { return scale != 1.0; }

    static CanvasFit of(PixelSize canvas, PixelSize window);
};
