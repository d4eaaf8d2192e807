#include "EditorFixture.h"

#include "editor/CanvasPicture.h"
#include "editor/MainLayout.h"
#include "editor/PropertyPanel.h"
#include "editor/ThumbnailFrame.h"
#include "editor/ThumbnailStrip.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QTest>
#include <QVBoxLayout>
#include <QWheelEvent>

#include <initializer_list>
#include <string>
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
        EXPECT_EQ(strip()->y(), expected.strip.y());
        EXPECT_EQ(strip()->width(), expected.strip.width());
        EXPECT_EQ(stripScroll()->y(), expected.stripScroll.y());
        EXPECT_EQ(stripScroll()->width(), expected.stripScroll.width());
        EXPECT_EQ(panel()->x(), expected.panelLeft);
        EXPECT_EQ(panel()->height(), expected.panelHeight);
        EXPECT_EQ(bgmBox()->x(), 0);
        EXPECT_EQ(bgmBox()->y(), 48);
        EXPECT_EQ(bgmBox()->width(), expected.bgmWidth);
        EXPECT_EQ(bgmButton()->x(), expected.browseLeft);
        EXPECT_EQ(view()->pos(), QPoint(0, 72));
        EXPECT_EQ(view()->size(), expected.view);
        EXPECT_EQ(hScroll()->x(), expected.hScroll.x());
        EXPECT_EQ(hScroll()->y(), expected.hScroll.y());
        EXPECT_EQ(hScroll()->width(), expected.hScroll.width());
        EXPECT_EQ(vScroll()->x(), expected.vScrollLeft);
        EXPECT_EQ(vScroll()->height(), expected.vScrollHeight);
    }
    QRgb framePixel(int j, int x, int y) const { return strip()->frame(j)->image().pixel(x, y); }
    static QRgb slideColour(int i) { return QColor::fromHsv((i * 37) % 360, 200, 200).rgb(); }
    static QStyleOptionSlider sliderOption(const QScrollBar& bar)
    {
        QStyleOptionSlider option;
        option.initFrom(&bar);
        option.subControls = QStyle::SC_All;
        option.orientation = bar.orientation();
        option.minimum = bar.minimum();
        option.maximum = bar.maximum();
        option.sliderPosition = bar.sliderPosition();
        option.sliderValue = bar.value();
        option.singleStep = bar.singleStep();
        option.pageStep = bar.pageStep();
        option.upsideDown = bar.invertedAppearance();
        return option;
    }
    // Presses and releases the left button on one part of a scroll bar, as a user's click.
    static void clickControl(QScrollBar& bar, QStyle::SubControl part)
    {
        const QStyleOptionSlider option = sliderOption(bar);
        const QRect area = bar.style()->subControlRect(QStyle::CC_ScrollBar, &option, part, &bar);
        QTest::mouseClick(&bar, Qt::LeftButton, {}, area.center());
    }
};

TEST_F(MainLayoutTest, TheWindowOpensAtItsDesignSizeWithAnEmptyBlackCanvas)
{
    EXPECT_EQ(form->centralWidget()->size(), QSize(586, 442));
    EXPECT_EQ(canvas()->size(), QSize(254, 254));
    EXPECT_EQ(canvas()->backColor(), 0u);
    EXPECT_EQ(strip()->height(), 100);
    EXPECT_EQ(stripScroll()->height(), 16);
    EXPECT_EQ(strip()->frame(0)->size(), QSize(97, 97));
    EXPECT_EQ(strip()->frame(0)->pos(), QPoint(0, 0));
    // 586 x 442: strip at 442 - 116, panel at 586 - 210, view 376 - 16 - 7 by 326 - 72 - 16 - 7.
    expectArranged({QRect(0, 326, 586, 100), QRect(0, 426, 586, 16), 376, 326, 369, 328,
                    QSize(353, 231), QRect(0, 303, 353, 16), 353, 231});
    // The 254-pixel canvas fits across (353 / 2 - 254 / 2 = 49) but not down: it pans by 23.
    EXPECT_EQ(canvas()->pos(), QPoint(49, 0));
    EXPECT_EQ(hScroll()->last(), 0);
    EXPECT_EQ(hScroll()->first(), 0);
    EXPECT_EQ(vScroll()->last(), -23);
    EXPECT_EQ(vScroll()->first(), 0);
    EXPECT_EQ(vScroll()->pageStep(), 231);
}

