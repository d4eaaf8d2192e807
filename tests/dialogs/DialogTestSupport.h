#pragma once

#include "support/WhenShown.h"

#include <QApplication>
#include <QFile>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <functional>

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
