#pragma once

#include <functional>

class EditorDocument;
class EditorView;
class RandomGenerator;
struct SlideItem;

// The Image menu's commands that write one setting of the current slide (the one the property
// panel shows) into every slide, or give every slide a random effect. Each does nothing with an
// empty slide list, and otherwise shows the current slide again afterwards.
class ApplyToAllCommands {
public:
    ApplyToAllCommands(EditorDocument& document, EditorView& view, RandomGenerator& random);

    void menuAllichisitei_Click();
    void menuAllTime_Click();
    void menuAlleffect_Click();  // the effect only: every slide keeps its speed
    void menuRandamEffect_Click();
    void menuAllSound_Click();
    void menuAllNokosu_Click();
    void menuAllTransparent_Click();

private:
    // Runs `write` with the current slide's settings on every slide, then shows the current
    // slide again.
    void applyToAll(const std::function<void(const SlideItem& current, SlideItem& slide)>& write);

    EditorDocument& document_;
    EditorView& view_;
    RandomGenerator& random_;
};
