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

class SlideListWindowTest : public EditorFixture {
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

TEST_F(SlideListWindowTest, SelectingASlideDrawsItAtItsPositionAndFillsThePanel)
{
    const QString red = media.solidImage("red.bmp", {20, 10}, Qt::red);
    form->AddImages(red);
    form->AddImages(red);
    editSlide(0, SlideItem{{4321, 5, 7, 3, 2, 1, 0}, {}, "beep.wav", {}, {}});
    document().setCurrentIndex(1);
    document().setCurrentIndex(0);

    const QImage& picture = canvas()->image();
    EXPECT_EQ(picture.pixel(5, 7), qRgb(255, 0, 0));
    EXPECT_EQ(picture.pixel(24, 16), qRgb(255, 0, 0));
    EXPECT_EQ(picture.pixel(4, 7), qRgb(0, 0, 0));
    EXPECT_EQ(picture.pixel(25, 7), qRgb(0, 0, 0));
    EXPECT_EQ(panel()->Text1->text(), "4321");
    EXPECT_EQ(panel()->Text2[0]->text(), "5");
    EXPECT_EQ(panel()->Text2[1]->text(), "7");
    EXPECT_EQ(panel()->Text3->text(), "beep.wav");
    EXPECT_EQ(slides()[0], (SlideItem{{4321, 5, 7, 3, 2, 1, 0}, {}, "beep.wav", {}, {}}));
}

TEST_F(SlideListWindowTest, DeletingTheOnlySlideClearsTheCanvasAndLeavesNoCurrentSlide)
{
    document().setBackColor(0x0000ff00);
    form->AddImages(media.solidImage("red.bmp", {20, 20}, Qt::red));
    ASSERT_EQ(canvas()->image().pixel(1, 1), qRgb(255, 0, 0));
    action("menudelete")->trigger();
    EXPECT_EQ(document().count(), 0);
    EXPECT_EQ(document().currentIndex(), -1);
    EXPECT_EQ(document().record().SlideCount, 0);
    EXPECT_EQ(canvas()->image().pixel(1, 1), qRgb(0, 255, 0));

    form->AddImages(media.solidImage("blue.bmp", {20, 20}, Qt::blue));
    EXPECT_EQ(slides(), QList<SlideItem>{SlideItem()});
}

TEST_F(SlideListWindowTest, PressingAThumbnailSelectsItsSlideFromTheScrollPosition)
{
    const QStringList paths = addSlides(12);
    stripScroll()->setValue(3);
    ThumbnailFrame* frame = strip()->frame(2);
    ASSERT_NE(frame, nullptr);
    QTest::mousePress(frame, Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(document().currentIndex(), 5);
    EXPECT_EQ(form->commands().slides().DragArmed, -1);
    QTest::mouseRelease(strip()->frame(2), Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_EQ(form->commands().slides().DragArmed, 0);

    // Adding keeps the strip at its scroll position.
    form->AddImages(paths[0]);
    EXPECT_EQ(stripScroll()->value(), 3);
    QTest::mousePress(strip()->frame(0), Qt::RightButton, {}, QPoint(10, 10));
    EXPECT_EQ(document().currentIndex(), 3);
}

TEST_F(SlideListWindowTest, DraggingThumbnailZeroOntoThreeSwapsTheTwoSlides)
{
    const QStringList paths = addSlides(5);
    editSlide(0, SlideItem{{10, 0, 0, 0, 0, 0, 0}, {}, {}, {}, {}});
    editSlide(3, SlideItem{{13, 0, 0, 0, 0, 0, 0}, {}, {}, {}, {}});
    drop(strip()->frame(3), strip()->frame(0)->dragData());

    EXPECT_EQ(document().paths(), QStringList({paths[3], paths[1], paths[2], paths[0], paths[4]}));
    EXPECT_EQ(slides()[3].DisplayTime, 10);
    EXPECT_EQ(slides()[0].DisplayTime, 13);
    EXPECT_EQ(document().currentIndex(), 3);

    drop(strip()->frame(2), strip()->frame(2)->dragData());
    EXPECT_EQ(document().paths(), QStringList({paths[3], paths[1], paths[2], paths[0], paths[4]}));
}

TEST_F(SlideListWindowTest, DroppedFilesAreAddedOnlyWhenTheyEndInBmpOrJpg)
{
    const QString upper = media.solidImage("photo.JPG", {10, 10}, Qt::red);
    const QString jpeg = media.solidImage("photo.jpeg", {10, 10}, Qt::red);
    const QString text = media.bytes("notes.txt", "hello");
    const QString bitmap = media.solidImage("pic.bmp", {10, 10}, Qt::red);
    drop(strip(), files({upper, jpeg, text}));
    EXPECT_EQ(document().paths(), QStringList{upper});
    drop(strip()->frame(0), files({jpeg, bitmap}));
    EXPECT_EQ(document().paths(), QStringList({upper, bitmap}));
    drop(strip(), files({jpeg, text}));
    EXPECT_EQ(document().count(), 2);
}

TEST_F(SlideListWindowTest, CopyPutsTheCanvasPictureOnTheClipboard)
{
    document().setCanvasSize(QSize(30, 20));
    form->AddImages(media.solidImage("red.bmp", {10, 10}, Qt::red));
    button("Command3")->click();
    const QImage copied = QApplication::clipboard()->image();
    ASSERT_EQ(copied.size(), QSize(30, 20));
    EXPECT_EQ(copied.pixel(2, 2), qRgb(255, 0, 0));
    EXPECT_EQ(copied.pixel(20, 15), qRgb(0, 0, 0));
}

TEST_F(SlideListWindowTest, AnUndecodableImageShowsTheBackgroundAndNamesTheFile)
{
    document().setBackColor(0x000000ff);
    const QString broken = media.bytes("broken.jpg", "not a picture");
    form->AddImages(broken);
    EXPECT_EQ(document().count(), 1);
    EXPECT_EQ(canvas()->image().pixel(3, 3), qRgb(255, 0, 0));
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

// The pictures of a slide not yet decoded: the frame, background colour and file name at once.
TEST_F(SlideListWindowTest, AnUndecodedSlideShowsItsNameAtOnceAndItsPictureWhenItArrives)
{
    decodes->setImmediate(false);
    document().setBackColor(0x000000FF);  // red
    const QString green = media.solidImage("green.bmp", {40, 30}, Qt::green);
    form->AddImages(green);

    // Nothing is decoded yet, and the window already shows the slide.
    EXPECT_EQ(decodes->waiting(), 2);
    EXPECT_EQ(canvas()->image().pixel(5, 5), qRgb(255, 0, 0));
    EXPECT_EQ(canvas()->waitingName(), QStringLiteral("green.bmp"));
    ThumbnailFrame* frame = strip()->frame(0);
    EXPECT_TRUE(frame->isWaiting());
    EXPECT_EQ(frame->image().pixel(46, 46), qRgb(255, 0, 0));
    const QRgb highlight = frame->palette().color(QPalette::Highlight).rgb();
    EXPECT_EQ(frame->image().pixel(0, 46), highlight);
    EXPECT_EQ(panel()->Text1->text(), QStringLiteral("1000"));

    decodes->runAll();
    EXPECT_EQ(canvas()->image().pixel(5, 5), qRgb(0, 255, 0));
    EXPECT_EQ(canvas()->image().pixel(45, 5), qRgb(255, 0, 0));
    EXPECT_EQ(canvas()->waitingName(), QString());
    EXPECT_FALSE(frame->isWaiting());
    EXPECT_EQ(frame->image().pixel(46, 46), qRgb(0, 255, 0));
    EXPECT_EQ(frame->image().pixel(0, 46), highlight) << "the outline stays on the picture";

    // Shown again, the slide needs no decoding.
    document().setCurrentIndex(0);
    EXPECT_EQ(decodes->waiting(), 0);
    EXPECT_EQ(canvas()->image().pixel(5, 5), qRgb(0, 255, 0));
}

TEST_F(SlideListWindowTest, APictureThatArrivesAfterItsSlideLeftTheCanvasIsNotDrawn)
{
    decodes->setImmediate(false);
    form->AddImages(media.solidImage("red.bmp", {40, 30}, Qt::red));
    action("menusinki")->trigger();
    decodes->runAll();
    EXPECT_EQ(canvas()->image().pixel(5, 5), qRgb(0, 0, 0));
    EXPECT_EQ(canvas()->waitingName(), QString());
}

TEST_F(SlideListWindowTest, ThumbnailsScrolledOutOfViewBeforeTheirTurnAreNotDecoded)
{
    resizeInner(585, 442);
    decodes->setImmediate(false);
    addSlides(12);
    // Slides 0 to 6 are on view; scrolled away before any decode has run.
    stripScroll()->setValue(5);
    for (int j = 0; j < 7; ++j) {
        EXPECT_TRUE(strip()->frame(j)->isWaiting()) << j;
    }
    decodes->runAll();
    for (int j = 0; j < 7; ++j) {
        const QRgb colour = QColor::fromHsv(((5 + j) * 37) % 360, 200, 200).rgb();
        EXPECT_EQ(strip()->frame(j)->image().pixel(46, 46), colour) << j;
    }

    // Slides 0 to 4 were dropped, not decoded: scrolled back, they are still on their way.
    stripScroll()->setValue(0);
    for (int j = 0; j < 5; ++j) {
        EXPECT_TRUE(strip()->frame(j)->isWaiting()) << j;
    }
    EXPECT_FALSE(strip()->frame(5)->isWaiting());
    decodes->runAll();
    EXPECT_EQ(strip()->frame(0)->image().pixel(46, 46), QColor::fromHsv(0, 200, 200).rgb());
}

TEST_F(SlideListWindowTest, CopyFinishesAPictureStillOnItsWay)
{
    decodes->setImmediate(false);
    document().setCanvasSize({30, 20});
    form->AddImages(media.solidImage("red.bmp", {10, 10}, Qt::red));
    ASSERT_EQ(canvas()->waitingName(), QStringLiteral("red.bmp"));
    button("Command3")->click();
    const QImage copied = QApplication::clipboard()->image();
    ASSERT_EQ(copied.size(), QSize(30, 20));
    EXPECT_EQ(copied.pixel(2, 2), qRgb(255, 0, 0));
    EXPECT_EQ(canvas()->waitingName(), QString());
    decodes->runAll();
    EXPECT_EQ(canvas()->image().pixel(2, 2), qRgb(255, 0, 0));
}

}  // namespace
