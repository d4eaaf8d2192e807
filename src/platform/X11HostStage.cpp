#include "platform/X11HostStage.h"

#include "platform/X11HostWindow.h"
#include "player/CanvasFit.h"

#include <QRegion>

X11HostStage::X11HostStage(X11HostWindow& host) : host_(host)
{
    host_.onResized([this] { drawAll(); });
    host_.onExposed([this] { drawAll(); });
}

void X11HostStage::begin(const QImage& screen)
{
    screen_ = &screen;
    drawAll();
}

void X11HostStage::present(const QRegion& changed)
{
    drawCanvasParts(changed);
    host_.handleEvents();
}

void X11HostStage::drawAll()
{
    if (screen_ == nullptr) {
        return;
    }
    const QRect window(QPoint(0, 0), host_.size());
    const QRegion border = QRegion(window) - CanvasFit::of(screen_->size(), host_.size()).target;
    host_.fillBlack(QList<QRect>(border.begin(), border.end()));
    drawCanvas();
}

void X11HostStage::drawCanvasParts(const QRegion& changed)
{
    if (screen_ == nullptr) {
        return;
    }
    const CanvasFit fit = CanvasFit::of(screen_->size(), host_.size());
    if (fit.scaled()) {
        // A scaled canvas is small: scaling it whole keeps the filtering seamless.
        drawCanvas();
        return;
    }
    for (const QRect& part : changed & screen_->rect()) {
        host_.putImage(screen_->copy(part), fit.target.topLeft() + part.topLeft());
    }
}

void X11HostStage::drawCanvas()
{
    if (screen_ == nullptr) {
        return;
    }
    const CanvasFit fit = CanvasFit::of(screen_->size(), host_.size());
    if (fit.scaled()) {
        host_.putImage(
            screen_->scaled(fit.target.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation),
            fit.target.topLeft());
    } else {
        host_.putImage(*screen_, fit.target.topLeft());
    }
}
