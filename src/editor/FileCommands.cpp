#include "editor/FileCommands.h"

#include "dialogs/FileQuestions.h"
#include "document/Prompter.h"
#include "document/WorkspaceFile.h"
#include "editor/EditorDocument.h"
#include "editor/EditorView.h"

#include <QFileInfo>

FileCommands::FileCommands(EditorDocument& document, EditorView& view, FileQuestions& questions,
                           Prompter& prompter)
    : document_(document), view_(view), questions_(questions), prompter_(prompter)
{}

void FileCommands::menusinki_Click()
{
    document_.reset();
    view_.resetPanelNumbers();
    view_.clearCanvas();
    view_.selectFirstEffect();
    view_.Form_Resize();
    view_.RefreshThumbnails(0, true);
}

void FileCommands::menuOpen_Click()
{
    OpenWorkSpace(questions_.AskWorkspaceOpenPath());
}

void FileCommands::menuSaveData_Click()
{
    if (document_.count() == 0) {
        return;
    }
    for (;;) {
        QString name = questions_.AskWorkspaceSavePath();
        if (name.isEmpty()) {
            return;
        }
        name = WorkspaceFile::withWorkspaceSuffix(name);
        if (QFileInfo(name).isFile()) {
            const Prompter::Answer answer = prompter_.ask(
                name + QStringLiteral(" ファイルはすでに存在します。\r\n上書きしますか？"),
                kSaveTitle, Prompter::Icon::Warning, Prompter::Buttons::YesNoCancel);
            if (answer == Prompter::Answer::No) {
                continue;
            }
            if (answer != Prompter::Answer::Yes) {
                return;
            }
        }
        // The old file is replaced only once the new one is complete, so a failed write
        // keeps it as it was.
        const Status saved = WorkspaceFile::save(name, WorkspaceFile::fromShow(document_.show()));
        if (!saved) {
            prompter_.tell(saved.error(), kSaveTitle, Prompter::Icon::Warning);
        }
        return;
    }
}

void FileCommands::menuend_Click()
{
    view_.closeWindow();
}

void FileCommands::OpenWorkSpace(const QString& path)
{
    if (path.isEmpty()) {
        return;
    }
    const Expected<WorkspaceRecord> loaded = WorkspaceFile::load(path);
    // The reader refuses canvas sides the size dialog could not make, like any damage.
    if (!loaded) {
        prompter_.tell(WorkspaceFile::kCannotOpenMessage, WorkspaceFile::kCannotOpenTitle,
                       Prompter::Icon::Warning);
        return;
    }
    document_.load(WorkspaceFile::toShow(loaded.value()));
    // The canvas size has changed: lay the window out again before showing slide 0.
    view_.Form_Resize();
    document_.setCurrentIndex(0);
}
