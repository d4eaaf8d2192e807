#pragma once

#include <array>
#include <cstdint>

// How an effect counts its frames.
enum class FrameKind {
    None,             // no frames: the incoming picture is copied at once
    Counted,          // an integer frame number from 0 to frames - 1
    FloatingCounter,  // a 32-bit float counter that runs from 0 to a limit in steps
};

// One entry of the effect list: the text the property panel shows, the procedure the player
// runs, and how that procedure paces itself.
struct EffectDescription {
    std::int32_t number;
    const char* listText;       // UTF-8, exactly as the list shows it
    const char* procedureName;  // empty for number 0
    FrameKind frameKind;
    int frames;        // the frame count of counted effects, 0 otherwise
    int basePeriodMs;  // frame period at 1x speed, 0 for number 0
    bool refreshesAfterFinish;
};

constexpr int kEffectCount = 36;
constexpr int kSpeedCount = 4;

// The effect list, indexed by effect number (0 to 35).
const std::array<EffectDescription, kEffectCount>& effectCatalogue();

// The speed list texts (UTF-8), indexed by speed index.
const std::array<const char*, kSpeedCount>& speedListTexts();

// EffectSpeed for a speed index: 2 raised to the index, computed in floating point and rounded
// (ties to even), so indexes 0 to 3 give 1, 2, 4 and 8.
std::int32_t effectSpeedForIndex(std::int32_t speedIndex);
