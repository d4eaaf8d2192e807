#pragma once

class MainForm;

// The commands that take the whole show elsewhere: the full-screen preview and the builder
// dialog. Both first copy the canvas's size and colour into the record, which holds them as
// copies of the canvas.
class ShowCommands {
public:
    explicit ShowCommands(MainForm& form);

    void menupreview_Click();
    void Command4_Click();
    // The builder dialog, whatever the slide count: the File menu's rule sets the item's state.
    void menuSave_Click();
    // The toolbar's create button does nothing with an empty list.
    void Command2_Click();

private:
    void copyCanvasIntoRecord();

    MainForm& form_;
};