TEST_F(MainLayoutTest, EveryLayoutStepFollowsTheWindowSize)
{
    resizeInner(800, 600);
    ASSERT_EQ(form->centralWidget()->size(), QSize(800, 600));
    expectArranged({QRect(0, 484, 800, 100), QRect(0, 584, 800, 16), 590, 484, 583, 542,
                    QSize(567, 389), QRect(0, 461, 567, 16), 567, 389});
    // 567 / 2 - 254 / 2 and 389 / 2 - 254 / 2, both divisions truncating.
    EXPECT_EQ(canvas()->pos(), QPoint(156, 67));
    EXPECT_EQ(vScroll()->last(), 0);
}

TEST_F(MainLayoutTest, ThePanelIsNeverDrawnBelowItsMinimumSizeNorOverTheToolbar)
{
    const int toolbarRight = button("Command8")->geometry().right() + 1;
    QWidget& controls = *panel()->content();
    QScrollBar& scroll = *panel()->area()->verticalScrollBar();
    for (const QSize inner : {QSize(586, 442), QSize(586, 395), QSize(480, 360), QSize(1, 1)}) {
        resizeInner(inner.width(), inner.height());
        const std::string size =
            std::to_string(inner.width()) + "x" + std::to_string(inner.height());
        EXPECT_GE(controls.height(), controls.minimumSizeHint().height()) << size;
        EXPECT_GE(panel()->x(), toolbarRight) << size;
        EXPECT_GE(stripScroll()->y(), panel()->y() + panel()->height()) << size;
        EXPECT_GE(view()->width(), 0) << size;
        EXPECT_GE(view()->height(), 0) << size;
        // What the panel cannot show it scrolls to: the last control comes into view.
        scroll.setValue(scroll.maximum());
        const QPoint last = panel()->Check1->mapTo(panel(), QPoint(0, panel()->Check1->height()));
        EXPECT_LE(last.y(), panel()->height()) << size;
        scroll.setValue(0);
    }
    EXPECT_EQ(form->centralWidget()->minimumWidth(), toolbarRight + MainLayout::kGap + 210);
    EXPECT_LE(form->centralWidget()->minimumHeight(), 442);
}

TEST_F(MainLayoutTest, EveryPanCanvasControlMovesThumbAndCanvasTogether)
{
    resizeInner(800, 600);  // view 567 x 389
    document().setCanvasSize({663, 485});
    form->Form_Resize();
    DescendingScrollBar& bar = *hScroll();
    ASSERT_EQ(bar.number(), 0);
    ASSERT_EQ(bar.last(), -100);
    ASSERT_TRUE(bar.isVisible());
    const QStyleOptionSlider atStart = sliderOption(bar);
    const QRect startThumb = bar.style()->subControlRect(QStyle::CC_ScrollBar, &atStart,
                                                         QStyle::SC_ScrollBarSlider, &bar);
    EXPECT_LT(startThumb.left(), bar.width() / 4) << "at 0 the thumb is at the left";

    // The right arrow: the thumb moves right, the canvas left.
    clickControl(bar, QStyle::SC_ScrollBarAddLine);
    EXPECT_EQ(bar.number(), -1);
    EXPECT_EQ(canvas()->x(), -1);
    const QStyleOptionSlider moved = sliderOption(bar);
    EXPECT_GT(bar.style()
                  ->subControlRect(QStyle::CC_ScrollBar, &moved, QStyle::SC_ScrollBarSlider, &bar)
                  .left(),
              startThumb.left() - 1);
    // The page area right of the thumb: to the end, -100.
    clickControl(bar, QStyle::SC_ScrollBarAddPage);
    EXPECT_EQ(bar.number(), -100);
    EXPECT_EQ(canvas()->x(), -100);
    // The left arrow and the keys go back.
    clickControl(bar, QStyle::SC_ScrollBarSubLine);
    EXPECT_EQ(bar.number(), -99);
    QTest::keyClick(&bar, Qt::Key_Home);
    EXPECT_EQ(bar.number(), 0);
    EXPECT_EQ(canvas()->x(), 0);
    QTest::keyClick(&bar, Qt::Key_PageDown);
    EXPECT_EQ(bar.number(), -100);
    EXPECT_EQ(canvas()->x(), -100);

    // The wheel turned down moves the vertical bar's thumb down and the canvas up.
    DescendingScrollBar& down = *vScroll();
    const QPointF centre(down.width() / 2.0, down.height() / 2.0);
    QWheelEvent wheel(centre, down.mapToGlobal(centre), QPoint(), QPoint(0, -120), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&down, &wheel);
    EXPECT_LT(down.number(), 0);
    EXPECT_EQ(canvas()->y(), down.number());
    const QStyleOptionSlider wheeled = sliderOption(down);
    EXPECT_GT(
        down.style()
            ->subControlRect(QStyle::CC_ScrollBar, &wheeled, QStyle::SC_ScrollBarSlider, &down)
            .top(),
        down.style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, &down) - 1);
}

