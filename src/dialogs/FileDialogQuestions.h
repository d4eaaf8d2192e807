#pragma once

#include "dialogs/FileQuestions.h"

#include <QList>
#include <QString>
#include <QStringList>

class QFileDialog;

// The file and folder questions on Qt's own file dialog, which shows each filter's text exactly
// as written and filters by its patterns. Each question starts in the program's current folder
// and, when confirmed, moves the current folder to the chosen file's folder, so the next
// question starts there.
class FileDialogQuestions : public FileQuestions {
public:
    struct Filter {
        QString description;  // as the user reads it, e.g. "クレモアファイル(*.kwp)"
        QString patterns;     // ";"-separated, e.g. "*.mid;*.midi"
    };
    struct Question {
        QString title;
        QList<Filter> filters;
        int initialFilter = 1;  // 1-based
        bool save = false;
        bool multipleSelection = false;
    };

    static const Question kWorkspaceSave;
    static const Question kWorkspaceOpen;
    static const Question kImageFiles;
    static const Question kBgmFile;
    static const Question kSoundFile;
    static const Question kIconFile;

    // Dialogs without an owner of their own (all but the icon and folder questions) are owned
    // by this window; it may be set once the main window exists.
    explicit FileDialogQuestions(QWidget* owner = nullptr);
    void setOwner(QWidget* owner);

    QString AskWorkspaceSavePath() override;
    QString AskWorkspaceOpenPath() override;
    QString AskImageFiles() override;
    QString AskBgmFile() override;
    QString AskSoundFile() override;
    QString AskIconFile(QWidget* owner) override;
    QString BrowseForFolder(QWidget* owner) override;

    // A filter in the form QFileDialog reads, "description (pattern pattern)"; the dialog
    // shows only the description.
    static QString nameFilter(const Filter& filter);
    static void configure(QFileDialog& dialog, const Question& question);
    // The answer text for the chosen files: one full path, or the folder followed by the file
    // names, separated by single NUL characters.
    static QString answerText(const QStringList& selectedFiles);

private:
    QString ask(const Question& question, QWidget* owner);

    QWidget* owner_;
};
