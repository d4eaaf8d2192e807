#include "EditorFixture.h"
#include "editor/ApplyToAllCommands.h"
#include "editor/PropertyPanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>

#include <cmath>

namespace {

constexpr int kEffectEntries = 36;

class ApplyToAllWindowTest : public EditorFixture {
protected:
    PropertyPanel& panel() const { return *form->panel; }
    const QList<SlideItem>& slides() const { return document().record.Slides; }
};

// Commands of the test's own, driven through their handlers.
class ApplyToAllTest : public ApplyToAllWindowTest {
protected:
    ApplyToAllCommands commands{*form};
};

TEST_F(ApplyToAllWindowTest, MenuItemsRunTheCommands)
{
    addSlides(2);
    panel().Text1->setText(QStringLiteral("3000"));
    action("menuAllTime")->trigger();
    EXPECT_EQ(slides()[0].DisplayTime, 3000);
    EXPECT_EQ(slides()[1].DisplayTime, 3000);

    action("menuRandamEffect")->trigger();
    RandomGenerator fresh;
    for (const SlideItem& slide : slides()) {
        EXPECT_EQ(slide.EffectNumber,
                  static_cast<int>(std::floor(double(fresh.next()) * kEffectEntries)));
    }
}

TEST_F(ApplyToAllTest, EveryCommandDoesNothingWithoutSlides)
{
    commands.menuAllichisitei_Click();
    commands.menuAllTime_Click();
    commands.menuAlleffect_Click();
    commands.menuRandamEffect_Click();
    commands.menuAllSound_Click();
    commands.menuAllNokosu_Click();
    commands.menuAllTransparent_Click();
    EXPECT_TRUE(slides().isEmpty());
    EXPECT_EQ(document().ListIndex, -1);
    // The random command drew nothing: the generator still gives its first number.
    RandomGenerator fresh;
    EXPECT_EQ(form->state().Random.next(), fresh.next());
}

TEST_F(ApplyToAllTest, PanelValuesAreWrittenIntoEverySlide)
{
    addSlides(3);
    form->setCurrentIndex(1);
    panel().Text2[0]->setText(QStringLiteral("-40"));
    panel().Text2[1]->setText(QStringLiteral("75"));
    panel().Text1->setText(QStringLiteral("2500"));
    panel().Text3->setText(QStringLiteral("/sounds/ding.wav"));
    panel().Check2->setChecked(true);
    panel().Check1->setChecked(true);

    commands.menuAllichisitei_Click();
    commands.menuAllTime_Click();
    commands.menuAllSound_Click();
    commands.menuAllNokosu_Click();
    commands.menuAllTransparent_Click();

    for (const SlideItem& slide : slides()) {
        EXPECT_EQ(slide.PosX, -40);
        EXPECT_EQ(slide.PosY, 75);
        EXPECT_EQ(slide.DisplayTime, 2500);
        EXPECT_EQ(slide.SoundPath, QStringLiteral("/sounds/ding.wav"));
        EXPECT_EQ(slide.KeepPrevious, 1);
        EXPECT_EQ(slide.Transparent, 1);
    }
    EXPECT_EQ(document().ListIndex, 1);
}

TEST_F(ApplyToAllTest, EffectCommandCopiesTheEffectButNotTheSpeed)
{
    addSlides(3);
    form->setCurrentIndex(0);
    panel().Combo2->setCurrentIndex(1);
    form->setCurrentIndex(2);
    panel().Combo2->setCurrentIndex(3);
    panel().Combo1->setCurrentIndex(17);

    commands.menuAlleffect_Click();

    EXPECT_EQ(slides()[0].EffectNumber, 17);
    EXPECT_EQ(slides()[1].EffectNumber, 17);
    EXPECT_EQ(slides()[2].EffectNumber, 17);
    EXPECT_EQ(slides()[0].SpeedIndex, 1);
    EXPECT_EQ(slides()[1].SpeedIndex, 0);
    EXPECT_EQ(slides()[2].SpeedIndex, 3);
}

TEST_F(ApplyToAllTest, RandomEffectsDrawFromTheProgramGeneratorAndShowTheSelectedSlide)
{
    addSlides(5);
    form->setCurrentIndex(3);
    commands.menuRandamEffect_Click();

    RandomGenerator fresh;
    for (const SlideItem& slide : slides()) {
        const int expected = static_cast<int>(std::floor(double(fresh.next()) * kEffectEntries));
        EXPECT_EQ(slide.EffectNumber, expected);
        EXPECT_GE(slide.EffectNumber, 0);
        EXPECT_LT(slide.EffectNumber, kEffectEntries);
    }
    EXPECT_EQ(panel().Combo1->currentIndex(), slides()[3].EffectNumber);
}

TEST_F(ApplyToAllTest, RandomEffectsAreTheSameAfterEveryFreshStart)
{
    addSlides(5);
    commands.menuRandamEffect_Click();
    QList<qint32> first;
    for (const SlideItem& slide : slides()) {
        first.append(slide.EffectNumber);
    }

    // A second program start: a new window with its own program state.
    form = std::make_unique<MainForm>(questions, prompter, QDir::currentPath(),
                                      QDir::tempPath() + QDir::separator());
    ApplyToAllCommands secondCommands(*form);
    addSlides(5);
    secondCommands.menuRandamEffect_Click();
    QList<qint32> second;
    for (const SlideItem& slide : slides()) {
        second.append(slide.EffectNumber);
    }
    EXPECT_EQ(first, second);
    // Five draws that are not all alike: the numbers really come from the generator.
    EXPECT_GT(QSet<qint32>(first.begin(), first.end()).size(), 1);
}

}  // namespace
