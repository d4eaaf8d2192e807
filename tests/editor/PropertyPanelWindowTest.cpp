#include "EditorFixture.h"
#include "editor/PropertyPanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

namespace {

// The panel inside the main window: showing a slide fills it, and its edits go to that slide.
class PropertyPanelWindowTest : public EditorFixture {
protected:
    PropertyPanel& panel() const { return *form->panel; }
    QList<SlideItem>& slides() const { return document().record.Slides; }
};

TEST_F(PropertyPanelWindowTest, ShowingASlideFillsEveryControlAndChangesNoSlide)
{
    addSlides(2);
    SlideItem first;
    first.DisplayTime = 7777;
    first.PosX = -321;
    first.PosY = 999;
    first.EffectNumber = 35;
    first.SpeedIndex = 3;
    first.SoundPath = QStringLiteral("/sounds/a.wav");
    first.KeepPrevious = 0;
    first.Transparent = 1;
    SlideItem second;
    second.KeepPrevious = 1;
    slides()[0] = first;
    slides()[1] = second;

    form->setCurrentIndex(1);
    EXPECT_TRUE(panel().Check2->isChecked());
    EXPECT_TRUE(panel().Check1->isEnabled());
    EXPECT_FALSE(panel().Check1->isChecked());

    form->setCurrentIndex(0);
    EXPECT_EQ(panel().Text1->text(), QStringLiteral("7777"));
    EXPECT_EQ(panel().VScroll2->number(), 7777);
    EXPECT_EQ(panel().Text2[0]->text(), QStringLiteral("-321"));
    EXPECT_EQ(panel().VScroll3[0]->number(), -321);
    EXPECT_EQ(panel().Text2[1]->text(), QStringLiteral("999"));
    EXPECT_EQ(panel().VScroll3[1]->number(), 999);
    EXPECT_EQ(panel().Combo1->currentIndex(), 35);
    EXPECT_EQ(panel().Combo2->currentIndex(), 3);
    EXPECT_EQ(panel().Text3->text(), QStringLiteral("/sounds/a.wav"));
    EXPECT_FALSE(panel().Check2->isChecked());
    // Shown ticked but greyed out: transparency only counts over a kept image.
    EXPECT_TRUE(panel().Check1->isChecked());
    EXPECT_FALSE(panel().Check1->isEnabled());

    EXPECT_EQ(slides()[0], first);
    EXPECT_EQ(slides()[1], second);
}

TEST_F(PropertyPanelWindowTest, EditsGoToTheSlideShownOnly)
{
    addSlides(3);
    form->setCurrentIndex(1);
    panel().Text1->setText(QStringLiteral("4500"));
    panel().Combo1->setCurrentIndex(12);
    panel().Check2->click();

    EXPECT_EQ(slides()[1].DisplayTime, 4500);
    EXPECT_EQ(slides()[1].EffectNumber, 12);
    EXPECT_EQ(slides()[1].KeepPrevious, 1);
    for (int i : {0, 2}) {
        EXPECT_EQ(slides()[i], SlideItem()) << i;
    }

    form->setCurrentIndex(2);
    EXPECT_EQ(panel().Text1->text(), QStringLiteral("1000"));
    EXPECT_EQ(panel().Combo1->currentIndex(), 0);
    EXPECT_FALSE(panel().Check1->isEnabled());
}

TEST_F(PropertyPanelWindowTest, LoadingTheWindowSelectsTheFirstEffectAndSpeed)
{
    form->Form_Load(QString());
    EXPECT_EQ(panel().Combo1->currentText(), QStringLiteral("なし"));
    EXPECT_EQ(panel().Combo2->currentText(), QStringLiteral("1倍速"));
    EXPECT_EQ(panel().Text1->text(), QStringLiteral("1"));
    EXPECT_FALSE(panel().Check1->isEnabled());
}

}  // namespace
