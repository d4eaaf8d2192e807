#pragma once

#include "dialogs/FileQuestions.h"

#include <QString>
#include <QStringList>

#include <deque>

// Answers file questions from a script (empty text = cancelled) and records which were asked.
class ScriptedFileQuestions : public FileQuestions {
public:
    void answerNext(const QString& answer) { answers_.push_back(answer); }

    QString AskWorkspaceSavePath() override { return next(QStringLiteral("AskWorkspaceSavePath")); }
    QString AskWorkspaceOpenPath() override { return next(QStringLiteral("AskWorkspaceOpenPath")); }
    QString AskImageFiles() override { return next(QStringLiteral("AskImageFiles")); }
    QString AskBgmFile() override { return next(QStringLiteral("AskBgmFile")); }
    QString AskSoundFile() override { return next(QStringLiteral("AskSoundFile")); }
    QString AskIconFile(QWidget*) override { return next(QStringLiteral("AskIconFile")); }
    QString BrowseForFolder(QWidget*) override { return next(QStringLiteral("BrowseForFolder")); }

    QStringList asked;

private:
    QString next(const QString& question)
    {
        asked.append(question);
        if (answers_.empty()) {
            return QString();
        }
        QString answer = answers_.front();
        answers_.pop_front();
        return answer;
    }

    std::deque<QString> answers_;
};
