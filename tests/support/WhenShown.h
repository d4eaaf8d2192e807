#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <utility>

// Runs `answer` on the modal dialog once it is up, as a user at the screen would: the event
// loop is polled until a modal widget of the wanted kind is active.
template <typename Dialog>
void whenShown(std::function<void(Dialog&)> answer, int delayMs = 0)
{
    QTimer::singleShot(delayMs, [answer = std::move(answer)]() mutable {
        if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
            answer(*dialog);
        } else {
            whenShown<Dialog>(std::move(answer), 10);
        }
    });
}
