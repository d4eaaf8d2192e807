#include "EditorFixture.h"
#include "FakeEditorView.h"
#include "editor/CanvasPicture.h"
#include "editor/CanvasPositioner.h"
#include "editor/PictureLoader.h"
#include "editor/PropertyPanel.h"

#include <QLineEdit>
#include <QMouseEvent>
#include <QStatusBar>

namespace {

constexpr QRgb kImageColour = qRgb(255, 0, 0);
constexpr quint32 kBackground = 0x00FF0000;  // blue, 0x00BBGGRR

// The window with a 640 x 480 blue canvas; its own positioner answers the canvas's mouse.
class CanvasWindowTest : public EditorFixture {
protected:
    void SetUp() override
    {
        EditorFixture::SetUp();
        document().setCanvasSize(QSize(640, 480));
        document().setBackColor(kBackground);
    }

    // Adds one slide with a picture of `size` and selects it.
    void addPicture(const QString& name, QSize size)
    {
        form->AddImages(media.solidImage(name, size, QColor(kImageColour)));
    }
    const SlideItem& slide(int i) const { return slides()[i]; }
    QPoint stored(int i) const { return {slide(i).PosX, slide(i).PosY}; }
    QPoint boxes() const
    {
        return {panel()->Text2[0]->text().toInt(), panel()->Text2[1]->text().toInt()};
    }
    QRgb canvasPixel(int x, int y) const { return canvas()->image().pixel(x, y); }
    // A mouse event at canvas pixel `position` (the canvas has a border around its pixels).
    void mouse(QEvent::Type type, QPoint position, Qt::MouseButton button,
               Qt::MouseButtons buttons) const
    {
        CanvasPicture* picture = canvas();
        const QPointF local(position + QPoint(CanvasPicture::kBorder, CanvasPicture::kBorder));
        QMouseEvent event(type, local, picture->mapToGlobal(local), button, buttons,
                          Qt::NoModifier);
        QApplication::sendEvent(picture, &event);
    }
};

TEST_F(CanvasWindowTest, AnyMouseButtonDragsThePictureOnTheCanvas)
{
    addPicture(QStringLiteral("small_100x50.bmp"), {100, 50});
    mouse(QEvent::MouseButtonPress, {200, 200}, Qt::RightButton, Qt::RightButton);
    mouse(QEvent::MouseMove, {230, 210}, Qt::NoButton, Qt::RightButton);
    mouse(QEvent::MouseButtonRelease, {230, 210}, Qt::RightButton, Qt::NoButton);
    EXPECT_EQ(stored(0), QPoint(30, 10));
    EXPECT_EQ(boxes(), QPoint(30, 10));

    mouse(QEvent::MouseButtonPress, {0, 0}, Qt::MiddleButton, Qt::MiddleButton);
    mouse(QEvent::MouseMove, {-5, 4}, Qt::NoButton, Qt::MiddleButton);
    mouse(QEvent::MouseButtonRelease, {-5, 4}, Qt::MiddleButton, Qt::NoButton);
    EXPECT_EQ(stored(0), QPoint(25, 14));
    EXPECT_EQ(canvasPixel(25, 14), kImageColour);
}

TEST_F(CanvasWindowTest, CentreMenuItemCentresTheSelectedPictureAndDrawsItThere)
{
    addPicture(QStringLiteral("small_100x50.bmp"), {100, 50});
    action("menucenter")->trigger();
    EXPECT_EQ(stored(0), QPoint(269, 214));
    EXPECT_EQ(boxes(), QPoint(269, 214));
    EXPECT_EQ(canvasPixel(269, 214), kImageColour);
    EXPECT_EQ(canvasPixel(268, 214), qRgb(0, 0, 255));
}

TEST_F(CanvasWindowTest, CentreAllShowsTheClampedPositionInThePanel)
{
    addPicture(QStringLiteral("wide_2800x40.bmp"), {2800, 40});
    addPicture(QStringLiteral("wide_too_2800x40.bmp"), {2800, 40});
    action("manuallcenter")->trigger();
    EXPECT_EQ(stored(0), QPoint(-1081, 219));
    EXPECT_EQ(stored(1), QPoint(-1000, 219));
    EXPECT_EQ(boxes(), QPoint(-1000, 219));
}

TEST_F(CanvasWindowTest, DuringADragTheCanvasShowsOnlyTheDraggedPicture)
{
    addPicture(QStringLiteral("small_100x50.bmp"), {100, 50});
    mouse(QEvent::MouseButtonPress, {10, 10}, Qt::LeftButton, Qt::LeftButton);
    mouse(QEvent::MouseMove, {40, 30}, Qt::NoButton, Qt::LeftButton);
    const QRgb background = qRgb(0, 0, 255);
    EXPECT_EQ(canvasPixel(30, 20), kImageColour);
    EXPECT_EQ(canvasPixel(129, 69), kImageColour);
    EXPECT_EQ(canvasPixel(29, 20), background);
    EXPECT_EQ(canvasPixel(130, 20), background);
    EXPECT_EQ(canvasPixel(5, 5), background);  // where the picture was before
    EXPECT_EQ(boxes(), QPoint(30, 20));
}

// The positioner on a document and a recording view: no window.
class CanvasPositionerTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ensureApplication(); }
    void SetUp() override { document.setCanvasSize({640, 480}); }

    // Adds one slide with a picture of `size` and makes it current.
    void addPicture(const QString& name, QSize size)
    {
        document.add({media.solidImage(name, size, QColor(kImageColour))});
        document.setCurrentIndex(document.count() - 1);
    }
    const SlideItem& slide(int i) const { return document.record().Slides[i]; }
    QPoint stored(int i) const { return {slide(i).PosX, slide(i).PosY}; }

    QTemporaryDir dir;
    MediaFactory media{dir.path()};
    EditorDocument document;
    FakeEditorView view;
    ScriptedDecodeRunner* decodes = new ScriptedDecodeRunner(true);
    PictureLoader pictures{std::unique_ptr<DecodeRunner>(decodes)};
    CanvasPositioner positioner{document, view, pictures};
};

