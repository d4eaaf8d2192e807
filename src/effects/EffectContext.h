#pragma once

#include "effects/Canvas.h"
#include "effects/ProgramState.h"
#include "effects/Ticker.h"

// What every effect procedure works with: the canvas it draws on, the clock it paces itself by
// and the program-wide values (EffectSpeed, StopRequested, the random generator).
struct EffectContext {
    Canvas& canvas;
    Ticker& ticker;
    ProgramState& state;
};
