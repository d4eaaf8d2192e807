#pragma once

#include "effects/Canvas.h"

#include <QImage>
#include <QRegion>

#include <functional>

// The canvas of the effects on real pixels: the screen, outgoing and incoming pictures are
// QImages of one size (Format_RGB32); copies are clipped to both pictures like a block
// transfer. refresh() calls the given function (the player window repaints from the screen
// picture).
class ImageCanvas : public Canvas {
public:
    ImageCanvas(QImage& screen, const QImage& outgoing, const QImage& incoming,
                std::function<void()> onRefresh = {});

    int width() const override;
    int height() const override;
    void copy(Source source, int x, int y, int w, int h, int sx, int sy) override;
    void stretch(Source source, int x, int y, int w, int h) override;
    void fillBlack() override;
    bool clipEllipse(int x1, int y1, int x2, int y2) override;
    bool clipPolygon(std::span<const Point> points) override;
    void unclip() override;
    void refresh() override;

private:
    const QImage& picture(Source source) const;

    QImage& screen_;
    const QImage& outgoing_;
    const QImage& incoming_;
    std::function<void()> onRefresh_;
    QRegion clip_;
    bool clipped_ = false;
};
