#include "FakeEditorView.h"
#include "editor/EditorDocument.h"
#include "editor/SlideListCommands.h"
#include "support/ScriptedFileQuestions.h"
#include "support/ScriptedPrompter.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QSignalSpy>

#include <gtest/gtest.h>

namespace {

const QChar kNul(u'\0');

// The slide-list commands on a document and a recording view: no window.
class SlideListCommandsTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        if (QApplication::instance() == nullptr) {
            static int argc = 1;
            static char name[] = "SlideListCommandsTest";
            static char* argv[] = {name, nullptr};
            new QApplication(argc, argv);
        }
    }

    // Paths need not exist: the commands never open the files.
    static QStringList paths(int count)
    {
        QStringList result;
        for (int i = 0; i < count; ++i) {
            result.append(QStringLiteral("/pictures/slide%1.bmp").arg(i));
        }
        return result;
    }
    QStringList add(int count)
    {
        const QStringList added = paths(count);
        for (const QString& path : added) {
            commands.AddImages(path);
        }
        view.calls.clear();
        view.refreshes.clear();
        return added;
    }
    void setTimes()
    {
        for (int i = 0; i < document.count(); ++i) {
            document.setCurrentIndex(i);
            document.setDisplayTime(100 + i);
        }
    }
    QList<qint32> times() const
    {
        QList<qint32> result;
        for (const SlideItem& slide : document.record().Slides) {
            result.append(slide.DisplayTime);
        }
        return result;
    }

    EditorDocument document;
    FakeEditorView view;
    ScriptedFileQuestions questions;
    ScriptedPrompter prompter;
    SlideListCommands commands{document, view, questions, prompter};
    QSignalSpy selections{&document, &EditorDocument::currentChanged};
};

TEST_F(SlideListCommandsTest, AddingTwoFilesFromOneFolderAddsBothInOrderAndSelectsTheSecond)
{
    view.scrollValue = 4;
    questions.answerNext(QStringLiteral("/pictures") + kNul + "a.bmp" + kNul + "b.jpg");
    commands.menuadd_Click();

    const QString folder = QStringLiteral("/pictures") + QDir::separator();
    EXPECT_EQ(document.paths(), QStringList({folder + "a.bmp", folder + "b.jpg"}));
    ASSERT_EQ(document.record().Slides.size(), 2);
    EXPECT_EQ(document.record().SlideCount, 2);
    EXPECT_EQ(document.record().Slides[0], SlideItem());
    EXPECT_EQ(document.record().Slides[1].DisplayTime, 1000);
    EXPECT_EQ(document.currentIndex(), 1);
    ASSERT_EQ(selections.size(), 1);
    EXPECT_EQ(selections[0][0].toInt(), 1);
    // The strip is redrawn from where it stands, keeping its frames.
    EXPECT_EQ(view.refreshes, (QList<FakeEditorView::Refresh>{{4, false}}));
    EXPECT_EQ(questions.asked, QStringList{"AskImageFiles"});

    questions.answerNext(QStringLiteral("/more/") + kNul + "c.bmp");
    commands.menuadd_Click();
    EXPECT_EQ(document.paths().last(), QStringLiteral("/more/c.bmp"));
}

TEST_F(SlideListCommandsTest, CancellingTheAddDialogChangesNothing)
{
    commands.menuadd_Click();
    EXPECT_EQ(document.count(), 0);
    EXPECT_EQ(document.currentIndex(), -1);
    EXPECT_TRUE(selections.isEmpty());
    EXPECT_TRUE(view.calls.isEmpty());
}

TEST_F(SlideListCommandsTest, DuplicatingGivesANewLastSlideWithDefaultProperties)
{
    const QStringList added = add(2);
    document.setCurrentIndex(0);
    document.setDisplayTime(5000);
    commands.menuClone_Click();

    EXPECT_EQ(document.paths(), QStringList({added[0], added[1], added[0]}));
    EXPECT_EQ(document.record().Slides[2].DisplayTime, 1000);
    EXPECT_EQ(document.record().Slides[0].DisplayTime, 5000);
    EXPECT_EQ(document.currentIndex(), 2);
}

TEST_F(SlideListCommandsTest, WithoutSlidesTheListCommandsDoNothing)
{
    commands.menuClone_Click();
    commands.menudelete_Click();
    commands.menuup_Click();
    commands.menudown_Click();
    commands.picFrame_MouseDown(0);
    commands.picFrame_DragDrop(0, 1);
    EXPECT_EQ(document.count(), 0);
    EXPECT_EQ(document.currentIndex(), -1);
    EXPECT_TRUE(selections.isEmpty());
    EXPECT_TRUE(view.calls.isEmpty());
    EXPECT_TRUE(prompter.asked.isEmpty());
}

