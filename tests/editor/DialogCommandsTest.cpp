#include "EditorFixture.h"

#include "editor/CanvasPicture.h"

#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>

namespace {

class DialogCommandsTest : public EditorFixture {};

TEST_F(DialogCommandsTest, SizeAndColourDialogsNeedASlide)
{
    action("menusize")->trigger();
    action("menucolor")->trigger();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(canvas()->size(), QSize(254, 254));
}

TEST_F(DialogCommandsTest, ANewCanvasSizeLaysTheWindowOutAndShowsTheSlideAgain)
{
    form->AddImages(media.solidImage("red.bmp", {20, 20}, Qt::red));
    whenShown<QDialog>([](QDialog& dialog) {
        dialog.findChild<QLineEdit*>("Text1_0")->setText("900");
        dialog.findChild<QLineEdit*>("Text1_1")->setText("100");
        dialog.findChild<QPushButton*>("Command1_0")->click();
    });
    action("menusize")->trigger();
    EXPECT_EQ(canvas()->innerWidth(), 900);
    EXPECT_EQ(canvas()->innerHeight(), 100);
    EXPECT_EQ(hScroll()->last(), view()->width() - 904);
    EXPECT_EQ(canvas()->image().pixel(5, 5), qRgb(255, 0, 0));
    EXPECT_EQ(canvas()->image().pixel(850, 50), qRgb(0, 0, 0));
}

TEST_F(DialogCommandsTest, CancellingTheColourDialogKeepsTheColour)
{
    form->AddImages(media.solidImage("red.bmp", {20, 20}, Qt::red));
    document().setBackColor(0x00ff0000);
    whenShown<QDialog>([](QDialog& dialog) { dialog.reject(); });
    action("menucolor")->trigger();
    EXPECT_EQ(canvas()->backColor(), 0x00ff0000u);
    EXPECT_EQ(canvas()->image().pixel(2, 2), qRgb(255, 0, 0)) << "the slide is shown again";
    EXPECT_EQ(canvas()->image().pixel(100, 100), qRgb(0, 0, 255));
}

}  // namespace
