#include "runtime/SettingsDialog.h"

#include "runtime/SoundSettings.h"
#include "support/ApplicationEnvironment.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

namespace {

const auto* const environment =
    ::testing::AddGlobalTestEnvironment(new ApplicationEnvironment("SoundSettingsTest"));

class SoundSettingsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, home.path());
    }

    QTemporaryDir home;
};

TEST_F(SoundSettingsTest, BothSoundsAreOnUntilChangedAndEachSaverKeepsItsOwn)
{
    SoundSettings stars(QStringLiteral("Stars.scr"));
    EXPECT_TRUE(stars.load().bgm);
    EXPECT_TRUE(stars.load().soundEffects);

    stars.save(SoundChoice{false, true});
    EXPECT_FALSE(SoundSettings(QStringLiteral("Stars.scr")).load().bgm);
    EXPECT_TRUE(SoundSettings(QStringLiteral("Stars.scr")).load().soundEffects);
    EXPECT_TRUE(SoundSettings(QStringLiteral("Sea.scr")).load().bgm);
}

TEST_F(SoundSettingsTest, DialogShowsAndReturnsTheSwitches)
{
    SettingsDialog dialog(QStringLiteral("星空"), SoundChoice{true, false});
    QCheckBox* bgm = dialog.findChild<QCheckBox*>("bgm");
    QCheckBox* soundEffects = dialog.findChild<QCheckBox*>("soundEffects");
    ASSERT_NE(bgm, nullptr);
    ASSERT_NE(soundEffects, nullptr);
    EXPECT_TRUE(bgm->isChecked());
    EXPECT_FALSE(soundEffects->isChecked());
    EXPECT_TRUE(dialog.windowTitle().startsWith(QStringLiteral("星空")));
    QStringList buttons;
    for (const QPushButton* button : dialog.findChildren<QPushButton*>()) {
        buttons.append(button->text());
    }
    buttons.sort();
    EXPECT_EQ(buttons, (QStringList{QStringLiteral("OK"), QStringLiteral("キャンセル")}));

    dialog.show();
    QTest::mouseClick(bgm, Qt::LeftButton);
    QTest::mouseClick(soundEffects, Qt::LeftButton);
    EXPECT_FALSE(dialog.choice().bgm);
    EXPECT_TRUE(dialog.choice().soundEffects);
}

}  // namespace
