#include "player/CanvasFit.h"

#include <algorithm>
#include <cmath>

CanvasFit CanvasFit::of(PixelSize canvas, PixelSize window)
{
    CanvasFit fit;
    PixelSize shown = canvas;
    if (!canvas.isEmpty() && (window.width < canvas.width || window.height < canvas.height)) {
        fit.scale =
            std::min(double(window.width) / canvas.width, double(window.height) / canvas.height);
        // Never rounded down to nothing: a sliver of a show still says it is running.
        shown = PixelSize{std::max(1, int(std::lround(canvas.width * fit.scale))),
                          std::max(1, int(std::lround(canvas.height * fit.scale)))};
    }
    fit.target = PixelRect{window.width / 2 - shown.width / 2, window.height / 2 - shown.height / 2,
                           shown.width, shown.height};
    return fit;
}
