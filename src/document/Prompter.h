#pragma once

#include <QString>

// Message boxes go through this interface, so tests answer them without a modal loop.
class Prompter {
public:
    enum class Icon { Information, Warning, Question };
    enum class Buttons { Ok, YesNo, YesNoCancel };
    enum class Answer { Ok, Yes, No, Cancel };

    virtual ~Prompter() = default;
    virtual Answer ask(const QString& text, const QString& title, Icon icon, Buttons buttons) = 0;

    void tell(const QString& text, const QString& title, Icon icon)
    {
        ask(text, title, icon, Buttons::Ok);
    }
};
