#include "effects/EffectCatalogue.h"
#include "effects/RoundHalfEven.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(EffectCatalogue, ListTextsAreExactlyTheShownOnesWithTheirMixedBrackets)
{
    const char* const expected[kEffectCount] = {
        "なし",
        "オープン(水平)",
        "オープン(垂直)",
        "タイルオーバー",
        "フラット",
        "ワイプ（左-右）",
        "ワイプ（右-左）",
        "ワイプ（上-下)",
        "ワイプ（下-上）",
        "ワイプ（スパイラル）",
        "ワイプ（センター）",
        "スピン（水平）",
        "スピン(垂直)",
        "スピン2(水平)",
        "スピン2(垂直)",
        "スプリング(左から)",
        "スプリング(上から)",
        "スプリング(右から)",
        "スプリング(下から)",
        "シャッター(左から)",
        "シャッター(上から)",
        "シャッター(右から)",
        "シャッター(下から)",
        "ズームイン",
        "ズームアウト",
        "ズーム",
        "スライド(左から)",
        "スライド(上から)",
        "スライド(右から)",
        "スライド(下から)",
        "ワイプ（サークル）",
        "ワイプ（ダイヤ）",
        "ワイプ（クロック）",
        "ワイプ（螺旋）",
        "タイルオーバー（縦）",
        "タイルオーバー（横）",
    };
    for (int i = 0; i < kEffectCount; ++i) {
        EXPECT_EQ(effectCatalogue()[i].number, i);
        EXPECT_EQ(std::string(effectCatalogue()[i].listText), expected[i]) << "entry " << i;
    }
    // Entry 7 opens full-width and closes half-width.
    EXPECT_EQ(std::string(effectCatalogue()[7].listText),
              "\xE3\x83\xAF\xE3\x82\xA4\xE3\x83\x97\xEF\xBC\x88\xE4\xB8\x8A-\xE4\xB8\x8B)");
}

TEST(EffectCatalogue, BasePeriodsAndFinishingRefreshFollowTheFamilies)
{
    EXPECT_EQ(effectCatalogue()[0].basePeriodMs, 0);
    EXPECT_EQ(effectCatalogue()[1].basePeriodMs, 50);
    EXPECT_EQ(effectCatalogue()[13].basePeriodMs, 10);
    EXPECT_EQ(effectCatalogue()[15].basePeriodMs, 25);
    EXPECT_EQ(effectCatalogue()[25].basePeriodMs, 20);
    EXPECT_EQ(effectCatalogue()[26].basePeriodMs, 40);
    EXPECT_EQ(effectCatalogue()[33].basePeriodMs, 8);
    for (int i = 0; i < kEffectCount; ++i) {
        EXPECT_EQ(effectCatalogue()[i].refreshesAfterFinish, i >= 11 && i <= 18) << i;
    }
    EXPECT_EQ(std::string(effectCatalogue()[32].procedureName), "EffectWipeClock");
}

TEST(EffectCatalogue, SpeedListAndEffectSpeed)
{
    EXPECT_EQ(std::string(speedListTexts()[0]), "1倍速");
    EXPECT_EQ(std::string(speedListTexts()[3]), "8倍速");
    EXPECT_EQ(effectSpeedForIndex(0), 1);
    EXPECT_EQ(effectSpeedForIndex(1), 2);
    EXPECT_EQ(effectSpeedForIndex(2), 4);
    EXPECT_EQ(effectSpeedForIndex(3), 8);
}

TEST(RoundHalfEven, TiesGoToTheEvenNeighbour)
{
    EXPECT_EQ(roundHalfEven(2.5), 2);
    EXPECT_EQ(roundHalfEven(3.5), 4);
    EXPECT_EQ(roundHalfEven(-2.5), -2);
    EXPECT_EQ(roundHalfEven(50.5), 50);
    EXPECT_EQ(roundHalfEven(2.5000001), 3);
    EXPECT_EQ(roundHalfEven(1e12), 2147483647);
}

}  // namespace
