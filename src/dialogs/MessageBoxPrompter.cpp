#include "dialogs/MessageBoxPrompter.h"

#include <QApplication>
#include <QMessageBox>

namespace {

QMessageBox::Icon boxIcon(Prompter::Icon icon)
{
    switch (icon) {
        case Prompter::Icon::Information:
            return QMessageBox::Information;
        case Prompter::Icon::Warning:
            return QMessageBox::Warning;
        case Prompter::Icon::Question:
            return QMessageBox::Question;
    }
    return QMessageBox::NoIcon;
}

}  // namespace

MessageBoxPrompter::MessageBoxPrompter(QWidget* owner) : owner_(owner) {}

void MessageBoxPrompter::setOwner(QWidget* owner)
{
    owner_ = owner;
}

void MessageBoxPrompter::configure(QMessageBox& box, const QString& text, const QString& title,
                                   Icon icon, Buttons buttons)
{
    box.setText(text);
    box.setWindowTitle(title);
    box.setIcon(boxIcon(icon));
    switch (buttons) {
        case Buttons::Ok:
            box.setStandardButtons(QMessageBox::Ok);
            box.setDefaultButton(QMessageBox::Ok);
            break;
        case Buttons::YesNo:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
            box.setDefaultButton(QMessageBox::Yes);
            break;
        case Buttons::YesNoCancel:
            box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
            box.setDefaultButton(QMessageBox::Yes);
            break;
    }
}

Prompter::Answer MessageBoxPrompter::ask(const QString& text, const QString& title, Icon icon,
                                         Buttons buttons)
{
    QMessageBox box(owner_ != nullptr ? owner_ : QApplication::activeWindow());
    configure(box, text, title, icon, buttons);
    switch (box.exec()) {
        case QMessageBox::Yes:
            return Answer::Yes;
        case QMessageBox::No:
            return Answer::No;
        case QMessageBox::Ok:
            return Answer::Ok;
        default:
            // Escape or the close box: the safe answer for the buttons shown.
            return buttons == Buttons::Ok      ? Answer::Ok
                   : buttons == Buttons::YesNo ? Answer::No
                                               : Answer::Cancel;
    }
}
