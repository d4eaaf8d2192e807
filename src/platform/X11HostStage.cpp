#include "platform/X11HostStage.h"

#include "platform/X11HostWindow.h"
#include "player/QtPixels.h"

#include <QRegion>

X11HostStage::X11HostStage(X11HostWindow& host) : host_(host)
{
    host_.onResized([this] { drawAll(); });
    host_.onExposed([this] { drawAll(); });
}

void X11HostStage::begin(const PixelImage& screen)
{
    screen_ = QtPixels::constView(screen);
    drawAll();
}

void X11HostStage::present(std::span<const PixelRect> changed)
{
    drawCanvasParts(QtPixels::region(changed));
    host_.handleEvents();
}

CanvasFit X11HostStage::fit() const
{
    return CanvasFit::of(QtPixels::pixelSize(screen_.size()), QtPixels::pixelSize(host_.size()));
}

void X11HostStage::drawAll()
{
    if (screen_.isNull()) {
        return;
    }
    const QRect window(QPoint(0, 0), host_.size());
    const QRegion border = QRegion(window) - QtPixels::rect(fit().target);
    host_.fillBlack(QList<QRect>(border.begin(), border.end()));
    drawCanvas();
}

void X11HostStage::drawCanvasParts(const QRegion& changed)
{
    if (screen_.isNull()) {
        return;
    }
    const CanvasFit fit = this->fit();
    const QPoint origin(fit.target.x, fit.target.y);
    if (fit.scaled()) {
        // A scaled canvas is small: scaling it whole keeps the filtering seamless.
        drawCanvas();
        return;
    }
    const QRegion visible = changed.intersected(screen_.rect());
    for (const QRect& part : visible) {
        host_.putImage(screen_.copy(part), origin + part.topLeft());
    }
}

void X11HostStage::drawCanvas()
{
    if (screen_.isNull()) {
        return;
    }
    const CanvasFit fit = this->fit();
    const QRect target = QtPixels::rect(fit.target);
    if (fit.scaled()) {
        host_.putImage(
            screen_.scaled(target.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation),
            target.topLeft());
    } else {
        host_.putImage(screen_, target.topLeft());
    }
}
