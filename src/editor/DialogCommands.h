#pragma once

class MainForm;

// The menu commands that open the program's small dialogs: canvas size and background colour
// (Image menu, only with at least one slide, showing the selected slide again afterwards),
// the manual and the about box (Help menu).
class DialogCommands {
public:
    // Where the canvas goes in its view after a size change.
    static constexpr int kResizedCanvasOffset = 5;

    explicit DialogCommands(MainForm& form);

    void menusize_Click();
    void menucolor_Click();
    void menuhow_Click();
    void menuabout_Click();

private:
    MainForm& form_;
};