TEST_F(CanvasPositionerTest, CentringPutsThePictureOnePixelUpAndLeftOfTheCentre)
{
    addPicture(QStringLiteral("large_800x600.bmp"), {800, 600});
    addPicture(QStringLiteral("canvas_640x480.bmp"), {640, 480});
    addPicture(QStringLiteral("small_100x50.bmp"), {100, 50});

    const QPoint expected[] = {{-81, -61}, {-1, -1}, {269, 214}};
    for (int i = 0; i < 3; ++i) {
        document.setCurrentIndex(i);
        positioner.menucenter_Click();
        EXPECT_EQ(stored(i), expected[i]) << i;
    }
    EXPECT_EQ(view.calls, QStringList(3, "List1_Click")) << "the canvas is drawn again";
}

TEST_F(CanvasPositionerTest, CentringAVeryWidePictureClampsOnlyTheCurrentSlide)
{
    // 640 / 2 - 2800 / 2 - 1 = -1081, beyond the panel's limit of -1000.
    addPicture(QStringLiteral("wide_2800x40.bmp"), {2800, 40});
    addPicture(QStringLiteral("wide_too_2800x40.bmp"), {2800, 40});
    document.setCurrentIndex(0);
    positioner.menucenter_Click();
    EXPECT_EQ(stored(0), QPoint(-1000, 219));

    positioner.manuallcenter_Click();
    EXPECT_EQ(stored(0), QPoint(-1000, 219));
    EXPECT_EQ(stored(1), QPoint(-1081, 219));
}

TEST_F(CanvasPositionerTest, CentreAllCentresEverySlideAndShowsTheCurrentOne)
{
    addPicture(QStringLiteral("small_100x50.bmp"), {100, 50});
    addPicture(QStringLiteral("canvas_640x480.bmp"), {640, 480});
    addPicture(QStringLiteral("large_800x600.bmp"), {800, 600});
    document.setCurrentIndex(1);
    positioner.manuallcenter_Click();
    EXPECT_EQ(stored(0), QPoint(269, 214));
    EXPECT_EQ(stored(1), QPoint(-1, -1));
    EXPECT_EQ(stored(2), QPoint(-81, -61));
    EXPECT_EQ(document.currentIndex(), 1);
    EXPECT_EQ(view.calls, QStringList{"List1_Click"});
}

TEST_F(CanvasPositionerTest, DragMovesByTheMouseMovementWhereverItStarts)
{
    addPicture(QStringLiteral("small_100x50.bmp"), {100, 50});
    // Grabbed far from the picture: it still follows with the same offset.
    positioner.MainPicture_MouseDown({500, 400});
    EXPECT_EQ(positioner.IsDragging, CanvasPositioner::kDragging);
    positioner.MainPicture_MouseMove({520, 405});
    EXPECT_EQ(stored(0), QPoint(20, 5));
    positioner.MainPicture_MouseMove({515, 405});
    EXPECT_EQ(stored(0), QPoint(15, 5));
    EXPECT_EQ(positioner.LastMouseX, 515);
    EXPECT_EQ(positioner.LastMouseY, 405);
}

