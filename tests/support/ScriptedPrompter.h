#pragma once

#include "document/Prompter.h"

#include <QList>
#include <QString>

#include <deque>

// Answers message boxes from a script and records every question asked.
class ScriptedPrompter : public Prompter {
public:
    struct Question {
        QString text;
        QString title;
        Icon icon;
        Buttons buttons;
    };

    void answerNext(Answer answer) { answers_.push_back(answer); }

    Answer ask(const QString& text, const QString& title, Icon icon, Buttons buttons) override
    {
        asked.append(Question{text, title, icon, buttons});
        if (answers_.empty()) {
            return buttons == Buttons::Ok ? Answer::Ok : Answer::Cancel;
        }
        const Answer answer = answers_.front();
        answers_.pop_front();
        return answer;
    }

    QList<Question> asked;

private:
    std::deque<Answer> answers_;
};