TEST_F(MainLayoutTest, ACanvasSmallerThanTheViewIsCentredWithoutPanning)
{
    document().setCanvasSize({96, 56});
    form->Form_Resize();
    EXPECT_EQ(canvas()->pos(), QPoint(353 / 2 - 50, 231 / 2 - 30));
    for (const DescendingScrollBar* bar : {hScroll(), vScroll()}) {
        EXPECT_EQ(bar->last(), 0);
        EXPECT_EQ(bar->first(), 0);
        EXPECT_EQ(bar->number(), 0);
    }
}

TEST_F(MainLayoutTest, ACanvasLargerThanTheViewPansWithTheScrollValues)
{
    resizeInner(800, 600);  // view 567 x 389
    document().setCanvasSize({663, 485});
    form->Form_Resize();
    EXPECT_EQ(hScroll()->last(), -100);
    EXPECT_EQ(hScroll()->first(), 0);
    EXPECT_EQ(hScroll()->pageStep(), 567);
    EXPECT_EQ(vScroll()->last(), -100);
    EXPECT_EQ(vScroll()->pageStep(), 389);
    EXPECT_EQ(canvas()->pos(), QPoint(0, 0));

    hScroll()->setNumber(-60);
    vScroll()->setNumber(-100);
    EXPECT_EQ(canvas()->pos(), QPoint(-60, -100));

    // A narrower view widens the range and keeps the value, which stays the canvas's left edge.
    resizeInner(790, 600);
    EXPECT_EQ(hScroll()->last(), -110);
    EXPECT_EQ(canvas()->pos(), QPoint(-60, -100));

    // Once the canvas fits again the bars stop panning and the canvas is centred.
    resizeInner(900, 700);
    EXPECT_EQ(view()->size(), QSize(667, 489));
    EXPECT_EQ(hScroll()->last(), 0);
    EXPECT_EQ(vScroll()->last(), 0);
    EXPECT_EQ(canvas()->pos(), QPoint(0, 0));
}

TEST_F(MainLayoutTest, TenSlidesOnA585PixelStripNeedSevenFramesAndScrollToFour)
{
    resizeInner(585, 442);
    addSlides(10);
    document().setCurrentIndex(0);
    ASSERT_EQ(strip()->width(), 585);
    EXPECT_EQ(strip()->frameCount(), 7);
    for (int j = 0; j < 7; ++j) {
        const ThumbnailFrame* frame = strip()->frame(j);
        EXPECT_TRUE(frame->isVisible()) << j;
        EXPECT_EQ(frame->pos(), QPoint(j * 97, 0)) << j;
        EXPECT_EQ(framePixel(j, 46, 46), slideColour(j)) << j;
    }
    EXPECT_EQ(stripScroll()->maximum(), 4);
    EXPECT_EQ(stripScroll()->pageStep(), 6);

    stripScroll()->setValue(4);
    EXPECT_EQ(strip()->frameCount(), 6);
    for (int j = 0; j < 6; ++j) {
        EXPECT_EQ(framePixel(j, 46, 46), slideColour(4 + j)) << j;
    }
}

