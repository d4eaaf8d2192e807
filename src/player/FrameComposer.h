#pragma once

#include "document/SlideSettings.h"
#include "player/PixelImage.h"

#include <cstdint>

// Builds the two frames of a transition on the player's hidden surfaces: the outgoing frame
// (`NowPicture`) and the incoming frame (`NextPicture`), both canvas-sized. `picture` is the
// decoded image of the slide (`MemPicture`), painted at the slide's position at natural size.
class FrameComposer {
public:
    // background: 0x00RRGGBB.
    FrameComposer(const PixelImage& screen, PixelImage& outgoing, PixelImage& incoming,
                  std::uint32_t background);

    // The frame the screen shows while `slide` is on it: with KeepPrevious, the screen as it
    // is; otherwise the background with the slide's picture.
    void ComposeOutgoingFrame(const SlideSettings& slide, const PixelImage& picture);
    // The frame the screen shows once `slide` has been entered: with KeepPrevious, the
    // outgoing frame with the picture on top (its background-coloured pixels left out when
    // Transparent is set); otherwise the background with the picture.
    void ComposeIncomingFrame(const SlideSettings& slide, const PixelImage& picture);

private:
    const PixelImage& screen_;
    PixelImage& outgoing_;
    PixelImage& incoming_;
    std::uint32_t background_;
};