TEST_F(SlideListCommandsTest, DeletingTheLastOfFiveSelectsThePreviousOne)
{
    const QStringList added = add(5);
    view.scrollValue = 2;
    commands.menudelete_Click();
    EXPECT_EQ(document.paths(), added.mid(0, 4));
    EXPECT_EQ(document.record().Slides.size(), 4);
    EXPECT_EQ(document.record().SlideCount, 4);
    EXPECT_EQ(document.currentIndex(), 3);
    EXPECT_EQ(view.refreshes, (QList<FakeEditorView::Refresh>{{2, true}}));
    EXPECT_FALSE(view.calls.contains("clearCanvas"));
}

TEST_F(SlideListCommandsTest, DeletingAMiddleSlideSelectsTheOneThatFollowed)
{
    const QStringList added = add(5);
    setTimes();
    document.setCurrentIndex(2);
    commands.menudelete_Click();
    EXPECT_EQ(document.paths(), QStringList({added[0], added[1], added[3], added[4]}));
    EXPECT_EQ(document.currentIndex(), 2);
    EXPECT_EQ(times(), QList<qint32>({100, 101, 103, 104}));
    EXPECT_EQ(document.currentSlide()->DisplayTime, 103);
}

TEST_F(SlideListCommandsTest, DeletingTheOnlySlideClearsTheCanvasAndLeavesNoCurrentSlide)
{
    add(1);
    document.setDisplayTime(4000);
    commands.menudelete_Click();
    EXPECT_EQ(document.count(), 0);
    EXPECT_EQ(document.currentIndex(), -1);
    EXPECT_EQ(document.record().SlideCount, 0);
    EXPECT_EQ(view.calls, QStringList({"clearCanvas", "RefreshThumbnails"}));

    commands.AddImages(QStringLiteral("/pictures/blue.bmp"));
    EXPECT_EQ(document.record().Slides, QList<SlideItem>{SlideItem()});
}

TEST_F(SlideListCommandsTest, DeleteAllKeepsCanvasColourAndBgmButEmptiesTheRecord)
{
    add(3);
    document.setCanvasSize({300, 200});
    document.setBackColor(0x00ff0000);
    document.setBgmPath(QStringLiteral("/music/tune.mid"));
    document.copyCanvasIntoRecord();
    view.scrollValue = 1;
    commands.menualldelete_Click();

    EXPECT_EQ(document.count(), 0);
    EXPECT_EQ(document.currentIndex(), -1);
    EXPECT_EQ(document.record(), ShowDocument());
    EXPECT_EQ(document.canvasSize(), QSize(300, 200));
    EXPECT_EQ(document.backColor(), 0x00ff0000u);
    EXPECT_EQ(document.bgmPath(), QStringLiteral("/music/tune.mid"));
    EXPECT_EQ(view.calls, QStringList({"resetPanelNumbers", "RefreshThumbnails", "clearCanvas"}));
    EXPECT_EQ(view.refreshes, (QList<FakeEditorView::Refresh>{{1, true}}));
}

TEST_F(SlideListCommandsTest, MovingExchangesNeighboursAndStopsAtTheEnds)
{
    const QStringList added = add(3);
    setTimes();
    document.setCurrentIndex(2);
    commands.menudown_Click();
    EXPECT_EQ(document.paths(), added) << "the last slide cannot move down";
    commands.menuup_Click();
    EXPECT_EQ(document.paths(), QStringList({added[0], added[2], added[1]}));
    EXPECT_EQ(times(), QList<qint32>({100, 102, 101}));
    EXPECT_EQ(document.currentIndex(), 1);
    commands.menuup_Click();
    EXPECT_EQ(document.paths(), QStringList({added[2], added[0], added[1]}));
    EXPECT_EQ(document.currentIndex(), 0);
    commands.menuup_Click();
    EXPECT_EQ(document.paths(), QStringList({added[2], added[0], added[1]}));
    commands.menudown_Click();
    EXPECT_EQ(document.paths(), QStringList({added[0], added[2], added[1]}));
    EXPECT_EQ(document.currentIndex(), 1);
    EXPECT_EQ(view.refreshes.last(), (FakeEditorView::Refresh{0, true}));
}

