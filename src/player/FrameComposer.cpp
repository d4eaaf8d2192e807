#include "player/FrameComposer.h"

#include "player/OpaqueBlit.h"
#include "player/TransparentBlit.h"

FrameComposer::FrameComposer(const PixelImage& screen, PixelImage& outgoing, PixelImage& incoming,
                             std::uint32_t background)
    : screen_(screen), outgoing_(outgoing), incoming_(incoming), background_(background)
{}

void FrameComposer::ComposeOutgoingFrame(const SlideSettings& slide, const PixelImage& picture)
{
    outgoing_.fill(background_);
    if (slide.KeepPrevious != 0) {
        OpaqueBlit(outgoing_, 0, 0, screen_);
    } else {
        OpaqueBlit(outgoing_, slide.PosX, slide.PosY, picture);
    }
}

void FrameComposer::ComposeIncomingFrame(const SlideSettings& slide, const PixelImage& picture)
{
    incoming_.fill(background_);
    if (slide.KeepPrevious == 0) {
        OpaqueBlit(incoming_, slide.PosX, slide.PosY, picture);
        return;
    }
    OpaqueBlit(incoming_, 0, 0, outgoing_);
    if (slide.Transparent != 0) {
        TransparentBlit(incoming_, slide.PosX, slide.PosY, picture.width(), picture.height(),
                        picture, 0, 0, background_);
    } else {
        OpaqueBlit(incoming_, slide.PosX, slide.PosY, picture);
    }
}
