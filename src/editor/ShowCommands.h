#pragma once

#include <QString>

class EditorDocument;
class EditorView;
class FileQuestions;
class ProgramState;
class Prompter;

// The commands that take the whole show elsewhere: the full-screen preview and the builder
// dialog. Both first copy the canvas's size and colour into the record, which holds them as
// copies of the canvas. Neither waits for pictures the editor is still decoding.
class ShowCommands {
public:
    ShowCommands(EditorDocument& document, EditorView& view, ProgramState& state,
                 Prompter& prompter, FileQuestions& questions, QString applicationFolder);

    void menupreview_Click();
    void Command4_Click();
    // The builder dialog, whatever the slide count: the File menu's rule sets the item's state.
    void menuSave_Click();
    // The toolbar's create button does nothing with an empty list.
    void Command2_Click();

private:
    EditorDocument& document_;
    EditorView& view_;
    ProgramState& state_;
    Prompter& prompter_;
    FileQuestions& questions_;
    const QString applicationFolder_;
};
