#include "player/ImageCanvasFactory.h"

#include "player/ImageCanvas.h"

std::unique_ptr<Canvas> ImageCanvasFactory::canvas(
    PixelImage& screen, const PixelImage& outgoing, const PixelImage& incoming,
    std::function<void(std::span<const PixelRect> changed)> onRefresh)
{
    return std::make_unique<ImageCanvas>(screen, outgoing, incoming, std::move(onRefresh));
}
