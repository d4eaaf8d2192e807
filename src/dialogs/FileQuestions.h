#pragma once

#include <QString>

class QWidget;

// The program's file and folder questions. Each returns the chosen path as text, or empty text
// when the user cancels. AskImageFiles returns one full path, or a folder followed by file
// names, separated by single NUL characters. Tests substitute scripted answers.
class FileQuestions {
public:
    virtual ~FileQuestions() = default;

    virtual QString AskWorkspaceSavePath() = 0;
    virtual QString AskWorkspaceOpenPath() = 0;
    virtual QString AskImageFiles() = 0;
    virtual QString AskBgmFile() = 0;
    virtual QString AskSoundFile() = 0;
    virtual QString AskIconFile(QWidget* owner) = 0;
    virtual QString BrowseForFolder(QWidget* owner) = 0;
};
