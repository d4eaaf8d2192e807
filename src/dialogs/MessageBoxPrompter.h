#pragma once

#include "document/Prompter.h"

class QMessageBox;
class QWidget;

// Message boxes on QMessageBox, owned by the given window (the active window when none is set).
class MessageBoxPrompter : public Prompter {
public:
    explicit MessageBoxPrompter(QWidget* owner = nullptr);
    void setOwner(QWidget* owner);

    Answer ask(const QString& text, const QString& title, Icon icon, Buttons buttons) override;

    // Puts the text, title, icon and buttons on a box; the first button is the default.
    static void configure(QMessageBox& box, const QString& text, const QString& title, Icon icon,
                          Buttons buttons);

private:
    QWidget* owner_;
};
