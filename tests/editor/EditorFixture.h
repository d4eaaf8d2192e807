#pragma once

#include "support/WhenShown.h"

#include "editor/MainForm.h"
#include "media/MediaFactory.h"
#include "support/ScriptedFileQuestions.h"
#include "support/ScriptedPrompter.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

// A main window on the offscreen platform with scripted dialogs and message boxes, and a
// folder for test media.
class EditorFixture : public ::testing::Test {
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

    void SetUp() override { form->show(); }

    QAction* action(const char* name) const
    {
        return form->findChild<QAction*>(QString::fromLatin1(name));
    }
    QToolButton* button(const char* name) const
    {
        return form->findChild<QToolButton*>(QString::fromLatin1(name));
    }
    EditorDocument& document() const { return form->document(); }
    // Adds `count` images named slide0.bmp ... and returns their paths.
    QStringList addSlides(int count)
    {
        QStringList paths;
        for (int i = 0; i < count; ++i) {
            paths.append(media.solidImage(QStringLiteral("slide%1.bmp").arg(i), {40, 30},
                                          QColor::fromHsv((i * 37) % 360, 200, 200)));
        }
        for (const QString& path : paths) {
            form->AddImages(path);
        }
        return paths;
    }
    // Resizes the window so that its inner area is width x height.
    void resizeInner(int width, int height)
    {
        const QSize outer = form->size();
        const QSize inner = form->centralWidget()->size();
        form->resize(outer.width() - inner.width() + width,
                     outer.height() - inner.height() + height);
        QApplication::processEvents();
    }

    QTemporaryDir dir;
    MediaFactory media{dir.path()};
    ScriptedFileQuestions questions;
    ScriptedPrompter prompter;
    std::unique_ptr<MainForm> form = std::make_unique<MainForm>(
        questions, prompter, QDir::currentPath(), QDir::tempPath() + QDir::separator());
};
