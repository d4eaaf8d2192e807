#include "EditorFixture.h"

#include "editor/CanvasPicture.h"
#include "editor/PropertyPanel.h"
#include "editor/ThumbnailFrame.h"
#include "editor/ThumbnailStrip.h"

#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStatusBar>

#include <initializer_list>
#include <tuple>

namespace {

// The arranged controls: panel 210 wide, browse button 41, pan bars 16, strip 100 + 16.
struct Arrangement {
    QRect strip;
    QRect stripScroll;
    int panelLeft;
    int panelHeight;
    int bgmWidth;
    int browseLeft;
    QSize view;
    QRect hScroll;  // left, top, width (its height is its own)
    int vScrollLeft;
    int vScrollHeight;
};

class MainLayoutTest : public EditorFixture {
protected:
    void expectArranged(const Arrangement& expected) const
    {
        EXPECT_EQ(form->picImage->y(), expected.strip.y());
        EXPECT_EQ(form->picImage->width(), expected.strip.width());
        EXPECT_EQ(form->sclImage->y(), expected.stripScroll.y());
        EXPECT_EQ(form->sclImage->width(), expected.stripScroll.width());
        EXPECT_EQ(form->panel->x(), expected.panelLeft);
        EXPECT_EQ(form->panel->height(), expected.panelHeight);
        EXPECT_EQ(form->Label3->x(), 0);
        EXPECT_EQ(form->Label3->y(), 48);
        EXPECT_EQ(form->Label3->width(), expected.bgmWidth);
        EXPECT_EQ(form->Command9->x(), expected.browseLeft);
        EXPECT_EQ(form->MainView->pos(), QPoint(0, 72));
        EXPECT_EQ(form->MainView->size(), expected.view);
        EXPECT_EQ(form->HScroll1->x(), expected.hScroll.x());
        EXPECT_EQ(form->HScroll1->y(), expected.hScroll.y());
        EXPECT_EQ(form->HScroll1->width(), expected.hScroll.width());
        EXPECT_EQ(form->VScroll1->x(), expected.vScrollLeft);
        EXPECT_EQ(form->VScroll1->height(), expected.vScrollHeight);
    }
    QRgb framePixel(int j, int x, int y) const
    {
        return form->picImage->frame(j)->image().pixel(x, y);
    }
    static QRgb slideColour(int i) { return QColor::fromHsv((i * 37) % 360, 200, 200).rgb(); }
};

TEST_F(MainLayoutTest, TheWindowOpensAtItsDesignSizeWithAnEmptyBlackCanvas)
{
    EXPECT_EQ(form->centralWidget()->size(), QSize(586, 442));
    EXPECT_EQ(form->MainPicture->size(), QSize(254, 254));
    EXPECT_EQ(form->MainPicture->backColor(), 0u);
    EXPECT_EQ(form->picImage->height(), 100);
    EXPECT_EQ(form->sclImage->height(), 16);
    EXPECT_EQ(form->picImage->frame(0)->size(), QSize(97, 97));
    EXPECT_EQ(form->picImage->frame(0)->pos(), QPoint(0, 0));
    // 586 x 442: strip at 442 - 116, panel at 586 - 210, view 376 - 16 - 7 by 326 - 72 - 16 - 7.
    expectArranged({QRect(0, 326, 586, 100), QRect(0, 426, 586, 16), 376, 326, 369, 328,
                    QSize(353, 231), QRect(0, 303, 353, 16), 353, 231});
    // The 254-pixel canvas fits across (353 / 2 - 254 / 2 = 49) but not down: it pans by 23.
    EXPECT_EQ(form->MainPicture->pos(), QPoint(49, 0));
    EXPECT_EQ(form->HScroll1->minimum(), 0);
    EXPECT_EQ(form->HScroll1->maximum(), 0);
    EXPECT_EQ(form->VScroll1->minimum(), -23);
    EXPECT_EQ(form->VScroll1->maximum(), 0);
    EXPECT_EQ(form->VScroll1->pageStep(), 231);
}

TEST_F(MainLayoutTest, EveryLayoutStepFollowsTheWindowSize)
{
    resizeInner(800, 600);
    ASSERT_EQ(form->centralWidget()->size(), QSize(800, 600));
    expectArranged({QRect(0, 484, 800, 100), QRect(0, 584, 800, 16), 590, 484, 583, 542,
                    QSize(567, 389), QRect(0, 461, 567, 16), 567, 389});
    // 567 / 2 - 254 / 2 and 389 / 2 - 254 / 2, both divisions truncating.
    EXPECT_EQ(form->MainPicture->pos(), QPoint(156, 67));
    EXPECT_EQ(form->VScroll1->minimum(), 0);
}

TEST_F(MainLayoutTest, EachStepOfATinyWindowRunsOnItsOwn)
{
    addSlides(4);
    resizeInner(800, 600);
    resizeInner(150, 130);
    ASSERT_EQ(form->centralWidget()->size(), QSize(150, 130));
    // Strip top 14 and panel left -60 are taken; the BGM box width (-67), the view width (-83)
    // and the view height (-81) are refused, so the steps after them use the 800 x 600 values.
    expectArranged({QRect(0, 14, 150, 100), QRect(0, 114, 150, 16), -60, 14, 583, 542,
                    QSize(567, 389), QRect(0, 461, 567, 16), 567, 389});
    EXPECT_EQ(form->MainPicture->pos(), QPoint(156, 67));

    resizeInner(1, 1);
    ASSERT_EQ(form->centralWidget()->size(), QSize(1, 1));
    // Strip top -115: the panel height (-115) is refused too and keeps 14.
    expectArranged({QRect(0, -115, 1, 100), QRect(0, -15, 1, 16), -209, 14, 583, 542,
                    QSize(567, 389), QRect(0, 461, 567, 16), 567, 389});
    EXPECT_TRUE(form->picImage->frame(0)->isVisible());

    resizeInner(300, 500);
    // Every step has room again.
    expectArranged({QRect(0, 384, 300, 100), QRect(0, 484, 300, 16), 90, 384, 83, 42,
                    QSize(67, 289), QRect(0, 361, 67, 16), 67, 289});
}

TEST_F(MainLayoutTest, ACanvasSmallerThanTheViewIsCentredWithoutPanning)
{
    form->MainPicture->setOuterSize(100, 60);
    form->Form_Resize();
    EXPECT_EQ(form->MainPicture->pos(), QPoint(353 / 2 - 50, 231 / 2 - 30));
    for (const QScrollBar* bar : {form->HScroll1, form->VScroll1}) {
        EXPECT_EQ(bar->minimum(), 0);
        EXPECT_EQ(bar->maximum(), 0);
        EXPECT_EQ(bar->value(), 0);
    }
}

TEST_F(MainLayoutTest, ACanvasLargerThanTheViewPansWithTheScrollValues)
{
    resizeInner(800, 600);  // view 567 x 389
    form->MainPicture->setOuterSize(667, 489);
    form->Form_Resize();
    EXPECT_EQ(form->HScroll1->minimum(), -100);
    EXPECT_EQ(form->HScroll1->maximum(), 0);
    EXPECT_EQ(form->HScroll1->pageStep(), 567);
    EXPECT_EQ(form->VScroll1->minimum(), -100);
    EXPECT_EQ(form->VScroll1->pageStep(), 389);
    EXPECT_EQ(form->MainPicture->pos(), QPoint(0, 0));

    form->HScroll1->setValue(-60);
    form->VScroll1->setValue(-100);
    EXPECT_EQ(form->MainPicture->pos(), QPoint(-60, -100));

    // A narrower view widens the range and keeps the value, which stays the canvas's left edge.
    resizeInner(790, 600);
    EXPECT_EQ(form->HScroll1->minimum(), -110);
    EXPECT_EQ(form->MainPicture->pos(), QPoint(-60, -100));

    // Once the canvas fits again the bars stop panning and the canvas is centred.
    resizeInner(900, 700);
    EXPECT_EQ(form->MainView->size(), QSize(667, 489));
    EXPECT_EQ(form->HScroll1->minimum(), 0);
    EXPECT_EQ(form->VScroll1->minimum(), 0);
    EXPECT_EQ(form->MainPicture->pos(), QPoint(0, 0));
}

TEST_F(MainLayoutTest, TenSlidesOnA585PixelStripNeedSevenFramesAndScrollToFour)
{
    resizeInner(585, 442);
    addSlides(10);
    form->setCurrentIndex(0);
    ASSERT_EQ(form->picImage->width(), 585);
    EXPECT_EQ(form->picImage->frameCount(), 7);
    for (int j = 0; j < 7; ++j) {
        const ThumbnailFrame* frame = form->picImage->frame(j);
        EXPECT_TRUE(frame->isVisible()) << j;
        EXPECT_EQ(frame->pos(), QPoint(j * 97, 0)) << j;
        EXPECT_EQ(framePixel(j, 46, 46), slideColour(j)) << j;
    }
    EXPECT_EQ(form->sclImage->maximum(), 4);
    EXPECT_EQ(form->sclImage->pageStep(), 6);

    form->sclImage->setValue(4);
    EXPECT_EQ(form->picImage->frameCount(), 6);
    for (int j = 0; j < 6; ++j) {
        EXPECT_EQ(framePixel(j, 46, 46), slideColour(4 + j)) << j;
    }
}

TEST_F(MainLayoutTest, FramesAreMadeAndDestroyedOnlyWhenTheNumberNeededChanges)
{
    resizeInner(585, 442);
    addSlides(10);
    ASSERT_EQ(form->picImage->frameCount(), 7);
    const ThumbnailFrame* last = form->picImage->frame(6);
    for (int i : {3, 4, 3}) {
        form->setCurrentIndex(i);
        EXPECT_EQ(form->picImage->frameCount(), 7);
        EXPECT_EQ(form->picImage->frame(6), last);
    }

    // A narrower strip needs four frames; the layout keeps the other three.
    resizeInner(300, 442);
    EXPECT_EQ(form->picImage->frameCount(), 7);
    EXPECT_EQ(form->sclImage->maximum(), 10 - 3);
    EXPECT_EQ(form->sclImage->pageStep(), 3);
    // Selecting a slide may destroy them.
    form->setCurrentIndex(0);
    EXPECT_EQ(form->picImage->frameCount(), 4);

    // Scrolled to the end: three slides left, three frames.
    form->sclImage->setValue(7);
    ASSERT_EQ(form->picImage->frameCount(), 3);
    for (int j = 0; j < 3; ++j) {
        EXPECT_EQ(framePixel(j, 46, 46), slideColour(7 + j)) << j;
    }
    form->sclImage->setValue(0);
    EXPECT_EQ(form->picImage->frameCount(), 4);
}

TEST_F(MainLayoutTest, WithNoSlidesFrameZeroIsHiddenAndTheStripDoesNotScroll)
{
    addSlides(3);
    EXPECT_EQ(form->sclImage->maximum(), 0);
    EXPECT_EQ(form->sclImage->pageStep(), 3);
    action("menusinki")->trigger();
    EXPECT_FALSE(form->picImage->frame(0)->isVisible());
    EXPECT_EQ(form->picImage->frameCount(), 1);
    EXPECT_EQ(form->sclImage->maximum(), 0);
    EXPECT_EQ(form->sclImage->pageStep(), 1);
}

TEST_F(MainLayoutTest, OnlyTheCurrentSlidesFrameCarriesTheOutline)
{
    addSlides(3);
    const QRgb window = form->palette().color(QPalette::Base).rgb();
    const QRgb highlight = form->palette().color(QPalette::Highlight).rgb();
    ASSERT_NE(window, form->palette().color(QPalette::Window).rgb());
    // A 12-pixel ring in the window-background colour around (0, 0)-(92, 92), then a 10-pixel
    // one in the highlight colour: five highlight pixels and one background pixel inside.
    for (const auto& [x, y, colour] :
         std::initializer_list<std::tuple<int, int, QRgb>>{{0, 46, highlight},
                                                           {4, 46, highlight},
                                                           {5, 46, window},
                                                           {6, 46, slideColour(2)},
                                                           {92, 46, highlight},
                                                           {87, 46, highlight},
                                                           {86, 46, window},
                                                           {85, 46, slideColour(2)},
                                                           {46, 0, highlight},
                                                           {46, 5, window},
                                                           {46, 92, highlight},
                                                           {46, 86, window},
                                                           {46, 46, slideColour(2)}}) {
        EXPECT_EQ(framePixel(2, x, y), colour) << x << "," << y;
    }
    EXPECT_EQ(framePixel(0, 2, 46), slideColour(0));
    form->setCurrentIndex(0);
    EXPECT_EQ(framePixel(0, 2, 46), highlight);
    EXPECT_EQ(framePixel(2, 2, 46), slideColour(2));
    EXPECT_EQ(framePixel(2, 5, 46), slideColour(2));
}

TEST_F(MainLayoutTest, AnUndecodablePictureLeavesTheBackgroundAndAPlainFrame)
{
    addSlides(1);
    const QString broken = media.bytes(QStringLiteral("broken.jpg"), QByteArray("\xFF\xD8 no", 5));
    form->MainPicture->setBackColor(0x0000FF00);
    form->AddImages(broken);
    form->setCurrentIndex(0);
    form->setCurrentIndex(1);

    const QImage canvas = form->MainPicture->image();
    for (const QPoint point : {QPoint(0, 0), QPoint(125, 125), QPoint(249, 249)}) {
        EXPECT_EQ(canvas.pixel(point), qRgb(0, 255, 0));
    }
    const QRgb plain = form->picImage->frame(1)->palette().color(QPalette::Window).rgb();
    EXPECT_EQ(framePixel(1, 46, 46), plain);
    EXPECT_EQ(framePixel(0, 46, 46), slideColour(0));
    EXPECT_TRUE(form->statusBar()->currentMessage().contains(broken));
}

}  // namespace
