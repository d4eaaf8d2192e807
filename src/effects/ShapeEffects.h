#pragma once

#include "effects/EffectContext.h"

// Effects that uncover the incoming picture through a clipping shape growing from the centre:
// a circle, a diamond, a clock hand sweeping once round, and a sweep tracing a spiral.
void EffectWipeCircle(EffectContext& context);
void EffectWipeDiamond(EffectContext& context);
void EffectWipeClock(EffectContext& context);
void EffectWipeSpiralSweep(EffectContext& context);