TEST_F(CanvasPositionerTest, DragStopsAtTheLimitAndComesBackAtOnce)
{
    addPicture(QStringLiteral("small_100x50.bmp"), {100, 50});
    positioner.MainPicture_MouseDown({0, 0});
    positioner.MainPicture_MouseMove({2500, -3000});
    EXPECT_EQ(stored(0), QPoint(1000, -1000));
    positioner.MainPicture_MouseMove({2490, -2990});
    EXPECT_EQ(stored(0), QPoint(990, -990));
}

TEST_F(CanvasPositionerTest, TheWholeDraggedPictureIsDrawnWhereTheLimitsStoppedIt)
{
    addPicture(QStringLiteral("long_1100x50.bmp"), {1100, 50});
    positioner.MainPicture_MouseDown({600, 100});
    positioner.MainPicture_MouseMove({-600, 100});
    ASSERT_EQ(stored(0), QPoint(-1000, 0));
    EXPECT_EQ(view.dragged.size(), QSize(1100, 50));
    EXPECT_EQ(view.draggedAt, QPoint(-1000, 0));
}

TEST_F(CanvasPositionerTest, UntilTheWholePictureArrivesTheDragMovesWhatTheCanvasShowed)
{
    // The canvas shows the columns from 100 of a picture placed at -100.
    addPicture(QStringLiteral("long_1100x50.bmp"), {1100, 50});
    document.setPosition(-100, 0);
    ASSERT_EQ(pictures.canvasPart(document.currentPath(), document.shownPart(slide(0))).status,
              PictureLoader::Status::Ready);
    decodes->setImmediate(false);

    positioner.MainPicture_MouseDown({10, 10});
    positioner.MainPicture_MouseMove({30, 10});
    EXPECT_EQ(view.dragged.size(), QSize(640, 50));
    EXPECT_EQ(view.draggedAt, QPoint(20, 0)) << "the part starts 100 columns into the picture";

    decodes->runAll();
    EXPECT_EQ(view.dragged.size(), QSize(1100, 50));
    EXPECT_EQ(view.draggedAt, QPoint(-80, 0));
    positioner.MainPicture_MouseUp();
    // A whole picture that arrives after the drag has ended changes nothing.
    positioner.MainPicture_MouseDown({0, 0});
    positioner.MainPicture_MouseUp();
    view.calls.clear();
    decodes->runAll();
    EXPECT_TRUE(view.calls.isEmpty());
}

TEST_F(CanvasPositionerTest, ReleasingEndsTheDrag)
{
    addPicture(QStringLiteral("small_100x50.bmp"), {100, 50});
    positioner.MainPicture_MouseDown({0, 0});
    EXPECT_FALSE(positioner.DragPicture.isNull());
    positioner.MainPicture_MouseUp();
    EXPECT_EQ(positioner.IsDragging, 0);
    EXPECT_TRUE(positioner.DragPicture.isNull());
    positioner.MainPicture_MouseMove({300, 300});
    EXPECT_EQ(stored(0), QPoint(0, 0));
}

TEST_F(CanvasPositionerTest, WithoutSlidesNothingHappens)
{
    positioner.MainPicture_MouseDown({3, 3});
    EXPECT_EQ(positioner.IsDragging, 0);
    positioner.MainPicture_MouseMove({30, 30});
    positioner.menucenter_Click();
    positioner.manuallcenter_Click();
    EXPECT_TRUE(document.record().Slides.isEmpty());
    EXPECT_TRUE(view.calls.isEmpty());
}

TEST_F(CanvasPositionerTest, AnUnreadablePictureStaysWhereItIsAndIsNamed)
{
    addPicture(QStringLiteral("small_100x50.bmp"), {100, 50});
    const QString broken = media.bytes(QStringLiteral("broken.bmp"), QByteArray("not a picture"));
    document.add({broken});
    document.setCurrentIndex(1);

    positioner.menucenter_Click();
    EXPECT_EQ(stored(1), QPoint(0, 0));
    EXPECT_EQ(view.undecodable, QStringList{broken});

    positioner.manuallcenter_Click();
    EXPECT_EQ(stored(0), QPoint(269, 214));
    EXPECT_EQ(stored(1), QPoint(0, 0));
    EXPECT_EQ(view.undecodable, QStringList({broken, broken}));

    positioner.MainPicture_MouseDown({0, 0});
    EXPECT_EQ(positioner.IsDragging, 0);
    positioner.MainPicture_MouseMove({50, 50});
    EXPECT_EQ(stored(1), QPoint(0, 0));
}

}  // namespace
