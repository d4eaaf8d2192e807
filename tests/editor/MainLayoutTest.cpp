#include "EditorFixture.h"

#include "editor/CanvasPicture.h"
#include "editor/PropertyPanel.h"
#include "editor/ThumbnailFrame.h"
#include "editor/ThumbnailStrip.h"

#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

namespace {

class MainLayoutTest : public EditorFixture {};

TEST_F(MainLayoutTest, TheWindowOpensAtItsDesignSizeWithAnEmptyBlackCanvas)
{
    EXPECT_EQ(form->centralWidget()->size(), QSize(586, 442));
    EXPECT_EQ(form->MainPicture->size(), QSize(254, 254));
    EXPECT_EQ(form->MainPicture->backColor(), 0u);
    EXPECT_EQ(form->picImage->geometry(), QRect(0, 326, 586, 100));
    EXPECT_EQ(form->sclImage->geometry(), QRect(0, 426, 586, 16));
    EXPECT_EQ(form->panel->x() + form->panel->width(), 586);
    EXPECT_EQ(form->Label3->width(), form->panel->x() - 7);
    EXPECT_EQ(form->Command9->x() + form->Command9->width(), form->Label3->width());
    EXPECT_EQ(form->MainView->width(), form->panel->x() - form->VScroll1->width() - 7);
    EXPECT_EQ(form->HScroll1->y(), form->MainView->y() + form->MainView->height());
    EXPECT_EQ(form->VScroll1->x(), form->MainView->width());
}

TEST_F(MainLayoutTest, TenSlidesOnA585PixelStripNeedSevenFramesAndScrollToFour)
{
    resizeInner(585, 442);
    addSlides(10);
    form->setCurrentIndex(0);
    ASSERT_EQ(form->picImage->width(), 585);
    EXPECT_EQ(form->picImage->frame(0)->width(), 97);
    for (int j = 0; j < 7; ++j) {
        const ThumbnailFrame* frame = form->picImage->frame(j);
        ASSERT_NE(frame, nullptr);
        EXPECT_TRUE(frame->isVisible()) << j;
        EXPECT_EQ(frame->x(), j * 97) << j;
        EXPECT_LT(frame->x(), 585) << j;
    }
    EXPECT_EQ(form->sclImage->maximum(), 4);
    EXPECT_EQ(form->sclImage->pageStep(), 6);
}

TEST_F(MainLayoutTest, WithNoSlidesFrameZeroIsHiddenAndTheStripDoesNotScroll)
{
    addSlides(3);
    action("menusinki")->trigger();
    EXPECT_FALSE(form->picImage->frame(0)->isVisible());
    EXPECT_EQ(form->picImage->frameCount(), 1);
    EXPECT_EQ(form->sclImage->maximum(), 0);
    EXPECT_EQ(form->sclImage->pageStep(), 1);
}

TEST_F(MainLayoutTest, OnlyTheCurrentSlidesFrameCarriesTheOutline)
{
    addSlides(3);
    const QRgb highlight = form->palette().color(QPalette::Highlight).rgb();
    const auto outlined = [&](int j) {
        return form->picImage->frame(j)->image().pixel(2, 40) == highlight;
    };
    EXPECT_TRUE(outlined(2));
    EXPECT_FALSE(outlined(0));
    form->setCurrentIndex(0);
    EXPECT_TRUE(outlined(0));
    EXPECT_FALSE(outlined(2));
}

TEST_F(MainLayoutTest, ACanvasSmallerThanTheViewIsCentredWithoutPanning)
{
    form->MainPicture->setOuterSize(100, 60);
    form->Form_Resize();
    const QWidget* view = form->MainView;
    EXPECT_EQ(form->MainPicture->x(), view->width() / 2 - 50);
    EXPECT_EQ(form->MainPicture->y(), view->height() / 2 - 30);
    EXPECT_EQ(form->HScroll1->maximum(), 0);
    EXPECT_EQ(form->HScroll1->minimum(), 0);
    EXPECT_EQ(form->VScroll1->minimum(), 0);
}

TEST_F(MainLayoutTest, ACanvasWiderThanTheViewPansWithTheScrollValue)
{
    const int viewWidth = form->MainView->width();
    form->MainPicture->setOuterSize(viewWidth + 100, 50);
    form->Form_Resize();
    EXPECT_EQ(form->HScroll1->minimum(), -100);
    EXPECT_EQ(form->HScroll1->maximum(), 0);
    EXPECT_EQ(form->HScroll1->pageStep(), viewWidth);
    EXPECT_EQ(form->MainPicture->x(), 0);
    form->HScroll1->setValue(-40);
    EXPECT_EQ(form->MainPicture->x(), -40);
    form->HScroll1->setValue(-100);
    EXPECT_EQ(form->MainPicture->x(), -100);
}

TEST_F(MainLayoutTest, TinyWindowsKeepTheLastValidSizesAndStillLayOutTheStrip)
{
    addSlides(4);
    const int viewWidth = form->MainView->width();
    for (const QSize inner : {QSize(120, 300), QSize(1, 1), QSize(0, 0), QSize(30, 500)}) {
        resizeInner(inner.width(), inner.height());
        const int width = form->centralWidget()->width();
        const int height = form->centralWidget()->height();
        EXPECT_EQ(form->sclImage->y(), height - 16);
        EXPECT_EQ(form->sclImage->width(), width);
        EXPECT_EQ(form->picImage->width(), width);
        EXPECT_GE(form->MainView->width(), 0);
        EXPECT_GE(form->MainView->height(), 0);
    }
    resizeInner(120, 300);
    EXPECT_EQ(form->MainView->width(), viewWidth) << "a negative width is skipped";
    EXPECT_EQ(form->MainView->height(), 300 - 116 - 72 - 16 - 7);
    resizeInner(900, 700);
    EXPECT_EQ(form->MainView->width(), 900 - form->panel->width() - form->VScroll1->width() - 7);
}

}  // namespace