TEST_F(MainLayoutTest, FramesAreMadeAndDestroyedOnlyWhenTheNumberNeededChanges)
{
    resizeInner(585, 442);
    addSlides(10);
    ASSERT_EQ(strip()->frameCount(), 7);
    const ThumbnailFrame* last = strip()->frame(6);
    for (int i : {3, 4, 3}) {
        document().setCurrentIndex(i);
        EXPECT_EQ(strip()->frameCount(), 7);
        EXPECT_EQ(strip()->frame(6), last);
    }

    // A narrower strip needs six frames; the layout keeps the seventh.
    resizeInner(500, 442);
    ASSERT_EQ(strip()->width(), 500);
    EXPECT_EQ(strip()->frameCount(), 7);
    EXPECT_EQ(stripScroll()->maximum(), 10 - 5);
    EXPECT_EQ(stripScroll()->pageStep(), 5);
    // Selecting a slide may destroy it.
    document().setCurrentIndex(0);
    EXPECT_EQ(strip()->frameCount(), 6);

    // Scrolled to the end: five slides left, five frames.
    stripScroll()->setValue(5);
    ASSERT_EQ(strip()->frameCount(), 5);
    for (int j = 0; j < 5; ++j) {
        EXPECT_EQ(framePixel(j, 46, 46), slideColour(5 + j)) << j;
    }
    stripScroll()->setValue(0);
    EXPECT_EQ(strip()->frameCount(), 6);
}

TEST_F(MainLayoutTest, WithNoSlidesFrameZeroIsHiddenAndTheStripDoesNotScroll)
{
    addSlides(3);
    EXPECT_EQ(stripScroll()->maximum(), 0);
    EXPECT_EQ(stripScroll()->pageStep(), 3);
    action("menusinki")->trigger();
    EXPECT_FALSE(strip()->frame(0)->isVisible());
    EXPECT_EQ(strip()->frameCount(), 1);
    EXPECT_EQ(stripScroll()->maximum(), 0);
    EXPECT_EQ(stripScroll()->pageStep(), 1);
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
    document().setCurrentIndex(0);
    EXPECT_EQ(framePixel(0, 2, 46), highlight);
    EXPECT_EQ(framePixel(2, 2, 46), slideColour(2));
    EXPECT_EQ(framePixel(2, 5, 46), slideColour(2));
}

TEST_F(MainLayoutTest, AnUndecodablePictureLeavesTheBackgroundAndAPlainFrame)
{
    addSlides(1);
    const QString broken = media.bytes(QStringLiteral("broken.jpg"), QByteArray("\xFF\xD8 no", 5));
    document().setBackColor(0x0000FF00);
    form->AddImages(broken);
    document().setCurrentIndex(0);
    document().setCurrentIndex(1);

    const QImage picture = canvas()->image();
    for (const QPoint point : {QPoint(0, 0), QPoint(125, 125), QPoint(249, 249)}) {
        EXPECT_EQ(picture.pixel(point), qRgb(0, 255, 0));
    }
    const QRgb plain = strip()->frame(1)->palette().color(QPalette::Window).rgb();
    EXPECT_EQ(framePixel(1, 46, 46), plain);
    EXPECT_EQ(framePixel(0, 46, 46), slideColour(0));
    EXPECT_TRUE(form->statusBar()->currentMessage().contains(broken));
}

