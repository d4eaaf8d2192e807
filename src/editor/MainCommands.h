#pragma once

#include "editor/ApplyToAllCommands.h"
#include "editor/CanvasPositioner.h"
#include "editor/DialogCommands.h"
#include "editor/FileCommands.h"
#include "editor/ShowCommands.h"
#include "editor/SlideListCommands.h"

#include <QString>

class EditorDocument;
class EditorView;
class FileQuestions;
class PictureLoader;
class ProgramState;
class Prompter;

// Every command of the main window's menus, toolbar and BGM browse button, one handler each,
// named after its item or button; each hands over to the class that owns its concern.
class MainCommands {
public:
    MainCommands(EditorDocument& document, EditorView& view, ProgramState& state,
                 PictureLoader& pictures, FileQuestions& questions, Prompter& prompter,
                 const QString& applicationFolder);

    const EditorDocument& document() const { return document_; }
    SlideListCommands& slides() { return slides_; }
    CanvasPositioner& positioner() { return positioner_; }
    FileCommands& files() { return files_; }

    void menusinki_Click() { files_.menusinki_Click(); }
    void menuOpen_Click() { files_.menuOpen_Click(); }
    void menuSaveData_Click() { files_.menuSaveData_Click(); }
    void menuSave_Click() { show_.menuSave_Click(); }
    void menuend_Click() { files_.menuend_Click(); }
    void menucopy_Click() { slides_.menucopy_Click(); }
    void menupreview_Click() { show_.menupreview_Click(); }
    void menusize_Click() { dialogs_.menusize_Click(); }
    void menucolor_Click() { dialogs_.menucolor_Click(); }
    void menuup_Click() { slides_.menuup_Click(); }
    void menudown_Click() { slides_.menudown_Click(); }
    void menuadd_Click() { slides_.menuadd_Click(); }
    void menuClone_Click() { slides_.menuClone_Click(); }
    void menudelete_Click() { slides_.menudelete_Click(); }
    void menualldelete_Click() { slides_.menualldelete_Click(); }
    void menucenter_Click() { positioner_.menucenter_Click(); }
    void manuallcenter_Click() { positioner_.manuallcenter_Click(); }
    void menuAllichisitei_Click() { applyToAll_.menuAllichisitei_Click(); }
    void menuAllTime_Click() { applyToAll_.menuAllTime_Click(); }
    void menuAlleffect_Click() { applyToAll_.menuAlleffect_Click(); }
    void menuRandamEffect_Click() { applyToAll_.menuRandamEffect_Click(); }
    void menuAllSound_Click() { applyToAll_.menuAllSound_Click(); }
    void menuAllNokosu_Click() { applyToAll_.menuAllNokosu_Click(); }
    void menuAllTransparent_Click() { applyToAll_.menuAllTransparent_Click(); }
    void menuhow_Click() { dialogs_.menuhow_Click(); }
    void menuabout_Click() { dialogs_.menuabout_Click(); }
    // Toolbar buttons with a rule of their own.
    void Command2_Click() { show_.Command2_Click(); }
    void Command4_Click() { show_.Command4_Click(); }
    // The BGM browse button: the answer becomes the BGM path; cancelling clears it.
    void Command9_Click();

private:
    EditorDocument& document_;
    FileQuestions& questions_;
    FileCommands files_;
    SlideListCommands slides_;
    ShowCommands show_;
    DialogCommands dialogs_;
    ApplyToAllCommands applyToAll_;
    CanvasPositioner positioner_;
};
