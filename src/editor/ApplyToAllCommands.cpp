#include "editor/ApplyToAllCommands.h"

#include "editor/EditorDocument.h"
#include "editor/EditorView.h"
#include "effects/EffectCatalogue.h"
#include "effects/RandomGenerator.h"

#include <cmath>

ApplyToAllCommands::ApplyToAllCommands(EditorDocument& document, EditorView& view,
                                       RandomGenerator& random)
    : document_(document), view_(view), random_(random)
{}

void ApplyToAllCommands::applyToAll(
    const std::function<void(const SlideItem& current, SlideItem& slide)>& write)
{
    const SlideItem* current = document_.currentSlide();
    if (current == nullptr) {
        return;
    }
    const SlideItem values = *current;
    document_.applyToAll([&](SlideItem& slide) { write(values, slide); });
    view_.List1_Click();
}

void ApplyToAllCommands::menuAllichisitei_Click()
{
    applyToAll([](const SlideItem& current, SlideItem& slide) {
        slide.PosX = current.PosX;
        slide.PosY = current.PosY;
    });
}

void ApplyToAllCommands::menuAllTime_Click()
{
    applyToAll([](const SlideItem& current, SlideItem& slide) {
        slide.DisplayTime = current.DisplayTime;
    });
}

void ApplyToAllCommands::menuAlleffect_Click()
{
    applyToAll([](const SlideItem& current, SlideItem& slide) {
        slide.EffectNumber = current.EffectNumber;
    });
}

void ApplyToAllCommands::menuRandamEffect_Click()
{
    // Every entry of the effect list, "なし" included, is equally likely. The product is
    // formed in double so that the largest draw still stays below the entry count.
    applyToAll([this](const SlideItem&, SlideItem& slide) {
        slide.EffectNumber = static_cast<qint32>(std::floor(double(random_.next()) * kEffectCount));
    });
}

void ApplyToAllCommands::menuAllSound_Click()
{
    applyToAll(
        [](const SlideItem& current, SlideItem& slide) { slide.SoundPath = current.SoundPath; });
}

void ApplyToAllCommands::menuAllNokosu_Click()
{
    applyToAll([](const SlideItem& current, SlideItem& slide) {
        slide.KeepPrevious = current.KeepPrevious;
    });
}

void ApplyToAllCommands::menuAllTransparent_Click()
{
    applyToAll([](const SlideItem& current, SlideItem& slide) {
        slide.Transparent = current.Transparent;
    });
}
