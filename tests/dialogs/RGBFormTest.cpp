#include "dialogs/GradientBar.h"
#include "dialogs/RGBForm.h"
#include "document/mGetRGB.h"

#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

// The application lives until the process ends: destroying it at exit races Qt's own clean-up.
void ensureApplication()
{
    if (QApplication::instance() == nullptr) {
        static int argc = 1;
        static char name[] = "RGBFormTest";
        static char* argv[] = {name, nullptr};
        new QApplication(argc, argv);
    }
}

void sendMouse(QWidget* widget, QEvent::Type type, int x, Qt::MouseButtons buttons)
{
    const QPointF local(x, GradientBar::kHeight / 2);
    QMouseEvent event(type, local, widget->mapToGlobal(local), Qt::LeftButton, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

class RGBFormTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ensureApplication(); }

    int value(int n) const { return form.Label1[n]->text().toInt(); }
    int marker(int n) const { return form.Line1[n]->x(); }
    QRgb barPixel(int n, int i) const { return form.Picture1[n]->picture().pixel(i, 0); }
    QColor swatch() const { return form.colorlabel->palette().color(QPalette::Window); }

    RGBForm form{0x00FF8000u};
};

TEST(mGetRGB, SplitsAColourIntoItsChannels)
{
    EXPECT_EQ(mGetRGB::red(0x00FF8000u), 0);
    EXPECT_EQ(mGetRGB::green(0x00FF8000u), 128);
    EXPECT_EQ(mGetRGB::blue(0x00FF8000u), 255);
    EXPECT_EQ(mGetRGB::red(0x12345678u), 0x78);
    EXPECT_EQ(mGetRGB::green(0x12345678u), 0x56);
    EXPECT_EQ(mGetRGB::blue(0x12345678u), 0x34);
    EXPECT_EQ(mGetRGB::colour(0x78, 0x56, 0x34), 0x00345678u);
}

TEST_F(RGBFormTest, OpensWithTheCanvasColourSplitIntoChannels)
{
    EXPECT_EQ(form.windowTitle(), QStringLiteral("色の設定"));
    EXPECT_EQ(value(0), 0);
    EXPECT_EQ(value(1), 128);
    EXPECT_EQ(value(2), 255);
    EXPECT_EQ(marker(0), 10);
    EXPECT_EQ(marker(1), 138);
    EXPECT_EQ(marker(2), 265);
    EXPECT_EQ(form.swatchColour(), 0x00FF8000u);
    EXPECT_EQ(swatch(), QColor(0, 128, 255));
    // Every bar is drawn at load: column i of the red bar is (i, 128, 255), and so on.
    EXPECT_EQ(barPixel(0, 200), qRgb(200, 128, 255));
    EXPECT_EQ(barPixel(1, 7), qRgb(0, 7, 255));
    EXPECT_EQ(barPixel(2, 30), qRgb(0, 128, 30));
}

TEST_F(RGBFormTest, DraggingPastEitherEndPinsTheValue)
{
    sendMouse(form.Picture1[1], QEvent::MouseButtonPress, 40, Qt::LeftButton);
    EXPECT_EQ(form.dragging, RGBForm::kDragging);
    EXPECT_EQ(value(1), 40);
    EXPECT_EQ(marker(1), 50);

    sendMouse(form.Picture1[1], QEvent::MouseMove, 300, Qt::LeftButton);
    EXPECT_EQ(value(1), 255);
    EXPECT_EQ(marker(1), 265);
    sendMouse(form.Picture1[1], QEvent::MouseMove, -20, Qt::LeftButton);
    EXPECT_EQ(value(1), 0);
    EXPECT_EQ(marker(1), 10);
    EXPECT_EQ(swatch(), QColor(0, 0, 255));

    sendMouse(form.Picture1[1], QEvent::MouseButtonRelease, -20, Qt::NoButton);
    EXPECT_EQ(form.dragging, 0);
    form.Picture1_MouseMove(1, 99);  // no button held: nothing moves
    EXPECT_EQ(value(1), 0);
}

TEST_F(RGBFormTest, APressBeyondTheBarIsPinnedLikeAMove)
{
    form.Picture1_MouseDown(0, 270);
    EXPECT_EQ(value(0), 255);
    EXPECT_EQ(marker(0), 265);
    form.Picture1_MouseDown(2, -1);
    EXPECT_EQ(value(2), 0);
    EXPECT_EQ(marker(2), 10);
}

TEST_F(RGBFormTest, DraggingAChannelRedrawsTheOtherBarsButNotItsOwn)
{
    // The labels are the state: a blue value set behind the dialog's back shows in the bars
    // that are redrawn, and the green bar keeps the blue it was drawn with.
    form.Label1[2]->setText(QStringLiteral("100"));
    form.Picture1_MouseDown(1, 60);
    EXPECT_EQ(barPixel(0, 10), qRgb(10, 60, 100));
    EXPECT_EQ(barPixel(2, 10), qRgb(0, 60, 10));
    EXPECT_EQ(barPixel(1, 10), qRgb(0, 10, 255));
    EXPECT_EQ(swatch(), QColor(0, 60, 100));
}

TEST_F(RGBFormTest, OkAnswersTheSwatchColourAndCancelAnswersNothing)
{
    form.Picture1_MouseDown(0, 16);
    form.Picture1_MouseUp();
    form.Command1[0]->click();
    ASSERT_TRUE(form.chosenColour().has_value());
    EXPECT_EQ(*form.chosenColour(), 0x00FF8010u);

    RGBForm cancelled(0x00123456u);
    cancelled.Picture1_MouseDown(2, 200);
    cancelled.Picture1_MouseUp();
    cancelled.Command1[1]->click();
    EXPECT_FALSE(cancelled.chosenColour().has_value());
    EXPECT_EQ(cancelled.result(), QDialog::Rejected);
}

}  // namespace
