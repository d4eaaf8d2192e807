#include "EditorFixture.h"

#include "editor/CanvasPicture.h"
#include "editor/PropertyPanel.h"
#include "editor/SlideListCommands.h"
#include "editor/ThumbnailFrame.h"
#include "editor/ThumbnailStrip.h"

#include <QClipboard>
#include <QDropEvent>
#include <QLineEdit>
#include <QMimeData>
#include <QScrollBar>
#include <QStatusBar>
#include <QTest>
#include <QUrl>

namespace {

const QChar kNul(u'\0');

class SlideListCommandsTest : public EditorFixture {
protected:
    // Drags `data` into `target` and drops it there, as the window system delivers a drop.
    void drop(QWidget* target, QMimeData* data)
    {
        QDragEnterEvent enter(QPoint(5, 5), Qt::MoveAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &enter);
        QDropEvent event(QPointF(5, 5), Qt::MoveAction, data, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(target, &event);
        delete data;
    }
    QMimeData* files(const QStringList& paths)
    {
        auto* data = new QMimeData;
        QList<QUrl> urls;
        for (const QString& path : paths) {
            urls.append(QUrl::fromLocalFile(path));
        }
        data->setUrls(urls);
        return data;
    }
};

TEST_F(SlideListCommandsTest, AddingTwoFilesFromOneFolderAddsBothInOrderAndSelectsTheSecond)
{
    media.solidImage("a.bmp", {10, 10}, Qt::red);
    media.solidImage("b.jpg", {10, 10}, Qt::blue);
    questions.answerNext(dir.path() + kNul + "a.bmp" + kNul + "b.jpg");
    action("menuadd")->trigger();

    const QString folder = dir.path() + QDir::separator();
    EXPECT_EQ(document().List1, QStringList({folder + "a.bmp", folder + "b.jpg"}));
    ASSERT_EQ(document().record.Slides.size(), 2);
    EXPECT_EQ(document().record.SlideCount, 2);
    EXPECT_EQ(document().record.Slides[0], SlideItem());
    EXPECT_EQ(document().record.Slides[1].DisplayTime, 1000);
    EXPECT_EQ(document().ListIndex, 1);
    EXPECT_EQ(questions.asked, QStringList{"AskImageFiles"});
}

TEST_F(SlideListCommandsTest, CancellingTheAddDialogChangesNothing)
{
    button("Command7")->click();
    EXPECT_EQ(document().count(), 0);
    EXPECT_EQ(document().ListIndex, -1);
}

TEST_F(SlideListCommandsTest, SelectingASlideDrawsItAtItsPositionAndFillsThePanel)
{
    const QString red = media.solidImage("red.bmp", {20, 10}, Qt::red);
    form->AddImages(red);
    form->AddImages(red);
    document().record.Slides[0] = SlideItem{{}, "beep.wav", 4321, 5, 7, 3, 2, 1, 0, {}, {}};
    form->setCurrentIndex(0);

    const QImage& canvas = form->MainPicture->image();
    EXPECT_EQ(canvas.pixel(5, 7), qRgb(255, 0, 0));
    EXPECT_EQ(canvas.pixel(24, 16), qRgb(255, 0, 0));
    EXPECT_EQ(canvas.pixel(4, 7), qRgb(0, 0, 0));
    EXPECT_EQ(canvas.pixel(25, 7), qRgb(0, 0, 0));
    EXPECT_EQ(form->panel->Text1->text(), "4321");
    EXPECT_EQ(form->panel->Text2[0]->text(), "5");
    EXPECT_EQ(form->panel->Text2[1]->text(), "7");
    EXPECT_EQ(form->panel->Text3->text(), "beep.wav");
    EXPECT_EQ(document().record.Slides[0],
              (SlideItem{{}, "beep.wav", 4321, 5, 7, 3, 2, 1, 0, {}, {}}));
}

TEST_F(SlideListCommandsTest, DuplicatingGivesANewLastSlideWithDefaultProperties)
{
    const QStringList paths = addSlides(2);
    form->setCurrentIndex(0);
    document().record.Slides[0].DisplayTime = 5000;
    form->setCurrentIndex(0);
    action("menuClone")->trigger();

    EXPECT_EQ(document().List1, QStringList({paths[0], paths[1], paths[0]}));
    EXPECT_EQ(document().record.Slides[2].DisplayTime, 1000);
    EXPECT_EQ(document().record.Slides[0].DisplayTime, 5000);
    EXPECT_EQ(document().ListIndex, 2);
}

TEST_F(SlideListCommandsTest, DuplicatingOrDeletingWithNoSlidesDoesNothing)
{
    action("menuClone")->trigger();
    action("menudelete")->trigger();
    action("menuup")->trigger();
    action("menudown")->trigger();
    EXPECT_EQ(document().count(), 0);
    EXPECT_EQ(document().ListIndex, -1);
    EXPECT_TRUE(prompter.asked.isEmpty());
}

TEST_F(SlideListCommandsTest, DeletingTheLastOfFiveSelectsThePreviousOne)
{
    const QStringList paths = addSlides(5);
    action("menudelete")->trigger();
    EXPECT_EQ(document().List1, paths.mid(0, 4));
    EXPECT_EQ(document().record.Slides.size(), 4);
    EXPECT_EQ(document().record.SlideCount, 4);
    EXPECT_EQ(document().ListIndex, 3);
}

TEST_F(SlideListCommandsTest, DeletingAMiddleSlideSelectsTheOneThatFollowed)
{
    const QStringList paths = addSlides(5);
    for (int i = 0; i < 5; ++i) {
        document().record.Slides[i].DisplayTime = 100 + i;
    }
    form->setCurrentIndex(2);
    button("Command8")->click();
    EXPECT_EQ(document().List1, QStringList({paths[0], paths[1], paths[3], paths[4]}));
    EXPECT_EQ(document().ListIndex, 2);
    EXPECT_EQ(document().record.Slides[2].DisplayTime, 103);
    EXPECT_EQ(form->panel->Text1->text(), "103");
}

TEST_F(SlideListCommandsTest, DeletingTheOnlySlideClearsTheCanvasAndLeavesNoCurrentSlide)
{
    form->MainPicture->setBackColor(0x0000ff00);
    form->AddImages(media.solidImage("red.bmp", {20, 20}, Qt::red));
    ASSERT_EQ(form->MainPicture->image().pixel(1, 1), qRgb(255, 0, 0));
    action("menudelete")->trigger();
    EXPECT_EQ(document().count(), 0);
    EXPECT_EQ(document().ListIndex, -1);
    EXPECT_EQ(document().record.SlideCount, 0);
    EXPECT_EQ(form->MainPicture->image().pixel(1, 1), qRgb(0, 255, 0));

    form->AddImages(media.solidImage("blue.bmp", {20, 20}, Qt::blue));
    EXPECT_EQ(document().record.Slides, QList<SlideItem>{SlideItem()});
}

TEST_F(SlideListCommandsTest, DeleteAllKeepsCanvasColourAndBgmButEmptiesTheRecord)
{
    addSlides(3);
    form->MainPicture->setInnerSize(300, 200);
    form->MainPicture->setBackColor(0x00ff0000);
    form->Label3->setText("/music/tune.mid");
    document().record.CanvasWidth = 300;
    action("menualldelete")->trigger();

    EXPECT_EQ(document().count(), 0);
    EXPECT_EQ(document().ListIndex, -1);
    EXPECT_EQ(document().record, ShowDocument());
    EXPECT_EQ(form->MainPicture->innerWidth(), 300);
    EXPECT_EQ(form->MainPicture->backColor(), 0x00ff0000u);
    EXPECT_EQ(form->Label3->text(), "/music/tune.mid");
    EXPECT_EQ(form->panel->Text2[0]->text(), "0");
    EXPECT_EQ(form->MainPicture->image().pixel(0, 0), qRgb(0, 0, 255));
}

TEST_F(SlideListCommandsTest, MovingExchangesNeighboursAndStopsAtTheEnds)
{
    const QStringList paths = addSlides(3);
    document().record.Slides[2].DisplayTime = 333;
    action("menudown")->trigger();
    EXPECT_EQ(document().List1, paths) << "the last slide cannot move down";
    button("Command5")->click();
    EXPECT_EQ(document().List1, QStringList({paths[0], paths[2], paths[1]}));
    EXPECT_EQ(document().record.Slides[1].DisplayTime, 333);
    EXPECT_EQ(document().ListIndex, 1);
    action("menuup")->trigger();
    EXPECT_EQ(document().List1, QStringList({paths[2], paths[0], paths[1]}));
    EXPECT_EQ(document().ListIndex, 0);
    action("menuup")->trigger();
    EXPECT_EQ(document().List1, QStringList({paths[2], paths[0], paths[1]}));
    button("Command6")->click();
    EXPECT_EQ(document().List1, QStringList({paths[0], paths[2], paths[1]}));
    EXPECT_EQ(document().ListIndex, 1);
}

TEST_F(SlideListCommandsTest, PressingAThumbnailSelectsItsSlideFromTheScrollPosition)
{
    const QStringList paths = addSlides(12);
    form->sclImage->setValue(3);
    ThumbnailFrame* frame = form->picImage->frame(2);
    ASSERT_NE(frame, nullptr);
    QTest::mousePress(frame, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(document().ListIndex, 5);
    EXPECT_EQ(form->slideCommands().DragArmed, -1);
    QTest::mouseRelease(form->picImage->frame(2), Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(form->slideCommands().DragArmed, 0);

    // Adding keeps the strip at its scroll position.
    form->AddImages(paths[0]);
    EXPECT_EQ(form->sclImage->value(), 3);
    QTest::mousePress(form->picImage->frame(0), Qt::RightButton, {}, QPoint(10, 10));
    EXPECT_EQ(document().ListIndex, 3);
}

TEST_F(SlideListCommandsTest, DraggingThumbnailZeroOntoThreeSwapsTheTwoSlides)
{
    const QStringList paths = addSlides(5);
    document().record.Slides[0].DisplayTime = 10;
    document().record.Slides[3].DisplayTime = 13;
    drop(form->picImage->frame(3), form->picImage->frame(0)->dragData());

    EXPECT_EQ(document().List1, QStringList({paths[3], paths[1], paths[2], paths[0], paths[4]}));
    EXPECT_EQ(document().record.Slides[3].DisplayTime, 10);
    EXPECT_EQ(document().record.Slides[0].DisplayTime, 13);
    EXPECT_EQ(document().ListIndex, 3);

    drop(form->picImage->frame(2), form->picImage->frame(2)->dragData());
    EXPECT_EQ(document().List1, QStringList({paths[3], paths[1], paths[2], paths[0], paths[4]}));
}

TEST_F(SlideListCommandsTest, DroppedFilesAreAddedOnlyWhenTheyEndInBmpOrJpg)
{
    const QString upper = media.solidImage("photo.JPG", {10, 10}, Qt::red);
    const QString jpeg = media.solidImage("photo.jpeg", {10, 10}, Qt::red);
    const QString text = media.bytes("notes.txt", "hello");
    const QString bitmap = media.solidImage("pic.bmp", {10, 10}, Qt::red);
    drop(form->picImage, files({upper, jpeg, text}));
    EXPECT_EQ(document().List1, QStringList{upper});
    drop(form->picImage->frame(0), files({jpeg, bitmap}));
    EXPECT_EQ(document().List1, QStringList({upper, bitmap}));
    drop(form->picImage, files({jpeg, text}));
    EXPECT_EQ(document().count(), 2);
}

TEST_F(SlideListCommandsTest, CopyPutsTheCanvasPictureOnTheClipboard)
{
    form->MainPicture->setInnerSize(30, 20);
    form->AddImages(media.solidImage("red.bmp", {10, 10}, Qt::red));
    button("Command3")->click();
    const QImage copied = QApplication::clipboard()->image();
    ASSERT_EQ(copied.size(), QSize(30, 20));
    EXPECT_EQ(copied.pixel(2, 2), qRgb(255, 0, 0));
    EXPECT_EQ(copied.pixel(20, 15), qRgb(0, 0, 0));
}

TEST_F(SlideListCommandsTest, AddingBeyondTheSlideLimitAddsNothingAndSaysSo)
{
    const QString picture = media.solidImage("p.bmp", {4, 4}, Qt::red);
    const QStringList many(ShowDocument::kMaxSlides - 1, picture);
    document().List1 = many;
    document().record.Slides = QList<SlideItem>(many.size());
    document().record.SlideCount = static_cast<qint32>(many.size());
    document().ListIndex = 0;

    form->AddImages(dir.path() + kNul + "p.bmp" + kNul + "p.bmp");
    EXPECT_EQ(document().count(), ShowDocument::kMaxSlides);
    EXPECT_EQ(document().record.SlideCount, ShowDocument::kMaxSlides);
    EXPECT_EQ(document().ListIndex, ShowDocument::kMaxSlides - 1);
    ASSERT_EQ(prompter.asked.size(), 1);
    EXPECT_EQ(prompter.asked[0].icon, Prompter::Icon::Warning);

    form->AddImages(picture);
    EXPECT_EQ(document().count(), ShowDocument::kMaxSlides);
    EXPECT_EQ(document().record.Slides.size(), ShowDocument::kMaxSlides);
    EXPECT_EQ(prompter.asked.size(), 2);
}

TEST_F(SlideListCommandsTest, AnUndecodableImageShowsTheBackgroundAndNamesTheFile)
{
    form->MainPicture->setBackColor(0x000000ff);
    const QString broken = media.bytes("broken.jpg", "not a picture");
    form->AddImages(broken);
    EXPECT_EQ(document().count(), 1);
    EXPECT_EQ(form->MainPicture->image().pixel(3, 3), qRgb(255, 0, 0));
    EXPECT_TRUE(form->statusBar()->currentMessage().contains(broken));
    form->AddImages(dir.path() + "/missing.bmp");
    EXPECT_TRUE(form->statusBar()->currentMessage().contains("missing.bmp"));

    // Once they are gone from the show, the status bar no longer names them.
    action("menualldelete")->trigger();
    EXPECT_EQ(form->statusBar()->currentMessage(), QString());
    form->AddImages(broken);
    action("menudelete")->trigger();
    EXPECT_EQ(form->statusBar()->currentMessage(), QString());
    form->AddImages(media.solidImage("fine.bmp", {8, 8}, Qt::red));
    EXPECT_EQ(form->statusBar()->currentMessage(), QString());
}

}  // namespace
