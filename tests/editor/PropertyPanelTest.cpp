#include "editor/EditorDocument.h"
#include "editor/PropertyPanel.h"
#include "support/ScriptedFileQuestions.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

#include <gtest/gtest.h>

namespace {

// The application lives until the process ends: destroying it at exit races Qt's own clean-up.
void ensureApplication()
{
    if (QApplication::instance() == nullptr) {
        static int argc = 1;
        static char name[] = "PropertyPanelTest";
        static char* argv[] = {name, nullptr};
        new QApplication(argc, argv);
    }
}

// Presses and releases the left button at a point of a widget, as a user's click does.
void clickAt(QWidget* widget, QPoint point)
{
    const QPointF local(point);
    const QPointF global(widget->mapToGlobal(point));
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(widget, &release);
}

class PropertyPanelTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ensureApplication(); }

    void SetUp() override
    {
        document.List1 = {QStringLiteral("/a.bmp"), QStringLiteral("/b.bmp")};
        document.record.Slides = {SlideItem(), SlideItem()};
        document.record.SlideCount = 2;
        document.ListIndex = 1;
    }

    const SlideItem& selected() const { return document.record.Slides[1]; }
    const SlideItem& other() const { return document.record.Slides[0]; }

    EditorDocument document;
    ScriptedFileQuestions questions;
    PropertyPanel panel{document, questions};
};

TEST_F(PropertyPanelTest, StartsWithTheInitialTextsAndLists)
{
    EXPECT_EQ(panel.title(), QStringLiteral("プロパティ"));
    EXPECT_EQ(panel.objectName(), QStringLiteral("Frame1"));
    EXPECT_EQ(panel.Text1->text(), QStringLiteral("1"));
    EXPECT_EQ(panel.VScroll2->number(), 1);
    EXPECT_EQ(panel.Text2[0]->text(), QStringLiteral("0"));
    EXPECT_EQ(panel.Text2[1]->text(), QStringLiteral("0"));
    EXPECT_EQ(panel.VScroll3[0]->number(), 0);
    EXPECT_EQ(panel.VScroll3[1]->number(), 0);
    EXPECT_EQ(panel.VScroll2->top(), 10000);
    EXPECT_EQ(panel.VScroll2->bottom(), 1);
    EXPECT_EQ(panel.VScroll3[1]->top(), 1000);
    EXPECT_EQ(panel.VScroll3[1]->bottom(), -1000);

    ASSERT_EQ(panel.Combo1->count(), 36);
    EXPECT_EQ(panel.Combo1->itemText(0), QStringLiteral("なし"));
    EXPECT_EQ(panel.Combo1->itemText(7), QStringLiteral("ワイプ（上-下)"));
    EXPECT_EQ(panel.Combo1->itemText(35), QStringLiteral("タイルオーバー（横）"));
    const QStringList speeds = {QStringLiteral("1倍速"), QStringLiteral("2倍速"),
                                QStringLiteral("4倍速"), QStringLiteral("8倍速")};
    ASSERT_EQ(panel.Combo2->count(), 4);
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(panel.Combo2->itemText(i), speeds[i]);
    }
    EXPECT_EQ(panel.Command12->text(), QStringLiteral("参照"));
    EXPECT_EQ(panel.Check2->text(), QStringLiteral("前のイメージを残す"));
    EXPECT_EQ(panel.Check1->text(), QStringLiteral("背景と同じ色を透過"));
    EXPECT_FALSE(panel.Check1->isEnabled());
}

TEST_F(PropertyPanelTest, EveryControlHasItsLabel)
{
    QStringList labels;
    for (const QLabel* label : panel.findChildren<QLabel*>()) {
        labels.append(label->text());
    }
    labels.sort();
    QStringList expected = {
        QStringLiteral("表示時間"),     QStringLiteral("1/1000秒"),  QStringLiteral("表示位置X"),
        QStringLiteral("ピクセル"),     QStringLiteral("表示位置Y"), QStringLiteral("ピクセル"),
        QStringLiteral("切り替え効果"), QStringLiteral("効果速度"),  QStringLiteral("効果音")};
    expected.sort();
    EXPECT_EQ(labels, expected);
}

