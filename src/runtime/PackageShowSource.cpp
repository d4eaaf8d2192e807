#include "runtime/PackageShowSource.h"

#include <utility>

PackageShowSource::PackageShowSource(const PackageView& package, SoundChoice choice,
                                     Decoder decoder)
    : package_(package), choice_(choice), decoder_(std::move(decoder))
{}

const PackageSlide& PackageShowSource::entry(int index) const
{
    return package_.slides.at(static_cast<std::size_t>(index));
}

int PackageShowSource::slideCount() const
{
    return static_cast<int>(package_.slides.size());
}

const SlideSettings& PackageShowSource::slide(int index) const
{
    return entry(index);
}

PixelImage PackageShowSource::image(int index) const
{
    return decoder_ ? decoder_(entry(index).imageData) : PixelImage();
}

bool PackageShowSource::soundExists(int index) const
{
    const PackageSlide& slide = entry(index);
    return choice_.soundEffects && slide.soundHolder >= 0 && !slide.soundData.empty();
}

std::string PackageShowSource::soundKey(int index) const
{
    return entry(index).soundPath;
}

std::string PackageShowSource::bgmKey() const
{
    return choice_.bgm && !package_.bgmData.empty() ? package_.bgmName : std::string();
}

int PackageShowSource::canvasWidth() const
{
    return package_.CanvasWidth;
}

int PackageShowSource::canvasHeight() const
{
    return package_.CanvasHeight;
}

std::uint32_t PackageShowSource::backColor() const
{
    return package_.BackColor;
}

Audio::Resolver PackageShowSource::resolver() const
{
    return [this](const std::string& key) -> std::optional<std::string_view> {
        if (!package_.bgmName.empty() && key == package_.bgmName) {
            return package_.bgmData;
        }
        for (const PackageSlide& slide : package_.slides) {
            if (slide.soundHolder >= 0 && slide.soundPath == key) {
                return slide.soundData;
            }
        }
        return std::nullopt;
    };
}
