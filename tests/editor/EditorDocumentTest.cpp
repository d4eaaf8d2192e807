#include "editor/EditorDocument.h"

#include <QCoreApplication>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <limits>

namespace {

class EditorDocumentTest : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        if (QCoreApplication::instance() == nullptr) {
            static int argc = 1;
            static char name[] = "EditorDocumentTest";
            static char* argv[] = {name, nullptr};
            new QCoreApplication(argc, argv);
        }
    }

    EditorDocument document;
    QSignalSpy edits{&document, &EditorDocument::slideEdited};
    QSignalSpy selections{&document, &EditorDocument::currentChanged};
};

TEST_F(EditorDocumentTest, ANewDocumentIsEmptyWithABlackCanvasOfTheNewSize)
{
    EXPECT_EQ(document.count(), 0);
    EXPECT_EQ(document.currentIndex(), -1);
    EXPECT_EQ(document.currentSlide(), nullptr);
    EXPECT_EQ(document.currentPath(), QString());
    EXPECT_EQ(document.record(), ShowDocument());
    EXPECT_EQ(document.canvasSize(), QSize(250, 250));
    EXPECT_EQ(document.backColor(), 0u);
    EXPECT_EQ(document.bgmPath(), QString());
}

TEST_F(EditorDocumentTest, SlidesAndPathsAreAddedRemovedAndSwappedTogether)
{
    document.add({"/a.bmp", "/b.bmp", "/c.bmp"});
    EXPECT_EQ(document.paths(), QStringList({"/a.bmp", "/b.bmp", "/c.bmp"}));
    EXPECT_EQ(document.record().Slides, QList<SlideItem>(3));
    EXPECT_EQ(document.record().SlideCount, 3);
    EXPECT_EQ(document.currentIndex(), -1) << "adding selects nothing by itself";

    document.setCurrentIndex(0);
    document.setDisplayTime(2000);
    document.swap(0, 2);
    EXPECT_EQ(document.paths(), QStringList({"/c.bmp", "/b.bmp", "/a.bmp"}));
    EXPECT_EQ(document.record().Slides[2].DisplayTime, 2000);
    document.swap(0, 3);
    EXPECT_EQ(document.paths(), QStringList({"/c.bmp", "/b.bmp", "/a.bmp"}));

    document.setCurrentIndex(2);
    document.remove(2);
    EXPECT_EQ(document.paths(), QStringList({"/c.bmp", "/b.bmp"}));
    EXPECT_EQ(document.record().SlideCount, 2);
    EXPECT_EQ(document.record().Slides, QList<SlideItem>(2));
    EXPECT_EQ(document.currentIndex(), 1) << "the current index stays within the list";
    document.remove(5);
    EXPECT_EQ(document.count(), 2);
}

TEST_F(EditorDocumentTest, SelectingSaysSoEveryTimeAndOnlyValidIndexesAreCurrent)
{
    document.add({"/a.bmp", "/b.bmp"});
    document.setCurrentIndex(1);
    document.setCurrentIndex(1);
    document.setCurrentIndex(7);
    ASSERT_EQ(selections.size(), 3);
    EXPECT_EQ(selections[0][0].toInt(), 1);
    EXPECT_EQ(selections[1][0].toInt(), 1);
    EXPECT_EQ(selections[2][0].toInt(), -1);
    EXPECT_EQ(document.currentIndex(), -1);
}

TEST_F(EditorDocumentTest, TimesAndPositionsOfTheCurrentSlideAreHeldToTheirLimits)
{
    document.add({"/a.bmp", "/b.bmp"});
    document.setDisplayTime(500);
    EXPECT_TRUE(edits.isEmpty()) << "no current slide: nothing changes";
    document.setCurrentIndex(1);
    document.setDisplayTime(20000);
    EXPECT_EQ(document.currentSlide()->DisplayTime, 10000);
    document.setDisplayTime(-5);
    EXPECT_EQ(document.currentSlide()->DisplayTime, 1);
    document.setPosition(-5000, 5000);
    EXPECT_EQ(document.currentSlide()->PosX, -1000);
    EXPECT_EQ(document.currentSlide()->PosY, 1000);
    document.setPosX(-999);
    document.setPosY(std::numeric_limits<qint64>::min());
    EXPECT_EQ(document.currentSlide()->PosX, -999);
    EXPECT_EQ(document.currentSlide()->PosY, -1000);
    EXPECT_EQ(document.record().Slides[0], SlideItem());
    ASSERT_EQ(edits.size(), 5);
    EXPECT_EQ(edits[0][0].toInt(), 1);

    // Storing what is there already is no edit.
    document.setPosition(-999, -1000);
    EXPECT_EQ(edits.size(), 5);
}

TEST_F(EditorDocumentTest, EveryOtherSettingOfTheCurrentSlideIsStoredAsGiven)
{
    document.add({"/a.bmp"});
    document.setCurrentIndex(0);
    document.setEffectNumber(35);
    document.setSpeedIndex(3);
    document.setSoundPath("/s.wav");
    document.setKeepPrevious(true);
    document.setTransparent(true);
    const SlideItem expected{{1000, 0, 0, 35, 3, 1, 1}, {}, "/s.wav", {}, {}};
    EXPECT_EQ(*document.currentSlide(), expected);
    EXPECT_EQ(edits.size(), 5);
}