TEST_F(PropertyPanelTest, TimeBoxReplacesInvalidEntriesAndStoresTheResult)
{
    panel.Text1->setText(QStringLiteral("abc"));
    EXPECT_EQ(panel.Text1->text(), QStringLiteral("1"));
    EXPECT_EQ(selected().DisplayTime, 1);

    panel.Text1->setText(QStringLiteral("20000"));
    EXPECT_EQ(panel.Text1->text(), QStringLiteral("10000"));
    EXPECT_EQ(selected().DisplayTime, 10000);
    EXPECT_EQ(panel.VScroll2->number(), 10000);

    panel.Text1->setText(QStringLiteral("-7"));
    EXPECT_EQ(panel.Text1->text(), QStringLiteral("1"));
    EXPECT_EQ(selected().DisplayTime, 1);

    panel.Text1->setText(QStringLiteral("2500"));
    EXPECT_EQ(selected().DisplayTime, 2500);
    EXPECT_EQ(panel.VScroll2->number(), 2500);

    // Typed with a Japanese input method in full width.
    panel.Text1->setText(QStringLiteral("３０００"));
    EXPECT_EQ(selected().DisplayTime, 3000);
    EXPECT_EQ(panel.Text1->text(), QStringLiteral("3000"));
    panel.Text1->setText(QStringLiteral("2500"));
    EXPECT_EQ(other().DisplayTime, SlideItem::kDefaultDisplayTime);
}

TEST_F(PropertyPanelTest, TimeFractionsRoundHalfToEvenAndZeroRoundingBecomesOne)
{
    panel.Text1->setText(QStringLiteral("2.5"));
    EXPECT_EQ(selected().DisplayTime, 2);
    EXPECT_EQ(panel.VScroll2->number(), 2);
    panel.Text1->setText(QStringLiteral("3.5"));
    EXPECT_EQ(selected().DisplayTime, 4);

    panel.Text1->setText(QStringLiteral("0.4"));
    EXPECT_EQ(panel.Text1->text(), QStringLiteral("1"));
    EXPECT_EQ(selected().DisplayTime, 1);
}

TEST_F(PropertyPanelTest, PositionBoxesReplaceInvalidEntriesAndStoreTheResult)
{
    panel.Text2[0]->setText(QStringLiteral("-5000"));
    EXPECT_EQ(panel.Text2[0]->text(), QStringLiteral("-1000"));
    EXPECT_EQ(selected().PosX, -1000);
    EXPECT_EQ(panel.VScroll3[0]->number(), -1000);

    panel.Text2[1]->setText(QStringLiteral("5000"));
    EXPECT_EQ(panel.Text2[1]->text(), QStringLiteral("1000"));
    EXPECT_EQ(selected().PosY, 1000);

    panel.Text2[0]->setText(QStringLiteral("x"));
    EXPECT_EQ(panel.Text2[0]->text(), QStringLiteral("0"));
    EXPECT_EQ(selected().PosX, 0);

    panel.Text2[1]->setText(QStringLiteral("-2.5"));
    EXPECT_EQ(selected().PosY, -2);
    EXPECT_EQ(selected().PosX, 0);
    EXPECT_EQ(other().PosX, 0);
    EXPECT_EQ(other().PosY, 0);
}

TEST_F(PropertyPanelTest, UpArrowOfTheSpinsIncreasesAndStopsAtTheLimits)
{
    panel.show();
    SpinScrollBar* time = panel.VScroll2;
    panel.Text1->setText(QStringLiteral("5"));
    clickAt(time, QPoint(time->width() / 2, 1));
    EXPECT_EQ(panel.Text1->text(), QStringLiteral("6"));
    EXPECT_EQ(selected().DisplayTime, 6);
    clickAt(time, QPoint(time->width() / 2, time->height() - 2));
    EXPECT_EQ(selected().DisplayTime, 5);

    panel.Text1->setText(QStringLiteral("10000"));
    time->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(panel.Text1->text(), QStringLiteral("10000"));
    panel.Text1->setText(QStringLiteral("1"));
    time->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(panel.Text1->text(), QStringLiteral("1"));

    panel.Text2[0]->setText(QStringLiteral("1000"));
    panel.VScroll3[0]->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(selected().PosX, 1000);
    panel.Text2[1]->setText(QStringLiteral("-1000"));
    panel.VScroll3[1]->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(selected().PosY, -1000);
    panel.VScroll3[1]->triggerAction(QAbstractSlider::SliderSingleStepSub);
    EXPECT_EQ(panel.Text2[1]->text(), QStringLiteral("-999"));
    EXPECT_EQ(selected().PosY, -999);
}

TEST_F(PropertyPanelTest, ListsSoundAndFlagsStoreIntoTheSelectedSlide)
{
    panel.Combo1->setCurrentIndex(30);
    panel.Combo2->setCurrentIndex(3);
    panel.Text3->setText(QStringLiteral("/sounds/ding.wav"));
    EXPECT_EQ(selected().EffectNumber, 30);
    EXPECT_EQ(selected().SpeedIndex, 3);
    EXPECT_EQ(selected().SoundPath, QStringLiteral("/sounds/ding.wav"));
    EXPECT_EQ(other(), SlideItem());
}

