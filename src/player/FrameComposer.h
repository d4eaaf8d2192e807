#pragma once

#include "document/SlideItem.h"

#include <QImage>
#include <QRgb>

// Builds the two frames of a transition on the player's hidden surfaces: the outgoing frame
// (`NowPicture`) and the incoming frame (`NextPicture`), both canvas-sized. `picture` is the
// decoded image of the slide (`MemPicture`), painted at the slide's position at natural size.
class FrameComposer {
public:
    FrameComposer(const QImage& screen, QImage& outgoing, QImage& incoming, QRgb background);

    // The frame the screen shows while `slide` is on it: with KeepPrevious, the screen as it
    // is; otherwise the background with the slide's picture.
    void ComposeOutgoingFrame(const SlideItem& slide, const QImage& picture);
    // The frame the screen shows once `slide` has been entered: with KeepPrevious, the
    // outgoing frame with the picture on top (its background-coloured pixels left out when
    // Transparent is set); otherwise the background with the picture.
    void ComposeIncomingFrame(const SlideItem& slide, const QImage& picture);

private:
    const QImage& screen_;
    QImage& outgoing_;
    QImage& incoming_;
    QRgb background_;
};
