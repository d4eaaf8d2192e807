#pragma once

class QWidget;

// The row of 25 x 25 buttons along the top of the main window (`Command1` ... `Command11`),
// found with findChild<QToolButton*>(name); the handlers are connected by their owners.
class MainToolbar {
public:
    static constexpr int kButtonSize = 25;

    static void build(QWidget& parent);
};