// The layout on controls of the test's own, which may be made smaller than the window allows.
class MainLayoutStepsTest : public EditorFixture {
protected:
    MainLayoutStepsTest()
    {
        strip.resize(586, 100);
        stripScroll.resize(586, 16);
        panel.resize(210, 300);
        bgmBox.setGeometry(0, 48, 293, 20);
        bgmButton.setGeometry(0, 24, 41, 23);
        view.move(0, 72);
        hScroll.resize(100, 16);
        vScroll.setGeometry(0, 72, 16, 100);
    }
    void arrange(int width, int height)
    {
        client.resize(width, height);
        layout.Form_Resize();
    }
    void expectArranged(const Arrangement& expected) const
    {
        EXPECT_EQ(strip.y(), expected.strip.y());
        EXPECT_EQ(strip.width(), expected.strip.width());
        EXPECT_EQ(stripScroll.y(), expected.stripScroll.y());
        EXPECT_EQ(stripScroll.width(), expected.stripScroll.width());
        EXPECT_EQ(panel.x(), expected.panelLeft);
        EXPECT_EQ(panel.height(), expected.panelHeight);
        EXPECT_EQ(bgmBox.width(), expected.bgmWidth);
        EXPECT_EQ(bgmButton.x(), expected.browseLeft);
        EXPECT_EQ(view.size(), expected.view);
        EXPECT_EQ(hScroll.x(), expected.hScroll.x());
        EXPECT_EQ(hScroll.y(), expected.hScroll.y());
        EXPECT_EQ(hScroll.width(), expected.hScroll.width());
        EXPECT_EQ(vScroll.x(), expected.vScrollLeft);
        EXPECT_EQ(vScroll.height(), expected.vScrollHeight);
    }

    QWidget client;
    QWidget strip{&client};
    QScrollBar stripScroll{Qt::Horizontal, &client};
    QWidget panel{&client};
    QLineEdit bgmBox{&client};
    QPushButton bgmButton{&client};
    QWidget view{&client};
    CanvasPicture canvasPicture{&view};
    DescendingScrollBar hScroll{Qt::Horizontal, 0, 0, &client};
    DescendingScrollBar vScroll{Qt::Vertical, 0, 0, &client};
    int refreshes = 0;
    MainLayout layout{{client, strip, stripScroll, panel, bgmBox, bgmButton, view, canvasPicture,
                       hScroll, vScroll, 281},
                      [this] { ++refreshes; }};
};

TEST_F(MainLayoutStepsTest, EachStepOfATinyWindowRunsOnItsOwn)
{
    arrange(800, 600);
    expectArranged({QRect(0, 484, 800, 100), QRect(0, 584, 800, 16), 590, 484, 583, 542,
                    QSize(567, 389), QRect(0, 461, 567, 16), 567, 389});
    arrange(150, 130);
    // Strip top 14 and panel left -60 are taken; the BGM box width (-67), the view width (-83)
    // and the view height (-81) are refused, so the steps after them use the 800 x 600 values.
    expectArranged({QRect(0, 14, 150, 100), QRect(0, 114, 150, 16), -60, 14, 583, 542,
                    QSize(567, 389), QRect(0, 461, 567, 16), 567, 389});
    EXPECT_EQ(canvasPicture.pos(), QPoint(156, 67));

    arrange(1, 1);
    // Strip top -115: the panel height (-115) is refused too and keeps 14.
    expectArranged({QRect(0, -115, 1, 100), QRect(0, -15, 1, 16), -209, 14, 583, 542,
                    QSize(567, 389), QRect(0, 461, 567, 16), 567, 389});

    arrange(300, 500);
    // Every step has room again.
    expectArranged({QRect(0, 384, 300, 100), QRect(0, 484, 300, 16), 90, 384, 83, 42,
                    QSize(67, 289), QRect(0, 361, 67, 16), 67, 289});
    EXPECT_EQ(refreshes, 4) << "every layout ends by redrawing the strip";
}

TEST_F(MainLayoutStepsTest, TheSmallestSizeGivesEveryStepRoomAndKeepsThePanelClearOfTheToolbar)
{
    QSize smallest = layout.minimumInnerSize();
    EXPECT_EQ(smallest, QSize(281 + MainLayout::kGap + 210, 72 + 16 + MainLayout::kGap + 116));
    arrange(smallest.width(), smallest.height());
    EXPECT_EQ(view.height(), 0);
    EXPECT_EQ(panel.x(), 281 + MainLayout::kGap);

    // A panel that cannot shrink below its controls sets the height itself.
    auto* column = new QVBoxLayout(&panel);
    auto* tall = new QWidget(&panel);
    tall->setMinimumHeight(400);
    column->addWidget(tall);
    smallest = layout.minimumInnerSize();
    EXPECT_EQ(smallest.height(), panel.minimumSizeHint().height() + 116);
    EXPECT_GT(smallest.height(), 400 + 116);
}

}  // namespace
