#pragma once

#include <QString>

class EditorDocument;
class EditorView;
class FileQuestions;
class Prompter;

// The File menu's commands on the workspace: New, Open, Save and Exit, and `OpenWorkSpace`,
// which the open command and start-up use.
class FileCommands {
public:
    static inline const QString kSaveTitle = QStringLiteral("作業中のデータの保存");

    FileCommands(EditorDocument& document, EditorView& view, FileQuestions& questions,
                 Prompter& prompter);

    void menusinki_Click();
    void menuOpen_Click();
    void menuSaveData_Click();
    void menuend_Click();
    void OpenWorkSpace(const QString& path);

private:
    EditorDocument& document_;
    EditorView& view_;
    FileQuestions& questions_;
    Prompter& prompter_;
};
