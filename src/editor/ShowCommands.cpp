#include "editor/ShowCommands.h"

#include "builder/SaveForm.h"
#include "editor/EditorDocument.h"
#include "editor/EditorView.h"
#include "platform/Preview.h"

ShowCommands::ShowCommands(EditorDocument& document, EditorView& view, ProgramState& state,
                           Prompter& prompter, FileQuestions& questions, QString applicationFolder)
    : document_(document),
      view_(view),
      state_(state),
      prompter_(prompter),
      questions_(questions),
      applicationFolder_(std::move(applicationFolder))
{}

void ShowCommands::menupreview_Click()
{
    if (document_.count() == 0) {
        return;
    }
    document_.copyCanvasIntoRecord();
    Preview::run(document_.show(), state_);
}

void ShowCommands::Command4_Click()
{
    menupreview_Click();
}

void ShowCommands::menuSave_Click()
{
    document_.copyCanvasIntoRecord();
    SaveForm dialog(document_.show(), prompter_, questions_, applicationFolder_,
                    view_.dialogOwner());
    dialog.exec();
}

void ShowCommands::Command2_Click()
{
    if (document_.count() > 0) {
        menuSave_Click();
    }
}
