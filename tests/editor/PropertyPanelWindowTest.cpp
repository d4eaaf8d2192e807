#include "EditorFixture.h"
#include "editor/PropertyPanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

namespace {

// The panel inside the main window: showing a slide fills it, and its edits go to that slide.
class PropertyPanelWindowTest : public EditorFixture {
protected:
    PropertyPanel& panelOf() const { return *panel(); }
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
    editSlide(0, first);
    editSlide(1, second);

    document().setCurrentIndex(1);
    EXPECT_TRUE(panelOf().Check2->isChecked());
    EXPECT_TRUE(panelOf().Check1->isEnabled());
    EXPECT_FALSE(panelOf().Check1->isChecked());

    document().setCurrentIndex(0);
    EXPECT_EQ(panelOf().Text1->text(), QStringLiteral("7777"));
    EXPECT_EQ(panelOf().VScroll2->number(), 7777);
    EXPECT_EQ(panelOf().Text2[0]->text(), QStringLiteral("-321"));
    EXPECT_EQ(panelOf().VScroll3[0]->number(), -321);
    EXPECT_EQ(panelOf().Text2[1]->text(), QStringLiteral("999"));
    EXPECT_EQ(panelOf().VScroll3[1]->number(), 999);
    EXPECT_EQ(panelOf().Combo1->currentIndex(), 35);
    EXPECT_EQ(panelOf().Combo2->currentIndex(), 3);
    EXPECT_EQ(panelOf().Text3->text(), QStringLiteral("/sounds/a.wav"));
    EXPECT_FALSE(panelOf().Check2->isChecked());
    // Shown ticked but greyed out: transparency only counts over a kept image.
    EXPECT_TRUE(panelOf().Check1->isChecked());
    EXPECT_FALSE(panelOf().Check1->isEnabled());

    EXPECT_EQ(slides()[0], first);
    EXPECT_EQ(slides()[1], second);
}

TEST_F(PropertyPanelWindowTest, EditsGoToTheSlideShownOnly)
{
    addSlides(3);
    document().setCurrentIndex(1);
    panelOf().Text1->setText(QStringLiteral("4500"));
    panelOf().Combo1->setCurrentIndex(12);
    panelOf().Check2->click();

    EXPECT_EQ(slides()[1].DisplayTime, 4500);
    EXPECT_EQ(slides()[1].EffectNumber, 12);
    EXPECT_EQ(slides()[1].KeepPrevious, 1);
    for (int i : {0, 2}) {
        EXPECT_EQ(slides()[i], SlideItem()) << i;
    }

    document().setCurrentIndex(2);
    EXPECT_EQ(panelOf().Text1->text(), QStringLiteral("1000"));
    EXPECT_EQ(panelOf().Combo1->currentIndex(), 0);
    EXPECT_FALSE(panelOf().Check1->isEnabled());
}

TEST_F(PropertyPanelWindowTest, LoadingTheWindowSelectsTheFirstEffectAndSpeed)
{
    form->Form_Load(QString());
    EXPECT_EQ(panelOf().Combo1->currentText(), QStringLiteral("なし"));
    EXPECT_EQ(panelOf().Combo2->currentText(), QStringLiteral("1倍速"));
    EXPECT_EQ(panelOf().Text1->text(), QStringLiteral("1"));
    EXPECT_FALSE(panelOf().Check1->isEnabled());
}

}  // namespace
