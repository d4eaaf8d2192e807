#include "player/CanvasFit.h"

#include <algorithm>
#include <cmath>

CanvasFit CanvasFit::of(QSize canvas, QSize window)
{
    CanvasFit fit;
    QSize shown = canvas;
    if (!canvas.isEmpty() &&
        (window.width() < canvas.width() || window.height() < canvas.height())) {
        fit.scale = std::min(double(window.width()) / canvas.width(),
                             double(window.height()) / canvas.height());
        // Never rounded down to nothing: a sliver of a show still says it is running.
        shown = QSize(std::max(1, int(std::lround(canvas.width() * fit.scale))),
                      std::max(1, int(std::lround(canvas.height() * fit.scale))));
    }
    fit.target = QRect(
        QPoint(window.width() / 2 - shown.width() / 2, window.height() / 2 - shown.height() / 2),
        shown);
    return fit;
}