TEST_F(PropertyPanelTest, SoundBrowseTakesTheAnswerAndCancellingClearsThePath)
{
    questions.answerNext(QStringLiteral("/sounds/chime.wav"));
    panel.Command12->click();
    EXPECT_EQ(panel.Text3->text(), QStringLiteral("/sounds/chime.wav"));
    EXPECT_EQ(selected().SoundPath, QStringLiteral("/sounds/chime.wav"));

    panel.Command12->click();  // cancelled: empty answer
    EXPECT_EQ(panel.Text3->text(), QString());
    EXPECT_EQ(selected().SoundPath, QString());
    EXPECT_EQ(questions.asked,
              QStringList({QStringLiteral("AskSoundFile"), QStringLiteral("AskSoundFile")}));
}

TEST_F(PropertyPanelTest, KeepPreviousEnablesTransparencyWithoutChangingIt)
{
    panel.Check2->click();
    EXPECT_EQ(selected().KeepPrevious, 1);
    ASSERT_TRUE(panel.Check1->isEnabled());
    panel.Check1->click();
    EXPECT_EQ(selected().Transparent, 1);

    panel.Check2->click();
    EXPECT_EQ(selected().KeepPrevious, 0);
    EXPECT_FALSE(panel.Check1->isEnabled());
    EXPECT_TRUE(panel.Check1->isChecked());
    EXPECT_EQ(selected().Transparent, 1);
}

TEST_F(PropertyPanelTest, WithoutSelectedSlideHandlersValidateButStoreNothing)
{
    document.ListIndex = -1;
    const QList<SlideItem> before = document.record.Slides;

    panel.Text1->setText(QStringLiteral("zz"));
    EXPECT_EQ(panel.Text1->text(), QStringLiteral("1"));
    panel.Text2[0]->setText(QStringLiteral("4000"));
    EXPECT_EQ(panel.Text2[0]->text(), QStringLiteral("1000"));
    EXPECT_EQ(panel.VScroll3[0]->number(), 1000);
    panel.Combo1->setCurrentIndex(5);
    panel.Combo2->setCurrentIndex(2);
    panel.Text3->setText(QStringLiteral("/s.wav"));
    panel.Check2->click();
    EXPECT_TRUE(panel.Check1->isEnabled());
    panel.Check1->click();

    EXPECT_EQ(document.record.Slides, before);
}

TEST_F(PropertyPanelTest, FillingFromASlideShowsItAndStoresBackTheSameValues)
{
    SlideItem slide;
    slide.DisplayTime = 4321;
    slide.PosX = -12;
    slide.PosY = 345;
    slide.EffectNumber = 33;
    slide.SpeedIndex = 2;
    slide.SoundPath = QStringLiteral("/s/a.wav");
    slide.KeepPrevious = 1;
    slide.Transparent = 1;
    document.record.Slides[1] = slide;

    panel.fillFromSlide(document.record.Slides[1]);

    EXPECT_EQ(panel.Text1->text(), QStringLiteral("4321"));
    EXPECT_EQ(panel.Text2[0]->text(), QStringLiteral("-12"));
    EXPECT_EQ(panel.Text2[1]->text(), QStringLiteral("345"));
    EXPECT_EQ(panel.Combo1->currentIndex(), 33);
    EXPECT_EQ(panel.Combo2->currentIndex(), 2);
    EXPECT_EQ(panel.Text3->text(), QStringLiteral("/s/a.wav"));
    EXPECT_TRUE(panel.Check2->isChecked());
    EXPECT_TRUE(panel.Check1->isChecked());
    EXPECT_TRUE(panel.Check1->isEnabled());
    EXPECT_EQ(selected(), slide);
    EXPECT_EQ(other(), SlideItem());
}

TEST_F(PropertyPanelTest, EffectNumberOutsideTheListIsKeptWhenShown)
{
    SlideItem slide;
    slide.EffectNumber = 99;
    document.record.Slides[1] = slide;
    panel.fillFromSlide(slide);
    EXPECT_EQ(selected().EffectNumber, 99);
}

TEST_F(PropertyPanelTest, ResettingTheNumbersLeavesTimeOneAndPositionsZero)
{
    document.ListIndex = -1;
    panel.Text1->setText(QStringLiteral("700"));
    panel.Text2[0]->setText(QStringLiteral("70"));
    panel.Text2[1]->setText(QStringLiteral("-70"));
    panel.resetNumbers();
    EXPECT_EQ(panel.Text1->text(), QStringLiteral("1"));
    EXPECT_EQ(panel.Text2[0]->text(), QStringLiteral("0"));
    EXPECT_EQ(panel.Text2[1]->text(), QStringLiteral("0"));
}

}  // namespace