TEST_F(SlideListCommandsTest, PressingAFrameSelectsFromTheScrollPositionAndArmsADrag)
{
    add(12);
    view.scrollValue = 3;
    commands.picFrame_MouseDown(2);
    EXPECT_EQ(document.currentIndex(), 5);
    EXPECT_EQ(commands.DragArmed, SlideListCommands::kTrue);
    commands.picFrame_MouseUp(2);
    EXPECT_EQ(commands.DragArmed, 0);
    commands.picFrame_MouseMove(2);
    EXPECT_TRUE(view.calls.isEmpty()) << "a move without a press starts no drag";

    // A press followed by any move drags the frame; the next move does not start another.
    commands.picFrame_MouseDown(4);
    commands.picFrame_MouseMove(4);
    commands.picFrame_MouseMove(4);
    EXPECT_EQ(view.calls, QStringList{"startFrameDrag 4"});
    EXPECT_EQ(commands.DragArmed, 0);

    // A press beyond the last slide selects nothing.
    commands.picFrame_MouseDown(20);
    EXPECT_EQ(document.currentIndex(), 7);
}

TEST_F(SlideListCommandsTest, DroppingOneFrameOnAnotherSwapsTheTwoSlides)
{
    const QStringList added = add(6);
    setTimes();
    commands.picFrame_DragDrop(0, 3);
    EXPECT_EQ(document.paths(),
              QStringList({added[3], added[1], added[2], added[0], added[4], added[5]}));
    EXPECT_EQ(times(), QList<qint32>({103, 101, 102, 100, 104, 105}));
    EXPECT_EQ(document.currentIndex(), 3);

    // From the scroll position, and never onto itself or beyond the list.
    view.scrollValue = 2;
    commands.picFrame_DragDrop(2, 1);
    EXPECT_EQ(document.paths(),
              QStringList({added[3], added[1], added[2], added[4], added[0], added[5]}));
    EXPECT_EQ(document.currentIndex(), 3);
    const QStringList before = document.paths();
    commands.picFrame_DragDrop(1, 1);
    commands.picFrame_DragDrop(1, 9);
    EXPECT_EQ(document.paths(), before);
}

TEST_F(SlideListCommandsTest, DroppedFilesAreAddedOnlyWhenTheyEndInBmpOrJpg)
{
    commands.picImage_OLEDragDrop({"/p/photo.JPG", "/p/photo.jpeg", "/p/notes.txt", "/p/a.Bmp"});
    EXPECT_EQ(document.paths(), QStringList({"/p/photo.JPG", "/p/a.Bmp"}));
    commands.picImage_OLEDragDrop({"/p/photo.jpeg", "/p/notes.txt"});
    EXPECT_EQ(document.count(), 2);
}

TEST_F(SlideListCommandsTest, CopyPutsWhatTheCanvasShowsOnTheClipboard)
{
    view.canvas = QImage(30, 20, QImage::Format_RGB32);
    view.canvas.fill(Qt::red);
    commands.menucopy_Click();
    const QImage copied = QApplication::clipboard()->image();
    ASSERT_EQ(copied.size(), QSize(30, 20));
    EXPECT_EQ(copied.pixel(2, 2), qRgb(255, 0, 0));
}

TEST_F(SlideListCommandsTest, AddingBeyondTheSlideLimitAddsWhatFitsAndSaysSo)
{
    document.add(QStringList(ShowDocument::kMaxSlides - 1, QStringLiteral("/p/p.bmp")));
    commands.AddImages(QStringLiteral("/p") + kNul + "a.bmp" + kNul + "b.bmp");
    EXPECT_EQ(document.count(), ShowDocument::kMaxSlides);
    EXPECT_EQ(document.record().SlideCount, ShowDocument::kMaxSlides);
    EXPECT_EQ(document.paths().last(), QStringLiteral("/p") + QDir::separator() + "a.bmp");
    EXPECT_EQ(document.currentIndex(), ShowDocument::kMaxSlides - 1);
    ASSERT_EQ(prompter.asked.size(), 1);
    EXPECT_EQ(prompter.asked[0].icon, Prompter::Icon::Warning);
    EXPECT_EQ(prompter.asked[0].title, SlideListCommands::kTooManyTitle);
    EXPECT_TRUE(prompter.asked[0].text.contains(QStringLiteral("1 個")));

    commands.AddImages(QStringLiteral("/p/c.bmp"));
    EXPECT_EQ(document.count(), ShowDocument::kMaxSlides);
    EXPECT_EQ(document.record().Slides.size(), ShowDocument::kMaxSlides);
    EXPECT_EQ(prompter.asked.size(), 2);
}

}  // namespace
