#pragma once

#include <QString>

class MainForm;

// The File menu's commands on the workspace: New, Open, Save and Exit, and `OpenWorkSpace`,
// which the open command and start-up use.
class FileCommands {
public:
    static inline const QString kSaveTitle = QStringLiteral("作業中のデータの保存");

    explicit FileCommands(MainForm& form);

    void menusinki_Click();
    void menuOpen_Click();
    void menuSaveData_Click();
    void menuend_Click();
    void OpenWorkSpace(const QString& path);

private:
    MainForm& form_;
};