TEST_F(EditorDocumentTest, PlacingAndApplyingToAllReachEverySlide)
{
    document.add({"/a.bmp", "/b.bmp", "/c.bmp"});
    document.placeSlide(2, {-1081, 2000});
    EXPECT_EQ(document.record().Slides[2].PosX, -1081) << "placed as it is";
    EXPECT_EQ(document.record().Slides[2].PosY, 2000);
    document.placeSlide(3, {1, 1});
    EXPECT_EQ(edits.size(), 1);

    document.applyToAll([](SlideItem& slide) { slide.DisplayTime = 4000; });
    for (const SlideItem& slide : document.record().Slides) {
        EXPECT_EQ(slide.DisplayTime, 4000);
    }
    EXPECT_EQ(edits.size(), 4);
}

TEST_F(EditorDocumentTest, DeleteAllKeepsTheCanvasAndTheMusicWhileNewResetsThem)
{
    document.add({"/a.bmp"});
    document.setCurrentIndex(0);
    document.setCanvasSize({640, 480});
    document.setBackColor(0x00112233);
    document.setBgmPath("/m.mid");
    document.copyCanvasIntoRecord();
    EXPECT_EQ(document.record().CanvasWidth, 640);
    EXPECT_EQ(document.record().BackColor, 0x00112233u);

    document.clearSlides();
    EXPECT_EQ(document.record(), ShowDocument());
    EXPECT_EQ(document.count(), 0);
    EXPECT_EQ(document.currentIndex(), -1);
    EXPECT_EQ(document.canvasSize(), QSize(640, 480));
    EXPECT_EQ(document.backColor(), 0x00112233u);
    EXPECT_EQ(document.bgmPath(), "/m.mid");

    QSignalSpy sizes(&document, &EditorDocument::canvasSizeChanged);
    QSignalSpy colours(&document, &EditorDocument::backColorChanged);
    QSignalSpy music(&document, &EditorDocument::bgmPathChanged);
    document.add({"/a.bmp"});
    document.reset();
    EXPECT_EQ(document.count(), 0);
    EXPECT_EQ(document.canvasSize(), QSize(250, 250));
    EXPECT_EQ(document.backColor(), 0u);
    EXPECT_EQ(document.bgmPath(), QString());
    EXPECT_EQ(sizes.size(), 1);
    EXPECT_EQ(colours.size(), 1);
    EXPECT_EQ(music.size(), 1);
}

TEST_F(EditorDocumentTest, LoadingReplacesEverythingAndKeepsOnlyWhatAWorkspaceHolds)
{
    document.add({"/old.bmp"});
    document.setCurrentIndex(0);
    EditableShow show;
    show.imagePaths = {"/a.bmp", "/b.bmp"};
    show.document.Slides = {SlideItem{{3000, 10, 20, 5, 3, 1, 0}, {}, "/s.wav", {}, {}},
                            SlideItem()};
    show.document.Slides[0].ImageRef = "image0";
    show.document.Slides[0].ImageData = "bytes";
    show.document.SlideCount = 2;
    show.bgmPath = "/m.mid";
    show.canvasWidth = 320;
    show.canvasHeight = 240;
    show.backColor = 0x00FF0000;
    document.load(show);

    EXPECT_EQ(document.paths(), show.imagePaths);
    EXPECT_EQ(document.currentIndex(), -1);
    EXPECT_EQ(document.record().Slides[0],
              (SlideItem{{3000, 10, 20, 5, 0, 1, 0}, {}, "/s.wav", {}, {}}));
    EXPECT_EQ(document.record().SlideCount, 2);
    EXPECT_EQ(document.record().CanvasWidth, 320);
    EXPECT_EQ(document.record().CanvasHeight, 240);
    EXPECT_EQ(document.record().BackColor, 0x00FF0000u);
    EXPECT_EQ(document.canvasSize(), QSize(320, 240));
    EXPECT_EQ(document.bgmPath(), "/m.mid");

    // The show as save, preview and build take it.
    EditableShow expected = show;
    expected.document.Slides[0] = document.record().Slides[0];
    expected.document.CanvasWidth = 320;
    expected.document.CanvasHeight = 240;
    expected.document.BackColor = 0x00FF0000;
    EXPECT_EQ(document.show(), expected);
    EXPECT_EQ(document.shownPart(document.record().Slides[0]), QRect(-10, -20, 320, 240));
}

TEST_F(EditorDocumentTest, TheSlideLimitLeavesNoRoomBeyondIt)
{
    document.add(QStringList(ShowDocument::kMaxSlides - 2, "/p.bmp"));
    EXPECT_EQ(document.room(), 2);
    document.add({"/a.bmp", "/b.bmp", "/c.bmp"});
    EXPECT_EQ(document.count(), ShowDocument::kMaxSlides);
    EXPECT_EQ(document.paths().last(), "/b.bmp");
    EXPECT_EQ(document.room(), 0);
}

}  // namespace
