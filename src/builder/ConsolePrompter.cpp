#include "ConsolePrompter.h"

ConsolePrompter::ConsolePrompter(QTextStream& out, Answer answerToQuestions)
    : out_(out), answer_(answerToQuestions)
{}

Prompter::Answer ConsolePrompter::ask(const QString& text, const QString& title, Icon,
                                      Buttons buttons)
{
    // A console breaks lines with LF alone.
    QString line = text;
    line.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    out_ << title << ": " << line << '\n';
    if (buttons == Buttons::Ok) {
        return Answer::Ok;
    }
    out_ << (answer_ == Answer::Yes ? "-> Yes" : "-> No") << '\n';
    out_.flush();
    return answer_;
}
