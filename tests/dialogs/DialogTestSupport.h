#pragma once

#include <QApplication>
#include <QFile>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>

// Runs `answer` on the modal dialog once it is up, as a user at the screen would.
template <typename Dialog>
void whenShown(std::function<void(Dialog&)> answer)
{
    auto poll = std::make_shared<std::function<void()>>();
    *poll = [answer, poll] {
        if (auto* dialog = qobject_cast<Dialog*>(QApplication::activeModalWidget())) {
            answer(*dialog);
        } else {
            QTimer::singleShot(10, *poll);
        }
    };
    QTimer::singleShot(0, *poll);
}

class DialogTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        if (QApplication::instance() == nullptr) {
            static int argc = 1;
            static char name[] = "kremoa-test";
            static char* argv[] = {name, nullptr};
            new QApplication(argc, argv);
        }
    }

    static bool touch(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::WriteOnly) && file.write("x") == 1;
    }
};
