#include "EditorFixture.h"
#include "FakeEditorView.h"
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

// The commands on a document and a recording view: no window.
class ApplyToAllTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { ensureApplication(); }

    // `count` slides; the current one is `current`, with every setting given.
    void makeShow(int count, int current)
    {
        document.add(QStringList(count, QStringLiteral("/p/a.bmp")));
        document.setCurrentIndex(current);
    }
    const QList<SlideItem>& slides() const { return document.record().Slides; }

    EditorDocument document;
    FakeEditorView view;
    ProgramState state;
    ApplyToAllCommands commands{document, view, state.Random};
};

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
    EXPECT_EQ(document.currentIndex(), -1);
    EXPECT_TRUE(view.calls.isEmpty());
    // The random command drew nothing: the generator still gives its first number.
    RandomGenerator fresh;
    EXPECT_EQ(state.Random.next(), fresh.next());
}

TEST_F(ApplyToAllTest, TheCurrentSlidesSettingsAreWrittenIntoEverySlide)
{
    makeShow(3, 1);
    document.setPosition(-40, 75);
    document.setDisplayTime(2500);
    document.setSoundPath(QStringLiteral("/sounds/ding.wav"));
    document.setKeepPrevious(true);
    document.setTransparent(true);

    commands.menuAllichisitei_Click();
    EXPECT_EQ(view.calls, QStringList{"List1_Click"}) << "the current slide is shown again";
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
        EXPECT_EQ(slide.EffectNumber, 0);
    }
    EXPECT_EQ(document.currentIndex(), 1);
    EXPECT_EQ(view.calls.size(), 5);
}

TEST_F(ApplyToAllTest, EffectCommandCopiesTheEffectButNotTheSpeed)
{
    makeShow(3, 0);
    document.setSpeedIndex(1);
    document.setCurrentIndex(2);
    document.setSpeedIndex(3);
    document.setEffectNumber(17);

    commands.menuAlleffect_Click();

    EXPECT_EQ(slides()[0].EffectNumber, 17);
    EXPECT_EQ(slides()[1].EffectNumber, 17);
    EXPECT_EQ(slides()[2].EffectNumber, 17);
    EXPECT_EQ(slides()[0].SpeedIndex, 1);
    EXPECT_EQ(slides()[1].SpeedIndex, 0);
    EXPECT_EQ(slides()[2].SpeedIndex, 3);
}

TEST_F(ApplyToAllTest, RandomEffectsDrawFromTheProgramGeneratorInSlideOrder)
{
    makeShow(5, 3);
    commands.menuRandamEffect_Click();

    RandomGenerator fresh;
    for (const SlideItem& slide : slides()) {
        const int expected = static_cast<int>(std::floor(double(fresh.next()) * kEffectEntries));
        EXPECT_EQ(slide.EffectNumber, expected);
        EXPECT_GE(slide.EffectNumber, 0);
        EXPECT_LT(slide.EffectNumber, kEffectEntries);
    }
    EXPECT_EQ(view.calls, QStringList{"List1_Click"});
}

TEST_F(ApplyToAllTest, RandomEffectsAreTheSameAfterEveryFreshStart)
{
    makeShow(5, 0);
    commands.menuRandamEffect_Click();
    QList<qint32> first;
    for (const SlideItem& slide : slides()) {
        first.append(slide.EffectNumber);
    }

    // A second program start: its own document and program state.
    EditorDocument second;
    ProgramState secondState;
    ApplyToAllCommands secondCommands(second, view, secondState.Random);
    second.add(QStringList(5, QStringLiteral("/p/a.bmp")));
    second.setCurrentIndex(4);
    secondCommands.menuRandamEffect_Click();
    QList<qint32> again;
    for (const SlideItem& slide : second.record().Slides) {
        again.append(slide.EffectNumber);
    }
    EXPECT_EQ(first, again);
    // Five draws that are not all alike: the numbers really come from the generator.
    EXPECT_GT(QSet<qint32>(first.begin(), first.end()).size(), 1);
}

// The commands in the window, with the values the panel holds.
class ApplyToAllWindowTest : public EditorFixture {};

TEST_F(ApplyToAllWindowTest, MenuItemsRunTheCommands)
{
    addSlides(2);
    panel()->Text1->setText(QStringLiteral("3000"));
    action("menuAllTime")->trigger();
    EXPECT_EQ(slides()[0].DisplayTime, 3000);
    EXPECT_EQ(slides()[1].DisplayTime, 3000);

    action("menuRandamEffect")->trigger();
    RandomGenerator fresh;
    for (const SlideItem& slide : slides()) {
        EXPECT_EQ(slide.EffectNumber,
                  static_cast<int>(std::floor(double(fresh.next()) * kEffectEntries)));
    }
    EXPECT_EQ(panel()->Combo1->currentIndex(), slides()[1].EffectNumber);
}

TEST_F(ApplyToAllWindowTest, FractionsInThePanelAreRoundedHalfToEvenForEverySlide)
{
    addSlides(2);
    document().setCurrentIndex(0);
    // The spins already stand at the whole numbers, so the boxes keep the fractions typed.
    panel()->Text2[0]->setText(QStringLiteral("2"));
    panel()->Text2[0]->setText(QStringLiteral("2.5"));
    panel()->Text2[1]->setText(QStringLiteral("-4"));
    panel()->Text2[1]->setText(QStringLiteral("-3.5"));
    panel()->Text1->setText(QStringLiteral("12"));
    panel()->Text1->setText(QStringLiteral("12.5"));
    ASSERT_EQ(panel()->Text2[0]->text(), QStringLiteral("2.5"));
    ASSERT_EQ(panel()->Text1->text(), QStringLiteral("12.5"));

    action("menuAllichisitei")->trigger();
    action("menuAllTime")->trigger();

    for (const SlideItem& slide : slides()) {
        EXPECT_EQ(slide.PosX, 2);
        EXPECT_EQ(slide.PosY, -4);
        EXPECT_EQ(slide.DisplayTime, 12);
    }
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
        for (const SlideItem& slide : started->document().record().Slides) {
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
