#pragma once

#include <functional>

class MainForm;
struct SlideItem;

// The Image menu's commands that write one value of the property panel into every slide, or
// give every slide a random effect. Each does nothing with an empty slide list, and otherwise
// shows the selected slide again afterwards. On construction it connects itself to the menu
// items (`menuAllichisitei`, `menuAllTime`, `menuAlleffect`, `menuRandamEffect`,
// `menuAllSound`, `menuAllNokosu`, `menuAllTransparent`) that the window already has; the window
// only keeps it alive.
class ApplyToAllCommands {
public:
    explicit ApplyToAllCommands(MainForm& form);

    void menuAllichisitei_Click();
    void menuAllTime_Click();
    void menuAlleffect_Click();  // the effect only: every slide keeps its speed
    void menuRandamEffect_Click();
    void menuAllSound_Click();
    void menuAllNokosu_Click();
    void menuAllTransparent_Click();

private:
    void connectMenus();
    // Runs `write` on every slide in index order, then shows the selected slide again.
    void applyToAll(const std::function<void(SlideItem&)>& write);

    MainForm& form_;
};
