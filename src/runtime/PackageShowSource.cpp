#include "PackageShowSource.h"

#include "player/ImageDecoder.h"

namespace {

QByteArray unowned(QByteArrayView bytes)
{
    return QByteArray::fromRawData(bytes.data(), bytes.size());
}

}  // namespace

PackageShowSource::PackageShowSource(const PackageView& package, SoundChoice choice)
    : package_(package), choice_(choice)
{
    slides_.reserve(package.slides.size());
    for (const PackageSlide& entry : package.slides) {
        SlideItem item;
        item.ImageRef = entry.imageRef;
        item.SoundPath = entry.soundPath;
        item.DisplayTime = entry.DisplayTime;
        item.PosX = entry.PosX;
        item.PosY = entry.PosY;
        item.EffectNumber = entry.EffectNumber;
        item.SpeedIndex = entry.SpeedIndex;
        item.KeepPrevious = entry.KeepPrevious;
        item.Transparent = entry.Transparent;
        slides_.append(item);
    }
}

int PackageShowSource::slideCount() const
{
    return slides_.size();
}

const SlideItem& PackageShowSource::slide(int index) const
{
    return slides_.at(index);
}

QImage PackageShowSource::image(int index) const
{
    return ImageDecoder::decodeBytes(unowned(package_.slides.at(index).imageData));
}

bool PackageShowSource::soundExists(int index) const
{
    const PackageSlide& entry = package_.slides.at(index);
    return choice_.soundEffects && entry.soundHolder >= 0 && !entry.soundData.isEmpty();
}

QString PackageShowSource::soundKey(int index) const
{
    return package_.slides.at(index).soundPath;
}

QString PackageShowSource::bgmKey() const
{
    return choice_.bgm && !package_.bgmData.isEmpty() ? package_.bgmName : QString();
}

int PackageShowSource::canvasWidth() const
{
    return package_.CanvasWidth;
}

int PackageShowSource::canvasHeight() const
{
    return package_.CanvasHeight;
}

quint32 PackageShowSource::backColor() const
{
    return package_.BackColor;
}

Audio::Resolver PackageShowSource::resolver() const
{
    return [this](const QString& key) -> std::optional<QByteArray> {
        if (!package_.bgmName.isEmpty() && key == package_.bgmName) {
            return unowned(package_.bgmData);
        }
        for (const PackageSlide& entry : package_.slides) {
            if (entry.soundHolder >= 0 && entry.soundPath == key) {
                return unowned(entry.soundData);
            }
        }
        return std::nullopt;
    };
}
