#include "editor/MainCommands.h"

#include "dialogs/FileQuestions.h"
#include "editor/EditorDocument.h"
#include "effects/ProgramState.h"

MainCommands::MainCommands(EditorDocument& document, EditorView& view, ProgramState& state,
                           PictureLoader& pictures, FileQuestions& questions, Prompter& prompter,
                           const QString& applicationFolder)
    : document_(document),
      questions_(questions),
      files_(document, view, questions, prompter),
      slides_(document, view, questions, prompter),
      show_(document, view, state, prompter, questions, applicationFolder),
      dialogs_(document, view, prompter, applicationFolder),
      applyToAll_(document, view, state.Random),
      positioner_(document, view, pictures)
{}

void MainCommands::Command9_Click()
{
    document_.setBgmPath(questions_.AskBgmFile());
}
