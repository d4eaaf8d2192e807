#include "EditorFixture.h"
#include "editor/ApplyToAllCommands.h"
#include "editor/Main.h"
#include "editor/PropertyPanel.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>

#include <cmath>
#include <cstdio>

namespace {

constexpr int kEffectEntries = 36;
// Set in the program runs that the reproducibility test starts; such a run prints its effects.
constexpr char kChildRun[] = "KREMOA_RANDOM_EFFECTS_RUN";
const QString kEffectsLine = QStringLiteral("random effects:");

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

TEST_F(ApplyToAllTest, FractionsInThePanelAreRoundedHalfToEvenForEverySlide)
{
    addSlides(2);
    form->setCurrentIndex(0);
    // The spins already stand at the whole numbers, so the boxes keep the fractions typed.
    panel().Text2[0]->setText(QStringLiteral("2"));
    panel().Text2[0]->setText(QStringLiteral("2.5"));
    panel().Text2[1]->setText(QStringLiteral("-4"));
    panel().Text2[1]->setText(QStringLiteral("-3.5"));
    panel().Text1->setText(QStringLiteral("12"));
    panel().Text1->setText(QStringLiteral("12.5"));
    ASSERT_EQ(panel().Text2[0]->text(), QStringLiteral("2.5"));
    ASSERT_EQ(panel().Text1->text(), QStringLiteral("12.5"));

    commands.menuAllichisitei_Click();
    commands.menuAllTime_Click();

    for (const SlideItem& slide : slides()) {
        EXPECT_EQ(slide.PosX, 2);
        EXPECT_EQ(slide.PosY, -4);
        EXPECT_EQ(slide.DisplayTime, 12);
    }
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

// Starts the program as a user would, adds five images and gives them random effects.
TEST_F(ApplyToAllWindowTest, RandomEffectsRepeatInEveryRunOfTheProgram)
{
    const QStringList paths = addSlides(5);
    if (qEnvironmentVariableIsSet(kChildRun)) {
        const std::unique_ptr<MainForm> started = Main::start(
            QDir::tempPath(), {QStringLiteral("kremoa")}, questions, prompter, QDir::currentPath());
        ASSERT_NE(started, nullptr);
        for (const QString& path : paths) {
            started->AddImages(path);
        }
        started->findChild<QAction*>(QStringLiteral("menuRandamEffect"))->trigger();
        QStringList numbers;
        for (const SlideItem& slide : started->document().record.Slides) {
            numbers.append(QString::number(slide.EffectNumber));
        }
        std::printf("%s %s\n", qPrintable(kEffectsLine), qPrintable(numbers.join(u' ')));
        return;
    }

    QStringList runs;
    for (int run = 0; run < 2; ++run) {
        QProcess program;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(QString::fromLatin1(kChildRun), QStringLiteral("1"));
        program.setProcessEnvironment(environment);
        program.start(QCoreApplication::applicationFilePath(),
                      {QStringLiteral("--gtest_filter=ApplyToAllWindowTest."
                                      "RandomEffectsRepeatInEveryRunOfTheProgram")});
        ASSERT_TRUE(program.waitForFinished(60000));
        ASSERT_EQ(program.exitCode(), 0) << program.readAllStandardError().toStdString();
        const QString output = QString::fromLocal8Bit(program.readAllStandardOutput());
        const QRegularExpressionMatch line =
            QRegularExpression(QRegularExpression::escape(kEffectsLine) + QStringLiteral(" (.*)"))
                .match(output);
        ASSERT_TRUE(line.hasMatch()) << output.toStdString();
        runs.append(line.captured(1).trimmed());
    }
    EXPECT_EQ(runs[0], runs[1]);
    const QStringList numbers = runs[0].split(u' ');
    ASSERT_EQ(numbers.size(), 5);
    EXPECT_GT(QSet<QString>(numbers.begin(), numbers.end()).size(), 1)
        << "five draws that are not all alike come from the generator";
}

}  // namespace
