#pragma once

#include "support/WhenShown.h"

#include "ScriptedDecodeRunner.h"
#include "editor/CanvasPicture.h"
#include "editor/DescendingScrollBar.h"
#include "editor/MainCommands.h"
#include "editor/MainForm.h"
#include "editor/PropertyPanel.h"
#include "editor/ThumbnailStrip.h"
#include "media/MediaFactory.h"
#include "support/ScriptedFileQuestions.h"
#include "support/ScriptedPrompter.h"

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

// The application for tests with widgets; it lives until the process ends: destroying it at exit
// races Qt's own clean-up.
inline void ensureApplication()
{
    if (QApplication::instance() == nullptr) {
        static int argc = 1;
        static char name[] = "kremoa-test";
        static char* argv[] = {name, nullptr};
        new QApplication(argc, argv);
    }
}

// A main window on the offscreen platform with scripted dialogs, message boxes and picture
// decoding (at once unless a test holds the decodes back), and a folder for test media.
class EditorFixture : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ensureApplication(); }

    void SetUp() override { form->show(); }

    // A window of its own, as a fresh program start makes it.
    std::unique_ptr<MainForm> makeForm()
    {
        auto runner = std::make_unique<ScriptedDecodeRunner>(true);
        decodes = runner.get();
        return std::make_unique<MainForm>(questions, prompter, QDir::currentPath(),
                                          QDir::tempPath() + QDir::separator(), std::move(runner));
    }

    QAction* action(const char* name) const
    {
        return form->findChild<QAction*>(QString::fromLatin1(name));
    }
    QToolButton* button(const char* name) const
    {
        return form->findChild<QToolButton*>(QString::fromLatin1(name));
    }
    // The window's controls, found by the names the program gives them.
    template <typename Control>
    Control* control(const char* name) const
    {
        auto* found = form->findChild<Control*>(QString::fromLatin1(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }
    CanvasPicture* canvas() const { return control<CanvasPicture>("MainPicture"); }
    PropertyPanel* panel() const { return control<PropertyPanel>("Frame1"); }
    ThumbnailStrip* strip() const { return control<ThumbnailStrip>("picImage"); }
    QScrollBar* stripScroll() const { return control<QScrollBar>("sclImage"); }
    DescendingScrollBar* hScroll() const { return control<DescendingScrollBar>("HScroll1"); }
    DescendingScrollBar* vScroll() const { return control<DescendingScrollBar>("VScroll1"); }
    QLineEdit* bgmBox() const { return control<QLineEdit>("Label3"); }
    QPushButton* bgmButton() const { return control<QPushButton>("Command9"); }
    QWidget* view() const { return control<QWidget>("MainView"); }

    EditorDocument& document() const { return form->document(); }
    const QList<SlideItem>& slides() const { return document().record().Slides; }
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
    // Gives slide i the settings of `slide`, as editing it would, and leaves it current.
    void editSlide(int i, const SlideItem& slide)
    {
        EditorDocument& show = document();
        show.setCurrentIndex(i);
        show.setDisplayTime(slide.DisplayTime);
        show.setPosition(slide.PosX, slide.PosY);
        show.setEffectNumber(slide.EffectNumber);
        show.setSpeedIndex(slide.SpeedIndex);
        show.setSoundPath(slide.SoundPath);
        show.setKeepPrevious(slide.KeepPrevious != 0);
        show.setTransparent(slide.Transparent != 0);
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
    ScriptedDecodeRunner* decodes = nullptr;  // the window's, which owns it
    std::unique_ptr<MainForm> form = makeForm();
};
