#include "ConsolePrompter.h"

ConsolePrompter::ConsolePrompter(QTextStream& out, Answer answerToQuestions)
    : out_(out), answer_(answerToQuestions)
{}

Prompter::Answer ConsolePrompter::ask(const QString& text, const QString& title, Icon,
                                      Buttons buttons)
{
    out_ << title << ": " << text << '\n';
    if (buttons == Buttons::Ok) {
        return Answer::Ok;
    }
    out_ << (answer_ == Answer::Yes ? "-> Yes" : "-> No") << '\n';
    out_.flush();
    return answer_;
}
