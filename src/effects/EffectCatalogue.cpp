#include "effects/EffectCatalogue.h"

#include "effects/RoundHalfEven.h"

#include <cmath>

namespace {

constexpr FrameKind kNone = FrameKind::None;
constexpr FrameKind kCounted = FrameKind::Counted;
constexpr FrameKind kFloating = FrameKind::FloatingCounter;

// The list texts mix full-width and half-width parentheses on purpose (entry 7 opens with a
// full-width one and closes with a half-width one): they are the texts the show files were
// made with.
constexpr std::array<EffectDescription, kEffectCount> kCatalogue{{
    {0, "なし", "", kNone, 0, 0, false},
    {1, "オープン(水平)", "EffectOpenHorizontal", kFloating, 0, 50, false},
    {2, "オープン(垂直)", "EffectOpenVertical", kFloating, 0, 50, false},
    {3, "タイルオーバー", "EffectTileOver", kCounted, 25, 40, false},
    {4, "フラット", "EffectFlat", kFloating, 0, 40, false},
    {5, "ワイプ（左-右）", "EffectWipeLeftToRight", kFloating, 0, 50, false},
    {6, "ワイプ（右-左）", "EffectWipeRightToLeft", kFloating, 0, 50, false},
    {7, "ワイプ（上-下)", "EffectWipeTopToBottom", kFloating, 0, 50, false},
    {8, "ワイプ（下-上）", "EffectWipeBottomToTop", kFloating, 0, 50, false},
    {9, "ワイプ（スパイラル）", "EffectWipeSpiralTiles", kCounted, 25, 40, false},
    {10, "ワイプ（センター）", "EffectWipeCenter", kCounted, 20, 40, false},
    {11, "スピン（水平）", "EffectSpinHorizontal", kCounted, 20, 20, true},
    {12, "スピン(垂直)", "EffectSpinVertical", kCounted, 20, 20, true},
    {13, "スピン2(水平)", "EffectSpin2Horizontal", kCounted, 40, 10, true},
    {14, "スピン2(垂直)", "EffectSpin2Vertical", kCounted, 40, 10, true},
    {15, "スプリング(左から)", "EffectSpringFromLeft", kCounted, 21, 25, true},
    {16, "スプリング(上から)", "EffectSpringFromTop", kCounted, 21, 25, true},
    {17, "スプリング(右から)", "EffectSpringFromRight", kCounted, 21, 25, true},
    {18, "スプリング(下から)", "EffectSpringFromBottom", kCounted, 21, 25, true},
    {19, "シャッター(左から)", "EffectShutterFromLeft", kFloating, 0, 50, false},
    {20, "シャッター(上から)", "EffectShutterFromTop", kFloating, 0, 50, false},
    {21, "シャッター(右から)", "EffectShutterFromRight", kFloating, 0, 50, false},
    {22, "シャッター(下から)", "EffectShutterFromBottom", kFloating, 0, 50, false},
    {23, "ズームイン", "EffectZoomIn", kCounted, 21, 40, false},
    {24, "ズームアウト", "EffectZoomOut", kCounted, 21, 40, false},
    {25, "ズーム", "EffectZoom", kCounted, 41, 20, false},
    {26, "スライド(左から)", "EffectSlideFromLeft", kFloating, 0, 40, false},
    {27, "スライド(上から)", "EffectSlideFromTop", kFloating, 0, 40, false},
    {28, "スライド(右から)", "EffectSlideFromRight", kFloating, 0, 40, false},
    {29, "スライド(下から)", "EffectSlideFromBottom", kFloating, 0, 40, false},
    {30, "ワイプ（サークル）", "EffectWipeCircle", kCounted, 25, 40, false},
    {31, "ワイプ（ダイヤ）", "EffectWipeDiamond", kCounted, 30, 40, false},
    {32, "ワイプ（クロック）", "EffectWipeClock", kCounted, 36, 40, false},
    {33, "ワイプ（螺旋）", "EffectWipeSpiralSweep", kCounted, 201, 8, false},
    {34, "タイルオーバー（縦）", "EffectTileOverVertical", kCounted, 25, 40, false},
    {35, "タイルオーバー（横）", "EffectTileOverHorizontal", kCounted, 25, 40, false},
}};

constexpr std::array<const char*, kSpeedCount> kSpeedTexts{"1倍速", "2倍速", "4倍速", "8倍速"};

constexpr double kSpeedBase = 2.0;

}  // namespace

const std::array<EffectDescription, kEffectCount>& effectCatalogue()
{
    return kCatalogue;
}

const std::array<const char*, kSpeedCount>& speedListTexts()
{
    return kSpeedTexts;
}

std::int32_t effectSpeedForIndex(std::int32_t speedIndex)
{
    return roundHalfEven(std::pow(kSpeedBase, speedIndex));
}
