#include "editor/ShowCommands.h"

#include "builder/SaveForm.h"
#include "editor/CanvasPicture.h"
#include "editor/MainForm.h"
#include "platform/Preview.h"

ShowCommands::ShowCommands(MainForm& form) : form_(form) {}

void ShowCommands::copyCanvasIntoRecord()
{
    ShowDocument& record = form_.document().record;
    record.CanvasWidth = form_.MainPicture->innerWidth();
    record.CanvasHeight = form_.MainPicture->innerHeight();
    record.BackColor = form_.MainPicture->backColor();
}

void ShowCommands::menupreview_Click()
{
    if (form_.document().count() == 0) {
        return;
    }
    copyCanvasIntoRecord();
    Preview::run(form_.currentShow(), form_.state());
}

void ShowCommands::Command4_Click()
{
    menupreview_Click();
}

void ShowCommands::menuSave_Click()
{
    copyCanvasIntoRecord();
    const EditableShow show = form_.currentShow();
    SaveForm dialog(show, form_.prompter(), form_.questions(), form_.applicationFolder(), &form_);
    dialog.exec();
}

void ShowCommands::Command2_Click()
{
    if (form_.document().count() > 0) {
        menuSave_Click();
    }
}
