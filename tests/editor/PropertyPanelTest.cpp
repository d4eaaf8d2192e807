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

#include <QKeyEvent>
#include <QTest>

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
        document.add({QStringLiteral("/a.bmp"), QStringLiteral("/b.bmp")});
        document.setCurrentIndex(1);
    }

    const SlideItem& selected() const { return document.record().Slides[1]; }
    const SlideItem& other() const { return document.record().Slides[0]; }
    // Replaces what a box holds by typing, as a user does: select all, type, and finish with
    // the Enter key when `finish` says so.
    static void type(QLineEdit* box, const QString& keys, bool finish = false)
    {
        box->selectAll();
        if (keys.isEmpty()) {
            QTest::keyClick(box, Qt::Key_Backspace);
        }
        // One key event per character, full-width ones too, as an input method sends them.
        for (const QChar character : keys) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(character));
            QApplication::sendEvent(box, &press);
        }
        if (finish) {
            QTest::keyClick(box, Qt::Key_Return);
        }
    }

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
    EXPECT_EQ(panel.VScroll2->first(), 10000);
    EXPECT_EQ(panel.VScroll2->last(), 1);
    EXPECT_EQ(panel.VScroll3[1]->first(), 1000);
    EXPECT_EQ(panel.VScroll3[1]->last(), -1000);

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
    DescendingScrollBar* time = panel.VScroll2;
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
    document.setCurrentIndex(-1);
    const QList<SlideItem> before = document.record().Slides;

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

    EXPECT_EQ(document.record().Slides, before);
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
    panel.fillFromSlide(slide);

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
    document.setEffectNumber(99);
    panel.fillFromSlide(selected());
    EXPECT_EQ(selected().EffectNumber, 99);
    EXPECT_EQ(panel.Combo1->currentIndex(), -1);
}

TEST_F(PropertyPanelTest, ResettingTheNumbersLeavesTimeOneAndPositionsZero)
{
    document.setCurrentIndex(-1);
    panel.Text1->setText(QStringLiteral("700"));
    panel.Text2[0]->setText(QStringLiteral("70"));
    panel.Text2[1]->setText(QStringLiteral("-70"));
    panel.resetNumbers();
    EXPECT_EQ(panel.Text1->text(), QStringLiteral("1"));
    EXPECT_EQ(panel.Text2[0]->text(), QStringLiteral("0"));
    EXPECT_EQ(panel.Text2[1]->text(), QStringLiteral("0"));
}

TEST_F(PropertyPanelTest, ASignTypedFirstKeepsItsPlaceUntilTheNumberFollows)
{
    type(panel.Text2[0], QStringLiteral("-"));
    EXPECT_EQ(panel.Text2[0]->text(), QStringLiteral("-"));
    EXPECT_EQ(selected().PosX, 0);
    type(panel.Text2[0], QStringLiteral("-50"));
    EXPECT_EQ(panel.Text2[0]->text(), QStringLiteral("-50"));
    EXPECT_EQ(selected().PosX, -50);
    EXPECT_EQ(panel.VScroll3[0]->number(), -50);

    type(panel.Text2[1], QStringLiteral("-5000"));
    EXPECT_EQ(panel.Text2[1]->text(), QStringLiteral("-1000"));
    EXPECT_EQ(selected().PosY, -1000);
    type(panel.Text2[1], QStringLiteral("+25"));
    EXPECT_EQ(selected().PosY, 25);

    // Full width, as a Japanese input method types it.
    type(panel.Text2[0], QStringLiteral("－３"));
    EXPECT_EQ(selected().PosX, -3);

    type(panel.Text1, QStringLiteral("-5"));
    EXPECT_EQ(panel.Text1->text(), QStringLiteral("1"));
    EXPECT_EQ(selected().DisplayTime, 1);
}

TEST_F(PropertyPanelTest, AnEmptyBoxWaitsForTheNumberAndEndsAsTheNearestValueIfNoneCame)
{
    panel.Text1->setText(QStringLiteral("2500"));
    type(panel.Text1, QString());
    EXPECT_EQ(panel.Text1->text(), QString());
    EXPECT_EQ(selected().DisplayTime, 2500);
    QTest::keyClick(panel.Text1, Qt::Key_7);
    EXPECT_EQ(panel.Text1->text(), QStringLiteral("7"));
    EXPECT_EQ(selected().DisplayTime, 7);

    type(panel.Text1, QString(), true);
    EXPECT_EQ(panel.Text1->text(), QStringLiteral("1"));
    EXPECT_EQ(selected().DisplayTime, 1);
    type(panel.Text2[0], QStringLiteral("-"), true);
    EXPECT_EQ(panel.Text2[0]->text(), QStringLiteral("0"));
    EXPECT_EQ(selected().PosX, 0);
}

TEST_F(PropertyPanelTest, EditsMadeElsewhereAreShownAtOnce)
{
    document.setPosition(12, -7);
    document.setDisplayTime(4200);
    document.setEffectNumber(5);
    document.setSpeedIndex(2);
    document.setSoundPath(QStringLiteral("/s/b.wav"));
    document.setKeepPrevious(true);
    document.setTransparent(true);
    EXPECT_EQ(panel.Text2[0]->text(), QStringLiteral("12"));
    EXPECT_EQ(panel.Text2[1]->text(), QStringLiteral("-7"));
    EXPECT_EQ(panel.VScroll3[1]->number(), -7);
    EXPECT_EQ(panel.Text1->text(), QStringLiteral("4200"));
    EXPECT_EQ(panel.Combo1->currentIndex(), 5);
    EXPECT_EQ(panel.Combo2->currentIndex(), 2);
    EXPECT_EQ(panel.Text3->text(), QStringLiteral("/s/b.wav"));
    EXPECT_TRUE(panel.Check2->isChecked());
    EXPECT_TRUE(panel.Check1->isEnabled());
    EXPECT_TRUE(panel.Check1->isChecked());

    // Another slide's edits are not this panel's.
    document.placeSlide(0, {300, 300});
    EXPECT_EQ(panel.Text2[0]->text(), QStringLiteral("12"));
}

}  // namespace
