#include "PackageSummary.h"

#include <QJsonArray>

namespace {

QString colourText(quint32 colour)
{
    constexpr int kDigits = 8;
    constexpr int kHex = 16;
    return QStringLiteral("0x%1").arg(colour, kDigits, kHex, QLatin1Char('0'));
}

QJsonObject slideSummary(const PackageSlide& slide)
{
    return QJsonObject{
        {QStringLiteral("imageRef"), slide.imageRef},
        {QStringLiteral("soundPath"), slide.soundPath},
        {QStringLiteral("displayTime"), slide.DisplayTime},
        {QStringLiteral("posX"), slide.PosX},
        {QStringLiteral("posY"), slide.PosY},
        {QStringLiteral("effectNumber"), slide.EffectNumber},
        {QStringLiteral("speedIndex"), slide.SpeedIndex},
        {QStringLiteral("keepPrevious"), slide.KeepPrevious},
        {QStringLiteral("transparent"), slide.Transparent},
        {QStringLiteral("imageBytes"), qint64(slide.imageData.size())},
        {QStringLiteral("soundBytes"), qint64(slide.soundData.size())},
    };
}

}  // namespace

QJsonObject PackageSummary::make(const PackageView& package, const SaverIdentity& identity,
                                 qint64 fileSize)
{
    QJsonArray slides;
    for (const PackageSlide& slide : package.slides) {
        slides.append(slideSummary(slide));
    }
    return QJsonObject{
        {QStringLiteral("title"), identity.title},
        {QStringLiteral("version"), identity.version},
        {QStringLiteral("iconWidth"), identity.icon.width()},
        {QStringLiteral("canvasWidth"), package.CanvasWidth},
        {QStringLiteral("canvasHeight"), package.CanvasHeight},
        {QStringLiteral("backColor"), colourText(package.BackColor)},
        {QStringLiteral("soundSwitchable"), package.SoundSwitchable},
        {QStringLiteral("slideCount"), package.slides.size()},
        {QStringLiteral("bgmName"), package.bgmName},
        {QStringLiteral("bgmBytes"), qint64(package.bgmData.size())},
        {QStringLiteral("slides"), slides},
        {QStringLiteral("packageSize"), package.PackageSize},
        {QStringLiteral("fileSize"), fileSize},
    };
}
