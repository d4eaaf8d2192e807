#pragma once

#include "document/Prompter.h"

#include <QTextStream>

// Message boxes of a headless build: every text goes to the given stream (stderr), and a
// Yes/No question gets the answer fixed at construction (the overwrite question of kremoa-cli
// build is answered by --overwrite).
class ConsolePrompter : public Prompter {
public:
    ConsolePrompter(QTextStream& out, Answer answerToQuestions);

    Answer ask(const QString& text, const QString& title, Icon icon, Buttons buttons) override;

private:
    QTextStream& out_;
    Answer answer_;
};
