#pragma once

#include <QString>

class EditorDocument;
class EditorView;
class Prompter;

// The menu commands that open the program's small dialogs: canvas size and background colour
// (Image menu, only with at least one slide, showing the current slide again afterwards),
// the manual and the about box (Help menu).
class DialogCommands {
public:
    // Where the canvas goes in its view after a size change.
    static constexpr int kResizedCanvasOffset = 5;

    DialogCommands(EditorDocument& document, EditorView& view, Prompter& prompter,
                   QString applicationFolder);

    void menusize_Click();
    void menucolor_Click();
    void menuhow_Click();
    void menuabout_Click();

private:
    EditorDocument& document_;
    EditorView& view_;
    Prompter& prompter_;
    const QString applicationFolder_;
};
